#pragma once

#include <QPushButton>

#include "window/Form.h"
#include "window/ResultGrid.h"

// "所有用户信息": every account with its password and right level.
class TForm_user_table : public db::Form {
    Q_OBJECT
public:
    explicit TForm_user_table(QWidget* parent = nullptr);

    void FormShow();
    void Button_reClick();

    db::ResultGrid* DBGrid1;
    QPushButton* Button_re;

protected:
    void formShow() override { FormShow(); }
};
