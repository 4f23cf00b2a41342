#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"

// Changes the e-mail address of a directory author ("更新作者信息").
class TForm_update_d_o_a_info : public db::Form {
    Q_OBJECT
public:
    explicit TForm_update_d_o_a_info(QWidget* parent = nullptr);

    void FormShow();
    void Button_yesClick();
    void Button_noClick();

    QLineEdit* Edit_email;
    QPushButton* Button_yes;
    QPushButton* Button_no;
    QComboBox* ComboBox_author;

protected:
    void formShow() override { FormShow(); }
};
