#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"

// "修改密码": the signed-in user changes the password of the own account.
class TForm_password_update : public db::Form {
    Q_OBJECT
public:
    explicit TForm_password_update(QWidget* parent = nullptr);

    void FormShow();
    void Button_yesClick();
    void Button_retClick();

    QLineEdit* Edit_pre_password;
    QLineEdit* Edit_new_password;
    QLineEdit* Edit_cof_password;
    QPushButton* Button_yes;
    QPushButton* Button_ret;
    QLabel* Label_password_update;

protected:
    void formShow() override { FormShow(); }
};
