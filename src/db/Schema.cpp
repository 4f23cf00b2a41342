#include "db/Schema.h"

#include <QHash>

namespace schema {

QString label(const QString& column) {
    static const QHash<QString, QString> labels = {
        {QStringLiteral("title"), QStringLiteral("论文题目")},
        {QStringLiteral("author_1"), QStringLiteral("论文一作")},
        {QStringLiteral("main.author_1"), QStringLiteral("论文一作")},
        {QStringLiteral("author_all.author_1"), QStringLiteral("论文一作")},
        {QStringLiteral("author_2"), QStringLiteral("论文二作")},
        {QStringLiteral("author_3"), QStringLiteral("论文三作")},
        {QStringLiteral("author_4"), QStringLiteral("论文四作")},
        {QStringLiteral("author_5"), QStringLiteral("论文五作")},
        {QStringLiteral("pub_time"), QStringLiteral("发表时间")},
        {QStringLiteral("filename"), QStringLiteral("论文文件名")},
        {QStringLiteral("dir"), QStringLiteral("保存文件夹")},
        {QStringLiteral("catalog"), QStringLiteral("论文分类")},
        {QStringLiteral("kword_1"), QStringLiteral("关键词1")},
        {QStringLiteral("kword_2"), QStringLiteral("关键词2")},
        {QStringLiteral("kword_3"), QStringLiteral("关键词3")},
        {QStringLiteral("kword_4"), QStringLiteral("关键词4")},
        {QStringLiteral("kword_5"), QStringLiteral("关键词5")},
        {QStringLiteral("kword_6"), QStringLiteral("关键词6")},
        {QStringLiteral("kword_7"), QStringLiteral("关键词7")},
        {QStringLiteral("kword_8"), QStringLiteral("关键词8")},
        {QStringLiteral("kword_9"), QStringLiteral("关键词9")},
        {QStringLiteral("kword_a"), QStringLiteral("关键词10")},
        {QStringLiteral("typist"), QStringLiteral("录入者")},
        {QStringLiteral("type_time"), QStringLiteral("录入时间")},
        {QStringLiteral("remark"), QStringLiteral("备注")},
        {QStringLiteral("a.username"), QStringLiteral("用户名")},
        {QStringLiteral("password"), QStringLiteral("密码")},
        {QStringLiteral("rightid"), QStringLiteral("权限（4,3,2分别为管理员、高级用户、普通用户）")},
    };
    return labels.value(column);
}

QString aliased(const QString& column) {
    return column + QStringLiteral(" '") + label(column) + QStringLiteral("',");
}

QString paperKey(const QString& title, const QString& firstAuthor, const QString& pubTime) {
    return title + QLatin1Char('$') + firstAuthor + QLatin1Char('$') + pubTime;
}

}  // namespace schema
