#include "db/ColumnTitles.h"

#include <QCoreApplication>

namespace db {

namespace {
// The column titles the statements give their columns (the statements
// themselves never change with the language), listed for the translators.
[[maybe_unused]] const char* const kTitles[] = {
    QT_TRANSLATE_NOOP("columns", "论文题目"),
    QT_TRANSLATE_NOOP("columns", "页码"),
    QT_TRANSLATE_NOOP("columns", "摘录"),
    QT_TRANSLATE_NOOP("columns", "论文一作"),
    QT_TRANSLATE_NOOP("columns", "论文二作"),
    QT_TRANSLATE_NOOP("columns", "论文三作"),
    QT_TRANSLATE_NOOP("columns", "论文四作"),
    QT_TRANSLATE_NOOP("columns", "论文五作"),
    QT_TRANSLATE_NOOP("columns", "发表时间"),
    QT_TRANSLATE_NOOP("columns", "论文文件名"),
    QT_TRANSLATE_NOOP("columns", "保存文件夹"),
    QT_TRANSLATE_NOOP("columns", "论文分类"),
    QT_TRANSLATE_NOOP("columns", "关键词1"),
    QT_TRANSLATE_NOOP("columns", "关键词2"),
    QT_TRANSLATE_NOOP("columns", "关键词3"),
    QT_TRANSLATE_NOOP("columns", "关键词4"),
    QT_TRANSLATE_NOOP("columns", "关键词5"),
    QT_TRANSLATE_NOOP("columns", "关键词6"),
    QT_TRANSLATE_NOOP("columns", "关键词7"),
    QT_TRANSLATE_NOOP("columns", "关键词8"),
    QT_TRANSLATE_NOOP("columns", "关键词9"),
    QT_TRANSLATE_NOOP("columns", "关键词10"),
    QT_TRANSLATE_NOOP("columns", "录入者"),
    QT_TRANSLATE_NOOP("columns", "录入时间"),
    QT_TRANSLATE_NOOP("columns", "备注"),
    QT_TRANSLATE_NOOP("columns", "用户名"),
    QT_TRANSLATE_NOOP("columns", "密码"),
    QT_TRANSLATE_NOOP("columns", "权限（4,3,2分别为管理员、高级用户、普通用户）"),
};
}  // namespace

QString shownColumnTitle(const QString& title) {
    const QByteArray key = title.toUtf8();
    return QCoreApplication::translate("columns", key.constData());
}

}  // namespace db
