#pragma once

#include <QList>
#include <QStringList>

#include "pdf/TextLines.h"

namespace pdf {

// Writers a page names elsewhere than in a byline: in a post's head line, in the
// sentence of a title page that tells who wrote the thesis under whom, signed in
// brackets at the end of an article or an entry, in a box about the authors.
QStringList writersNamedElsewhere(const QList<Line>& lines);

// Bylines of other forms than a list of names: names with the part each had
// ("甲 口述 乙 整理", "董晓 撰", "〔德〕甲 著 乙 译"), a report's statement of who
// did the work, a byline after a box and the school, a thesis "submitted by",
// a letter signed with degrees, a case that says who wrote it.
QStringList writersOfOtherBylines(const QList<Line>& lines);

}  // namespace pdf
