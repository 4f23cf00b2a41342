#pragma once

#include <QRegularExpression>
#include <QString>

namespace pdf {

// What the words of one line say about it, before its place on the page is
// looked at. Shared by the layout features and the field assembly.

// Running heads, journal lines and stamps that are not the title.
bool isPageFurniture(const QString& text);
// The start of the abstract, the keywords or the body.
bool startsSection(const QString& text);
// Names of organisations, places, addresses and mail.
bool isAffiliation(const QString& text);
// A date written out ("5 May 2017", "2020年3月", "2019-04-01").
bool isDateLine(const QString& text);
bool hasCjk(const QString& text);

// The number of a form's field before its label: "(72)", "【54】", "5a. ".
const QRegularExpression& formFieldNumber();

// The label a line starts with, as on thesis covers and journal pages.
enum class LineLabel {
    None = 0,
    Title,       // 题目, 论文题目, Title:
    Author,      // 作者, 作者姓名, 研究生, 申请人, Author:
    Supervisor,  // 导师, 指导教师, Supervisor
    CoverField,  // 学号, 专业, 培养单位, 答辩日期 ...
    Keywords,    // 关键词, Keywords, Index Terms
    Abstract,    // 摘要, Abstract
    DocumentType,  // 博士学位论文, 本科毕业论文(设计), Thesis
    JournalField,  // 中图分类号, 文献标识码, 文章编号, Vol., ISSN
};
LineLabel labelOf(const QString& text);
// The line without its leading label and the colon after it: "题目：X" -> "X".
QString withoutLabel(const QString& text);

}  // namespace pdf
