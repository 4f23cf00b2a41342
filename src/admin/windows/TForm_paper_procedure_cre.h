#pragma once

#include <QPlainTextEdit>
#include <QPushButton>

#include "window/Form.h"

// "创建/删除存储过程": sends a create or drop statement and judges it by the
// number of listed procedures.
class TForm_paper_procedure_cre : public db::Form {
    Q_OBJECT
public:
    explicit TForm_paper_procedure_cre(QWidget* parent = nullptr);

    void Button1Click();
    void Button2Click();

    QPlainTextEdit* Memo_proc;
    QPushButton* Button1;
    QPushButton* Button2;
};
