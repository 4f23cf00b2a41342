#pragma once

#include <QComboBox>
#include <QPushButton>

#include "window/Form.h"

// Removes an author from the directory ("删除作者信息"), every row of that name.
class TForm_delete_d_a : public db::Form {
    Q_OBJECT
public:
    explicit TForm_delete_d_a(QWidget* parent = nullptr);

    void FormShow();
    void Button_yesClick();
    void Button_noClick();

    QPushButton* Button_yes;
    QPushButton* Button_no;
    QComboBox* ComboBox_author;

protected:
    void formShow() override { FormShow(); }
};
