#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

#include "window/Form.h"
#include "duplicates/MergePlan.h"
#include "duplicates/StoredPaper.h"
#include "scripting/HookCaller.h"

// "查找重复论文": scans the whole catalogue for likely duplicates, shows each
// group side by side, and merges a group (the user picks the paper that stays
// and, field by field, what it takes from the others) or many groups at once
// by one rule. "不是重复" keeps a group from being offered again.
class TForm_dup_find : public db::Form {
    Q_OBJECT
public:
    explicit TForm_dup_find(QWidget* parent = nullptr);
    ~TForm_dup_find() override;

    void Button_scanClick();
    void Button_cancelClick();
    void Button_mergeClick();
    void Button_distinctClick();
    void Button_merge_allClick();
    void Button_noClick();

    // The group shown, as read from the catalogue, and the user's choices.
    const QVector<duplicates::StoredPaper>& shownGroup() const { return shown_; }
    duplicates::MergePlan& plan() { return plan_; }
    // Shows group `row` of the list.
    void showGroup(int row);
    // Keeps paper `column` of the shown group / takes field `field` from it.
    void chooseKeep(int column);
    void chooseField(duplicates::Field field, int column);

    scripting::HookCaller& hooks() { return *hooks_; }
    void setHooks(std::unique_ptr<scripting::HookCaller> hooks);

    QPushButton* Button_scan;
    QPushButton* Button_cancel;
    QProgressBar* ProgressBar1;
    QLabel* Label_status;
    QListWidget* List_groups;
    QTableWidget* Grid_group;
    QPushButton* Button_merge;
    QPushButton* Button_distinct;
    QComboBox* ComboBox_rule;
    QPushButton* Button_merge_all;
    QPushButton* Button_no;

private:
    void cellClicked(int row, int column);
    void paintChoices();
    void dropGroup(int row);
    bool stepShown(const QString& step, double done);
    void setRunning(bool running);

    std::unique_ptr<scripting::HookCaller> hooks_;
    QVector<QStringList> groups_;
    QVector<duplicates::StoredPaper> shown_;
    int shownRow_ = -1;
    duplicates::MergePlan plan_;
    bool cancelRequested_ = false;
};
