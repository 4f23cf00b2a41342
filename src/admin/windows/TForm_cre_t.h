#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "window/Form.h"

// "生成表": creates a table from a typed name and column list.
class TForm_cre_t : public db::Form {
    Q_OBJECT
public:
    explicit TForm_cre_t(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();

    QPlainTextEdit* Memo_cname;
    QLineEdit* Edit_tname;
    QPlainTextEdit* Memo_warning;
    QPushButton* Button_yes;
    QPushButton* Button_no;
};
