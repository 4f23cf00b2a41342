#include "exchange/windows/ImportForm.h"

#include <QHBoxLayout>

#include "db/Messages.h"
#include "duplicates/windows/SimilarChoices.h"
#include "scripting/ScriptEngine.h"
#include "window/Widgets.h"

namespace exchange {

ImportForm::ImportForm(const QString& name, const QString& title, QWidget* parent)
    : db::Form(name, parent), hooks_(std::make_unique<scripting::ScriptEngine>()) {
    setWindowTitle(title);
    setAcceptDrops(true);
    resize(1180, 720);
    // Each paper's rows, all made by the import with every value quoted,
    // reach the server in one text.
    query().setRunsTogether(true);
}

ImportForm::~ImportForm() = default;

void ImportForm::setHooks(std::unique_ptr<scripting::HookCaller> hooks) { hooks_ = std::move(hooks); }

void ImportForm::makePresentChoice() { presentChoice(this, RadioButton_skip, RadioButton_update); }

void ImportForm::makeCounts() { Label_counts = db::widgets::label(this, "Label_counts"); }

void ImportForm::makePreview() { Grid_preview = new PreviewGrid(this); }

void ImportForm::makeMessages(int maximumHeight) { Memo_messages = messagePane(this, maximumHeight); }

void ImportForm::makeRunButtons() {
    Button_all = db::widgets::button(this, tr("全选"), "Button_all");
    Button_none = db::widgets::button(this, tr("全不选"), "Button_none");
    ProgressBar1 = progressBar(this);
    Label_progress = db::widgets::label(this, "Label_progress");
    Button_yes = db::widgets::button(this, tr("导入"), "Button_yes");
    Button_cancel = db::widgets::button(this, tr("取消"), "Button_cancel");
    Button_cancel->setEnabled(false);
}

void ImportForm::makeBackButton() { Button_no = db::widgets::button(this, tr("返回"), "Button_no"); }

QHBoxLayout* ImportForm::buttonRow(QWidget* beforeBack) {
    QList<QWidget*> row{Button_all, Button_none, ProgressBar1, Label_progress, Button_yes, Button_cancel};
    if (beforeBack) row << beforeBack;
    row << Button_no;
    return db::widgets::row(row, ProgressBar1);
}

void ImportForm::connectPreview() {
    duplicates::offerChoices(Grid_preview, preview(), similar_);  // "可能重复": skip, import anyway, update
    connect(Button_all, &QPushButton::clicked, this, [this] { Grid_preview->tickAll(true); });
    connect(Button_none, &QPushButton::clicked, this, [this] { Grid_preview->tickAll(false); });
    connect(&preview(), &PreviewModel::checked, this, [this] { updateCounts(); });
}

QVector<WriteJob> ImportForm::tickedJobs() {
    const QVector<WriteJob> jobs = preview().jobs();
    if (jobs.isEmpty()) db::messages::show(tr("没有勾选可导入的论文"), tr("注意"));
    return jobs;
}

ImportRun ImportForm::writeTicked(const QVector<WriteJob>& jobs, const QString& progress,
                                  const std::function<bool(int done)>& stop) {
    query().setConnectionString(connectionString());
    cancel_ = false;
    setWriting(true);
    ImportRun run;
    try {
        run = writeJobs(query(), *hooks_, jobs, userName(), RadioButton_update->isChecked(), ProgressBar1,
                        Label_progress, progress, stop);
    } catch (...) {
        setWriting(false);
        throw;
    }
    setWriting(false);
    preview().setOutcomes(run.outcomes);
    Label_progress->setText(resultText(run.summary));
    return run;
}

}  // namespace exchange
