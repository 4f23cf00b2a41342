#pragma once

#include <QList>
#include <QString>

#include "pdf/PdfFacts.h"

namespace pdf {

// A run of words on one baseline, as a reader sees it: words far apart on
// the same height (columns, author blocks side by side) are separate lines.
struct Line {
    QString text;      // words joined, small raised marks left out
    QString rawText;   // every word, marks included
    QString gapText;   // as text, with two blanks where words stand 1.2 em or more apart
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double size = 0;   // the font size of most of its characters
    bool bold = false;
    QList<Word> words;
};

// Groups the words (in the library's reading order) into lines and sorts
// them top to bottom, left to right.
QList<Line> groupLines(const QList<Word>& words);

bool isCjk(QChar c);
// How many letters a text holds, a Chinese one counting twice.
int weightedLetters(const QString& s);
// Whether line a stands on the row of line ref: its middle within 0.4 of ref's height of ref's middle
// (lines set tight may overlap without being on one row).
bool onSameRow(const Line& a, const Line& ref);
// A title's lines joined as they are read: a word broken at its hyphen made whole again, no blank
// between Chinese lines.
QString joinTitle(const QStringList& parts);

}  // namespace pdf
