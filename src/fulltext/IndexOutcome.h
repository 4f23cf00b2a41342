#pragma once

#include <QString>
#include <QStringList>

#include "fulltext/IndexRun.h"

// What the full-text window says about the index and its runs.
namespace fulltext {

// Papers and pages indexed and the bytes of the index tables (as the server
// estimates them).
QString sizeStatement();
// "已索引 12 篇论文、96 页，索引共占 1.6 MB"
QString sizeText(qint64 papers, qint64 pages, qint64 tableBytes);
// "找到 3 篇论文" (", 显示前 500 篇" when not all are shown)
QString foundText(int found, int shown);
// One line for the progress label: what the run did.
QString summaryLine(const IndexSummary& summary);
// The files not found and those that could not be read, one a line.
QStringList summaryDetails(const IndexSummary& summary);

}  // namespace fulltext
