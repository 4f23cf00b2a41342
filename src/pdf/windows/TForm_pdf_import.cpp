#include "pdf/windows/TForm_pdf_import.h"

#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMimeData>
#include <QVBoxLayout>

#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "exchange/windows/ImportRun.h"
#include "pdf/KnownFiles.h"
#include "pdf/PdfFiles.h"

using namespace exchange;

TForm_pdf_import::TForm_pdf_import(QWidget* parent)
    : ImportForm(QStringLiteral("Form_pdf_import"), tr("自动解析论文并导入数据库"), parent),
      reader_(new pdf::ReaderProcess(this)) {

    Edit_source = db::widgets::edit(this, "Edit_source", 360);
    Edit_source->setReadOnly(true);
    Edit_source->setPlaceholderText(tr("选择或拖入PDF文件或文件夹（含子文件夹）"));
    Button_files = db::widgets::button(this, tr("选择文件…"), "Button_files");
    Button_folder = db::widgets::button(this, tr("选择文件夹…"), "Button_folder");
    makePresentChoice();
    makeCounts();
    makePreview();
    makeMessages(90);
    makeRunButtons();
    makeBackButton();

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(new QLabel(tr("PDF文件："), this));
    sourceRow->addWidget(Edit_source, 1);
    sourceRow->addWidget(Button_files);
    sourceRow->addWidget(Button_folder);
    sourceRow->addSpacing(16);
    sourceRow->addWidget(new QLabel(tr("已在库中的论文："), this));
    sourceRow->addWidget(RadioButton_skip);
    sourceRow->addWidget(RadioButton_update);
    auto* buttons = buttonRow();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sourceRow);
    layout->addWidget(Label_counts);
    layout->addWidget(Grid_preview, 1);
    layout->addWidget(Memo_messages);
    layout->addLayout(buttons);

    // A reading is a guess: every cell can be corrected before the import.
    preview().setEditable(true);
    preview().setExtraCheck([this](const PaperRecord& r, const CheckedPaper& p) -> std::optional<Mark> {
        if (known_.contains(pdf::placeKey(r.dir, r.filename)))
            return Mark{Status::Repeated, tr("此文件已在库中（文件夹和文件名相同）")};
        if (!r.warnings.isEmpty()) return Mark{Status::Attention, r.warnings.join(tr("；"))};
        return similar_(p);
    });

    connect(Button_files, &QPushButton::clicked, this, &TForm_pdf_import::Button_filesClick);
    connect(Button_folder, &QPushButton::clicked, this, &TForm_pdf_import::Button_folderClick);
    connect(Button_yes, &QPushButton::clicked, this, &TForm_pdf_import::Button_yesClick);
    connect(Button_cancel, &QPushButton::clicked, this, &TForm_pdf_import::Button_cancelClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_pdf_import::Button_noClick);
    connectPreview();
    connect(reader_, &pdf::ReaderProcess::fileRead, this, &TForm_pdf_import::fileRead);
    connect(reader_, &pdf::ReaderProcess::finished, this, &TForm_pdf_import::readingFinished);
    flushTimer_.setInterval(1000);
    connect(&flushTimer_, &QTimer::timeout, this, &TForm_pdf_import::flush);

    chooseFiles_ = [this] {
        return QFileDialog::getOpenFileNames(this, tr("选择论文PDF文件"), QString(),
                                             tr("PDF文件 (*.pdf *.PDF)"));
    };
    chooseFolder_ = [this] { return QFileDialog::getExistingDirectory(this, tr("选择存放论文的文件夹")); };
    updateCounts();
}

TForm_pdf_import::~TForm_pdf_import() = default;

void TForm_pdf_import::setChoosers(std::function<QStringList()> files, std::function<QString()> folder) {
    chooseFiles_ = std::move(files);
    chooseFolder_ = std::move(folder);
}

void TForm_pdf_import::Button_filesClick() {
    const QStringList files = chooseFiles_();
    if (!files.isEmpty()) readPaths(files);
}

void TForm_pdf_import::Button_folderClick() {
    const QString folder = chooseFolder_();
    if (!folder.isEmpty()) readPaths({folder});
}

void TForm_pdf_import::readPaths(const QStringList& paths) {
    if (isReading() || writing_) return;
    handle([&] {
        const QStringList files = pdf::pdfFiles(paths);
        Edit_source->setText(paths.size() == 1 ? QDir::toNativeSeparators(paths.first())
                                               : tr("%1 个文件或文件夹").arg(paths.size()));
        Memo_messages->clear();
        if (files.isEmpty()) {
            db::messages::show(tr("所选位置没有PDF文件"), tr("注意"));
            return;
        }
        query().setConnectionString(connectionString());
        known_.clear();
        similar_.clear();
        checkKnown_ = true;
        preview().setPresentKeys(catalogueKeys(query()));
        preview().setRecords({});
        pending_.clear();
        errors_ = 0;
        ProgressBar1->setRange(0, int(files.size()));
        ProgressBar1->setValue(0);
        Label_progress->setText(tr("已读取 0 / %1").arg(files.size()));
        setBusy(true);
        flushTimer_.start();
        reader_->start(files);
    });
}

void TForm_pdf_import::fileRead(int index, const PaperRecord& record) {
    pending_ << record;
    if (!record.error.isEmpty()) {
        ++errors_;
        Memo_messages->appendPlainText(QDir::toNativeSeparators(record.sourceKey) + tr("：") + record.error);
    }
    ProgressBar1->setValue(index + 1);
    Label_progress->setText(tr("已读取 %1 / %2，出错 %3").arg(index + 1).arg(reader_->total()).arg(errors_));
}

// Moves what was read since the last time into the preview, keeping the
// user's corrections, ticks and place in the list. Files read while the
// catalogue is asked which of them it holds (the window keeps running) wait
// for the next round: each record is checked before it is shown, and a
// flush asked for meanwhile (the timer, the end of the reading) is done by
// the one under way.
void TForm_pdf_import::flush() {
    if (flushing_) return;
    flushing_ = true;
    while (!pending_.isEmpty()) {
        const QVector<PaperRecord> batch = std::exchange(pending_, {});
        handle([&] {
            if (checkKnown_) {
                QList<pdf::FilePlace> places;
                for (const PaperRecord& r : batch) places << pdf::FilePlace{r.dir, r.filename};
                try {
                    known_ += pdf::knownFiles(query(), places);
                } catch (...) {
                    checkKnown_ = false;  // said once; the reading goes on
                    throw;
                }
            }
        });
        preview().appendRecords(batch);
    }
    flushing_ = false;
}

void TForm_pdf_import::readingFinished(bool cancelled) {
    flushTimer_.stop();
    flush();
    setBusy(false);
    const int read = reader_->done();
    Label_progress->setText(cancelled ? tr("已取消：读取了 %1 / %2，出错 %3").arg(read).arg(reader_->total()).arg(errors_)
                                      : tr("读取完毕：%1 个文件，出错 %2").arg(read).arg(errors_));
}

void TForm_pdf_import::updateCounts() {
    Label_counts->setText(countsText(preview(), tr("文件内重复或文件已在库中")));
}

void TForm_pdf_import::setWriting(bool writing) {
    writing_ = writing;
    setBusy(writing);
}

void TForm_pdf_import::setBusy(bool busy) {
    for (QWidget* w : std::initializer_list<QWidget*>{Button_files, Button_folder, Button_yes, Button_all, Button_none,
                                                      Button_no, RadioButton_skip, RadioButton_update})
        w->setEnabled(!busy);
    // the list stays usable while files are read; not while papers are written
    Grid_preview->setEnabled(!writing_);
    Button_cancel->setEnabled(busy);
    setAcceptDrops(!busy);
}

void TForm_pdf_import::Button_yesClick() {
    if (isReading() || writing_) return;
    const QVector<WriteJob> jobs = tickedJobs();
    if (jobs.isEmpty()) return;
    handle([&] {
        const ImportRun run = writeTicked(jobs, tr("已导入 %1 / %2"), [&](int) { return cancel_; });
        const Summary& summary = run.summary;
        Memo_messages->setPlainText(summary.text());
        // what is now in the catalogue counts as present for a second run
        preview().setPresentKeys(catalogueKeys(query()));
        QList<pdf::FilePlace> places;
        for (const PaperRecord& r : preview().records()) places << pdf::FilePlace{r.dir, r.filename};
        known_ = pdf::knownFiles(query(), places);
        preview().recheck();
        db::messages::show(summary.text().section(QLatin1Char('\n'), 0, 0), tr("导入完成"));
    });
}

void TForm_pdf_import::Button_cancelClick() {
    if (isReading()) reader_->cancel();
    cancel_ = true;
}

void TForm_pdf_import::Button_noClick() {
    if (!isReading() && !writing_) close();
}

void TForm_pdf_import::closeEvent(QCloseEvent* event) {
    if (writing_) {  // stop after the current paper first
        cancel_ = true;
        event->ignore();
        return;
    }
    if (isReading()) {
        pending_.clear();  // the window goes: nothing more to show
        reader_->cancel();
    }
    db::Form::closeEvent(event);
}

void TForm_pdf_import::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !isReading() && !writing_) event->acceptProposedAction();
}

void TForm_pdf_import::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    readPaths(paths);
}

PAPER_MENU_ROUTE(menu53, TForm_pdf_import)
