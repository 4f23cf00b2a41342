#pragma once

// What the benchmarks run through the program, besides the windows: the
// statements the two searches send when nothing narrows them, and the papers
// to enter.

#include <QList>
#include <QString>

#include "catalogue/InsertPaper.h"

namespace bench {

// The quick search with all three boxes empty: every paper.
QString quickSearchStatement();

// The detailed query with all eleven output groups ticked (24 columns) and no
// criterion in use.
QString detailedAllColumnsStatement();

// Papers as gen_papers.py writes them to entry.tsv: one per line, tab between
// fields, LOAD DATA escapes.
QList<catalogue::entry::PaperEntry> readEntries(const QString& path);

}  // namespace bench
