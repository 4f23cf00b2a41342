#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "catalogue/SelectStatements.h"
#include "window/Form.h"
#include "window/ResultGrid.h"

// The detailed query ("普通查询"): up to nine criteria over the whole catalogue
// and a choice of eleven groups of output columns.
class TForm_select_d_c : public db::Form {
    Q_OBJECT
public:
    explicit TForm_select_d_c(QWidget* parent = nullptr);

    void Button_yesClick();
    void Button_noClick();
    void Button_a_infoClick();

    // What the boxes say now, for the statement builder.
    catalogue::search::Outputs outputs() const;
    catalogue::search::Ticks ticks() const;
    catalogue::search::Texts texts() const;

    QGroupBox* GroupBox_main;
    QCheckBox* CheckBox_title;
    QLineEdit* Edit_title;
    QCheckBox* CheckBox_author_1;
    QCheckBox* CheckBox_date;
    QLineEdit* Edit_author_1;
    QLineEdit* Edit_date;

    QGroupBox* GroupBox_aux;
    QCheckBox* CheckBox_catalog;
    QLineEdit* Edit_kword;
    QCheckBox* CheckBox_kword;
    QCheckBox* CheckBox_name;
    QCheckBox* CheckBox_dir;
    QCheckBox* CheckBox_typist;
    QCheckBox* CheckBox_type_time;
    QLineEdit* Edit_catalog;
    QLineEdit* Edit_name;
    QLineEdit* Edit_dir;
    QLineEdit* Edit_typist;
    QLineEdit* Edit_type_time;

    QGroupBox* GroupBox_items;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox10;
    QCheckBox* CheckBox11;
    QCheckBox* CheckBox12;

    db::ResultGrid* DBGrid1;
    QPushButton* Button_yes;
    QPushButton* Button_no;
    QPushButton* Button_a_info;

private:
    // The output boxes in result order, and the criterion boxes and edit
    // boxes in the order of the criteria.
    std::array<QCheckBox*, catalogue::search::kOutputCount> outputBoxes_;
    std::array<QCheckBox*, catalogue::search::kCriterionCount> criterionBoxes_;
    std::array<QLineEdit*, catalogue::search::kCriterionCount> criterionEdits_;
};
