#include "fulltext/AfterChange.h"

#include "exchange/PaperCheck.h"
#include "exchange/PaperWriter.h"
#include "fulltext/IndexService.h"

namespace fulltext {

void indexPaper(const QString& connectionString, const QString& key) {
    IndexService::instance().request(connectionString, {key});
}

void indexImported(const QString& connectionString, const QVector<exchange::WriteJob>& jobs,
                   const QVector<exchange::PaperOutcome>& outcomes) {
    QStringList keys;
    for (int i = 0; i < jobs.size() && i < outcomes.size(); ++i) {
        const exchange::Outcome o = outcomes[i].outcome;
        if ((o == exchange::Outcome::Imported || o == exchange::Outcome::Updated) && jobs[i].paper &&
            !jobs[i].paper->entry.filename.isEmpty())
            keys.append(jobs[i].paper->key);
    }
    if (!keys.isEmpty()) IndexService::instance().request(connectionString, keys);
}

}  // namespace fulltext
