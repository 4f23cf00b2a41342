#include "duplicates/windows/TForm_dup_find.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

#include "window/FormRegistry.h"
#include "db/Messages.h"
#include "db/RetryOnConflict.h"
#include "window/Widgets.h"
#include "duplicates/CatalogueScan.h"
#include "duplicates/Merge.h"
#include "scripting/ScriptEngine.h"

using namespace duplicates;

namespace {

// Rows of the side-by-side grid: the choice of the paper that stays, the six
// fields taken from one paper, then what is merged or only shown.
const char* const kRowLabels[] = {
    QT_TRANSLATE_NOOP("TForm_dup_find", "保留此篇"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "论文题目"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "论文一作"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "发表时间"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "论文文件名"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "保存文件夹"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "论文分类"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "其他作者"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "关键词"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "备注"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "录入者"),
    QT_TRANSLATE_NOOP("TForm_dup_find", "录入时间"),
};
constexpr int kRows = int(std::size(kRowLabels));
constexpr int kFirstFieldRow = 1;

QString cellText(const StoredPaper& p, int row) {
    switch (row) {
        case 1: return p.title;
        case 2: return p.author;
        case 3: return p.date;
        case 4: return p.filename;
        case 5: return p.dir;
        case 6: return p.catalog;
        case 7: return p.authors.join(QStringLiteral("；"));
        case 8: return p.kwords.join(QStringLiteral("；"));
        case 9: return p.remark;
        case 10: return p.typist;
        case 11: return p.typeTime;
    }
    return {};
}

// What a merge leaves, in the rows of the grid (entry data stays empty).
QString mergedText(const MergedPaper& m, int row) {
    StoredPaper p;
    p.title = m.title;
    p.author = m.author;
    p.date = m.date;
    p.filename = m.filename;
    p.dir = m.dir;
    p.catalog = m.catalog;
    p.authors = m.authors;
    p.kwords = m.kwords;
    p.remark = m.remark;
    return cellText(p, row);
}

}  // namespace

TForm_dup_find::TForm_dup_find(QWidget* parent)
    : db::Form(QStringLiteral("Form_dup_find"), parent), hooks_(std::make_unique<scripting::ScriptEngine>()) {
    setWindowTitle(tr("查找重复论文"));
    resize(1100, 620);

    Button_scan = db::widgets::button(this, tr("开始查找"), "Button_scan");
    Button_cancel = db::widgets::button(this, tr("取消"), "Button_cancel");
    Button_cancel->setEnabled(false);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 1000);
    ProgressBar1->setTextVisible(false);
    Label_status = new QLabel(tr("查找全部论文中可能重复的论文。"), this);
    Label_status->setObjectName(QStringLiteral("Label_status"));

    List_groups = new QListWidget(this);
    List_groups->setObjectName(QStringLiteral("List_groups"));
    Grid_group = new QTableWidget(kRows, 0, this);
    Grid_group->setObjectName(QStringLiteral("Grid_group"));
    Grid_group->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid_group->setSelectionMode(QAbstractItemView::NoSelection);
    Grid_group->setWordWrap(true);
    Grid_group->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int r = 0; r < kRows; ++r)
        Grid_group->setVerticalHeaderItem(r, new QTableWidgetItem(tr(kRowLabels[r])));
    Grid_group->setToolTip(tr("点“保留此篇”一行选择保留的论文；点题目至分类各行的格子，选择合并后取哪一篇的值。"
                                          "其他作者与关键词合并去重，备注连在一起。"));

    Button_merge = db::widgets::button(this, tr("合并本组"), "Button_merge");
    Button_distinct = db::widgets::button(this, tr("不是重复"), "Button_distinct");
    ComboBox_rule = new QComboBox(this);
    ComboBox_rule->setObjectName(QStringLiteral("ComboBox_rule"));
    ComboBox_rule->addItems({tr("保留最早录入的"), tr("保留信息最全的")});
    Button_merge_all = db::widgets::button(this, tr("合并勾选的组"), "Button_merge_all");
    Button_no = db::widgets::button(this, tr("返回"), "Button_no");

    auto* top = new QHBoxLayout;
    top->addWidget(Button_scan);
    top->addWidget(ProgressBar1, 1);
    top->addWidget(Button_cancel);
    auto* split = new QSplitter(this);
    split->addWidget(List_groups);
    split->addWidget(Grid_group);
    split->setStretchFactor(1, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Button_merge);
    bottom->addWidget(Button_distinct);
    bottom->addStretch();
    bottom->addWidget(new QLabel(tr("批量合并："), this));
    bottom->addWidget(ComboBox_rule);
    bottom->addWidget(Button_merge_all);
    bottom->addSpacing(24);
    bottom->addWidget(Button_no);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label_status);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);

    connect(Button_scan, &QPushButton::clicked, this, &TForm_dup_find::Button_scanClick);
    connect(Button_cancel, &QPushButton::clicked, this, &TForm_dup_find::Button_cancelClick);
    connect(Button_merge, &QPushButton::clicked, this, &TForm_dup_find::Button_mergeClick);
    connect(Button_distinct, &QPushButton::clicked, this, &TForm_dup_find::Button_distinctClick);
    connect(Button_merge_all, &QPushButton::clicked, this, &TForm_dup_find::Button_merge_allClick);
    connect(Button_no, &QPushButton::clicked, this, &TForm_dup_find::Button_noClick);
    connect(List_groups, &QListWidget::currentRowChanged, this, [this](int row) {
        handle([&] { showGroup(row); });
    });
    connect(Grid_group, &QTableWidget::cellClicked, this, &TForm_dup_find::cellClicked);
    setRunning(false);
}

TForm_dup_find::~TForm_dup_find() = default;

void TForm_dup_find::setHooks(std::unique_ptr<scripting::HookCaller> hooks) { hooks_ = std::move(hooks); }

void TForm_dup_find::setRunning(bool running) {
    Button_scan->setEnabled(!running);
    Button_cancel->setEnabled(running);
    const bool any = !groups_.isEmpty() && !running;
    Button_merge->setEnabled(any && !shown_.isEmpty());
    Button_distinct->setEnabled(any && !shown_.isEmpty());
    Button_merge_all->setEnabled(any);
}

bool TForm_dup_find::stepShown(const QString& step, double done) {
    Label_status->setText(step);
    ProgressBar1->setValue(int(done * 1000));
    QApplication::processEvents();
    return !cancelRequested_;
}

void TForm_dup_find::Button_scanClick() {
    handle([&] {
        cancelRequested_ = false;
        groups_.clear();
        shown_.clear();
        shownRow_ = -1;
        List_groups->clear();
        Grid_group->setColumnCount(0);
        setRunning(true);
        query().setConnectionString(connectionString());
        ScanOutcome out;
        try {
            out = scanCatalogue(query(), [this](const QString& step, double done) { return stepShown(step, done); });
        } catch (...) {
            setRunning(false);
            throw;
        }
        if (out.cancelled) {
            Label_status->setText(tr("已取消。"));
            ProgressBar1->setValue(0);
            setRunning(false);
            return;
        }
        groups_ = out.groups;
        for (int i = 0; i < groups_.size(); ++i) {
            const QString title = groups_[i].first().section(QLatin1Char('$'), 0, -3);
            auto* item = new QListWidgetItem(tr("%1（%2 篇）").arg(title).arg(groups_[i].size()), List_groups);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
        ProgressBar1->setValue(1000);
        Label_status->setText(tr("共 %1 篇论文，找到 %2 组可能重复的论文。勾选的组可按所选规则一并合并。")
                                  .arg(out.papers)
                                  .arg(groups_.size()));
        setRunning(false);
        if (!groups_.isEmpty()) List_groups->setCurrentRow(0);
    });
}

void TForm_dup_find::Button_cancelClick() { cancelRequested_ = true; }

void TForm_dup_find::showGroup(int row) {
    shown_.clear();
    shownRow_ = row;
    Grid_group->setColumnCount(0);
    if (row < 0 || row >= groups_.size()) {
        setRunning(false);
        return;
    }
    query().setConnectionString(connectionString());
    query().openSql(storedSelect(groups_[row]));
    shown_ = readStored(query());
    plan_ = MergePlan::keeping(shown_.isEmpty() ? 0 : duplicates::chooseKeep(shown_, KeepRule(ComboBox_rule->currentIndex())));
    Grid_group->setColumnCount(int(shown_.size()) + 1);
    for (int c = 0; c < shown_.size(); ++c) {
        Grid_group->setHorizontalHeaderItem(c, new QTableWidgetItem(tr("论文 %1").arg(c + 1)));
        for (int r = kFirstFieldRow; r < kRows; ++r) Grid_group->setItem(r, c, new QTableWidgetItem(cellText(shown_[c], r)));
    }
    Grid_group->setHorizontalHeaderItem(int(shown_.size()), new QTableWidgetItem(tr("合并后")));
    paintChoices();
    setRunning(false);
}

void TForm_dup_find::chooseKeep(int column) {
    if (column < 0 || column >= shown_.size()) return;
    plan_ = MergePlan::keeping(column);
    paintChoices();
}

void TForm_dup_find::chooseField(Field field, int column) {
    if (column < 0 || column >= shown_.size()) return;
    plan_.source[int(field)] = column;
    paintChoices();
}

void TForm_dup_find::cellClicked(int row, int column) {
    if (row == 0) chooseKeep(column);
    else if (row >= kFirstFieldRow && row < kFirstFieldRow + kFieldCount)
        chooseField(Field(row - kFirstFieldRow), column);
}

void TForm_dup_find::paintChoices() {
    if (shown_.isEmpty()) return;
    const QColor chosen(0xd8, 0xf0, 0xd0);
    for (int c = 0; c < shown_.size(); ++c) {
        auto* keep = new QTableWidgetItem(c == plan_.keep ? tr("● 保留") : tr("○ 删除"));
        if (c == plan_.keep) keep->setBackground(chosen);
        Grid_group->setItem(0, c, keep);
        for (int f = 0; f < kFieldCount; ++f) {
            QTableWidgetItem* item = Grid_group->item(kFirstFieldRow + f, c);
            const bool on = plan_.source[f] == c;
            item->setBackground(on ? QBrush(chosen) : QBrush());
            QFont font = item->font();
            font.setBold(on);
            item->setFont(font);
        }
    }
    const MergedPaper m = mergedPaper(shown_, plan_);
    const int last = int(shown_.size());
    Grid_group->setItem(0, last, new QTableWidgetItem(tr("合并结果")));
    for (int r = kFirstFieldRow; r < kRows; ++r) Grid_group->setItem(r, last, new QTableWidgetItem(mergedText(m, r)));
    Grid_group->resizeRowsToContents();
}

void TForm_dup_find::dropGroup(int row) {
    groups_.removeAt(row);
    shown_.clear();
    // the list would announce the next row while it still counts the old one
    List_groups->blockSignals(true);
    delete List_groups->takeItem(row);
    List_groups->blockSignals(false);
    showGroup(List_groups->currentRow());
}

void TForm_dup_find::Button_mergeClick() {
    handle([&] {
        if (shownRow_ < 0 || shown_.size() < 2) return;
        query().setConnectionString(connectionString());
        const db::Notice n = db::retryOnConflict([&] { return mergeGroup(query(), *hooks_, shown_, plan_); });
        db::messages::show(n.text, n.caption);
        if (n.text == kMerged.text) dropGroup(shownRow_);
        else showGroup(shownRow_);
    });
}

void TForm_dup_find::Button_distinctClick() {
    handle([&] {
        if (shownRow_ < 0) return;
        query().setConnectionString(connectionString());
        db::retryOnConflict([&] { markDistinct(query(), groups_[shownRow_]); });
        dropGroup(shownRow_);
    });
}

void TForm_dup_find::Button_merge_allClick() {
    handle([&] {
        QList<int> rows;
        for (int i = 0; i < List_groups->count(); ++i)
            if (List_groups->item(i)->checkState() == Qt::Checked) rows << i;
        if (rows.isEmpty()) {
            db::messages::show(tr("请勾选要合并的组"), tr("注意"));
            return;
        }
        const KeepRule rule = KeepRule(ComboBox_rule->currentIndex());
        cancelRequested_ = false;
        setRunning(true);
        query().setConnectionString(connectionString());
        int merged = 0, failed = 0;
        QList<int> done;
        try {
            for (int i = 0; i < rows.size() && !cancelRequested_; ++i) {
                stepShown(tr("正在合并第 %1 组，共 %2 组…").arg(i + 1).arg(rows.size()), double(i) / rows.size());
                query().openSql(storedSelect(groups_[rows[i]]));
                const QVector<StoredPaper> group = readStored(query());
                if (group.size() < 2) {
                    ++failed;
                    continue;
                }
                const MergePlan plan = MergePlan::keeping(duplicates::chooseKeep(group, rule));
                const db::Notice n = db::retryOnConflict([&] { return mergeGroup(query(), *hooks_, group, plan); });
                if (n.text == kMerged.text) {
                    ++merged;
                    done << rows[i];
                } else {
                    ++failed;
                }
            }
        } catch (...) {
            for (int k = int(done.size()) - 1; k >= 0; --k) dropGroup(done[k]);
            setRunning(false);
            throw;
        }
        for (int k = int(done.size()) - 1; k >= 0; --k) dropGroup(done[k]);
        ProgressBar1->setValue(1000);
        const QString text = tr("已合并 %1 组").arg(merged) +
                             (failed ? tr("，%1 组未合并（论文已被删除或修改）").arg(failed) : QString()) +
                             (cancelRequested_ ? tr("，其余已取消") : QString());
        Label_status->setText(text + tr("。"));
        setRunning(false);
        db::messages::show(text, tr("批量合并"));
        if (List_groups->count() > 0) List_groups->setCurrentRow(0);
    });
}

void TForm_dup_find::Button_noClick() {
    handle([&] { close(); });
}

PAPER_MENU_ROUTE(menu39, TForm_dup_find)
