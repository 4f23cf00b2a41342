#include "duplicates/windows/SimilarPapersBox.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "db/DbError.h"

namespace duplicates {

SimilarPapersBox::SimilarPapersBox(QWidget* parent, QLineEdit* title, QLineEdit* author, QLineEdit* date,
                                   QueryOf query)
    : QWidget(parent), title_(title), author_(author), date_(date), query_(std::move(query)) {
    setObjectName(QStringLiteral("SimilarPapers"));
    Label_similar = new QLabel(tr("库中可能已有这篇论文（仅作提示，“插入”照常进行）："), this);
    Label_similar->setObjectName(QStringLiteral("Label_similar"));
    Label_similar->setStyleSheet(QStringLiteral("color: #a04000;"));
    List_similar = new QTreeWidget(this);
    List_similar->setObjectName(QStringLiteral("List_similar"));
    List_similar->setRootIsDecorated(false);
    List_similar->setHeaderLabels({tr("论文题目"), tr("论文一作"), tr("发表时间"),
                                   tr("保存文件夹"), tr("论文文件名"), tr("依据")});
    List_similar->header()->setStretchLastSection(false);
    List_similar->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    List_similar->header()->setMinimumSectionSize(40);
    List_similar->setMaximumHeight(110);
    List_similar->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(Label_similar);
    layout->addWidget(List_similar);
    setVisible(false);

    timer_.setSingleShot(true);
    timer_.setInterval(kPauseMs);
    connect(&timer_, &QTimer::timeout, this, &SimilarPapersBox::lookNow);
    for (QLineEdit* box : {title_, author_, date_})
        connect(box, &QLineEdit::textChanged, this, [this] { timer_.start(); });
}

void SimilarPapersBox::lookNow() {
    if (unavailable_) return;
    if (title_->text().trimmed().isEmpty() || author_->text().trimmed().isEmpty() ||
        date_->text().trimmed().isEmpty()) {
        show({});
        return;
    }
    db::Query* q = query_ ? query_() : nullptr;
    if (!q) return;
    if (q->busy()) {  // the window is saving: ask again after it
        timer_.start();
        return;
    }
    try {
        show(findCandidates(*q, paperFacts(title_->text(), author_->text(), date_->text())));
    } catch (const db::DbError& e) {
        // a hint is not worth an error box while the user types; a catalogue
        // without the index is not asked again
        if (e.nativeCode() == 1146) unavailable_ = true;
        show({});
    }
}

void SimilarPapersBox::show(const QVector<Candidate>& found) {
    candidates_ = found;
    List_similar->clear();
    for (const Candidate& c : found)
        new QTreeWidgetItem(List_similar, {c.title, c.author, c.date, c.dir, c.filename, c.reason});
    // the title takes what is left; folder and file are cut (their whole text is the tool tip)
    for (int col : {1, 2, 5}) List_similar->resizeColumnToContents(col);
    for (int col : {3, 4}) List_similar->setColumnWidth(col, 72);
    for (int i = 0; i < List_similar->topLevelItemCount(); ++i)
        for (int col = 0; col < List_similar->columnCount(); ++col)
            List_similar->topLevelItem(i)->setToolTip(col, List_similar->topLevelItem(i)->text(col));
    setVisible(!found.isEmpty());
}

}  // namespace duplicates
