#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"

// Author lookup ("查询作者信息"): shows the e-mail address of a directory author.
class TForm_select_d_c_a : public db::Form {
    Q_OBJECT
public:
    explicit TForm_select_d_c_a(QWidget* parent = nullptr);

    void FormShow();
    void Button_yesClick();
    void Button1Click();

    QLineEdit* Edit_email;
    QPushButton* Button_yes;
    QPushButton* Button1;
    QComboBox* ComboBox_author;

protected:
    void formShow() override { FormShow(); }
};
