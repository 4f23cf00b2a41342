#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <memory>

#include "duplicates/ImportCheck.h"
#include "exchange/PaperWriter.h"
#include "exchange/windows/ImportRun.h"
#include "exchange/windows/PreviewGrid.h"
#include "scripting/HookCaller.h"
#include "window/Form.h"

class QHBoxLayout;

namespace exchange {

// What the two import windows (from a file, from PDF files) have in common:
// "跳过"/"更新" for papers already in the catalogue, the preview with its
// counts and its "可能重复" choices, the message pane, the row of "全选",
// "全不选", progress, "导入", "取消" and "返回", the hooks, and the writing of
// the ticked rows. Each window makes the shared controls at its own places
// among its own ones: the order they are made in is the tab order.
class ImportForm : public db::Form {
    Q_OBJECT
public:
    ~ImportForm() override;

    PreviewModel& preview() { return Grid_preview->previewModel(); }
    scripting::HookCaller& hooks() { return *hooks_; }
    void setHooks(std::unique_ptr<scripting::HookCaller> hooks);

    QRadioButton* RadioButton_skip = nullptr;
    QRadioButton* RadioButton_update = nullptr;
    QLabel* Label_counts = nullptr;
    PreviewGrid* Grid_preview = nullptr;
    QPlainTextEdit* Memo_messages = nullptr;
    QPushButton* Button_all = nullptr;
    QPushButton* Button_none = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label_progress = nullptr;
    QPushButton* Button_yes = nullptr;
    QPushButton* Button_cancel = nullptr;
    QPushButton* Button_no = nullptr;

protected:
    ImportForm(const QString& name, const QString& title, QWidget* parent);

    void makePresentChoice();
    void makeCounts();
    void makePreview();
    void makeMessages(int maximumHeight);
    // "全选" to "取消"; then "返回" on its own, so that a window can put a
    // button of its own between them.
    void makeRunButtons();
    void makeBackButton();
    // The bottom row; `beforeBack` (if any) stands before "返回".
    QHBoxLayout* buttonRow(QWidget* beforeBack = nullptr);
    // Ticking and the "可能重复" choices of the preview, its counts.
    void connectPreview();

    virtual void updateCounts() = 0;
    // The controls while the ticked rows are written.
    virtual void setWriting(bool writing) = 0;

    // The ticked rows, or none (and the user told so).
    QVector<WriteJob> tickedJobs();
    // Writes the jobs (progress text "progress" of the papers done and the
    // total), marks the outcomes in the preview and shows the result line.
    ImportRun writeTicked(const QVector<WriteJob>& jobs, const QString& progress,
                          const std::function<bool(int done)>& stop);

    // "可能重复": papers like one already in the catalogue.
    duplicates::ImportCheck similar_{[this]() -> db::Query* {
        query().setConnectionString(connectionString());
        return &query();
    }};
    std::unique_ptr<scripting::HookCaller> hooks_;
    bool cancel_ = false;
};

}  // namespace exchange
