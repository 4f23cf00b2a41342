#pragma once

#include <QComboBox>
#include <QPushButton>

#include "window/Form.h"

// "修改用户": changes an account's right level; opens the administrator window.
class TForm_account_alt : public db::Form {
    Q_OBJECT
public:
    explicit TForm_account_alt(QWidget* parent = nullptr);

    void FormShow();
    void Button_yesClick();
    void Button_noClick();
    void Button_adminClick();

    QComboBox* ComboBox_user;
    QComboBox* ComboBox_right;
    QPushButton* Button_yes;
    QPushButton* Button_no;
    QPushButton* Button_admin;

protected:
    void formShow() override { FormShow(); }
};
