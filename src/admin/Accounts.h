#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "db/Notice.h"
#include "db/Query.h"

// Statements and handler flows of the user account windows, without widgets.
namespace admin {

// One message box the window shows: caption and text.
using Notice = db::Notice;

// What a handler leaves for its window: the message boxes to show, in order,
// and whether the window closes afterwards.
struct Outcome {
    QList<Notice> notices;
    bool closeWindow = false;
};

// The two items of every right combo box.
inline const QString kOrdinaryItem = QStringLiteral("普通用户");
inline const QString kSeniorItem = QStringLiteral("高级用户");
QStringList rightItems();

// "普通用户" -> "2", "高级用户" -> "3", any other text -> empty (no level).
QString rightLevel(const QString& comboText);

// The user list of all accounts with both rows: administrators first, then
// senior and ordinary users, by name within a level.
QString userListSql();
// Every right row by name (the change and delete windows' user lists).
QString userChoicesSql();

QString insertPasswordSql(const QString& name, const QString& password);
QString insertRightSql(const QString& name, const QString& level);
QString updateRightSql(const QString& name, const QString& level);
QString adminNamesSql();
QString ownAdminNameSql(const QString& signedInUser);
QString updatePasswordSql(const QString& name, const QString& password);
QString renamePasswordRowSql(const QString& currentName, const QString& newName);
QString renameRightRowSql(const QString& currentName, const QString& newName);
QString deletePasswordRowSql(const QString& name);
QString deleteRightRowSql(const QString& name);

// True when a typed name or password holds nothing but blanks (or nothing).
bool isBlank(const QString& text);
// False for a name the sign-in can never reach: with blanks or control
// characters at either end (the sign-in drops them), or "guest" (the sign-in
// lets the guest in without looking the name up).
bool canSignIn(const QString& name);

// Runs the statements between "begin" and "commit" when every one affected at
// least one row, else "rollback". Returns whether it committed. A database
// error leaves the rollback to the query object and propagates.
bool runAllOrNothing(db::Query& query, const QStringList& statements);

// Names of every account whose right level is not "4", by name.
QStringList loadUserChoices(db::Query& query);

// "添加": creates an account in both tables, or in neither. A name the
// sign-in cannot reach is refused; the password is stored without the blanks
// around it, as the sign-in compares it.
Outcome createAccount(db::Query& query, const QString& name, const QString& password,
                      const QString& rightText);
// "确定" of the change window: sets an account's right level.
Outcome changeRight(db::Query& query, const QString& name, const QString& rightText);
// The administrator account the administrator window changes: the signed-in
// user's own when it has level "4", else the first level-"4" row (empty when
// there is none).
QString administratorName(db::Query& query, const QString& signedInUser);
// "修改" of the administrator window: new name and password, in both tables
// or not at all (the same checks as the creation: no locking oneself out).
Outcome renameAdministrator(db::Query& query, const QString& signedInUser, const QString& newName,
                            const QString& newPassword);
// "删除": removes an account from both tables, or from neither.
Outcome deleteAccount(db::Query& query, const QString& name);

}  // namespace admin
