#pragma once

#include <QString>
#include <QVector>

#include "fulltext/Tokenizer.h"

namespace fulltext {

// One part of a query: units that must stand together, in this order, on one
// page of a paper (a word, a phrase in double quotes, a Chinese string of any
// length, or anything written without a blank such as "CNN模型"); with a
// leading "-" the paper must not hold it anywhere.
struct Clause {
    QVector<Token> units;
    bool excluded = false;
    QString text;  // as typed, for messages
};

// The parts of a query text. Blanks separate parts outside quotes; an
// unclosed quote runs to the end; parts without any unit are dropped.
QVector<Clause> parseQuery(const QString& text);

// How the index is asked for a clause: terms that each page holding it must
// hold ("exact": the term itself; else a CJK character standing alone in the
// query, looked up as every term that starts with it), and whether the pages
// so found must still be checked against their text.
struct TermLookup {
    QString term;
    bool prefix = false;
};
struct ClausePlan {
    QVector<TermLookup> terms;
    bool verify = false;
    // the pair terms of adjacent words of the clause (CommonGrams.h), which
    // every page holding it holds in a document indexed with pair terms; and
    // whether they decide it there (two words making one pair term), so that
    // those pages need no check against their text
    QVector<TermLookup> pairs;
    bool pairsDecide = false;
};
ClausePlan planClause(const Clause& clause);

// Where the clause's units stand in a page's units: the index of each first
// unit of an occurrence.
QVector<int> occurrences(const QVector<Token>& page, const Clause& clause);

// Whether a page holds the clause, given the page's text and its units as
// scanUnits finds them: the same answer as occurrences() on its tokens, without
// making the text of every unit (plain words compare where they stand).
bool holds(const QString& text, const QVector<UnitSpan>& units, const Clause& clause);

}  // namespace fulltext
