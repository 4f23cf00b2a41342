#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdint>

#include "db/Query.h"

// The full-text index lives in ordinary InnoDB tables (so that a replicated
// cluster copies it like the rest): fulltext_doc (one row per indexed paper
// file), fulltext_page (the text of each page as indexed) and
// fulltext_posting (for each term and segment, the packed postings; a
// segment is the set of documents written by one batch).
namespace fulltext {

inline const QString kDocTable = QStringLiteral("fulltext_doc");
inline const QString kPageTable = QStringLiteral("fulltext_page");
inline const QString kPostingTable = QStringLiteral("fulltext_posting");

// Whether the index tables are in the query object's database. A query
// object that reaches no server (a recording stand-in) has none.
bool indexPresent(db::Query& query);

// The distinct index terms of a text (its pages in order): words, CJK pairs,
// pair terms of common words and the list of documents indexed with them.
QStringList termsOf(const QStringList& pages);

// The documents indexed with pair terms (CommonGrams.h).
QSet<std::uint64_t> docsWithPairs(db::Query& query);

// Items of an SQL list: 'a','b' (each quoted).
QString quotedList(const QStringList& texts);

struct IndexedDoc {
    std::uint64_t doc = 0;
    std::uint64_t seg = 0;
};

// Drops indexed documents: their postings (taken out of their segment's
// packed lists, or deleted with the segment's rows when the document was the
// segment's last), their pages and their row. Call inside a transaction.
void forgetDocs(db::Query& query, const QVector<IndexedDoc>& docs);

// Inside the change of a paper (its transaction): the paper is gone or its
// file moved, so its document and postings go; or its key changed, so the
// document follows it. Nothing when the index tables are absent.
void forgetPaper(db::Query& query, const QString& key);
void followKey(db::Query& query, const QString& oldKey, const QString& newKey);

}  // namespace fulltext
