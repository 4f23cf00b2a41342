#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"

// Adds an author with an e-mail address to the directory ("插入作者信息").
class TForm_insert_d_a_info : public db::Form {
    Q_OBJECT
public:
    explicit TForm_insert_d_a_info(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();

    QPushButton* Button_yes;
    QPushButton* Button_no;
    QLineEdit* Edit_email;
    QLineEdit* Edit_author;
};
