#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"

// Paper removal ("删除元组"): the paper named by title, first author and
// publication time goes out of all five paper tables, whole or not at all.
class TForm_delete_d : public db::Form {
    Q_OBJECT
public:
    explicit TForm_delete_d(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button1Click();
    void Button2Click();

    QLineEdit* Edit_title;
    QLineEdit* Edit_author;
    QLineEdit* Edit_date;
    QPushButton* Button_yes;
    QPushButton* Button1;
    QPushButton* Button2;
};
