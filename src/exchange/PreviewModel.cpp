#include "exchange/PreviewModel.h"

#include "db/ColumnTitles.h"
#include "db/Messages.h"

#include <QBrush>
#include <QColor>
#include <QRegularExpression>

#include "db/Schema.h"

namespace exchange {


PreviewModel::PreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

namespace {
// A paper like one in the catalogue is skipped unless the user ticks it.
bool tickedAtFirst(const CheckedPaper& p) {
    return p.status != Status::Unusable && p.status != Status::Repeated && p.status != Status::Similar;
}
}  // namespace

void PreviewModel::setRecords(const QVector<PaperRecord>& records) {
    beginResetModel();
    records_ = records;
    replaces_.clear();
    papers_ = checkRecords(records_, options_, presentKeys_, extra_);
    ticked_.resize(papers_.size());
    for (int i = 0; i < papers_.size(); ++i) ticked_[i] = tickedAtFirst(papers_[i]);
    results_ = QVector<QString>(papers_.size());
    endResetModel();
    emit checked();
}

void PreviewModel::appendRecords(const QVector<PaperRecord>& more) {
    if (more.isEmpty()) return;
    const int first = int(records_.size());
    beginInsertRows({}, first, first + int(more.size()) - 1);
    records_ += more;
    papers_ = checkRecords(records_, options_, presentKeys_, extra_);
    ticked_.resize(papers_.size());
    for (int i = 0; i < first; ++i)
        if (papers_[i].status == Status::Unusable) ticked_[i] = false;
    for (int i = first; i < papers_.size(); ++i) ticked_[i] = tickedAtFirst(papers_[i]);
    results_.resize(papers_.size());
    endInsertRows();
    // the rows before may now be repeated by the new ones, or the other way
    if (first > 0) emit dataChanged(index(0, 0), index(first - 1, ColumnCount - 1));
    emit checked();
}

void PreviewModel::recheck() {
    papers_ = checkRecords(records_, options_, presentKeys_, extra_);
    for (int i = 0; i < papers_.size(); ++i)
        if (papers_[i].status == Status::Unusable) ticked_[i] = false;
    if (!papers_.isEmpty()) emit dataChanged(index(0, 0), index(papers_.size() - 1, ColumnCount - 1));
    emit checked();
}

void PreviewModel::setTicked(int row, bool ticked) {
    if (row < 0 || row >= ticked_.size()) return;
    if (ticked && papers_[row].status == Status::Unusable) return;
    ticked_[row] = ticked;
    emit dataChanged(index(row, Tick), index(row, Tick));
    emit checked();
}

void PreviewModel::setAllTicked(bool ticked) {
    for (int i = 0; i < ticked_.size(); ++i) ticked_[i] = ticked && papers_[i].status != Status::Unusable;
    if (!papers_.isEmpty()) emit dataChanged(index(0, Tick), index(papers_.size() - 1, Tick));
    emit checked();
}

void PreviewModel::setReplacing(int row, const QString& key) {
    if (row < 0 || row >= papers_.size()) return;
    if (key.isEmpty()) replaces_.remove(row);
    else replaces_.insert(row, key);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit checked();
}

int PreviewModel::count(Status status) const {
    int n = 0;
    for (const auto& p : papers_) n += p.status == status;
    return n;
}

int PreviewModel::tickedCount() const { return static_cast<int>(std::count(ticked_.begin(), ticked_.end(), true)); }

QVector<WriteJob> PreviewModel::jobs() const {
    QVector<WriteJob> jobs;
    for (int i = 0; i < papers_.size(); ++i) {
        if (!ticked_[i] || papers_[i].status == Status::Unusable) continue;
        jobs.push_back(WriteJob{i, &papers_[i], presentKeys_.contains(papers_[i].key), replaces_.value(i)});
    }
    return jobs;
}

void PreviewModel::setOutcomes(const QVector<PaperOutcome>& outcomes) {
    for (const PaperOutcome& o : outcomes) {
        if (o.index < 0 || o.index >= results_.size()) continue;
        results_[o.index] = db::messages::translated(outcomeText(o.outcome)) + (o.reason.isEmpty() ? QString() : QStringLiteral("：") + o.reason);
        if (o.outcome == Outcome::Imported || o.outcome == Outcome::Updated) ticked_[o.index] = false;
    }
    if (!papers_.isEmpty()) emit dataChanged(index(0, 0), index(papers_.size() - 1, ColumnCount - 1));
    emit checked();
}

int PreviewModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : papers_.size(); }
int PreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const QString title = columnTitle(section);
    const QString shown = db::messages::translated(title);
    return shown != title ? shown : db::shownColumnTitle(title);
}

QString PreviewModel::columnTitle(int section) {
    switch (section) {
    case Tick: return QStringLiteral("导入");
    case State: return QStringLiteral("状态");
    case Key: return QStringLiteral("论文键");
    case Title: return schema::label(QStringLiteral("title"));
    case Author: return schema::label(QStringLiteral("author_1"));
    case Authors: return QStringLiteral("其他作者");
    case Date: return schema::label(QStringLiteral("pub_time"));
    case Kwords: return QStringLiteral("关键词");
    case Catalog: return schema::label(QStringLiteral("catalog"));
    case Remark: return schema::label(QStringLiteral("remark"));
    case Filename: return schema::label(QStringLiteral("filename"));
    case Dir: return schema::label(QStringLiteral("dir"));
    case Notes: return QStringLiteral("说明");
    case Line: return QStringLiteral("行");
    case Result: return QStringLiteral("导入结果");
    }
    return {};
}

QString PreviewModel::editText(int row, int column) const {
    const PaperRecord& r = records_[row];
    switch (column) {
    case Title: return r.title;
    case Author: return r.authors.value(0);
    case Authors: return r.authors.mid(1).join(QStringLiteral("；"));
    case Date: return r.date;
    case Kwords: return r.keywords.join(QStringLiteral("；"));
    case Catalog: return r.category;
    case Remark: return r.remark;
    case Filename: return r.filename;
    case Dir: return r.dir;
    }
    return {};
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= papers_.size()) return {};
    const CheckedPaper& p = papers_[index.row()];
    const auto& e = p.entry;
    if (role == Qt::CheckStateRole && index.column() == Tick)
        return ticked_[index.row()] ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::BackgroundRole) {
        switch (p.status) {
        case Status::Ready: return {};
        case Status::Attention: return QBrush(QColor(255, 244, 200));
        case Status::Similar: return QBrush(QColor(240, 220, 255));
        case Status::Repeated: return QBrush(QColor(255, 221, 187));
        case Status::Present: return QBrush(QColor(214, 230, 255));
        case Status::Unusable: return QBrush(QColor(255, 205, 205));
        }
    }
    if (role == Qt::EditRole) return editText(index.row(), index.column());
    if (role == Qt::ToolTipRole && index.column() == Notes) return p.notes.join(QLatin1Char('\n'));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case State: {
        const QString status = db::messages::translated(statusText(p.status));
        return replaces_.contains(index.row()) ? status + db::messages::translated(QStringLiteral("（更新库中论文）"))
                                               : status;
    }
    case Key: return p.key;
    case Title: return e.title;
    case Author: return e.author;
    case Authors: return e.authors;
    case Date: return e.date;
    case Kwords: return e.kwords;
    case Catalog: return e.catalog;
    case Remark: return e.remark.left(200);
    case Filename: return e.filename;
    case Dir: return e.dir;
    case Notes: return p.notes.join(QStringLiteral("；"));
    case Line: return records_[index.row()].line > 0 ? QVariant(records_[index.row()].line) : QVariant();
    case Result: return results_[index.row()];
    }
    return {};
}

Qt::ItemFlags PreviewModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Tick && papers_[index.row()].status != Status::Unusable) f |= Qt::ItemIsUserCheckable;
    if (editable_ && index.column() >= Title && index.column() <= Dir) f |= Qt::ItemIsEditable;
    return f;
}

bool PreviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid()) return false;
    const int row = index.row();
    if (role == Qt::CheckStateRole && index.column() == Tick) {
        if (papers_[row].status == Status::Unusable) return false;
        setTicked(row, value.toInt() == Qt::Checked);
        return true;
    }
    if (role != Qt::EditRole || !editable_) return false;
    PaperRecord& r = records_[row];
    const QString text = value.toString();
    switch (index.column()) {
    case Title: r.title = text; break;
    case Author:
        if (r.authors.isEmpty()) r.authors << text;
        else r.authors[0] = text;
        break;
    case Authors: {
        const QString first = r.authors.value(0);
        r.authors = QStringList{first} + text.split(QRegularExpression(QStringLiteral("[;；]")), Qt::SkipEmptyParts);
        break;
    }
    case Date: r.date = text; break;
    case Kwords:  // shown joined by "；": a comma belongs to a keyword
        r.keywords = text.split(QRegularExpression(QStringLiteral("[;；]")), Qt::SkipEmptyParts);
        break;
    case Catalog: r.category = text; break;
    case Remark: r.remark = text; break;
    case Filename: r.filename = text; break;
    case Dir: r.dir = text; break;
    default: return false;
    }
    // An edit may make a row usable or a repeat of another: check them all.
    const bool wasUnusable = papers_[row].status == Status::Unusable;
    recheck();
    if (wasUnusable && papers_[row].status != Status::Unusable && papers_[row].status != Status::Repeated &&
        papers_[row].status != Status::Similar)
        setTicked(row, true);
    return true;
}

}  // namespace exchange
