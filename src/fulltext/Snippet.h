#pragma once

#include <QString>
#include <QVector>

#include "fulltext/SearchQuery.h"

namespace fulltext {

// A line of a page's text around the first occurrence of the first clause
// that occurs on it, the occurrence marked 【…】; blanks and line ends run
// together, a cut end shows "…". The page's opening when none occurs.
QString snippet(const QString& page, const QVector<Clause>& clauses, int before = 30, int after = 60);

}  // namespace fulltext
