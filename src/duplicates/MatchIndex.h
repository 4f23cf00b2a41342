#pragma once

#include <QString>
#include <QStringList>

#include "duplicates/PaperFacts.h"

// The finder's index of the catalogue: one row of table paper_match for each
// paper (its normalised title, block key, author keys, year and identifiers),
// and the pairs of table paper_distinct that a user marked "不是重复". The
// entry, update and removal keep them in step with the paper tables in the
// same transaction.
namespace duplicates::index {

inline const QString kMatchTable = QStringLiteral("paper_match");
inline const QString kDistinctTable = QStringLiteral("paper_distinct");

// The index row of a paper.
QString matchInsert(const QString& key, const PaperFacts& facts);
QString matchInsert(const QString& key, const QString& title, const QString& author, const QString& date,
                    const QString& remark);
// The values of that row, "(...)", for an insert of many rows.
QString matchValues(const QString& key, const PaperFacts& facts);
QString matchDelete(const QString& key);
// The index row of a paper whose title, first author or publication time
// changed, moved to its new key (its identifiers stay).
QString matchRewrite(const QString& oldKey, const QString& newKey, const QString& title, const QString& author,
                     const QString& date);
// The identifiers of a paper whose remark changed.
QString identifiersUpdate(const QString& key, const QString& remark);
// The "不是重复" marks of a paper (when it goes or its key changes).
QString distinctDelete(const QString& key);
// A "不是重复" mark of two papers, in either order.
QString distinctInsert(const QString& keyA, const QString& keyB);
QString pairId(const QString& keyA, const QString& keyB);

// What the index holds of a title besides the two folded forms, as text:
// "subtitle|han|figures|main figures|marker".
QString titleExtra(const TitleForms& title);
// Facts from an index row: folded title, main title, extra, author key,
// other reading, year, DOI, arXiv identifier.
PaperFacts factsFromRow(const QString& full, const QString& main, const QString& extra, const QString& authorKey,
                        const QString& authorAlt, int year, const QString& doi, const QString& arxiv);

// The columns every index select returns first, in factsFromRow's order,
// after the paper key: "p.Paperid,p.title_norm,...".
QString indexColumns();

// The papers that may resemble `facts`: same block key, same first author
// with a year within one, or a shared identifier. Columns: the index columns,
// then title, first author, publication time, folder, file name.
QString candidateSelect(const PaperFacts& facts, int limit = 200);
// The whole index for a scan (index columns only).
QString scanSelect();
// The next `limit` rows of the index after paper key `after` (all from the
// start when empty), in key order: a scan reads the index in such slices.
// The main title is null where it is the whole title.
QString scanSelect(const QString& after, int limit);
// Papers without an index row: key, title, first author, publication time, remark.
QString missingSelect(int limit);
// Index rows whose paper is gone.
QString orphanDelete();
// Every "不是重复" pair.
QString distinctSelect();

}  // namespace duplicates::index
