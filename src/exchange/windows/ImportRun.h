#pragma once

#include <QString>
#include <QVector>
#include <functional>

#include "exchange/PaperWriter.h"
#include "exchange/PreviewModel.h"

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QWidget;

namespace exchange {

// What both import windows show of a preview and of a finished import.
struct ImportRun {
    QVector<PaperOutcome> outcomes;
    Summary summary;
};

// Writes the jobs through the paper writer (typist the signed-in user, entry
// date today), showing progress in the bar and label about ten times a
// second ("progress" takes the papers done and the total). `stop` is asked
// after each paper with the number done; true stops after that paper.
ImportRun writeJobs(db::Query& query, scripting::HookCaller& hooks, const QVector<WriteJob>& jobs,
                    const QString& typist, bool updatePresent, QProgressBar* bar, QLabel* label,
                    const QString& progress, const std::function<bool(int done)>& stop);

// The controls both windows have, made in the order given (the tab order).
// "跳过" (ticked) and "更新": what to do with papers already in the catalogue.
void presentChoice(QWidget* parent, QRadioButton*& skip, QRadioButton*& update);
// The read-only pane of messages and the report.
QPlainTextEdit* messagePane(QWidget* parent, int maximumHeight);
QProgressBar* progressBar(QWidget* parent);

// "导入 1，更新 0，跳过 2，失败 0"
QString resultText(const Summary& summary);

// The counts line over a preview; `repeated` names the repeated rows.
QString countsText(const PreviewModel& model, const QString& repeated);

}  // namespace exchange
