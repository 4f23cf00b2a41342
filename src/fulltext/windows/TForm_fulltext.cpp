#include "fulltext/windows/TForm_fulltext.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "window/Widgets.h"
#include "exchange/windows/ImportRun.h"
#include "fulltext/IndexOutcome.h"
#include "fulltext/IndexService.h"
#include "fulltext/IndexTables.h"
#include "fulltext/SearchEngine.h"
#include "grid/PaperFile.h"

namespace {
constexpr int kShown = 500;
}

TForm_fulltext::TForm_fulltext(QWidget* parent) : db::Form(QStringLiteral("Form_fulltext"), parent) {
    setWindowTitle(tr("全文检索"));
    Edit_query = db::widgets::edit(this, "Edit_query", 360);
    Edit_query->setPlaceholderText(tr("词、\"整句\"、中文词句；-词 表示排除"));
    Button_search = db::widgets::button(this, tr("检索"), "Button_search");
    Button_search->setDefault(true);  // Enter searches
    Button_build = db::widgets::button(this, tr("建立全文索引"), "Button_build");
    Button_cancel = db::widgets::button(this, tr("取消"), "Button_cancel");
    Button_cancel->setEnabled(false);
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");
    Label_result = db::widgets::label(this, "Label_result");
    Label_size = db::widgets::label(this, "Label_size");
    Label_progress = db::widgets::label(this, "Label_progress");
    ProgressBar_index = exchange::progressBar(this);
    ProgressBar_index->setTextVisible(false);  // a percentage only while a run is under way
    Memo_messages = exchange::messagePane(this, 90);

    DBGrid_fulltext = new db::ResultGrid(this);
    DBGrid_fulltext->setObjectName(QStringLiteral("DBGrid_fulltext"));
    DBGrid_fulltext->bind(&shown_);
    new grid::PaperFileOpener(DBGrid_fulltext);  // a double-click opens the paper's file

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(db::widgets::row({new QLabel(tr("检索词："), this), Edit_query, Button_search},
                                       Edit_query));
    layout->addWidget(Label_result);
    layout->addWidget(DBGrid_fulltext, 1);
    layout->addLayout(db::widgets::row({Button_build, ProgressBar_index, Label_progress, Button_cancel},
                                       ProgressBar_index));
    layout->addWidget(Label_size);
    layout->addWidget(Memo_messages);
    layout->addLayout(db::widgets::row({Button_no}));
    resize(960, 600);

    connect(Button_search, &QPushButton::clicked, this, &TForm_fulltext::Button_searchClick);
    connect(Button_build, &QPushButton::clicked, this, &TForm_fulltext::Button_buildClick);
    connect(Button_cancel, &QPushButton::clicked, this, &TForm_fulltext::Button_cancelClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_fulltext::Button_noClick);
    fulltext::IndexService& service = fulltext::IndexService::instance();
    connect(&service, &fulltext::IndexService::started, this, &TForm_fulltext::indexStarted);
    connect(&service, &fulltext::IndexService::progress, this, &TForm_fulltext::indexProgress);
    connect(&service, &fulltext::IndexService::finished, this, &TForm_fulltext::indexFinished);
}

void TForm_fulltext::formShow() {
    query().setConnectionString(connectionString());
    Button_cancel->setEnabled(fulltext::IndexService::instance().isRunning());
    handle([&] { showSize(); });
}

void TForm_fulltext::showSize() {
    if (!fulltext::indexPresent(query())) {
        Label_size->setText(tr("数据库中还没有全文索引表"));
        return;
    }
    query().openSql(fulltext::sizeStatement());
    Label_size->setText(fulltext::sizeText(query().field(0).toLongLong(), query().field(1).toLongLong(),
                                           query().field(2).toLongLong()));
    query().close();
}

void TForm_fulltext::Button_searchClick() {
    handle([&] {
        query().setConnectionString(connectionString());
        if (!fulltext::indexPresent(query())) {
            db::messages::show(tr("数据库中没有全文索引表，请先建立"), tr("注意"));
            return;
        }
        const fulltext::SearchOutcome out = fulltext::search(query(), Edit_query->text(), kShown);
        if (!out.problem.isEmpty()) {
            db::messages::show(out.problem, tr("注意"));
            return;
        }
        const auto rows = fulltext::resultRows(query(), out.matches, kShown);
        shown_.setResult(rows);
        Label_result->setText(fulltext::foundText(int(out.matches.size()), int(rows->rowCount())));
    });
}

void TForm_fulltext::Button_buildClick() {
    handle([&] {
        Memo_messages->clear();
        fulltext::IndexService::instance().request(connectionString());
    });
}

void TForm_fulltext::Button_cancelClick() { fulltext::IndexService::instance().cancel(); }

void TForm_fulltext::Button_noClick() {
    handle([&] { close(); });
}

void TForm_fulltext::indexStarted(bool wholeCatalogue) {
    Button_cancel->setEnabled(true);
    ProgressBar_index->setRange(0, 0);
    Label_progress->setText(wholeCatalogue ? tr("正在检查论文文件…") : tr("正在索引新论文…"));
}

void TForm_fulltext::indexProgress(int done, int total) {
    ProgressBar_index->setRange(0, total);
    ProgressBar_index->setValue(done);
    ProgressBar_index->setTextVisible(true);
    Label_progress->setText(tr("已读 %1 / %2 个文件").arg(done).arg(total));
}

void TForm_fulltext::indexFinished(const fulltext::IndexSummary& summary) {
    Button_cancel->setEnabled(fulltext::IndexService::instance().isRunning());
    ProgressBar_index->setRange(0, 1);
    ProgressBar_index->setValue(1);
    ProgressBar_index->setTextVisible(false);
    Label_progress->setText(fulltext::summaryLine(summary));
    for (const QString& line : fulltext::summaryDetails(summary)) Memo_messages->appendPlainText(line);
    if (!query().busy()) handle([&] { showSize(); });
}

PAPER_MENU_ROUTE(menu36, TForm_fulltext)
