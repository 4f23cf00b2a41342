#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QSet>
#include <QVector>

#include "exchange/PaperCheck.h"
#include "exchange/PaperRecord.h"
#include "exchange/PaperWriter.h"

namespace exchange {

// The rows of an import preview: one per record, with a tick, the status,
// the paper key, the mapped values, why the row is marked and, after the
// import, what became of it. Usable rows start ticked unless they repeat an
// earlier row; unusable rows cannot be ticked. With editing switched on the
// value cells can be changed, and the whole list is checked again.
class PreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Title to Dir are the editable cells, in this order.
    enum Column { Tick, State, Result, Notes, Key, Title, Author, Authors, Date, Kwords, Catalog, Remark, Filename,
                  Dir, Line, ColumnCount };

    explicit PreviewModel(QObject* parent = nullptr);

    void setOptions(const MappingOptions& options) { options_ = options; }
    const MappingOptions& options() const { return options_; }
    void setPresentKeys(const QSet<QString>& keys) { presentKeys_ = keys; }
    void setExtraCheck(ExtraCheck check) { extra_ = std::move(check); }
    void setEditable(bool editable) { editable_ = editable; }

    // Replaces the rows: maps and checks every record.
    void setRecords(const QVector<PaperRecord>& records);
    // Adds rows below those shown, keeping their ticks, edits and the view's
    // state (an open editor, the selection, the scroll position).
    void appendRecords(const QVector<PaperRecord>& more);
    // Checks every row again (after a change of options or of the keys in
    // the catalogue); the ticks stay.
    void recheck();

    const QVector<PaperRecord>& records() const { return records_; }
    const QVector<CheckedPaper>& papers() const { return papers_; }
    bool isTicked(int row) const { return ticked_.value(row); }
    void setTicked(int row, bool ticked);
    void setAllTicked(bool ticked);
    // Row `row` is written over the catalogue's paper `key` (a "可能重复" row
    // the user chose to update that paper with); an empty key undoes it.
    void setReplacing(int row, const QString& key);
    QString replacing(int row) const { return replaces_.value(row); }
    int count(Status status) const;
    int tickedCount() const;

    // The ticked, usable rows for the writer, in order.
    QVector<WriteJob> jobs() const;
    // Shows what became of each row in the result column and unticks the
    // rows written, so that a second run does not write them again.
    void setOutcomes(const QVector<PaperOutcome>& outcomes);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // Statuses or ticks changed.
    void checked();

private:
    // A column's title in Chinese (headerData shows it translated).
    static QString columnTitle(int section);
    QString editText(int row, int column) const;

    MappingOptions options_;
    QSet<QString> presentKeys_;
    ExtraCheck extra_;
    bool editable_ = false;
    QVector<PaperRecord> records_;
    QVector<CheckedPaper> papers_;
    QVector<bool> ticked_;
    QVector<QString> results_;
    QHash<int, QString> replaces_;
};

}  // namespace exchange
