#include "db/OdbcDiagnostic.h"

#include <QStringList>
#include <algorithm>

namespace db::odbc {

QString fromWide(const SQLWCHAR* text, qsizetype length) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
}

Diagnostic diagnose(SQLSMALLINT type, SQLHANDLE handle) {
    Diagnostic d;
    QStringList texts;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR message[1024] = {};
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(type, handle, i, state, &native, message,
                                      SQLSMALLINT(std::size(message)), &length);
        if (!SQL_SUCCEEDED(rc)) break;
        QString s = fromWide(state, 5);
        if (i == 1) {
            d.sqlState = s;
            d.nativeCode = int(native);
        }
        texts << fromWide(message, std::min<qsizetype>(length, std::size(message) - 1));
        // gone away, lost during a query, lost at reading, killed, idle too long
        if (native == 2006 || native == 2013 || native == 2055 || native == 1927 || native == 4031 ||
            s.startsWith(QLatin1String("08")))
            d.connectionLost = true;
    }
    d.text = texts.join(QLatin1Char(' '));
    if (d.text.isEmpty()) d.text = QStringLiteral("数据库错误（驱动没有给出原因）");
    numberFromText(d);
    return d;
}

void numberFromText(Diagnostic& d) {
    if (d.nativeCode != 0) return;
    if (d.text.contains(QLatin1String("Deadlock found when trying to get lock"))) {
        d.nativeCode = 1213;
        d.sqlState = QStringLiteral("40001");
    }
}

SQLHENV environment() {
    static SQLHENV env = [] {
        SQLHENV e = SQL_NULL_HENV;
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &e);
        SQLSetEnvAttr(e, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return e;
    }();
    return env;
}

OdbcQuery::Timeouts& timeouts() {
    static OdbcQuery::Timeouts t;
    return t;
}

SQLULEN& boundCellLimit() {
    static SQLULEN limit = 0;
    return limit;
}

void explainTimeOut(Diagnostic& d, qint64 waitedMs) {
    const OdbcQuery::Timeouts& t = timeouts();
    if (d.nativeCode == 1969)
        d.text = QStringLiteral("语句执行超过 %1 秒，已被服务器中止（超时）。").arg(t.statementSeconds) + d.text;
    else if (d.connectionLost && waitedMs >= qint64(t.readSeconds) * 1000 - 250)
        d.text = QStringLiteral("数据库服务器 %1 秒内没有应答，连接已断开（超时）。").arg(t.readSeconds) + d.text;
}

}  // namespace db::odbc
