#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "catalogue/InsertPaper.h"
#include "window/Form.h"
#include "duplicates/windows/SimilarPapersBox.h"
#include "pdf/ReaderProcess.h"
#include "scripting/HookCaller.h"

// Paper entry ("插入"): one paper into all five paper tables, whole or not
// at all. The further authors and keywords rows come from script hooks when
// they are given.
class TForm_insert_d : public db::Form {
    Q_OBJECT
public:
    explicit TForm_insert_d(QWidget* parent = nullptr);
    ~TForm_insert_d() override;

    void Button_yesClick();
    void Button_noClick();
    void Button_a_infoClick();
    // Fills the boxes from one PDF file the user picks; the user checks them
    // and presses "插入" as before.
    void Button_pdfClick();
    // Replaces the file dialog (tests): returns the chosen path, or nothing.
    void setPdfChooser(std::function<QString()> chooser) { choosePdf_ = std::move(chooser); }
    pdf::ReaderProcess& pdfReader() { return *pdfReader_; }

    // What the controls hold now.
    catalogue::entry::PaperEntry entry() const;
    scripting::HookCaller& hooks() { return *hooks_; }
    // Replaces the script engine (tests).
    void setHooks(std::unique_ptr<scripting::HookCaller> hooks);

    QGroupBox* GroupBox_basic;
    QLineEdit* Edit_title;
    QLineEdit* Edit_author;
    QLineEdit* Edit_date;
    QGroupBox* GroupBox_required;
    QLineEdit* Edit_filename;
    QLineEdit* Edit_dir;
    QPushButton* Button_pdf;
    QGroupBox* GroupBox_optional;
    QCheckBox* CheckBox1;
    QLineEdit* Edit_kwords;
    QCheckBox* CheckBox2;
    QLineEdit* Edit_authors;
    QCheckBox* CheckBox3;
    QLineEdit* Edit_catalog;
    QCheckBox* CheckBox4;
    QLineEdit* Edit_remark;
    QGroupBox* GroupBox_note;
    QPushButton* Button_yes;
    QPushButton* Button_no;
    QPushButton* Button_a_info;
    // Papers already in the catalogue that look like the one typed.
    duplicates::SimilarPapersBox* SimilarPapers;

private:
    void pdfRead(int index, const exchange::PaperRecord& record);

    std::unique_ptr<scripting::HookCaller> hooks_;
    pdf::ReaderProcess* pdfReader_;
    std::function<QString()> choosePdf_;
};
