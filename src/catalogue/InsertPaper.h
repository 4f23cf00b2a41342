#pragma once

#include <QString>
#include <array>
#include <exception>
#include <optional>

#include "catalogue/PaperChange.h"
#include "db/Query.h"
#include "scripting/HookCaller.h"

namespace catalogue::entry {

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

// The statements of an entry, each value escaped between its quotes.
QString mainInsert(const QString& key, const QString& title, const QString& author, const QString& date);
QString plainAuthorsInsert(const QString& key, const QString& author);
// The address row that the ticks select, or none: file name or folder empty,
// or a ticked category or remark left empty.
std::optional<QString> addressInsert(const QString& key, const PaperEntry& entry);
QString plainKwordsInsert(const QString& key);
QString typeInInsert(const QString& key, const QString& typist, const QString& date);

// Today's local date as "yyyy-mm-dd".
QString today();

inline const Notice kSuccess{QStringLiteral("成功"), QStringLiteral("插入成功")};
inline const Notice kFailure{QStringLiteral("失败"), QStringLiteral("插入失败（未知错误）")};

// Rows affected by the main, authors, address, keywords and type-in
// statements of one paper and by its row of the duplicate finder's index;
// the address count is 0 when no address row is sent.
using PaperCounts = std::array<qint64, 6>;
bool allAffected(const PaperCounts& counts);

// The duplicate finder's index row of an entry.
QString matchInsert(const QString& key, const PaperEntry& entry);

// The statements of one paper under its key after those of `before`, as one
// run, and where each of its six counted statements stands in it. A hook that
// fails stops the run where it stands: `failure` holds its error, and what
// comes before it is still to be sent, as when each statement went alone.
struct PaperRun {
    QStringList statements;
    std::array<qsizetype, 6> at{-1, -1, -1, -1, -1, -1};
    std::exception_ptr failure;
    // The paper's counts out of the counts of the whole run.
    PaperCounts counts(const QVector<qint64>& sent) const;
};
PaperRun paperRun(scripting::HookCaller& hooks, const PaperEntry& entry, const QString& key, const QString& typist,
                  const QString& date, const QStringList& before = {});

// The statements of one paper under its key, without "begin", "commit" or
// "rollback": for callers that frame one paper (insertPaper) or several
// papers (a batch import) in a transaction of their own. Errors throw; what
// the statements sent so far did is left to the caller to undo. The
// statements of `before` are sent first, in the same run (Query::execAll).
PaperCounts sendPaper(db::Query& query, scripting::HookCaller& hooks, const PaperEntry& entry, const QString& key,
                      const QString& typist, const QString& date, const QStringList& before = {});

// "插入": the five rows of the paper between "begin" and "commit", or
// "rollback" when any of them affected no row. Errors throw (and leave no
// part of the paper behind).
Notice insertPaper(db::Query& query, scripting::HookCaller& hooks, const PaperEntry& entry,
                   const QString& typist, const QString& date);

}  // namespace catalogue::entry
