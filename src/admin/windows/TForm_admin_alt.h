#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"

// "管理员账户修改": new name and password of the administrator account.
class TForm_admin_alt : public db::Form {
    Q_OBJECT
public:
    explicit TForm_admin_alt(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();

    QLineEdit* Edit_name;
    QLineEdit* Edit_pwd;
    QPushButton* Button_yes;
    QPushButton* Button_no;
};
