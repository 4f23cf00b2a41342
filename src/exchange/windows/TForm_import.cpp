#include "exchange/windows/TForm_import.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QSaveFile>
#include <QVBoxLayout>

#include "window/BusyCursor.h"
#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "exchange/windows/ImportRun.h"

using namespace exchange;

TForm_import::TForm_import(QWidget* parent)
    : ImportForm(QStringLiteral("Form_import"), tr("从文件批量插入元组到数据库"), parent) {

    Edit_file = db::widgets::edit(this, "Edit_file", 360);
    Edit_file->setPlaceholderText(tr("选择或拖入一个 .bib、.ris、.csv 或 .tsv 文件"));
    Button_open = db::widgets::button(this, tr("选择文件…"), "Button_open");
    ComboBox_format = new QComboBox(this);
    ComboBox_format->setObjectName(QStringLiteral("ComboBox_format"));
    ComboBox_format->addItem(tr("自动识别"), int(Format::Unknown));
    ComboBox_format->addItem(QStringLiteral("BibTeX"), int(Format::Bibtex));
    ComboBox_format->addItem(QStringLiteral("RIS"), int(Format::Ris));
    ComboBox_format->addItem(QStringLiteral("CSV"), int(Format::Csv));
    ComboBox_format->addItem(QStringLiteral("TSV"), int(Format::Tsv));
    ComboBox_encoding = new QComboBox(this);
    ComboBox_encoding->setObjectName(QStringLiteral("ComboBox_encoding"));
    for (int e = 0; e < kEncodingCount; ++e)
        ComboBox_encoding->addItem(Encoding(e) == Encoding::Auto ? tr("自动识别") : encodingName(Encoding(e)), e);
    Button_read = db::widgets::button(this, tr("重新读取"), "Button_read");

    Edit_dir = db::widgets::edit(this, "Edit_dir", 240);
    makePresentChoice();

    Grid_mapping = new QTableWidget(this);
    Grid_mapping->setObjectName(QStringLiteral("Grid_mapping"));
    Grid_mapping->setColumnCount(2);
    Grid_mapping->setHorizontalHeaderLabels({tr("文件中的列"), tr("对应")});
    Grid_mapping->horizontalHeader()->setStretchLastSection(true);
    Grid_mapping->verticalHeader()->setVisible(false);
    Grid_mapping->setMaximumWidth(330);
    Button_map = db::widgets::button(this, tr("按此对应重新读取"), "Button_map");

    makeCounts();
    makeMessages(110);
    makePreview();

    makeRunButtons();
    Button_report = db::widgets::button(this, tr("保存报告…"), "Button_report");
    Button_report->setEnabled(false);
    makeBackButton();

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(new QLabel(tr("文件："), this));
    fileRow->addWidget(Edit_file, 1);
    fileRow->addWidget(Button_open);
    fileRow->addWidget(new QLabel(tr("格式："), this));
    fileRow->addWidget(ComboBox_format);
    fileRow->addWidget(new QLabel(tr("编码："), this));
    fileRow->addWidget(ComboBox_encoding);
    fileRow->addWidget(Button_read);

    auto* optionRow = new QHBoxLayout;
    optionRow->addWidget(new QLabel(tr("未注明文件夹的论文保存在："), this));
    optionRow->addWidget(Edit_dir, 1);
    optionRow->addSpacing(16);
    optionRow->addWidget(new QLabel(tr("已在库中的论文："), this));
    optionRow->addWidget(RadioButton_skip);
    optionRow->addWidget(RadioButton_update);

    auto* mapping = new QVBoxLayout;
    mapping->addWidget(new QLabel(tr("CSV 列对应："), this));
    mapping->addWidget(Grid_mapping, 1);
    mapping->addWidget(Button_map);
    auto* mappingBox = new QWidget(this);
    mappingBox->setObjectName(QStringLiteral("Panel_mapping"));
    mappingBox->setLayout(mapping);
    mappingBox->setVisible(false);

    auto* middle = new QHBoxLayout;
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(Label_counts);
    previewColumn->addWidget(Grid_preview, 1);
    middle->addLayout(previewColumn, 1);
    middle->addWidget(mappingBox);

    auto* buttons = buttonRow(Button_report);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fileRow);
    layout->addLayout(optionRow);
    layout->addLayout(middle, 1);
    layout->addWidget(Memo_messages);
    layout->addLayout(buttons);

    connect(Button_open, &QPushButton::clicked, this, &TForm_import::Button_openClick);
    connect(Button_read, &QPushButton::clicked, this, &TForm_import::Button_readClick);
    connect(Button_map, &QPushButton::clicked, this, &TForm_import::Button_mapClick);
    connect(Button_yes, &QPushButton::clicked, this, &TForm_import::Button_yesClick);
    connect(Button_cancel, &QPushButton::clicked, this, &TForm_import::Button_cancelClick);
    connect(Button_report, &QPushButton::clicked, this, &TForm_import::Button_reportClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_import::Button_noClick);
    connectPreview();
    connect(Edit_dir, &QLineEdit::editingFinished, this, [this] {
        if (preview().options().defaultDir == Edit_dir->text()) return;
        preview().setOptions(MappingOptions{Edit_dir->text()});
        preview().recheck();
    });
    updateCounts();
}

TForm_import::~TForm_import() = default;

void TForm_import::Button_openClick() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("选择要导入的文件"), QFileInfo(Edit_file->text()).path(),
        tr("文献文件 (*.bib *.ris *.csv *.tsv *.txt);;所有文件 (*)"));
    if (!path.isEmpty()) openFile(path);
}

void TForm_import::openFile(const QString& path) {
    Edit_file->setText(QDir::toNativeSeparators(path));
    if (Edit_dir->text().isEmpty()) Edit_dir->setText(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    read(path);
}

void TForm_import::Button_readClick() {
    if (!Edit_file->text().isEmpty()) read(QDir::fromNativeSeparators(Edit_file->text()));
}

void TForm_import::read(const QString& path) {
    if (running_) return;
    path_ = path;
    handle([&] {
        // A large file takes a while: the window shows how far the reading
        // is, keeps painting, and "取消" stops it.
        cancel_ = false;
        setRunning(true);
        auto progress = [&](int done, int total) {
            ProgressBar1->setRange(0, total);
            ProgressBar1->setValue(done);
            Label_progress->setText(tr("正在读取 %1 / %2").arg(done).arg(total));
            QApplication::processEvents();
            return !cancel_;
        };
        try {
            busy::BusyCursor cursor(Qt::BusyCursor);
            file_ = readFile(path, Encoding(ComboBox_encoding->currentData().toInt()),
                             Format(ComboBox_format->currentData().toInt()), progress);
        } catch (...) {
            setRunning(false);
            throw;
        }
        setRunning(false);
        ProgressBar1->setRange(0, 100);
        showMapping();
        showRecords();
        if (!file_.error.isEmpty() && !file_.cancelled) db::messages::show(file_.error, tr("无法导入"));
        else if (!file_.encodingWarning.isEmpty()) db::messages::show(file_.encodingWarning, tr("注意"));
    });
}

void TForm_import::showRecords() {
    QSet<QString> present;
    if (!file_.records.isEmpty()) {
        query().setConnectionString(connectionString());
        present = catalogueKeys(query());
    }
    preview().setOptions(MappingOptions{Edit_dir->text()});
    preview().setPresentKeys(present);
    similar_.clear();
    preview().setExtraCheck([this](const PaperRecord&, const CheckedPaper& p) { return similar_(p); });
    preview().setRecords(file_.records);
    QStringList messages;
    if (!file_.error.isEmpty()) messages << file_.error;
    if (file_.format != Format::Unknown)
        messages << tr("%1 文件，编码 %2，读出 %3 条").arg(formatName(file_.format), file_.encoding)
                        .arg(file_.records.size());
    if (!file_.encodingWarning.isEmpty()) messages << tr("注意：") + file_.encodingWarning;
    messages << file_.problems;
    Memo_messages->setPlainText(messages.join(QLatin1Char('\n')));
    ProgressBar1->setValue(0);
    Label_progress->clear();
}

void TForm_import::showMapping() {
    const bool csv = file_.format == Format::Csv || file_.format == Format::Tsv;
    findChild<QWidget*>(QStringLiteral("Panel_mapping"))->setVisible(csv && !file_.table.header.isEmpty());
    Grid_mapping->setRowCount(0);
    if (!csv) return;
    Grid_mapping->setRowCount(file_.table.header.size());
    for (int i = 0; i < file_.table.header.size(); ++i) {
        auto* name = new QTableWidgetItem(file_.table.header[i]);
        name->setFlags(Qt::ItemIsEnabled);
        Grid_mapping->setItem(i, 0, name);
        auto* box = new QComboBox(Grid_mapping);
        for (int f = 0; f < kCsvFieldCount; ++f) box->addItem(csvFieldName(CsvField(f)), f);
        box->setCurrentIndex(int(file_.mapping.value(i, CsvField::Ignore)));
        Grid_mapping->setCellWidget(i, 1, box);
    }
}

void TForm_import::Button_mapClick() {
    if (running_) return;
    handle([&] {
        CsvMapping mapping;
        for (int i = 0; i < Grid_mapping->rowCount(); ++i)
            mapping << CsvField(qobject_cast<QComboBox*>(Grid_mapping->cellWidget(i, 1))->currentData().toInt());
        file_.mapping = mapping;
        const QString missing = missingColumns(mapping);
        if (!missing.isEmpty()) {
            file_.records.clear();
            file_.error = tr("列对应中缺少：%1").arg(missing);
        } else {
            file_.error.clear();
            file_.records = csvRecords(file_.table, mapping, isOwnHeader(file_.table.header));
        }
        showRecords();
        if (!file_.error.isEmpty()) db::messages::show(file_.error, tr("无法导入"));
    });
}

void TForm_import::updateCounts() {
    Label_counts->setText(countsText(preview(), tr("文件内重复")));
}

void TForm_import::setWriting(bool writing) { setRunning(writing); }

void TForm_import::setRunning(bool running) {
    running_ = running;
    for (QWidget* w : std::initializer_list<QWidget*>{Button_open, Button_read, Button_map, Button_yes, Button_all,
                                                      Button_none, Button_report, Button_no, Grid_preview, Edit_dir,
                                                      RadioButton_skip, RadioButton_update})
        w->setEnabled(!running);
    Button_cancel->setEnabled(running);
}

void TForm_import::Button_yesClick() {
    if (running_) return;
    const QVector<WriteJob> jobs = tickedJobs();
    if (jobs.isEmpty()) return;
    handle([&] {
        const ImportRun run = writeTicked(jobs, tr("已处理 %1 / %2"), [&](int done) {
            if (cancelAfter_ >= 0 && done >= cancelAfter_) cancel_ = true;
            return cancel_;
        });
        summary_ = run.summary;
        Memo_messages->setPlainText(reportText());
        Button_report->setEnabled(true);
        // A second run finds the papers written now in the catalogue; the
        // statuses stay as previewed, beside what became of each row.
        preview().setPresentKeys(catalogueKeys(query()));
        db::messages::show(summary_.text().section(QLatin1Char('\n'), 0, 0), tr("导入完成"));
    });
}

void TForm_import::Button_cancelClick() { cancel_ = true; }

QString TForm_import::reportText() const {
    QString text = tr("导入报告\n文件：%1\n时间：%2\n录入者：%3\n\n")
                       .arg(QDir::toNativeSeparators(path_),
                            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), userName());
    return text + summary_.text() + QLatin1Char('\n');
}

bool TForm_import::saveReport(const QString& path) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    QString text = reportText();
    text += tr("\n逐条结果：\n");
    const PreviewModel& m = Grid_preview->previewModel();
    for (int i = 0; i < m.rowCount(); ++i)
        text += QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(i + 1)
                    .arg(m.data(m.index(i, PreviewModel::Key)).toString(),
                         m.data(m.index(i, PreviewModel::State)).toString(),
                         m.data(m.index(i, PreviewModel::Result)).toString());
    f.write(QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    return f.commit();
}

void TForm_import::Button_reportClick() {
    const QString path = QFileDialog::getSaveFileName(this, tr("保存导入报告"),
                                                      QFileInfo(path_).path() + tr("/导入报告.txt"),
                                                      tr("文本文件 (*.txt)"));
    if (path.isEmpty()) return;
    if (!saveReport(path)) db::messages::show(tr("无法写入报告文件：") + path, tr("失败"));
}

void TForm_import::Button_noClick() {
    if (!running_) close();
}

void TForm_import::closeEvent(QCloseEvent* event) {
    if (running_) {  // stop after the current paper first
        cancel_ = true;
        event->ignore();
        return;
    }
    db::Form::closeEvent(event);
}

void TForm_import::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !running_) event->acceptProposedAction();
}

void TForm_import::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return;
    event->acceptProposedAction();
    openFile(urls.first().toLocalFile());
}

PAPER_MENU_ROUTE(menu52, TForm_import)
