#include "pdf/FormFields.h"

#include "pdf/LineWords.h"
#include "pdf/PersonNames.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace pdf {

using RE = QRegularExpression;

// the one or two letters, or the one word after an initial or none, in its column right under it.
QString wrappedName(const QList<Line>& lines, int at, const QString& value) {
    static const RE lastCjk(QStringLiteral("\\s[\\x{4E00}-\\x{9FFF}]$"));
    static const RE cjkRest(QStringLiteral("^[\\x{4E00}-\\x{9FFF}]{1,2}$"));
    // (a given name, with or without its middle initial: "…, Omar Z." / "Bianchi")
    static const RE lastWord(QStringLiteral("(?:[,;]|\\band)\\s*\\p{Lu}[\\p{Ll}'’\\-]+(?:\\s+\\p{Lu}\\.)?$"));
    static const RE wordRest(QStringLiteral("^(?:\\p{Lu}\\.\\s*)?\\p{Lu}[\\p{L}'’\\-]+$"));
    // (or a list left open at the line's end: "…, Elizabeth O'Connor and" / "José Bianchi")
    static const RE openEnd(QStringLiteral("(?:,|\\band|&)\\s*$"));
    static const RE nameRest(QStringLiteral("^(?:\\p{Lu}[\\p{L}.'’\\-]*\\s+){0,2}\\p{Lu}[\\p{L}'’\\-]+$"));
    if (at < 0) return {};
    const bool cjk = lastCjk.match(value).hasMatch();
    const bool open = !cjk && openEnd.match(value).hasMatch();
    if (!cjk && !open && !lastWord.match(value).hasMatch()) return {};
    // (or a name broken after its given name, the list going on: "…, José" / "Tran and Richard Miller")
    static const RE listRest(QStringLiteral("^\\p{Lu}[\\p{L}'’\\-]+(?:\\s*(?:,|&|\\band\\b)\\s*(?:\\p{Lu}[\\p{L}.'’\\-]*\\s*)+)+$"));
    const RE& rest = cjk ? cjkRest : open ? nameRest : wordRest;
    const Line& l = lines[at];
    const double size = std::max(l.size, 1.0);
    for (int j = at + 1; j < int(lines.size()) && lines[j].y0 - l.y1 <= 1.0 * size; ++j) {
        const Line& n = lines[j];
        if (n.y0 < l.y1 - 0.2 * size || n.x1 < l.x0 || n.x0 > l.x1) continue;
        if (!rest.match(n.text).hasMatch() && (cjk || open || !listRest.match(n.text).hasMatch())) return {};
        return cjk ? n.text : QLatin1Char(' ') + n.text;
    }
    return {};
}

// The value of a labelled field ("题目：X", or "题目" with X beside it on
// its row) and the index of the line that holds it.
// A list of names that runs on over the lines of its column, set tight, from line j:
// "…, Mehmet Y." / "Papadopoulos, …" (names one under the other are not such a list, nor
// the value of the next row of a table, which has its own label to its left).
QString runOnList(const QList<Line>& lines, int j) {
    const Line& n = lines[j];
    const double size = std::max(n.size, 1.0);
    QString text = n.text;
    const Line* prev = &n;
    for (int k = j + 1; k < int(lines.size()) && k <= j + 6; ++k) {
        const Line& m = lines[k];
        if (m.y0 < prev->y1 - 0.2 * size || m.x1 < n.x0 || m.x0 > n.x1) continue;
        if (m.y0 - prev->y1 > 0.6 * size || std::abs(m.size - n.size) > 0.1 * size ||
            labelOf(m.text) != LineLabel::None || isAffiliation(m.text) || formFieldNumber().match(m.text).hasMatch())
            break;
        static const RE separator(QStringLiteral("[,;，；、]|\\sand\\s"));
        if (!text.contains(separator)) break;
        const bool rowLabel = std::any_of(lines.begin(), lines.end(), [&](const Line& o) {
            return onSameRow(o, m) && o.x1 <= m.x0;
        });
        if (rowLabel) break;
        text += QLatin1Char(' ') + m.text;
        prev = &m;
    }
    return text;
}

// The nearest line to the right of line i on its row (on a form of numbered fields,
// the numbered cell beside a label is another field), or -1.
int besideOnRow(const QList<Line>& lines, int i) {
    const Line& l = lines[i];
    const bool form = formFieldNumber().match(l.text).hasMatch();
    int best = -1;
    for (int j = 0; j < int(lines.size()); ++j) {
        const Line& o = lines[j];
        if (!onSameRow(o, l) || o.x0 < l.x1) continue;
        if (form && formFieldNumber().match(o.text).hasMatch()) continue;
        if (best < 0 || o.x0 < lines[best].x0) best = j;
    }
    return best;
}

std::pair<QString, int> valueBeside(const QList<Line>& lines, int i) {
    const int at = besideOnRow(lines, i);
    if (at < 0 || labelOf(lines[at].text) != LineLabel::None) return {};
    return {lines[at].text, at};
}

std::pair<QString, int> labelledValue(const QList<Line>& lines, int i) {
    const QString v = withoutLabel(lines[i].text);
    if (!v.isEmpty()) return {v, i};
    const Line& l = lines[i];
    const bool form = formFieldNumber().match(l.text).hasMatch();
    // a name's caption under it, a rule between, as a signature line sets it: "史晓" / "————" / "学位申请人"
    // (its row may hold captions only: "学位申请人    指导教师")
    // (the rule right over the caption says so before any line under it: "岳庙碑刻整理" under
    // "研究方向" is none of its)
    bool ruled = false;
    const std::pair<QString, int> above = [&]() -> std::pair<QString, int> {
        if (labelOf(l.text) != LineLabel::Author) return {};
        static const RE rule(QStringLiteral("^[—―_\\-－\\s]+$"));
        const double size = std::max(l.size, 1.0);
        for (int j = i - 1; j >= 0 && l.y0 - lines[j].y1 <= 1.5 * size; --j) {
            const Line& v = lines[j];
            if (v.x1 < l.x0 - 2 * size || v.x0 > l.x1 + 2 * size) continue;
            if (rule.match(v.text).hasMatch()) {
                ruled = true;
                continue;
            }
            if (std::abs((v.x0 + v.x1) / 2 - (l.x0 + l.x1) / 2) > 2 * size || labelOf(v.text) != LineLabel::None ||
                namesInLine(v.text).isEmpty())
                return {};
            return {v.text, j};
        }
        return {};
    }();
    if (ruled && !above.first.isEmpty()) return above;
    const int best = besideOnRow(lines, i);
    if (best >= 0) {
        if (labelOf(lines[best].text) != LineLabel::None) return above;
        // names beside their label may wrap in their cell: "Ananya Garcia; …; Agnieszka" / "Garcia; Michael Anderson"
        if (labelOf(l.text) == LineLabel::Author && !form) return {runOnList(lines, best), best};
        return {lines[best].text, best};
    }
    // nothing beside it: a name label's value on the line under it ("Package author(s):" / "Herbert Voß"),
    // or a title's ("(54)发明名称" / "一种…装置")
    // (in its column: a line of another column may come first in reading order)
    const LineLabel label = labelOf(l.text);
    if (label != LineLabel::Author && label != LineLabel::Title) return {};
    const double size = std::max(l.size, 1.0);
    for (int j = i + 1; j < int(lines.size()) && lines[j].y0 - l.y1 <= 1.5 * size; ++j) {
        const Line& n = lines[j];
        // (a value set tight under a small label may reach up beside it: its middle is under the label)
        if ((n.y0 + n.y1) / 2 < l.y1 || n.x1 < l.x0 - 2 * size || n.x0 > l.x1 + 2 * size) continue;
        if (labelOf(n.text) != LineLabel::None) return above;
        if (label == LineLabel::Title) return {n.text, j};
        const QString text = runOnList(lines, j);
        if (namesInLine(text).isEmpty()) return above;
        return {text, j};
    }
    return above;
}

// A field's label by the way such labels end, known or not ("项目编号：", "电话：");
// a title's own colon ("研究：以…为例") is none.
const QRegularExpression& unknownLabel() {
    static const RE re(QStringLiteral("^[\\x{4E00}-\\x{9FFF}]{0,4}(?:编号|类别|类型|名称|单位|日期|时间|电话|手机|地址|邮编|邮箱|学院|院系|专业|"
                                      "年级|班级|代码|方向|领域|级别|来源|经费|期限|学号|人|者|摄影|图片|供图|责编|编辑|审稿|审校|校对)\\s*[:：/／]|"
                                      // a photo credit after the byline: "图·黄佳洋", "摄影／林鹏"
                                      "^(?:图|摄\\s*影|图\\s*片|供\\s*图)\\s*[·・•/／]|"
                                      // a short label set apart letter by letter: "系　部：", "班　级"
                                      "^[\\x{4E00}-\\x{9FFF}](?:[\\s\\x{3000}]+[\\x{4E00}-\\x{9FFF}]){1,3}\\s*(?:[:：]|$)"));
    return re;
}

// A field's value up to the next label on its row: "王五　　指导教师：赵六" -> "王五".
QString untilNextLabel(const QString& value) {
    static const RE blanks(QStringLiteral("[\\s\\x{3000}]+"));
    // a label set apart letter by letter is one bit: "董轩 导 师：杨梓平"
    static const RE spaced(QStringLiteral("(?<=^|[\\s\\x{3000}])((?:[\\x{4E00}-\\x{9FFF}][\\s\\x{3000}]+){1,3}[\\x{4E00}-\\x{9FFF}])(?=\\s*[:：])"));
    QString v = value;
    for (auto it = spaced.globalMatch(value); it.hasNext();) {
        const auto m = it.next();
        v.replace(m.captured(1), QString(m.captured(1)).remove(blanks));
    }
    QStringList kept;
    for (const QString& bit : v.split(blanks, Qt::SkipEmptyParts)) {
        // a label the reader does not know ends the value as well: "甲　电话：0128-…"
        if (!kept.isEmpty() && (labelOf(bit) != LineLabel::None || unknownLabel().match(bit).hasMatch())) break;
        kept << bit;
    }
    return kept.join(QLatin1Char(' '));
}

// "课题组成员：", "主要成员" ...: the label of a group's members.
bool isMembersLabel(const QString& text) {
    // (a team's: "队员：乙", "组员：丙")
    static const RE re(QStringLiteral("^(?:[\\x{4E00}-\\x{9FFF}]\\s*){0,4}(?:成\\s*员|人\\s*员|[队组]\\s*员)"));
    return re.match(text.trimmed()).hasMatch();
}

// A table of authors: the name label heads a column ("姓名　单位　电子邮箱"),
// each row under it one author; the names are the first cells of the rows in
// the label's column, down to the first that is no name.
QStringList namesUnderHeader(const QList<Line>& lines, int i, bool indented) {
    const Line& head = lines[i];
    const double size = std::max(head.size, 1.0);
    static const RE cells(QStringLiteral("\\s{2,}"));
    QStringList names;
    double bottom = head.y1;
    bool unitUnder = false;
    for (int j = i + 1; j < int(lines.size()) && names.size() < 30; ++j) {
        const Line& row = lines[j];
        if ((row.y0 + row.y1) / 2 <= bottom) continue;  // another cell of the row above (rows may be set tight)
        if (row.y0 - bottom > 2 * size) break;
        // another column (a list of members may stand indented under its label; a cell centred under
        // its head may be wider than it, "胡娜海（项目负责人）" under "姓 名")
        const bool centredUnder = std::abs(row.x0 + row.x1 - head.x0 - head.x1) < 2 * size;
        if (!centredUnder && (indented ? row.x0 < head.x0 - 2 * size : std::abs(row.x0 - head.x0) > 2 * size)) continue;
        const QString cell = row.gapText.split(cells, Qt::SkipEmptyParts).value(0).trimmed();
        // each name over its unit: "甲" / "某学院" / "乙" / "某学院"
        if (unitUnder && isAffiliation(cell) && labelOf(cell) == LineLabel::None) {
            unitUnder = false;
            bottom = row.y1;
            continue;
        }
        if (labelOf(cell) != LineLabel::None || isAffiliation(cell) || startsSection(cell)) break;
        // the supervisor's row at the foot of the table ("指导教师 | 乙 | …")
        const bool supervisorRow = std::any_of(lines.begin(), lines.end(), [&](const Line& o) {
            return onSameRow(o, row) && o.x1 <= row.x0 &&
                   labelOf(o.text) == LineLabel::Supervisor;
        });
        if (supervisorRow) break;
        // a student's roll or registration number after the name: "Karen U. King (09K1A0110)"
        static const RE rollNumber(QStringLiteral("\\s*[(（]\\s*(?=[A-Z0-9-]*\\d)[A-Z0-9-]{5,}\\s*[)）]$"));
        const QString named = QString(cell).remove(rollNumber);
        QStringList found = namesInLine(named);
        if (found.isEmpty() && hasCjk(named)) found = looseNames(named);
        if (found.size() != 1) break;
        names << found.first();
        bottom = row.y1;
        unitUnder = true;
    }
    return names;
}

// A research group's members, named under the label that follows its leader's
// within three lines ("课题负责人：甲" / "课题组成员：" over a list, or beside it).
QStringList groupMembers(const QList<Line>& lines, int leader) {
    // or on the leader's own row: "组长：甲　成员：乙、丙"
    static const RE sameRow(QStringLiteral("[\\s\\x{3000}](?:[\\x{4E00}-\\x{9FFF}]\\s*){0,4}成\\s*员\\s*[:：]\\s*(.+)$"));
    if (const auto m = sameRow.match(lines[leader].text); m.hasMatch()) {
        const QString rest = untilNextLabel(m.captured(1));
        const QStringList members = namesInLine(rest);
        return members.isEmpty() ? looseNames(rest) : members;
    }
    // (in the leader's column: a cell of facts beside the team's may be read in between)
    const Line& head = lines[leader];
    const double size = std::max(head.size, 1.0);
    int inColumn = 0;
    for (int k = leader + 1; k < int(lines.size()) && k <= leader + 10 && inColumn < 3; ++k) {
        if (lines[k].x0 >= head.x1 + size || lines[k].x1 <= head.x0 - size) {
            if (k > leader + 3) continue;
        } else {
            ++inColumn;
        }
        if (labelOf(lines[k].text) != LineLabel::Author || !isMembersLabel(lines[k].text)) continue;
        const QString rest = untilNextLabel(withoutLabel(lines[k].text));
        if (rest.isEmpty()) return namesUnderHeader(lines, k, true);
        const QStringList members = namesInLine(rest);
        return members.isEmpty() ? looseNames(rest) : members;
    }
    return {};
}

// The first cell under a label in a table's row of heads ("答辩人 | 学科专业 | 论文题目 | …"),
// with the lines its text wraps to in the cell.
QString cellUnderHead(const QList<Line>& lines, int i) {
    const Line& head = lines[i];
    const double size = std::max(head.size, 1.0);
    const int right = besideOnRow(lines, i);
    if (right < 0 || labelOf(lines[right].text) == LineLabel::None) return {};
    // the column reaches halfway to the heads beside it; a cell's text is centred or set left in it
    double left = head.x0 - 3 * size;
    for (const Line& o : lines)
        if (onSameRow(o, head) && o.x1 <= head.x0)
            left = std::max(left, (o.x1 + head.x0) / 2);
    const double end = (head.x1 + lines[right].x0) / 2;
    QStringList parts;
    const Line* last = nullptr;
    for (const Line& c : lines) {
        if ((c.y0 + c.y1) / 2 <= head.y1 || c.x1 < left || c.x0 > end) continue;
        // the words of the line in the column (cells of a row set close may make one line)
        QStringList words;
        for (const Word& w : c.words)
            if ((w.x0 + w.x1) / 2 >= left && (w.x0 + w.x1) / 2 <= end) words << w.text;
        if (words.isEmpty()) continue;
        if (last ? c.y0 - last->y1 > 0.6 * size : c.y0 - head.y1 > 3 * size) break;
        const QString text = joinTitle(words);
        if (labelOf(text) != LineLabel::None) break;
        parts << text;
        last = &c;
    }
    return joinTitle(parts);
}

// A cover's labelled title, with the lines under its value that carry it on.
std::pair<QString, int> labelledTitle(const QList<Line>& lines, bool named) {
    // "作品名称", "项目名称": the name of a work or project, not the title of the document
    static const RE byName(QStringLiteral("^(?![^:：]{0,6}题)[^:：]{0,6}名\\s*称"));
    for (int i = 0; i < int(lines.size()); ++i) {
        const QString text = lines[i].text.trimmed();
        if (byName.match(text).hasMatch() != named) continue;
        // not the English title's label: "英文题目", "论文题目（英文）"
        static const RE english(QStringLiteral("^英|^[^:：]{0,8}[（(]\\s*英\\s*文\\s*[)）]"));
        // an English form's "Title" cell counts only with a value beside it that starts with a letter
        // ("Title | Wild Gastrodia …"); alone, or over a note ("Title | 16 pt., bold"), it is none
        static const RE bare(QStringLiteral("^(?:article\\s+)?title$"), RE::CaseInsensitiveOption);
        const bool cell = bare.match(text).hasMatch();
        if ((labelOf(text) != LineLabel::Title && !cell) || english.match(text).hasMatch()) continue;
        auto [value, at] = cell ? valueBeside(lines, i) : labelledValue(lines, i);
        if (cell && (value.isEmpty() || !value.front().isLetter())) continue;
        if (value.isEmpty() && !cell && withoutLabel(text).isEmpty()) {
            const QString under = cellUnderHead(lines, i);
            if (weightedLetters(under) >= 8) return {under, i};
        }
        if (weightedLetters(value) < 2) continue;
        QStringList parts{value};
        const Line* last = &lines[at];
        // a title in capitals goes on in capitals: a line in lower case is the text beside it
        static const RE lower(QStringLiteral("\\p{Ll}"));
        const bool capitals = !hasCjk(value) && !value.contains(lower);
        for (int j = at + 1; j < int(lines.size()) && parts.size() < 4; ++j) {
            const Line& n = lines[j];
            if (capitals && n.text.contains(lower)) {
                if (n.y0 - last->y1 > 1.2 * std::max(last->size, 1.0)) break;
                // (the title's column and the text's may meet on one line: its first cell is the title's)
                static const RE cells(QStringLiteral("\\s{2,}"));
                const QString cell = n.gapText.split(cells, Qt::SkipEmptyParts).value(0).trimmed();
                if (cell.contains(lower) || weightedLetters(cell) < 3) continue;
                parts << cell;
                last = &n;
                continue;
            }
            const double size = std::max(last->size, 1.0);
            if (onSameRow(n, *last)) continue;  // the rest of the label's row
            // the label's column beside the value: its English twin ("论文题目" over "Title") is passed over
            if (at != i && n.x1 < lines[at].x0 - size) {
                // (a Chinese line there is the next field's label, known or not: "项目编号")
                const bool besideLabel = onSameRow(lines[at], lines[i]);
                // (on an English form, any line there is the next field's label: "Presenting Author")
                if (labelOf(n.text) != LineLabel::None || (besideLabel && (hasCjk(n.text) || !hasCjk(lines[i].text)))) break;
                continue;
            }
            // a cell of the next column of a form, level with the value's lines
            if (n.x0 > last->x1 + size && n.y0 < last->y1 + 1.2 * size && formFieldNumber().match(lines[i].text).hasMatch()) continue;
            // a value run on like a paragraph may wrap to the margin, left of its label, when set tight
            // or be centred under the label's row, wider than it
            const bool wrapped = n.y0 - last->y1 < 0.5 * size && n.x1 <= last->x1 + size;
            const bool centred = std::abs(n.x0 + n.x1 - last->x0 - last->x1) < 2 * size;
            // (the last word of a title broken before it may be a document type's: "…的入股分红" / "设计")
            const LineLabel nextLabel = labelOf(n.text);
            const bool lastWord = nextLabel == LineLabel::DocumentType && n.text.trimmed().size() <= 2 && wrapped;
            if (n.y0 - last->y1 > 1.2 * size || std::abs(n.size - last->size) > 0.1 * size ||
                (n.x0 < last->x0 - size && !wrapped && !centred) || n.x0 > last->x1 || (nextLabel != LineLabel::None && !lastWord) ||
                unknownLabel().match(n.text).hasMatch())
                break;
            // (nor the first letter of the next row's label, set out left of it: "申" … "请 人 杨华瑞")
            if (j + 1 < int(lines.size()) && onSameRow(lines[j + 1], n) && labelOf(n.text + lines[j + 1].text) != LineLabel::None)
                break;
            parts << n.text;
            last = &n;
        }
        return {joinTitle(parts), i};
    }
    return {{}, -1};
}

// A cover's title without a label: the largest text between the document
// type ("博士学位论文") and the first labelled field, in the document type's
// script (the English title under a Chinese one is not it), with the lines
// of its size that carry it on.
QString coverTitle(const QList<Line>& lines, double pageHeight) {
    int type = -1;
    for (int i = 0; i < int(lines.size()) && type < 0; ++i)
        if (labelOf(lines[i].text) == LineLabel::DocumentType && lines[i].y0 < 0.6 * pageHeight) type = i;
    if (type < 0) return {};
    const bool chinese = hasCjk(lines[type].text);
    static const RE school(QStringLiteral("^[\\x{4E00}-\\x{9FFF}\\s]{2,14}(大学|学院)$"));
    // a landscape cover may set its fields in a column of their own beside the type and the title:
    // that column's lines are passed over
    const Line& head = lines[type];
    // (three labels or more that start on one edge right of the type)
    const double gap = std::max(head.size, 1.0);
    QList<double> edges;
    for (const Line& l : lines)
        if (l.x0 >= head.x1 + gap && labelOf(l.text) != LineLabel::None) edges << l.x0;
    double column = -1;
    for (double e : edges)
        if (std::count_if(edges.begin(), edges.end(), [&](double x) { return std::abs(x - e) < gap; }) >= 3)
            column = column < 0 ? e : std::min(column, e);
    auto aside = [&](const Line& l) { return column >= 0 && l.x0 >= column - gap; };
    int best = -1;
    int end = int(lines.size());
    for (int i = type + 1; i < end; ++i) {
        const QString& t = lines[i].text;
        if (aside(lines[i])) continue;
        if (labelOf(t) != LineLabel::None) {
            end = i;  // the labelled fields begin
            break;
        }
        if (hasCjk(t) != chinese || weightedLetters(t) < 4 || school.match(t).hasMatch() || lines[i].y0 > 0.75 * pageHeight) continue;
        if (best < 0 || lines[i].size > 1.05 * lines[best].size) best = i;
    }
    if (best < 0) return {};
    QStringList parts{lines[best].text};
    int last = best;
    for (int i = best + 1; i < end; ++i) {
        const Line& l = lines[i];
        if (aside(l)) continue;
        const Line& prev = lines[last];
        last = i;
        // (nor a line that repeats the title's words: a spine's, a short title's)
        if (std::abs(l.size - lines[best].size) > 0.05 * lines[best].size || hasCjk(l.text) != chinese ||
            l.y0 - prev.y1 > 1.5 * std::max(l.size, 1.0) || lines[best].text.contains(l.text.trimmed()))
            break;
        parts << l.text;
    }
    return joinTitle(parts);
}

// A student paper's heading at the top left, one field a line: the student, the teacher
// ("Professor Karen O. Miller"), the course and the date. Gives the student's line, or -1.
int studentHeading(const QList<Line>& lines) {
    static const RE teacher(QStringLiteral("^(?:professor|prof\\.|dr\\.|instructor:?)\\s+\\p{Lu}"), RE::CaseInsensitiveOption);
    for (int i = 1; i + 1 < int(lines.size()) && i < 8; ++i) {
        if (!teacher.match(lines[i].text).hasMatch()) continue;
        if (namesInLine(lines[i - 1].text).size() != 1 || std::abs(lines[i - 1].x0 - lines[i].x0) > 2 * std::max(lines[i].size, 1.0))
            continue;
        if (isDateLine(lines[i + 1].text) || (i + 2 < int(lines.size()) && isDateLine(lines[i + 2].text))) return i - 1;
    }
    return -1;
}

QString introducedTitle(const QList<Line>& lines) {
    static const RE lead(QStringLiteral("(?:\\b(?:certify|certifies|confirm|confirms|declare|declares|state|states)\\s+that\\s+the\\s+"
                                        "(?:manuscript|paper|article|thesis|dissertation|report|work|project)|\\b(?:entitled|titled))\\s*[:,]?$"),
                         RE::CaseInsensitiveOption);
    static const RE end(QStringLiteral("^(?:(?:prepared|written|authored|submitted|presented|carried out)\\s+)?by\\b|"
                                       "^(?:was|is|has|have|which|that|and)\\b|^[,.;]"),
                        RE::CaseInsensitiveOption);
    static const RE quotes(QStringLiteral("^[\"“”‘’'「『]+|[\"“”‘’'」』,.]+$"));
    const int n = int(lines.size());
    for (int i = 0; i < n && i < 30; ++i) {
        if (!lead.match(lines[i].text.trimmed()).hasMatch()) continue;
        // the title stands between the sentence's two halves: no line of the text is taken for it
        QStringList parts;
        bool closed = false;
        for (int j = i + 1; j < n && j <= i + 4 && !closed; ++j) {
            const QString t = lines[j].text.trimmed();
            closed = end.match(t).hasMatch();
            if (!closed) parts << t;
        }
        if (!closed || parts.isEmpty() || parts.size() > 3 || parts.first().front().isLower()) continue;
        QString title = joinTitle(parts);
        title.remove(quotes);
        if (weightedLetters(title) >= 4) return title.trimmed();
    }
    return {};
}

std::pair<QString, QString> drawingTitleBlock(const QList<Line>& lines) {
    static const RE designed(QStringLiteral("^设\\s*计$"));
    static const RE signOff(QStringLiteral("^(?:指\\s*导|审\\s*[核定]|校\\s*[核对]|批\\s*准|制\\s*图|描\\s*图)$"));
    const int n = int(lines.size());
    for (int i = 0; i < n; ++i) {
        const Line& row = lines[i];
        if (!designed.match(row.text.trimmed()).hasMatch()) continue;
        const double size = std::max(row.size, 1.0);
        // two sign-off rows or more stacked under it, label over label
        int stacked = 0;
        double bottom = row.y1;
        for (int j = i + 1; j < n && stacked < 4; ++j) {
            const Line& l = lines[j];
            if (std::abs(l.x0 - row.x0) > size || l.y0 < bottom - 0.3 * size) continue;
            if (l.y0 - bottom > size || !signOff.match(l.text.trimmed()).hasMatch()) break;
            ++stacked;
            bottom = l.y1;
        }
        if (stacked < 2) continue;
        const int beside = besideOnRow(lines, i);
        if (beside < 0) continue;
        const QStringList names = looseNames(lines[beside].text);
        if (names.isEmpty()) continue;
        // the title: the words of the block over the designer's row, in the names' column and set no
        // smaller than the labels (the school's cell beside them is in small type; the heads of the
        // columns, "职责 | 姓名 | 日期", are labels)
        const Line& name = lines[beside];
        static const RE heads(QStringLiteral("^(?:职\\s*责|姓\\s*名|日\\s*期|签\\s*[名字]|图\\s*号)$"));
        QStringList parts;
        for (int j = 0; j < n; ++j) {
            const Line& l = lines[j];
            if (l.y1 > row.y0 + 0.3 * size || row.y0 - l.y1 > 6 * size || l.x1 < name.x0 || l.x0 > name.x1) continue;
            QList<Word> kept;
            for (const Word& w : l.words)
                if (w.x1 >= row.x1 && w.size >= 0.95 * row.size) kept << w;
            QStringList pieces;
            for (const Line& k : groupLines(kept)) pieces << k.text;
            const QString text = joinTitle(pieces);
            // (a title may end on a line "设计" of its own, which alone would name a kind of document)
            const LineLabel label = labelOf(text);
            const bool tail = !parts.isEmpty() && label == LineLabel::DocumentType;
            if (text.isEmpty() || (label != LineLabel::None && !tail) || heads.match(text).hasMatch() || weightedLetters(text) < 2) continue;
            parts << text;
        }
        return {joinTitle(parts), names.first()};
    }
    return {};
}

}  // namespace pdf
