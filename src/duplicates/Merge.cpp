#include "duplicates/Merge.h"

#include <vector>

#include "catalogue/PaperChange.h"
#include "catalogue/RemovePaper.h"
#include "catalogue/UpdatePaper.h"
#include "db/Schema.h"
#include "db/Transaction.h"
#include "duplicates/MatchIndex.h"

namespace duplicates {

namespace update = catalogue::update;

db::Notice mergeGroup(db::Query& q, scripting::HookCaller& hooks, const QVector<StoredPaper>& group,
                      const MergePlan& plan) {
    const StoredPaper& kept = group[plan.keep];
    const MergedPaper m = mergedPaper(group, plan);
    std::vector<qint64> counts;

    db::Transaction change(q);
    // the others go first, so that the kept paper may take over a key of theirs
    for (int i = 0; i < group.size(); ++i) {
        if (i == plan.keep) continue;
        const QStringList deletes = catalogue::removal::deleteStatements(group[i].key);
        for (int s = 0; s < deletes.size(); ++s) {
            const qint64 n = q.execSql(deletes[s]);
            if (s < 5) counts.push_back(n);
        }
    }

    QString key = kept.key;
    const QString newKey = schema::paperKey(m.title, m.author, m.date);
    if (m.title != kept.title || m.author != kept.author || m.date != kept.date) {
        counts.push_back(q.execSql(update::mainRowUpdate(key, m.title, m.author, m.date)));
        counts.push_back(q.execSql(update::firstAuthorUpdate(key, m.author)));
        if (newKey != key) {
            for (const QString& rewrite : update::keyRewrites(newKey, key)) counts.push_back(q.execSql(rewrite));
            q.execSql(index::distinctDelete(key));
        }
        key = newKey;
    }

    const std::pair<update::Item, std::pair<const QString*, const QString*>> plain[] = {
        {update::Filename, {&m.filename, &kept.filename}},
        {update::Dir, {&m.dir, &kept.dir}},
        {update::Catalog, {&m.catalog, &kept.catalog}},
        {update::Remark, {&m.remark, &kept.remark}}};
    for (const auto& [item, values] : plain)
        if (*values.first != *values.second && !values.first->isEmpty())
            counts.push_back(q.execSql(update::addressUpdate(item, key, *values.first)));

    if (m.authors != kept.authors && !m.authors.isEmpty())
        counts.push_back(q.execSql(catalogue::hookStatement(hooks, scripting::kUpdateAuthors,
                                                            {m.authors.join(QStringLiteral("；")), key},
                                                            QStringLiteral("update"), schema::kAuthorAll)));
    if (m.kwords != kept.kwords && !m.kwords.isEmpty())
        counts.push_back(q.execSql(catalogue::hookStatement(hooks, scripting::kUpdateKwords,
                                                            {m.kwords.join(QStringLiteral("；")), key},
                                                            QStringLiteral("update"), schema::kKwordAll)));

    // the index row of the merged paper, whether or not it had one
    q.execSql(index::matchDelete(kept.key));
    if (key != kept.key) q.execSql(index::matchDelete(key));
    counts.push_back(q.execSql(index::matchInsert(key, m.title, m.author, m.date, m.remark)));

    bool whole = true;
    for (qint64 c : counts) whole = whole && c >= 1;
    return change.finish(whole) ? kMerged : kMergeFailed;
}

void markDistinct(db::Query& q, const QStringList& keys) {
    db::Transaction change(q);
    for (int i = 0; i < keys.size(); ++i)
        for (int j = i + 1; j < keys.size(); ++j) q.execSql(index::distinctInsert(keys[i], keys[j]));
    change.finish(true);
}

}  // namespace duplicates
