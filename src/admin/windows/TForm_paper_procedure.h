#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "window/Form.h"
#include "window/ResultGrid.h"

// "存储过程": lists the stored procedures, runs a typed call and opens the
// create/drop window.
class TForm_paper_procedure : public db::Form {
    Q_OBJECT
public:
    explicit TForm_paper_procedure(QWidget* parent = nullptr);

    void FormShow();
    void SpeedButton1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();

    QToolButton* SpeedButton1;
    db::ResultGrid* DBGrid1;
    QLineEdit* Edit_sql;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;

protected:
    void formShow() override { FormShow(); }
};
