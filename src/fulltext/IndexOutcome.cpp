#include "fulltext/IndexOutcome.h"

#include <QCoreApplication>

namespace fulltext {
namespace {
QString megabytes(qint64 bytes) { return QString::number(double(bytes) / (1 << 20), 'f', 1) + QStringLiteral(" MB"); }
}  // namespace

QString sizeStatement() {
    return QStringLiteral(
        "select (select count(*) from fulltext_doc where pages>0), (select coalesce(sum(pages),0) from fulltext_doc), "
        "(select coalesce(sum(data_length+index_length),0) from information_schema.tables where "
        "table_schema=database() and table_name in ('fulltext_doc','fulltext_page','fulltext_posting'))");
}

QString sizeText(qint64 papers, qint64 pages, qint64 tableBytes) {
    return QCoreApplication::translate("fulltext", "已索引 %1 篇论文、%2 页，索引共占 %3").arg(papers).arg(pages).arg(megabytes(tableBytes));
}

QString foundText(int found, int shown) {
    QString text = QCoreApplication::translate("fulltext", "找到 %1 篇论文").arg(found);
    if (shown < found) text += QCoreApplication::translate("fulltext", "，显示前 %1 篇").arg(shown);
    return text;
}

QString summaryLine(const IndexSummary& s) {
    if (!s.error.isEmpty()) return QCoreApplication::translate("fulltext", "索引中断：") + s.error;
    QString line = QCoreApplication::translate("fulltext", "%1：新索引 %2 个文件，未变 %3 个，未找到 %4 个，无法读取 %5 个")
                       .arg(s.cancelled ? QCoreApplication::translate("fulltext", "已取消") : QCoreApplication::translate("fulltext", "索引完成"))
                       .arg(s.indexed)
                       .arg(s.unchanged)
                       .arg(s.notFound.size())
                       .arg(s.failed.size());
    return line;
}

QStringList summaryDetails(const IndexSummary& s) {
    QStringList out;
    for (const QString& f : s.notFound) out.append(QCoreApplication::translate("fulltext", "未找到文件：") + f);
    for (const QString& f : s.failed) out.append(QCoreApplication::translate("fulltext", "无法读取：") + f);
    return out;
}

}  // namespace fulltext
