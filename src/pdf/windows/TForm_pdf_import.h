#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <functional>
#include <memory>

#include "exchange/windows/ImportForm.h"
#include "pdf/ReaderProcess.h"

// Reading papers from their PDF files ("自动解析论文并导入数据库"): the user
// picks PDF files or a folder (or drops them); each file is read in the
// reader process into title, authors, keywords and year, with its folder and
// file name; the readings fill the shared import preview, where they can be
// corrected, and the ticked ones go into the catalogue through the entry logic.
class TForm_pdf_import : public exchange::ImportForm {
    Q_OBJECT
public:
    explicit TForm_pdf_import(QWidget* parent = nullptr);
    ~TForm_pdf_import() override;

    // Reads the PDF files among the paths (folders searched recursively).
    void readPaths(const QStringList& paths);
    void Button_filesClick();
    void Button_folderClick();
    void Button_yesClick();     // imports the ticked rows
    void Button_cancelClick();  // stops the reading, or the import after the current paper
    void Button_noClick();

    bool isReading() const { return reader_->isRunning(); }
    pdf::ReaderProcess& reader() { return *reader_; }
    // Replace the file dialogs (tests).
    void setChoosers(std::function<QStringList()> files, std::function<QString()> folder);

    QLineEdit* Edit_source;
    QPushButton* Button_files;
    QPushButton* Button_folder;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void updateCounts() override;
    void setWriting(bool writing) override;

private:
    void fileRead(int index, const exchange::PaperRecord& record);
    void readingFinished(bool cancelled);
    void flush();
    void setBusy(bool busy);

    pdf::ReaderProcess* reader_;
    QTimer flushTimer_;
    QVector<exchange::PaperRecord> pending_;  // read, not yet in the preview
    QSet<QString> known_;                     // places the catalogue holds
    bool checkKnown_ = true;
    bool flushing_ = false;  // a flush waits for the catalogue
    int errors_ = 0;
    bool writing_ = false;
    std::function<QStringList()> chooseFiles_;
    std::function<QString()> chooseFolder_;
};
