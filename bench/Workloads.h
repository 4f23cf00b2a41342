#pragma once

// What the benchmarks run through the program: the statements of the two
// searches and the flow of one paper entry. Each function is the one place to
// point at the catalogue's own builders and entry logic once they are in the
// tree (catalogue::quickStatement, catalogue::detailedStatement,
// catalogue::entry::insertPaper); until then they build the same texts here.

#include <QString>
#include <QStringList>
#include <functional>

#include "db/Query.h"

namespace bench {

// The quick search statement for three search texts ("" lists every paper).
QString quickSearchStatement(const QString& title, const QString& firstAuthor, const QString& pubTime);

// The detailed query with all eleven output groups ticked (24 columns) and no
// criterion in use.
QString detailedAllColumnsStatement();

// Calls a script hook: module, function, text arguments in; statement out.
using HookCall = std::function<QString(const QString& module, const QString& function,
                                       const QStringList& args)>;

// What the entry window holds at a click of "插入".
struct PaperEntry {
    QString title;
    QString author;  // first author
    QString date;    // publication time
    QString filename;
    QString dir;
    bool kwordsTicked = false;
    QString kwords;
    bool authorsTicked = false;
    QString authors;  // further authors
    bool catalogTicked = false;
    QString catalog;
    bool remarkTicked = false;
    QString remark;
};

// One click of "插入": the five rows between "begin" and "commit" (true), or
// "rollback" when a row was not stored (false). Errors throw.
bool insertPaper(db::Query& query, const HookCall& hooks, const PaperEntry& entry,
                 const QString& typist, const QString& date);

// Entries as written by gen_papers.py (entry.tsv): one per line, tab between
// fields, LOAD DATA escapes.
QList<PaperEntry> readEntries(const QString& path);

}  // namespace bench
