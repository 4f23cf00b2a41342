#pragma once

#include <QComboBox>
#include <QPushButton>

#include "window/Form.h"

// "删除用户": removes an account.
class TForm_account_del : public db::Form {
    Q_OBJECT
public:
    explicit TForm_account_del(QWidget* parent = nullptr);

    void FormShow();
    void Button_yesClick();
    void Button_noClick();

    QComboBox* ComboBox_user;
    QPushButton* Button_yes;
    QPushButton* Button_no;

protected:
    void formShow() override { FormShow(); }
};
