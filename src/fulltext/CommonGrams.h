#pragma once

#include <QHash>
#include <QString>
#include <QVector>
#include <functional>

#include "fulltext/Tokenizer.h"

namespace fulltext {

// Pairs of adjacent words where one of them is among the most common English
// words ("the", "of", "and" ...) are indexed as terms of their own, written
// "the and" (one blank between; no single-word term holds a blank). Such a
// word is on nearly every page, so a phrase made of it alone leaves nearly
// every page as a candidate; its pairs rule those pages out from the postings.
// Adjacent means next to each other in the units, whatever blanks, punctuation
// or line ends stand between them (as phrases are matched).
bool isCommonWord(const QString& word);

// The pair term of two adjacent units, or an empty string when they make no
// pair term (a CJK unit, neither word common, or the pair longer than a term
// may be).
QString pairTerm(const Token& first, const Token& second);

// Documents indexed with pair terms are listed under this term (one posting
// on page 1 each), so a search knows for which documents a missing pair
// means the phrase is not there. Documents indexed before pairs existed are
// not listed, and their pages are checked against the text as before.
inline const QString kPairsListed = QStringLiteral(" pairs-1");

// The index terms of one page's units, in order, each time it occurs: each
// unit's term (termAt) and each pair term.
void forEachTerm(const QVector<Token>& units, const std::function<void(const QString&)>& take);
// Adds them to counts.
void countTerms(const QVector<Token>& units, QHash<QString, quint32>& counts);

}  // namespace fulltext
