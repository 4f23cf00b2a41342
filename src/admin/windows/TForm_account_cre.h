#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"

// "添加用户": a new account with its password and right level.
class TForm_account_cre : public db::Form {
    Q_OBJECT
public:
    explicit TForm_account_cre(QWidget* parent = nullptr);

    void Button1Click();
    void Button2Click();

    QLineEdit* Edit_user;
    QLineEdit* Edit_pass;
    QPushButton* Button1;
    QPushButton* Button2;
    QComboBox* ComboBox_priv;
};
