#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace pdf {

struct Line;

// Person names in the lines of a first page: author lines, bylines, signatures.

// The person names in one line of an author block ("A. Smith1, B. Jones*
// and C. Wu"), without marks, e-mail addresses and joining words; empty when
// the line is not a list of names.
QStringList namesInLine(const QString& line);
// A post as it follows or stands under a name: "Research Assistant", "Extension Agronomist".
const QRegularExpression& postTitle();
// The names of a line that sets its authors' unit after a dash, on the same
// line: "许安睿  曾刚娜  ——中国矿业大学茶与食品科技学院，徐州"; empty otherwise.
QStringList namesBeforeUnit(const QString& line);
// The same, or one name set in its own type before its unit: "**Mehmet Costa** University of Copenhagen".
QStringList namesBeforeUnit(const Line& line);
// The Chinese names of a line that sets its authors' unit first, after a bullet or not:
// "□ 集安市第一中学 林杰健 范睿超"; empty otherwise.
QStringList namesAfterUnit(const QString& line);
// Chinese names set apart by blanks or marks of enumeration, "甲 乙、丙": the names when every
// part is one (two to four letters after a known surname) and there are at most most of them.
QStringList chineseNameList(const QString& text, int most);
// Names in an author line that the name rules do not take: the line split
// on its separators, marks and labels gone, parts that are short enough.
QStringList looseNames(const QString& line);
// Whether a text looks like a person's name (Latin or Chinese).
bool isPersonName(const QString& name);
// Whom to write to ("Correspondence", "通讯作者"): it repeats an author and does not add one.
bool isContactLine(const QString& line);
// Degrees after a name: "PhD", "M.D.".
const QRegularExpression& degrees();

}  // namespace pdf
