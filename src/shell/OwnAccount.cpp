#include "shell/OwnAccount.h"

#include "db/DbError.h"
#include "db/Messages.h"
#include "db/SqlText.h"
#include "db/Transaction.h"
#include "shell/Settings.h"

namespace shell {

QString storedPasswordSql(const QString& userName) {
    return QStringLiteral("select password from username_password where username='") +
           db::sqlQuote(userName) + QLatin1Char('\'');
}

QString setPasswordSql(const QString& userName, const QString& password) {
    return QStringLiteral("update username_password set password='") + db::sqlQuote(password) +
           QStringLiteral("' where username='") + db::sqlQuote(userName) + QLatin1Char('\'');
}

QString deleteOwnPasswordRowSql(const QString& userName) {
    return QStringLiteral("delete from username_password where username='") + db::sqlQuote(userName) +
           QLatin1Char('\'');
}

QString deleteOwnRightRowSql(const QString& userName) {
    return QStringLiteral("delete from username_rightid where username='") + db::sqlQuote(userName) +
           QLatin1Char('\'');
}

AccountOutcome changePassword(db::Query& query, const QString& userName, const QString& typedOld,
                              const QString& typedNew, const QString& typedConfirmation) {
    AccountOutcome out;
    const QString oldPassword = db::trimBlanks(typedOld);
    const QString newPassword = db::trimBlanks(typedNew);
    const QString confirmation = db::trimBlanks(typedConfirmation);
    if (newPassword.isEmpty()) {
        // The sign-in refuses an empty password, so it would lock the account out.
        out.notices << Notice{QStringLiteral("注意"), QStringLiteral("新密码不能为空")};
        return out;
    }

    query.openSql(storedPasswordSql(userName));
    const bool hasRow = query.recordCount() > 0;
    const QString stored = query.field(0);
    query.close();

    const bool oldMatches = hasRow && stored == oldPassword;
    if (!oldMatches) out.notices << Notice{QStringLiteral("原密码错误"), QStringLiteral("原密码不正确")};
    const bool confirmed = newPassword == confirmation;
    if (!confirmed)
        out.notices << Notice{QStringLiteral("密码不匹配"), QStringLiteral("新密码与确认密码不同")};
    if (!oldMatches || !confirmed) return out;

    // The trimmed text is what was compared and what the sign-in will compare.
    if (query.execSql(setPasswordSql(userName, newPassword)) == 1) {
        out.notices << Notice{QStringLiteral("成功"), QStringLiteral("密码修改成功")};
        out.closeWindow = true;
    } else {
        out.notices << Notice{QStringLiteral("失败"), QStringLiteral("密码修改失败（未知原因）")};
    }
    return out;
}

AccountOutcome cancelAccount(db::Query& query, const QString& userName) {
    AccountOutcome out;
    db::Transaction change(query);
    const qint64 a = query.execSql(deleteOwnPasswordRowSql(userName));
    const qint64 b = query.execSql(deleteOwnRightRowSql(userName));
    if (change.finish({a, b})) {
        out.notices << Notice{QStringLiteral("成功"), QStringLiteral("注销成功")};
        out.quitProgram = true;
    } else {
        out.notices << Notice{QStringLiteral("失败"), QStringLiteral("注销失败（未知错误）")};
    }
    return out;
}

QList<Notice> testDataSource(db::Query& query, const QString& typedDataSource) {
    query.setConnectionString(testConnectionString(typedDataSource));
    query.close();
    query.setSql(QStringLiteral("select user()"));
    try {
        query.open();
    } catch (const db::DbError&) {
        query.close();
        return {{QStringLiteral("不通过"), QStringLiteral("不能连接服务器")}};
    }
    QList<Notice> out;
    if (query.recordCount() >= 1) out << Notice{QStringLiteral("通过"), QStringLiteral("测试通过")};
    query.close();
    return out;
}

}  // namespace shell
