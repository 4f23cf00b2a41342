#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "catalogue/UpdatePaper.h"
#include "window/Form.h"
#include "window/ResultGrid.h"
#include "scripting/HookCaller.h"

// "更新一般对象": changes a paper's file name, folder, category, further
// authors, keywords and remark in one transaction, and shows the changed row.
class TForm_update_d_o : public db::Form {
    Q_OBJECT
public:
    explicit TForm_update_d_o(QWidget* parent = nullptr);
    ~TForm_update_d_o() override;

    void Button_yesClick();
    void Button3Click();
    void Button_noClick();

    catalogue::update::OtherChange change() const;
    scripting::HookCaller& hooks() { return *hooks_; }
    // Replaces the script engine (tests).
    void setHooks(std::unique_ptr<scripting::HookCaller> hooks);

    QGroupBox* GroupBox_object;
    QLineEdit* Edit_title;
    QLineEdit* Edit_author_1;
    QLineEdit* Edit_date;
    QGroupBox* GroupBox_items;
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QCheckBox* CheckBox6;
    QLineEdit* Edit_filename;
    QLineEdit* Edit_dir;
    QLineEdit* Edit_catalog;
    QLineEdit* Edit_authors;
    QLineEdit* Edit_kwords;
    QLineEdit* Edit_remark;
    QPushButton* Button_yes;
    QPushButton* Button3;
    QPushButton* Button_no;
    db::ResultGrid* DBGrid_update;

private:
    std::unique_ptr<scripting::HookCaller> hooks_;
};
