#pragma once

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "window/Form.h"

// The update chooser ("更新"): opens the window for the title, first author
// and publication time, or the one for the other information of a paper.
class TForm_update_d : public db::Form {
    Q_OBJECT
public:
    explicit TForm_update_d(QWidget* parent = nullptr);

    void Button1Click();
    void Button2Click();

    QPushButton* Button1;
    QGroupBox* RadioGroup1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QPushButton* Button2;
};
