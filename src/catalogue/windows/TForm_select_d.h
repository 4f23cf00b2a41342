#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "window/Form.h"
#include "window/ResultGrid.h"

// The quick search ("快速查询"): finds papers by parts of their title, first
// author and publication time and lists where each document is stored.
class TForm_select_d : public db::Form {
    Q_OBJECT
public:
    explicit TForm_select_d(QWidget* parent = nullptr);

    void Button_scanClick();
    void Button_yesClick();
    void Button_noClick();

    QGroupBox* GroupBox_addr_f;
    QLineEdit* Edit_title;
    QLineEdit* Edit_author_1;
    QLineEdit* Edit_date;
    QPushButton* Button_scan;
    QPushButton* Button_yes;
    QPushButton* Button_no;
    db::ResultGrid* DBGrid1;
};
