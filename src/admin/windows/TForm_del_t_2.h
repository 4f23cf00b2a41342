#pragma once

#include <QComboBox>
#include <QPushButton>

#include "window/Form.h"

// "删除表": drops a table picked from the list or typed.
class TForm_del_t_2 : public db::Form {
    Q_OBJECT
public:
    explicit TForm_del_t_2(QWidget* parent = nullptr);

    void FormShow();
    void Button_yesClick();
    void Button_noClick();

    QPushButton* Button_yes;
    QPushButton* Button_no;
    QComboBox* ComboBox_t;

protected:
    void formShow() override { FormShow(); }
};
