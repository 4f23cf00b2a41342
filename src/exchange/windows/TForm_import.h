#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

#include "exchange/FileImport.h"
#include "exchange/windows/ImportForm.h"

// Batch import ("从文件批量插入元组到数据库"): a BibTeX, RIS or CSV/TSV file is
// read into a preview with a status per entry; the ticked entries go into the
// catalogue through the entry logic, several per transaction, with progress,
// cancel and a summary that can be saved.
class TForm_import : public exchange::ImportForm {
    Q_OBJECT
public:
    explicit TForm_import(QWidget* parent = nullptr);
    ~TForm_import() override;

    // Reads a file into the preview (the file dialog and a drop end here).
    void openFile(const QString& path);
    void Button_openClick();
    void Button_readClick();   // reads the file again (other format or encoding)
    void Button_mapClick();    // applies the CSV column match
    void Button_yesClick();    // imports the ticked rows
    void Button_cancelClick(); // stops after the current paper
    void Button_reportClick(); // saves the summary
    void Button_noClick();
    // Writes the report to a file; false when it could not.
    bool saveReport(const QString& path);

    const exchange::Summary& summary() const { return summary_; }
    QString reportText() const;
    // Cancel is asked for after this many papers (tests).
    void setCancelAfter(int papers) { cancelAfter_ = papers; }

    QLineEdit* Edit_file;
    QPushButton* Button_open;
    QComboBox* ComboBox_format;
    QComboBox* ComboBox_encoding;
    QPushButton* Button_read;
    QLineEdit* Edit_dir;
    QTableWidget* Grid_mapping;
    QPushButton* Button_map;
    QPushButton* Button_report;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void updateCounts() override;
    void setWriting(bool writing) override;

private:
    void read(const QString& path);
    void showRecords();
    void showMapping();
    void setRunning(bool running);
    exchange::FileRead file_;
    QString path_;
    exchange::Summary summary_;
    bool running_ = false;
    int cancelAfter_ = -1;
};
