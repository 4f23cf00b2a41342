#pragma once

#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"
#include "window/ResultGrid.h"

// "SQL语言操作": runs a typed statement and shows its result set, if any.
class TForm_sql_oper : public db::Form {
    Q_OBJECT
public:
    explicit TForm_sql_oper(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();

    QLineEdit* Edit_ope;
    db::ResultGrid* DBGrid1;
    QPushButton* Button_yes;
    QPushButton* Button_no;
};
