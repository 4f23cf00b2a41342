#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "window/Form.h"

// "数据库更改": tests a data source name and writes it into the settings file
// for the next start of the program.
class TForm_database_sel : public db::Form {
    Q_OBJECT
public:
    explicit TForm_database_sel(QWidget* parent = nullptr);

    void SpeedButton_testClick();
    void Button_yesClick();
    void Button_noClick();

    QLabel* StaticText1;
    QLineEdit* Edit_datasource;
    QPushButton* Button_yes;
    QPushButton* Button_no;
    QToolButton* SpeedButton_test;
};
