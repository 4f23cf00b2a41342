#pragma once

#include <QPushButton>

#include "window/Form.h"

// "删除表_注意": the warning before the table-drop window.
class TForm_del_t : public db::Form {
    Q_OBJECT
public:
    explicit TForm_del_t(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();

    QPushButton* Button_yes;
    QPushButton* Button_no;
};
