#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace fulltext {

// One unit of text as the index sees it: a word of a script that writes
// words (Latin, Greek, Cyrillic ...; letters, marks and digits), case-folded
// with its accents kept ("Résumé" -> "résumé", not "resume"; composed and
// decomposed accents compare equal), or a single character of Chinese,
// Japanese or Korean. Blanks, punctuation and line ends between units are
// not units, so "深度\n学习" reads as 深 度 学 习 and "state-of-the-art" as
// four words.
struct Token {
    QString text;
    bool cjk = false;
    int start = 0;   // position in the text (UTF-16 units)
    int length = 0;
};

bool isCjk(char32_t c);

// Where a unit stands in a text, before its text is made: `plain` words are
// ASCII only, so their text is the lower case of what stands there.
struct UnitSpan {
    int start = 0;
    int length = 0;
    bool cjk = false;
    bool plain = false;
};

// The units of a text, in order: as spans (out is cleared first), or with their text.
void scanUnits(const QString& text, QVector<UnitSpan>& out);
QString unitText(const QString& text, const UnitSpan& span);
QVector<Token> tokenize(const QString& text);

// Words longer than this are indexed by their first kMaxTermLength
// characters (a query for such a word is verified against the text).
constexpr int kMaxTermLength = 60;

// The index term of the unit at i: a word itself, or for a CJK character the
// pair it forms with the next unit when that is a CJK character too, else
// the character alone (the last one of a run).
QString termAt(const QVector<Token>& tokens, int i);

}  // namespace fulltext
