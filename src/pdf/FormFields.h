#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <utility>

#include "pdf/TextLines.h"

namespace pdf {

// The fields of forms and covers: values after or beside their labels, names
// in tables, titles in labelled cells.

// The end of a name that a list of names after a label wraps to the next line.
QString wrappedName(const QList<Line>& lines, int at, const QString& value);
// A list of names that runs on over the lines of its column, set tight, from line j.
QString runOnList(const QList<Line>& lines, int j);
// The nearest line to the right of line i on its row, or -1.
int besideOnRow(const QList<Line>& lines, int i);
// The line beside line i on its row when it is no label: its text and index.
std::pair<QString, int> valueBeside(const QList<Line>& lines, int i);
// The value of a labelled field ("题目：X", or "题目" with X beside it or under it)
// and the index of the line that holds it.
std::pair<QString, int> labelledValue(const QList<Line>& lines, int i);
// A field's label by the way such labels end, known or not ("项目编号：", "电话：").
const QRegularExpression& unknownLabel();
// A field's value up to the next label on its row: "王五　　指导教师：赵六" -> "王五".
QString untilNextLabel(const QString& value);
// "课题组成员：", "主要成员" ...: the label of a group's members.
bool isMembersLabel(const QString& text);
// A table of authors: the names in the first cells of the rows under the name label i.
QStringList namesUnderHeader(const QList<Line>& lines, int i, bool indented = false);
// A research group's members, named under the label that follows its leader's, or on its row.
QStringList groupMembers(const QList<Line>& lines, int leader);
// The first cell under a label in a table's row of heads, with the lines it wraps to.
QString cellUnderHead(const QList<Line>& lines, int i);
// A cover's labelled title, with the lines under its value that carry it on, and
// the line of its label; named: after a label that names a work ("作品名称") instead.
std::pair<QString, int> labelledTitle(const QList<Line>& lines, bool named = false);
// A cover's title without a label: the largest text after the document type.
QString coverTitle(const QList<Line>& lines, double pageHeight);
// A title that a sentence introduces, on the lines after it up to the byline:
// "This is to certify that the thesis entitled" / "“X”" / "prepared by …".
QString introducedTitle(const QList<Line>& lines);
// A student paper's heading (student, teacher, course, date): the student's line, or -1.
int studentHeading(const QList<Line>& lines);
// The title block of an engineering drawing on a design's cover: the rows "设计", "指导", "审核",
// "批准" stacked, each with its name and date. Gives the design's title, set in the block over
// those rows, and the designer; empty texts where the page has no such block.
std::pair<QString, QString> drawingTitleBlock(const QList<Line>& lines);

}  // namespace pdf
