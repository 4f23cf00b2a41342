#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "catalogue/PaperChange.h"
#include "db/Query.h"
#include "scripting/HookCaller.h"

namespace catalogue::update {

inline const Notice kSuccess{QStringLiteral("成功"), QStringLiteral("更新成功")};
inline const Notice kFailure{QStringLiteral("失败"), QStringLiteral("更新失败（未知错误）")};
inline const Notice kNothingChosen{QStringLiteral("注意"), QStringLiteral("请选择更新项")};

// ---- Title, first author and publication time ("更新重要对象") ----

struct MainChange {
    QString title, author, date;  // the paper as it is stored
    bool titleTicked = true;
    QString newTitle;
    bool authorTicked = false;
    QString newAuthor;
    bool dateTicked = false;
    QString newDate;
};

// A new value counts when its box is ticked and not empty; else the old one stays.
QString newTitle(const MainChange& c);
QString newAuthor(const MainChange& c);
QString newDate(const MainChange& c);

QString mainRowUpdate(const QString& oldKey, const QString& title, const QString& author, const QString& date);
QString firstAuthorUpdate(const QString& oldKey, const QString& author);
// The key rewrites of main, address, type_in, author_all and kword_all, in that order.
QStringList keyRewrites(const QString& newKey, const QString& oldKey);

// "更新": main row, first author of author_all (when a new one is given) and
// the key in all five tables, committed only when every statement affected a row.
Notice updateMain(db::Query& query, const MainChange& change);

// ---- File name, folder, category, further authors, keywords, remark ("更新一般对象") ----

enum Item { Filename, Dir, Catalog, Authors, Kwords, Remark, ItemCount };

struct OtherChange {
    QString title, author, date;
    std::array<bool, ItemCount> ticked{};
    std::array<QString, ItemCount> text;
    bool wanted(Item i) const { return ticked[i] && !text[i].isEmpty(); }
};

// The address update of a plain item (file name, folder, category, remark).
QString addressUpdate(Item item, const QString& key, const QString& text);
// The select-list fragment of an item, e.g. "filename '论文文件名',".
QString listFragment(Item item);
inline const QString kListStart = QStringLiteral("select title '论文题目',main.author_1 '论文一作',pub_time '发表时间',");
// The finished select of the updated row, from a result list.
QString finishedSelect(const QString& list, const QString& key);

struct OtherOutcome {
    bool committed = false;
    bool nothingChosen = false;  // committed without a change; "请选择更新项" was shown
    QString select;              // the updated row to show, when something changed
};

// "更新": the chosen items between "begin" and "commit"/"rollback"; with no
// item chosen, "请选择更新项" is shown before the "commit". Errors throw (and
// leave no part of the change behind).
OtherOutcome updateOther(db::Query& query, scripting::HookCaller& hooks, const OtherChange& change);

}  // namespace catalogue::update
