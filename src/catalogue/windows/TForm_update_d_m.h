#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "catalogue/UpdatePaper.h"
#include "window/Form.h"

// "更新重要对象": changes a paper's title, first author and publication time
// and rewrites its key in all five paper tables, in one transaction.
class TForm_update_d_m : public db::Form {
    Q_OBJECT
public:
    explicit TForm_update_d_m(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button1Click();

    catalogue::update::MainChange change() const;

    QGroupBox* GroupBox_old;
    QLineEdit* Edit_title;
    QLineEdit* Edit_author_1;
    QLineEdit* Edit_date;
    QPushButton* Button_yes;
    QPushButton* Button1;
    QGroupBox* GroupBox_new;
    QCheckBox* CheckBox1;
    QLineEdit* Edit_title_n;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QLineEdit* Edit_author_1_n;
    QLineEdit* Edit_date_n;
};
