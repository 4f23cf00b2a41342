#include "admin/ProcedureStatements.h"

namespace admin {

QString procedureTemplate() {
    return QStringLiteral("CREATE PROCEDURE </#>(</#>)\nBEGIN\n</#>\nEND");
}

QStringList procedureNoteLines() {
    return {QStringLiteral("1.创建时，下方的可编辑区域中</#>为需"),
            QStringLiteral("要编辑的部分；删除时，需自行编写语"),
            QStringLiteral("句。"),
            QStringLiteral("2.本程序中的存储过程执行部分无法支持"),
            QStringLiteral("复杂的存储过程，故若想在本程序中执"),
            QStringLiteral("行，创建的存储过程只可含有简单的查"),
            QStringLiteral("询语句。")};
}

void listProcedures(db::Query& query) { query.openSql(kShowProcedureStatus); }

qint64 procedureCount(db::Query& query) {
    listProcedures(query);
    return query.recordCount();
}

Report runProcedure(db::Query& query, const QString& text) {
    query.openSql(text);
    if (query.recordCount() < 1)
        return {QStringLiteral("失败"), QStringLiteral("存储过程执行失败（未知原因）"), false};
    return {};
}

ProcedureChange judgeProcedureChange(qint64 before, qint64 after) {
    if (after == before + 1) return ProcedureChange::Created;
    if (after == before - 1) return ProcedureChange::Dropped;
    return ProcedureChange::Unknown;
}

Report procedureChangeReport(ProcedureChange change) {
    switch (change) {
        case ProcedureChange::Created:
            return {QStringLiteral("成功"), QStringLiteral("存储过程创建成功"), true};
        case ProcedureChange::Dropped:
            return {QStringLiteral("成功"), QStringLiteral("存储过程删除成功"), true};
        case ProcedureChange::Unknown:
            break;
    }
    return {QStringLiteral("失败"), QStringLiteral("存储过程创建/删除失败（未知原因）"), false};
}

Report changeProcedures(db::Query& query, const QString& statement) {
    const qint64 before = procedureCount(query);
    query.execSql(statement);
    const qint64 after = procedureCount(query);
    query.close();
    return procedureChangeReport(judgeProcedureChange(before, after));
}

}  // namespace admin
