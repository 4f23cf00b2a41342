#pragma once

#include <QList>
#include <QString>

#include "db/Messages.h"
#include "db/Notice.h"
#include "db/Query.h"

// The signed-in user's own account: password change and cancellation, and the
// data source test, without widgets.
namespace shell {

using Notice = db::Notice;

struct AccountOutcome {
    QList<Notice> notices;   // message boxes, in order
    bool closeWindow = false;
    bool quitProgram = false;
};

QString storedPasswordSql(const QString& userName);
QString setPasswordSql(const QString& userName, const QString& password);
QString deleteOwnPasswordRowSql(const QString& userName);
QString deleteOwnRightRowSql(const QString& userName);

// "确定" of the password change: the old password must match the stored one
// and the new one its confirmation (all three trimmed); the trimmed new
// password is stored. An empty new password is refused before anything is sent.
AccountOutcome changePassword(db::Query& query, const QString& userName, const QString& typedOld,
                              const QString& typedNew, const QString& typedConfirmation);

// "确定" of the cancellation: deletes both rows of the account, or neither;
// on success the program ends.
AccountOutcome cancelAccount(db::Query& query, const QString& userName);

// "测试" of the database change: connects to the typed data source as the
// login account and asks "select user()". Only the failure of that statement
// is caught ("不通过"); no row gives no message.
QList<Notice> testDataSource(db::Query& query, const QString& typedDataSource);

using db::messages::show;

}  // namespace shell
