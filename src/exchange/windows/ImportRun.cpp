#include "exchange/windows/ImportRun.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>

#include "catalogue/InsertPaper.h"
#include "window/Widgets.h"
#include "fulltext/AfterChange.h"

namespace exchange {

ImportRun writeJobs(db::Query& query, scripting::HookCaller& hooks, const QVector<WriteJob>& jobs,
                    const QString& typist, bool updatePresent, QProgressBar* bar, QLabel* label,
                    const QString& progress, const std::function<bool(int done)>& stop) {
    WriteOptions options;
    options.typist = typist;
    options.date = catalogue::entry::today();
    options.updatePresent = updatePresent;
    PaperWriter writer(query, hooks, options);
    bar->setRange(0, int(jobs.size()));
    QElapsedTimer shown;
    shown.start();
    auto tell = [&](int done, int total) {
        if (done == total || shown.elapsed() > 100) {
            bar->setValue(done);
            label->setText(progress.arg(done).arg(total));
            QApplication::processEvents();  // "取消" may be pressed now
            shown.restart();
        }
        return !stop(done);
    };
    ImportRun run;
    run.outcomes = writer.write(jobs, tell);
    run.summary = writer.summary();
    fulltext::indexImported(query.connectionString(), jobs, run.outcomes);
    return run;
}

void presentChoice(QWidget* parent, QRadioButton*& skip, QRadioButton*& update) {
    skip = db::widgets::radio(parent, QCoreApplication::translate("ImportRun", "跳过"), "RadioButton_skip");
    skip->setChecked(true);
    update = db::widgets::radio(parent, QCoreApplication::translate("ImportRun", "更新"), "RadioButton_update");
}

QPlainTextEdit* messagePane(QWidget* parent, int maximumHeight) {
    auto* pane = new QPlainTextEdit(parent);
    pane->setObjectName(QStringLiteral("Memo_messages"));
    pane->setReadOnly(true);
    pane->setMaximumHeight(maximumHeight);
    return pane;
}

QProgressBar* progressBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setValue(0);
    return bar;
}

QString resultText(const Summary& s) {
    return QCoreApplication::translate("ImportRun", "导入 %1，更新 %2，跳过 %3，失败 %4").arg(s.imported).arg(s.updated).arg(s.skipped).arg(s.failed);
}

QString countsText(const PreviewModel& m, const QString& repeated) {
    const int similar = m.count(Status::Similar);
    return QCoreApplication::translate("ImportRun", "共 %1 条：可导入 %2，需注意 %3，%4%5 %6，已在库中 %7，不能导入 %8；已勾选 %9")
        .arg(m.rowCount())
        .arg(m.count(Status::Ready))
        .arg(m.count(Status::Attention))
        .arg(similar ? QCoreApplication::translate("ImportRun", "可能重复 %1（未勾选），").arg(similar) : QString())
        .arg(repeated)
        .arg(m.count(Status::Repeated))
        .arg(m.count(Status::Present))
        .arg(m.count(Status::Unusable))
        .arg(m.tickedCount());
}

}  // namespace exchange
