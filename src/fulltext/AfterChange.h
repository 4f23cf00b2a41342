#pragma once

#include <QString>
#include <QVector>

namespace exchange {
struct WriteJob;
struct PaperOutcome;
}  // namespace exchange

// Papers whose file is new to the catalogue get indexed in the background
// once their change is committed.
namespace fulltext {

// A paper entered, or given another file name or folder.
void indexPaper(const QString& connectionString, const QString& key);
// The papers an import wrote (imported or updated) that name a file.
void indexImported(const QString& connectionString, const QVector<exchange::WriteJob>& jobs,
                   const QVector<exchange::PaperOutcome>& outcomes);

}  // namespace fulltext
