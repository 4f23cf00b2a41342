#include "admin/Accounts.h"

#include "db/Schema.h"
#include "db/SqlText.h"
#include "db/Transaction.h"

namespace admin {

namespace {

QString quoted(const QString& value) { return db::sqlQuote(value); }

const Notice kChooseRight{QStringLiteral("注意"), QStringLiteral("必须选择权限")};
const Notice kNameCannotSignIn{QStringLiteral("注意"), QStringLiteral("用户名首尾不能有空白，也不能是guest")};

}  // namespace

QStringList rightItems() { return {kOrdinaryItem, kSeniorItem}; }

QString rightLevel(const QString& comboText) {
    if (comboText == kOrdinaryItem) return schema::kRightOrdinary;
    if (comboText == kSeniorItem) return schema::kRightSenior;
    return {};
}

QString userListSql() {
    return QStringLiteral(
        "select a.username '用户名',password '密码',rightid "
        "'权限（4,3,2分别为管理员、高级用户、普通用户）' from username_password a,username_rightid b "
        "where a.username=b.username order by rightid desc,a.username asc");
}

QString userChoicesSql() { return QStringLiteral("select * from username_rightid order by username asc"); }

QString insertPasswordSql(const QString& name, const QString& password) {
    return QStringLiteral("insert into username_password values ('") + quoted(name) +
           QStringLiteral("','") + quoted(password) + QStringLiteral("')");
}

QString insertRightSql(const QString& name, const QString& level) {
    return QStringLiteral("insert into username_rightid values ('") + quoted(name) +
           QStringLiteral("','") + quoted(level) + QStringLiteral("')");
}

QString updateRightSql(const QString& name, const QString& level) {
    return QStringLiteral("update username_rightid set rightid='") + quoted(level) +
           QStringLiteral("' where username='") + quoted(name) + QLatin1Char('\'');
}

QString adminNamesSql() { return QStringLiteral("select username from username_rightid where rightid='4'"); }

QString ownAdminNameSql(const QString& signedInUser) {
    return adminNamesSql() + QStringLiteral(" and username='") + quoted(signedInUser) + QLatin1Char('\'');
}

QString updatePasswordSql(const QString& name, const QString& password) {
    return QStringLiteral("update username_password set password='") + quoted(password) +
           QStringLiteral("' where username='") + quoted(name) + QLatin1Char('\'');
}

QString renamePasswordRowSql(const QString& currentName, const QString& newName) {
    return QStringLiteral("update username_password set username='") + quoted(newName) +
           QStringLiteral("' where username='") + quoted(currentName) + QLatin1Char('\'');
}

QString renameRightRowSql(const QString& currentName, const QString& newName) {
    return QStringLiteral("update username_rightid set username='") + quoted(newName) +
           QStringLiteral("' where username='") + quoted(currentName) + QLatin1Char('\'');
}

QString deletePasswordRowSql(const QString& name) {
    return QStringLiteral("delete from username_password where username='") + quoted(name) +
           QLatin1Char('\'');
}

QString deleteRightRowSql(const QString& name) {
    return QStringLiteral("delete from username_rightid where username='") + quoted(name) +
           QLatin1Char('\'');
}

bool isBlank(const QString& text) { return db::trimBlanks(text).isEmpty(); }

bool canSignIn(const QString& name) {
    return db::trimBlanks(name) == name && name != QLatin1String("guest");
}

bool runAllOrNothing(db::Query& query, const QStringList& statements) {
    db::Transaction change(query);
    bool every = true;
    for (const QString& statement : statements)
        if (query.execSql(statement) < 1) every = false;
    return change.finish(every);
}

QStringList loadUserChoices(db::Query& query) {
    query.openSql(userChoicesSql());
    QStringList names;
    for (qint64 i = 0, n = query.recordCount(); i < n; ++i) {
        if (query.field(1) != schema::kRightAdmin) names << query.field(0);
        query.next();
    }
    query.close();
    return names;
}

Outcome createAccount(db::Query& query, const QString& name, const QString& typedPassword,
                      const QString& rightText) {
    const QString level = rightLevel(rightText);
    if (level.isEmpty()) return {{kChooseRight}};
    if (isBlank(name) || isBlank(typedPassword))
        return {{{QStringLiteral("注意"), QStringLiteral("用户名和密码不能为空")}}};
    if (!canSignIn(name)) return {{kNameCannotSignIn}};
    // The sign-in compares the password it was given without surrounding
    // blanks: so it is stored.
    const QString password = db::trimBlanks(typedPassword);
    if (runAllOrNothing(query, {insertPasswordSql(name, password), insertRightSql(name, level)}))
        return {{{QStringLiteral("成功"), QStringLiteral("已生成新用户")}}, true};
    return {{{QStringLiteral("失败"), QStringLiteral("生成新用户失败（未知错误）")}}};
}

Outcome changeRight(db::Query& query, const QString& name, const QString& rightText) {
    const QString level = rightLevel(rightText);
    if (level.isEmpty()) return {{kChooseRight}};
    if (query.execSql(updateRightSql(name, level)) >= 1)
        return {{{QStringLiteral("成功"), QStringLiteral("权限更改成功")}}};
    return {{{QStringLiteral("失败"), QStringLiteral("权限更改失败（未知错误）")}}};
}

QString administratorName(db::Query& query, const QString& signedInUser) {
    // The server's own spelling of the name, which the sign-in matched.
    query.openSql(ownAdminNameSql(signedInUser));
    QString name = query.recordCount() > 0 ? query.field(0) : QString();
    if (name.isEmpty()) {
        query.openSql(adminNamesSql());
        name = query.field(0);
    }
    query.close();
    return name;
}

Outcome renameAdministrator(db::Query& query, const QString& signedInUser, const QString& newName,
                            const QString& typedPassword) {
    if (isBlank(newName) || isBlank(typedPassword))
        return {{{QStringLiteral("注意"), QStringLiteral("新账户名和新密码不能为空")}}};
    if (!canSignIn(newName)) return {{kNameCannotSignIn}};
    const QString newPassword = db::trimBlanks(typedPassword);
    const QString current = administratorName(query, signedInUser);
    const bool done = runAllOrNothing(query, {updatePasswordSql(current, newPassword),
                                              renamePasswordRowSql(current, newName),
                                              renameRightRowSql(current, newName)});
    if (done) return {{{QStringLiteral("成功"), QStringLiteral("管理员账户名、密码修改成功")}}, true};
    return {{{QStringLiteral("失败"), QStringLiteral("修改失败（未知错误）")}}};
}

Outcome deleteAccount(db::Query& query, const QString& name) {
    if (runAllOrNothing(query, {deletePasswordRowSql(name), deleteRightRowSql(name)}))
        return {{{QStringLiteral("成功"), QStringLiteral("删除成功")}}, true};
    return {{{QStringLiteral("失败"), QStringLiteral("删除失败（未知错误）")}}};
}

}  // namespace admin
