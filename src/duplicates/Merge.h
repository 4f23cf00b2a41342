#pragma once

#include <QString>
#include <QVector>

#include "db/Notice.h"
#include "db/Query.h"
#include "duplicates/MergePlan.h"
#include "duplicates/StoredPaper.h"
#include "scripting/HookCaller.h"

namespace duplicates {

inline const db::Notice kMerged{QStringLiteral("成功"), QStringLiteral("合并成功")};
inline const db::Notice kMergeFailed{QStringLiteral("失败"),
                                     QStringLiteral("合并失败：组内论文已被删除或修改，未作任何更改，请重新查找")};

// Merges one group in one transaction through the entry, update and removal
// statements (the script hooks write the merged authors and keywords): the
// other papers are removed, the kept one takes the merged values and its
// index row is written afresh. Committed only when every statement found its
// row; errors throw and leave nothing changed. The caller retries a conflict.
db::Notice mergeGroup(db::Query& query, scripting::HookCaller& hooks, const QVector<StoredPaper>& group,
                      const MergePlan& plan);

// "不是重复": the pairs of the given papers are not offered again.
void markDistinct(db::Query& query, const QStringList& keys);

}  // namespace duplicates
