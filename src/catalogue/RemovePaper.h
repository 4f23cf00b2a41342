#pragma once

#include <QString>
#include <QStringList>

#include "catalogue/PaperChange.h"
#include "db/Query.h"

namespace catalogue::removal {

// The deletes of a paper key, in the order they are sent: main, address,
// author_all, kword_all, type_in, then its row of the duplicate finder's
// index and its "不是重复" marks (a paper entered before the index was made
// may have neither, so their counts do not decide the outcome).
QStringList deleteStatements(const QString& key);

inline const Notice kSuccess{QStringLiteral("成功"), QStringLiteral("删除成功")};
inline const Notice kFailure{QStringLiteral("失败"), QStringLiteral("元组不存在/未知错误")};

// "删除": the paper's rows in all five tables between "begin" and "commit",
// or "rollback" when any delete found no row.
Notice removePaper(db::Query& query, const QString& title, const QString& author, const QString& date);

}  // namespace catalogue::removal
