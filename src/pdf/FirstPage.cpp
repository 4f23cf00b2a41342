#include "pdf/FirstPage.h"

#include "pdf/ChineseSurnames.h"
#include "pdf/FormFields.h"

#include "pdf/LineFeatures.h"
#include "pdf/LineWords.h"
#include "pdf/OtherBylines.h"

#include <QDate>
#include <QSet>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace pdf {

using RE = QRegularExpression;

QStringList splitKeywords(const QString& text) {
    static const RE sep(QStringLiteral("\\s*(?:;|,|，|；|、|·|•|\\||｜|│|\\s{3,}|\\s—\\s|\\x{3000})\\s*"));
    QStringList parts = text.split(sep, Qt::SkipEmptyParts);
    // Chinese keywords set apart by blanks only: "城市热岛 参数辨识 实时性"
    if (parts.size() == 1 && hasCjk(text) && text.trimmed().contains(QLatin1Char(' ')))
        parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList out;
    for (QString k : parts) {
        k = k.trimmed();
        while (!k.isEmpty() && (k.back() == QLatin1Char('.') || k.back() == QChar(0x3002))) k.chop(1);
        if (!k.isEmpty()) out << k.simplified();
    }
    return out;
}

QString yearIn(const QString& text) {
    const int latest = QDate::currentDate().year() + 1;
    auto ok = [&](const QString& y) { return y.toInt() >= 1900 && y.toInt() <= latest; };
    static const RE copyright(QStringLiteral("(?:©|\\(c\\)|copyright)[^0-9]{0,40}((?:19|20)\\d\\d)"),
                              RE::CaseInsensitiveOption);
    static const RE chinese(QStringLiteral("((?:19|20)\\d\\d)\\s*年"));
    static const RE dated(QStringLiteral("(?:jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*\\.?\\s+(?:\\d{1,2},?\\s+)?"
                                         "((?:19|20)\\d\\d)|\\b\\d{1,2}\\s+(?:jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|"
                                         "dec)[a-z]*\\.?\\s+((?:19|20)\\d\\d)|\\b((?:19|20)\\d\\d)[-/.]\\d{1,2}[-/.]\\d{1,2}\\b"),
                             RE::CaseInsensitiveOption);
    static const RE citation(QStringLiteral("\\b((?:19|20)\\d\\d)\\s*[,，]\\s*(?:\\d+\\s*[(（]\\s*\\d+\\s*[)）]|vol\\.)"),
                             RE::CaseInsensitiveOption);
    static const RE event(QStringLiteral("(?:conference|proceedings|symposium|workshop|journal|vol\\.|volume|"
                                         "transactions|received|published|accepted)[^\\n]*?\\b((?:19|20)\\d\\d)\\b"),
                          RE::CaseInsensitiveOption);
    // a Chinese cover's date in Chinese numerals: "二〇二三年五月"
    static const RE numerals(QStringLiteral("([〇零一二三四五六七八九]{4})\\s*年"));
    const auto m = numerals.match(text);
    if (m.hasMatch()) {
        static const QString digits = QStringLiteral("〇一二三四五六七八九");
        QString y;
        for (QChar c : m.captured(1)) y += QChar('0' + (c == QChar(0x96F6) ? 0 : int(digits.indexOf(c))));
        if (ok(y) && !chinese.match(text).hasMatch()) return y;
    }
    for (const RE* re : {&copyright, &chinese, &dated, &citation, &event}) {
        auto it = re->globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            for (int g = 1; g <= m.lastCapturedIndex(); ++g)
                if (!m.captured(g).isEmpty() && ok(m.captured(g))) return m.captured(g);
        }
    }
    return {};
}

namespace {

double kindOf(const std::vector<float>& kinds, int line, LineKind kind) {
    const size_t at = size_t(line) * kLineKinds + size_t(kind);
    return at < kinds.size() ? kinds[at] : 0.0;
}

}  // namespace

// The lines of a paragraph that tells how the thesis came about ("本文是甲于…在…攻读硕士学位期间，
// 在导师乙教授的指导下完成的学位论文。"): a sentence, set like the lines around it, never a title.
static QSet<int> thesisSentence(const QList<Line>& lines) {
    static const RE about(QStringLiteral("攻\\s*读|指\\s*导\\s*下\\s*完\\s*成|呈\\s*交|学\\s*位\\s*期\\s*间|申\\s*请[\\x{4E00}-\\x{9FFF}]{0,6}学\\s*位"));
    QSet<int> out;
    const int n = int(lines.size());
    auto together = [&](int a, int b) {  // b set on the line under a, in a's type
        const double size = std::max(lines[a].size, 1.0);
        return std::abs(lines[a].size - lines[b].size) < 0.05 * size && lines[b].y0 - lines[a].y1 < 0.8 * size &&
               lines[b].y0 >= lines[a].y1 - 0.2 * size && std::abs(lines[a].x0 - lines[b].x0) < 3 * size;
    };
    for (int i = 0; i < n; ++i) {
        if (out.contains(i) || !about.match(lines[i].text).hasMatch()) continue;
        int first = i, last = i;
        while (first > 0 && together(first - 1, first)) --first;
        while (last + 1 < n && together(last, last + 1)) ++last;
        QString text;
        for (int k = first; k <= last; ++k) text += lines[k].text;
        if (last > first && (text.contains(QChar(0x3002)) || text.contains(QChar(0xFF0C))))
            for (int k = first; k <= last; ++k) out.insert(k);
    }
    return out;
}

PageReading readFirstPage(const QList<Line>& lines, double pageHeight, const std::vector<float>& kinds) {
    PageReading r;
    if (lines.isEmpty()) return r;
    const double h = pageHeight > 0 ? pageHeight : 842;
    const int n = int(lines.size());
    auto title = [&](int i) { return kindOf(kinds, i, LineKind::Title); };
    auto author = [&](int i) { return kindOf(kinds, i, LineKind::Author); };

    // Title: the line most likely a title, and the likely title lines that
    // follow it closely above and below, in reading order.
    // Never the title: a document type ("博士学位论文", "Master's Thesis") or
    // the school's name alone on a cover.
    // a thesis cover's statement of the degree is not its title
    static const RE statement(QStringLiteral("\\b(in partial fulfil+ment|submitted (in|to|for|as)|for the degree of|"
                                             "requirements for the degree)\\b"),
                              RE::CaseInsensitiveOption);
    const int student = studentHeading(lines);
    const QSet<int> aboutThesis = thesisSentence(lines);
    auto eligible = [&](int i) {
        if (student >= 0 && i >= student && i <= student + 3) return false;  // a student paper's heading
        if (aboutThesis.contains(i)) return false;
        // and its running head, the student's last name and the page: "Silva 1"
        if (student >= 0 && i < student &&
            lines[i].text.section(QLatin1Char(' '), 0, 0) == lines[student].text.trimmed().section(QLatin1Char(' '), -1))
            return false;
        const QString t = withoutLabel(lines[i].text);
        const LineLabel label = labelOf(lines[i].text);
        if (weightedLetters(t) < 2 || label == LineLabel::DocumentType || statement.match(t).hasMatch()) return false;
        // a heading of one short word spaced out letter by letter names the kind of document: "提　案", "证 书"
        static const RE spacedWord(QStringLiteral("^[\\x{4E00}-\\x{9FFF}](?:[\\s\\x{3000}]+[\\x{4E00}-\\x{9FFF}]){1,4}$"));
        if (spacedWord.match(lines[i].text.trimmed()).hasMatch()) return false;
        // nor a form's field the reader has no label for: "研究类型：随机对照试验"
        static const RE field(QStringLiteral("^[\\x{4E00}-\\x{9FFF}]{0,4}(?:编号|类别|类型|单位|日期|时间|电话|地址|邮编|邮箱|代码|方向|领域|级别|来源|经费|期限|学号)\\s*[:：]"));
        if (field.match(lines[i].text.trimmed()).hasMatch()) return false;
        // nor the name of a paper series: "SOUTHWEST ECONOMIC RESEARCH WORKING PAPER SERIES"
        static const RE series(QStringLiteral("\\bpapers?\\s+series$|^(?:working|discussion)\\s+papers?\\s+series\\b"),
                               RE::CaseInsensitiveOption);
        if (series.match(t).hasMatch()) return false;
        // a journal's running head: "TUGboat, Volume 0 (9999), No. 0", "第 3 卷第 2 期"
        if (label == LineLabel::JournalField) return false;
        // nor a Chinese lead-in or abstract: "导读：…", "摘要："
        if (label == LineLabel::Abstract && hasCjk(t)) return false;
        static const RE school(QStringLiteral("^[\\x{4E00}-\\x{9FFF}\\s]{2,14}(大学|学院)$|^[A-Z\\s]*UNIVERSITY[A-Z\\s]*$"));
        // nor the name of the repository that serves the paper: "KAIST Open Research Online"
        static const RE repository(QStringLiteral("\\b(?:open research online|scholarly commons|digital commons|institutional repository|"
                                                  "research repository|research portal|research explorer|e-?prints)$"),
                                   RE::CaseInsensitiveOption);
        return !school.match(t).hasMatch() && !repository.match(t).hasMatch();
    };
    // a subtitle after a dash, "——以云南边境地区为例", follows its title
    auto dashSubtitle = [](const QString& t) {
        static const RE dash(QStringLiteral("^\\s*(?:—|―|－－|--)"));
        return dash.match(t).hasMatch();
    };
    // a version line or a paper number may follow a title, never start it: "Version 0.4 beta (89)",
    // "IMECE2023-XXXX"
    auto startsTitle = [&](int i) {
        static const RE version(QStringLiteral("^(version|revision|release|v\\.?\\s*\\d)|^[A-Z]{2,}\\d{2,}[-A-Z\\d]*$"),
                                RE::CaseInsensitiveOption);
        return eligible(i) && !version.match(lines[i].text.trimmed()).hasMatch() && !dashSubtitle(lines[i].text);
    };
    int seed = -1;
    for (int i = 0; i < n; ++i)
        if (startsTitle(i) && (seed < 0 || title(i) > title(seed))) seed = i;
    // No line the model takes for a title: the largest type in the upper part of the page, well
    // above the text's, if one line holds it ("探秘商洛核桃" over a lead-in and the text).
    if (seed >= 0 && title(seed) < 0.05) seed = -1;
    if (seed < 0) {
        std::vector<double> sizes;
        for (const Line& l : lines) sizes.push_back(l.size);
        std::nth_element(sizes.begin(), sizes.begin() + long(sizes.size() / 2), sizes.end());
        const double body = sizes[sizes.size() / 2];
        int largest = -1, count = 0;
        for (int i = 0; i < n; ++i) {
            if (lines[i].y0 > 0.4 * h || !startsTitle(i) || startsSection(lines[i].text)) continue;
            if (largest < 0 || lines[i].size > lines[largest].size + 0.1) largest = i, count = 1;
            else if (std::abs(lines[i].size - lines[largest].size) <= 0.1) ++count;
        }
        if (largest >= 0 && count == 1 && lines[largest].size >= 1.3 * body) seed = largest;
    }
    QList<int> titleLines;
    if (seed >= 0) {
        const double size = std::max(lines[seed].size, 1.0);
        // a title's lines share its type: a subtitle under it is set apart by size or weight
        auto sameType = [&](const Line& l) { return std::abs(l.size - size) < 0.1 * size && l.bold == lines[seed].bold; };
        QList<int> parts{seed};
        double top = lines[seed].y0, bottom = lines[seed].y1;
        // a title sentence carried on in a smaller type keeps going: "News – 2009" / "new macros and …";
        // a subtitle starts with a capital
        const Line* carried = nullptr;
        auto carriesOn = [&](const Line& l) {
            const Line& ref = carried ? *carried : lines[seed];
            if (carried) return std::abs(l.size - ref.size) < 0.1 * ref.size && l.bold == ref.bold;
            return !l.text.isEmpty() && l.text.front().isLower() && !hasCjk(l.text) && l.size >= 0.6 * size &&
                   l.size < size;
        };
        // a line in the middle of a title that the model doubts, between two it does not
        auto bridges = [&](int i) {
            return i + 1 < n && title(i) >= 0.1 && title(i + 1) >= 0.3 && eligible(i + 1) && sameType(lines[i + 1]) &&
                   lines[i + 1].y0 - lines[i].y1 < 1.6 * size;
        };
        // a line of a side column, beside the title or between its lines
        auto beside = [&](const Line& l) { return l.x1 < lines[seed].x0 - 0.5 * size || l.x0 > lines[seed].x1 + 0.5 * size; };
        // the next line of the title's column: side-column lines read in between are passed over
        auto nextInColumn = [&](int i) {
            for (int k = parts.last() + 1; k < i; ++k)
                if (!beside(lines[k])) return false;
            return i > parts.last();
        };
        // the last word or two of a title broken onto a line of their own: "… DNA Copy" / "Data"
        auto tail = [&](int i) {
            const QString& t = lines[i].text;
            return nextInColumn(i) && t.count(QLatin1Char(' ')) < 2 && !t.isEmpty() && t.front().isLetter() &&
                   !lines[parts.last()].text.contains(t, Qt::CaseInsensitive) && !startsSection(t) && !isPersonName(t) &&
                   !isDateLine(t) && lines[i].y0 - bottom < 1.0 * size && author(i) < 0.4;
        };
        // a Chinese title broken at the measure, mid-word: the lines of its type set tight around it
        auto brokenCjk = [&](int i, double gap) {
            const QString& t = lines[i].text;
            return hasCjk(lines[seed].text) && hasCjk(t) && gap < 0.9 * size && gap > -0.1 * size &&
                   labelOf(t) == LineLabel::None &&
                   !startsSection(t) && !t.startsWith(QChar(0xFF08)) && !isDateLine(t) && namesInLine(t).isEmpty() &&
                   std::abs(lines[i].x0 + lines[i].x1 - lines[seed].x0 - lines[seed].x1) < 4 * size;
        };
        static const RE leadingDashes(QStringLiteral("^[\\s—―－-]+"));
        for (int i = seed + 1; i < n; ++i) {
            const Line& l = lines[i];
            // a line that repeats the title's words, as a spine or a short title does, is not its end
            if (hasCjk(l.text) && l.text.trimmed().size() >= 2 && lines[seed].text.contains(l.text.trimmed())) break;
            // a Chinese title broken mid-word goes on in its size, even in another face
            const bool sameSize = std::abs(l.size - size) < 0.1 * size;
            const bool broken = brokenCjk(i, l.y0 - bottom) || (title(i) >= 0.8 && hasCjk(l.text) && hasCjk(lines[seed].text));
            // a title line cannot end on "since", "of" or "and": what follows in its type is the title's
            // too, a year alone as well ("… Pottery since" / "1949")
            static const RE dangling(QStringLiteral("\\b(?:since|of|and|the|in|to|from|for|on|with|after|before|until|between)$"),
                                     RE::CaseInsensitiveOption);
            const bool carriedOver = i == parts.last() + 1 && dangling.match(lines[parts.last()].text.trimmed()).hasMatch() &&
                                     sameType(l) && l.y0 - bottom < 1.0 * size && labelOf(l.text) == LineLabel::None;
            if (carriedOver || ((title(i) >= 0.3 || bridges(i) || tail(i) || broken) && eligible(i) && l.y0 - bottom < 1.6 * size &&
                                !carried && (sameType(l) || (broken && sameSize)))) {
                parts << i;
                bottom = std::max(bottom, l.y1);
            } else if (i == parts.last() + 1 && dashSubtitle(l.text) && eligible(i) && !carried && l.y0 - bottom < 1.6 * size &&
                       labelOf(QString(l.text).remove(leadingDashes)) != LineLabel::DocumentType &&
                       l.size >= 0.5 * size && l.size < 1.1 * size) {
                // in another weight or a smaller size than the title, as such a subtitle often is
                parts << i;
                bottom = std::max(bottom, l.y1);
            } else if (title(i) >= 0.5 && eligible(i) && l.y0 - bottom < 1.6 * size && carriesOn(l)) {
                parts << i;
                bottom = std::max(bottom, l.y1);
                carried = &l;
            } else if (beside(l)) {
                continue;  // a side column's line does not end the title
            } else if (l.y0 >= bottom - 0.2 * size) {
                break;  // a line beside the title (a side column) does not end it
            }
        }
        for (int i = seed - 1; i >= 0; --i) {
            const Line& l = lines[i];
            const bool broken = brokenCjk(i, top - l.y1) || (title(i) >= 0.8 && hasCjk(l.text) && hasCjk(lines[seed].text));
            if ((title(i) >= 0.3 || broken) && eligible(i) && top - l.y1 < 1.6 * size &&
                (sameType(l) || (broken && std::abs(l.size - size) < 0.1 * size))) {
                parts.prepend(i);
                top = std::min(top, l.y0);
            } else if (l.y1 <= top + 0.2 * size) {
                break;
            }
        }
        titleLines = parts;
        QStringList texts;
        for (int i : parts) {
            const QString t = labelOf(lines[i].text) == LineLabel::Title ? withoutLabel(lines[i].text) : lines[i].text;
            if (!t.isEmpty()) texts << t;
        }
        r.title = joinTitle(texts);
        static const RE trailingMark(QStringLiteral("[*∗†‡§¶⋆]+$"));
        r.title.remove(trailingMark);
        // a colon set in another font comes out with a blank before it: "vcell : Vertical"
        static const RE blankColon(QStringLiteral("(?<=[\\p{Latin}\\d]) :(?= )"));
        r.title.replace(blankColon, QStringLiteral(":"));
        r.title = r.title.trimmed();
    }

    // A student paper's title is centred under its heading, after the date.
    if (r.title.isEmpty() && student >= 0) {
        const int date = isDateLine(lines[student + 2].text) ? student + 2 : student + 3;
        if (date + 1 < n && weightedLetters(lines[date + 1].text) >= 4 && lines[date + 1].text.size() < 160 &&
            !startsSection(lines[date + 1].text))
            r.title = lines[date + 1].text.trimmed();
    }

    // "by …" going on from the line above in its type, set close under it, is a sentence of
    // the text ("… the first part of Pinocchio" / "by Carlo Collodi."), not a byline
    auto carriesSentenceOn = [&](int i) {
        if (i == 0 || !lines[i].text.startsWith(QStringLiteral("by ")) || author(i) >= 0.1) return false;
        const Line& above = lines[i - 1];
        return std::abs(above.size - lines[i].size) < 0.05 * lines[i].size && lines[i].y0 - above.y1 < 0.5 * lines[i].size &&
               !above.text.isEmpty() && above.text.back().isLetter();
    };
    // A cover's fields after their labels: the title, the author (never the
    // supervisor, whom the label names as such).
    QString labelled = labelledTitle(lines).first;
    if (labelled.isEmpty()) {
        // the name of a funding programme's project yields to a title set larger above it: a
        // report's title over "项目名称：…计划“…”"
        const auto [name, label] = labelledTitle(lines, true);
        static const RE programme(QStringLiteral("(?:计划|基金|专项|工程)\\s*[“\"「]"));
        const bool titleAbove = !titleLines.isEmpty() && label >= 0 && programme.match(name).hasMatch() &&
                                lines[titleLines.first()].y1 <= lines[label].y0 &&
                                lines[titleLines.first()].size >= 1.15 * lines[label].size;
        if (!titleAbove) labelled = name;
    }
    if (labelled.isEmpty()) labelled = coverTitle(lines, h);
    if (labelled.isEmpty()) labelled = introducedTitle(lines);
    if (!labelled.isEmpty()) r.title = labelled;
    // a form cites the paper it is about in title marks, "《…》", and a cover may set its title
    // between lenticular brackets, "【…】": the marks are not the title's
    static const RE cited(QStringLiteral("^(?:《([^《》]+)》|【([^【】]+)】|〖([^〖〗]+)〗)$"));
    if (const auto m = cited.match(r.title); m.hasMatch()) {
        const int got = m.lastCapturedIndex();
        r.title = m.captured(got).trimmed();
    }
    // A certificate names the work it is given for: "论文《商洛核桃嫁接育苗问题研究》".
    // (also run into the sentence of the award, over more than one line, under a head "荣誉证书")
    if (labelled.isEmpty()) {
        static const RE work(QStringLiteral("^(?:论文|作品|成果|著作|专著|课题|项目)\\s*《([^《》]{4,})》\\s*$"));
        static const RE certificate(QStringLiteral("证\\s*书|奖\\s*状|证\\s*明$"));
        static const RE named(QStringLiteral("(?:论文|作品|成果|著作|专著)\\s*《([^《》]{4,})》"));
        QString text;
        bool award = false;
        for (int i = 0; i < n && i < 15; ++i) {
            award = award || (i < 3 && certificate.match(lines[i].text).hasMatch());
            text += lines[i].text.trimmed();
            if (const auto m = work.match(lines[i].text.trimmed()); m.hasMatch()) {
                r.title = m.captured(1);
                break;
            }
        }
        if (const auto m = named.match(text); award && m.hasMatch()) r.title = m.captured(1);
    }
    // A note's title with its writers after it in brackets, "玉树牦牛瘤胃菌群结构研究（范国冰、郝颖一）",
    // the brackets maybe closed on the next line: the names are the authors, not the title's.
    QStringList bracketedWriters;
    {
        static const RE writers(QStringLiteral("^(.+?)\\s*[（(]([^（()）]+)[)）]$"));
        QString title = r.title.trimmed();
        const int last = titleLines.isEmpty() ? -1 : titleLines.last();
        const bool open = title.count(QChar(0xFF08)) > title.count(QChar(0xFF09));
        if (open && last >= 0 && last + 1 < n && lines[last + 1].text.trimmed().endsWith(QChar(0xFF09)) &&
            lines[last + 1].text.trimmed().size() <= 12)
            title += lines[last + 1].text.trimmed();
        if (const auto m = writers.match(title); m.hasMatch() && hasCjk(m.captured(1))) {
            bracketedWriters = chineseNameList(m.captured(2), 6);
            if (!bracketedWriters.isEmpty()) r.title = m.captured(1).trimmed();
        }
    }
    // (a review: its title names the book, or a grid gives the book's particulars, "书 名" first)
    static const RE bookTitleLabel(QStringLiteral("^书\\s*名(?:\\s|[:：]|$)"));
    const bool reviewsABook = r.title.contains(QChar(0x300A)) || std::any_of(lines.begin(), lines.end(), [](const Line& l) {
                                  return bookTitleLabel.match(l.text.trimmed()).hasMatch();
                              });
    // A cover that gives the name twice, in Latin letters ("by Tian Deqiang")
    // and in Chinese, gives it in Chinese.
    for (int i = 0; i < n; ++i) {
        if (labelOf(lines[i].text) != LineLabel::Author || carriesSentenceOn(i)) continue;
        const auto [found, at] = labelledValue(lines, i);
        QString value = untilNextLabel(found);
        if (at >= 0 && found == withoutLabel(lines[at].text)) value += wrappedName(lines, at, found);
        // a row of labels beside it: the head of an author table
        // (or the last line of the title, in the next column, that the library reads under the label)
        const bool head = labelOf(value.section(QLatin1Char(' '), 0, 0)) != LineLabel::None ||
                          (at > i && !hasCjk(lines[i].text) && titleLines.contains(at));
        if (head) value.clear();
        // a post's author is the first word after its mark of origin; the account's name follows
        static const RE origin(QStringLiteral("^原\\s*创\\s"));
        if (origin.match(lines[i].text.trimmed()).hasMatch()) value = value.section(QLatin1Char(' '), 0, 0);
        QStringList names = namesInLine(value);
        // a patent's inventors, each with a place: "Ayşe Scott, Guelph, (CA); Joshua Wilson, Davis, CA (US)"
        static const RE placed(QStringLiteral("^[^;,]+,[^;]*\\(?[A-Z]{2}\\)?\\s*;"));
        if (placed.match(value).hasMatch()) {
            if (value.trimmed().endsWith(QLatin1Char(';')) && at >= 0)
                value = withoutLabel(runOnList(lines, at));
            names.clear();
            for (const QString& item : value.split(QLatin1Char(';'), Qt::SkipEmptyParts))
                names << namesInLine(item.section(QLatin1Char(','), 0, 0).trimmed()).mid(0, 1);
        }
        // a review's title names the book: "著者：甲 著" in the grid of its particulars is the book's author
        static const RE bookAuthor(QStringLiteral("\\s*(?:编\\s*)?著$|\\s*主\\s*编$"));
        static const RE bookAuthorLabel(QStringLiteral("^(?:原\\s*)?著\\s*者"));
        if (reviewsABook &&
            (bookAuthor.match(value.trimmed()).hasMatch() || bookAuthorLabel.match(lines[i].text.trimmed()).hasMatch()))
            continue;
        // a form's "none" is no name
        static const RE none(QStringLiteral("^(?:none|n/?a|nil|无|—+|-+)$"), RE::CaseInsensitiveOption);
        if (none.match(value.trimmed()).hasMatch()) continue;
        // a sentence of the text that starts "by …" names no author
        if (names.isEmpty() && (hasCjk(value) || value.count(QLatin1Char(' ')) < 6)) names = looseNames(value);
        if (names.isEmpty() && (head || withoutLabel(lines[i].text).isEmpty())) names = namesUnderHeader(lines, i);
        // a heading over a column of names, each over its unit: the first name is the heading's value,
        // the others follow it
        else if (names.size() == 1 && hasCjk(names.first()) && at > i && withoutLabel(lines[i].text).isEmpty() &&
                 !onSameRow(lines[at], lines[i]))
            if (const QStringList under = namesUnderHeader(lines, i, true); under.size() > 1 && under.first() == names.first())
                names = under;
        if (names.isEmpty()) continue;
        // a label of several beside a column of names, one a row
        // ("Co-Principal Investigators | Susan U. Robinson" / "Ayşe Miller" / "Jessica Mensah")
        static const RE coLabel(QStringLiteral("^co-?\\s*(?:principal\\s+investigators?|investigators?|pis?|authors?)\\b"),
                                RE::CaseInsensitiveOption);
        static const RE plural(QStringLiteral("(?:s|\\(s\\))\\s*[:：]?$"));
        const QString own = lines[i].text.trimmed();
        const bool beside = at > i && onSameRow(lines[at], lines[i]);
        if (beside && withoutLabel(own).isEmpty() && names.size() == 1 && !hasCjk(names.first()) &&
            (coLabel.match(own).hasMatch() || plural.match(own).hasMatch()))
            names << namesUnderHeader(lines, at);
        // a magazine's byline with the other writers set far apart beside it or one a line under it:
        // "文／甲　　乙", "文／甲" / "乙"
        static const RE byline(QStringLiteral("^(?:文|撰\\s*文|图\\s*文)\\s*[/／·・•]"));
        if (names.size() == 1 && at == i && byline.match(own).hasMatch()) {
            for (int j = besideOnRow(lines, i); j >= 0 && names.size() < 6; j = besideOnRow(lines, j)) {
                const QStringList more = looseNames(lines[j].text);
                if (more.isEmpty() || !hasCjk(more.first())) break;
                names << more;
            }
            for (const QString& m : namesUnderHeader(lines, i, true))
                if (!names.contains(m)) names << m;
        }
        // the members of a project after its leader, who heads them: "主持人：甲" / "参加人员：乙 丙"
        // (a host alone, of a talk or an interview, is no author)
        static const RE host(QStringLiteral("^主\\s*持\\s*人\\s*[:：]\\s*(\\S+)"));
        if (i > 0 && isMembersLabel(lines[i].text))
            if (const auto m = host.match(lines[i - 1].text.trimmed()); m.hasMatch() && isPersonName(m.captured(1)))
                names.prepend(m.captured(1));
        if (r.authors.isEmpty()) r.authors = names;
        else if (hasCjk(names.first())) r.authors = names;
        else if (coLabel.match(lines[i].text.trimmed()).hasMatch())
            for (const QString& m : names)
                if (!r.authors.contains(m)) r.authors << m;
        if (hasCjk(r.authors.first())) {
            for (const QString& m : groupMembers(lines, i))
                if (!r.authors.contains(m)) r.authors << m;
            // numbered members, one a line: "参赛队员 1：甲" / "参赛队员 2：乙"
            static const RE numbered(QStringLiteral("\\d\\s*[:：]"));
            for (int k = i + 1; k < n && numbered.match(lines[i].text).hasMatch(); ++k) {
                if (labelOf(lines[k].text) != LineLabel::Author || !numbered.match(lines[k].text).hasMatch()) break;
                for (const QString& m : namesInLine(untilNextLabel(withoutLabel(lines[k].text))))
                    if (!r.authors.contains(m)) r.authors << m;
            }
            // a form that names one person and then the paper's authors ("姓名：乙" … "作者（按发表
            //顺序）：甲、乙、丙"): the authors' list, when it holds that person
            static const RE authorsLabel(QStringLiteral("^(?:全\\s*部\\s*)?作\\s*者"));
            for (int k = i + 1; k < n && r.authors.size() == 1; ++k) {
                if (labelOf(lines[k].text) != LineLabel::Author || !authorsLabel.match(lines[k].text.trimmed()).hasMatch()) continue;
                const auto [list, where] = labelledValue(lines, k);
                QStringList all = namesInLine(untilNextLabel(list));
                if (all.isEmpty()) all = looseNames(untilNextLabel(list));
                if (all.size() > 1 && all.contains(r.authors.first())) r.authors = all;
                break;
            }
            break;
        }
    }

    if (r.authors.isEmpty()) r.authors = writersNamedElsewhere(lines);
    if (r.authors.isEmpty() && !bracketedWriters.isEmpty()) r.authors = bracketedWriters;
    if (r.authors.isEmpty()) r.authors = writersOfOtherBylines(lines);
    // A design's cover that carries a drawing's title block: its title and designer are the paper's.
    if (const auto [design, designer] = drawingTitleBlock(lines); !designer.isEmpty()) {
        r.authors = {designer};
        if (weightedLetters(design) >= 4) r.title = design;
    }
    // Authors: the likely author lines in reading order, split into names;
    // with them the less certain lines set like them (same size and weight)
    // that hold nothing but names: the rest of an author grid.
    if (r.authors.isEmpty() && student >= 0) r.authors = namesInLine(lines[student].text);
    const bool authorsLabelled = !r.authors.isEmpty();
    // Names that are not the authors': those under a supervisor's label alone on its line, and
    // an article's editors and reviewers listed under their heads ("EDITED BY", "Reviewed by").
    QSet<int> notAuthors;
    QList<int> editedBy;  // a book's editors stand for its authors when nothing else names them
    {
        static const RE editors(QStringLiteral("^\\*?\\s*(?:(?:edited|reviewed|handled)\\s+by|(?:academic|handling|section|guest|associate)\\s+editors?|"
                                               "reviewers?|editors?)\\s*:?$"),
                                RE::CaseInsensitiveOption);
        for (int h = 0; h < n; ++h) {
            const Line& head = lines[h];
            const bool supervisor = labelOf(head.text) == LineLabel::Supervisor && withoutLabel(head.text).isEmpty();
            if (!supervisor && !editors.match(head.text.trimmed()).hasMatch()) continue;
            if (supervisor) {
                const int beside = labelledValue(lines, h).second;  // the value in the next cell of the row
                if (beside >= 0) {
                    notAuthors.insert(beside);
                    continue;
                }
            }
            const double size = std::max(head.size, 1.0);
            double bottom = head.y1;
            for (int j = h + 1; j < n && j <= h + 6; ++j) {
                const Line& l = lines[j];
                if (l.x1 < head.x0 - 2 * size || l.x0 > head.x1 + 2 * size || l.y0 < bottom - 0.2 * size) continue;  // another column
                if (l.y0 - bottom > 1.5 * size || labelOf(l.text) != LineLabel::None || editors.match(l.text.trimmed()).hasMatch()) break;
                if (!namesInLine(l.text).isEmpty() || !namesBeforeUnit(l.text).isEmpty() || isPersonName(l.text.section(QLatin1Char(','), 0, 0))) {
                    notAuthors.insert(j);
                    if (head.text.trimmed().startsWith(QStringLiteral("edited"), Qt::CaseInsensitive)) editedBy << j;
                }
                bottom = l.y1;
                if (supervisor) break;
            }
        }
    }
    // nor a meeting's year and place: "2014·玉溪"
    {
        static const RE yearPlace(QStringLiteral("^(?:19|20)\\d{2}\\s*[·・•.,，]\\s*[\\x{4E00}-\\x{9FFF}]{2,6}$"));
        for (int i = 0; i < n; ++i)
            if (yearPlace.match(lines[i].text.trimmed()).hasMatch()) notAuthors.insert(i);
    }
    // nor the end of a sentence carried onto the next line: "… the degree of LLM in" / "Intellectual Property Law"
    {
        static const RE carried(QStringLiteral("\\s(?:in|of|for|the|and|to|at|on|with)$"), RE::CaseInsensitiveOption);
        for (int i = 1; i < n; ++i) {
            const Line& prev = lines[i - 1];
            const double size = std::max(prev.size, 1.0);
            if (prev.text.count(QLatin1Char(' ')) >= 5 && carried.match(prev.text.trimmed()).hasMatch() &&
                std::abs(lines[i].size - prev.size) < 0.05 * size && lines[i].y0 - prev.y1 < 0.8 * size && lines[i].y0 >= prev.y1 - 0.2 * size)
                notAuthors.insert(i);
        }
    }
    // the lines just under the title, where a byline stands
    auto underTitle = [&](int i) { return !titleLines.isEmpty() && i > titleLines.last() && i <= titleLines.last() + 3; };
    QList<int> sure;
    for (int i = 0; i < n; ++i)
        if ((author(i) >= 0.4 || (underTitle(i) && !namesBeforeUnit(lines[i]).isEmpty())) &&
            lines[i].y0 <= 0.8 * h && !titleLines.contains(i) && !notAuthors.contains(i))
            sure << i;
    // A byline stands on one side of the title: a doubtful line over it goes when surer ones stand
    // under it (a body's name over a report's title, "Wuling Hills Soil Network", names under it).
    if (!titleLines.isEmpty()) {
        const int top = titleLines.first(), bottom = titleLines.last();
        double over = 0, under = 0;
        for (int i : sure) {
            if (i < top) over = std::max(over, author(i));
            else if (i > bottom) under = std::max(under, author(i));
        }
        if (over > 0 && over < 0.7 && under >= 0.8)
            sure.erase(std::remove_if(sure.begin(), sure.end(), [&](int i) { return i < top; }), sure.end());
    }
    // a byline broken inside its last name: "… · Arjun" / "McDonald", the raised marks on a line between
    auto carriedName = [&](int i) -> QString {
        // or a Chinese name's last letter on the next line: "曾然 雷" / "蕾"
        static const RE lastWord(QStringLiteral("(?:[,;·•∙]|\\band)\\s*\\p{Lu}[\\p{Ll}'’\\-]+$"));
        static const RE word(QStringLiteral("^\\p{Lu}[\\p{L}'’\\-]+$"));
        static const RE lastCjk(QStringLiteral("[\\x{4E00}-\\x{9FFF}]{2,}\\s+[\\x{4E00}-\\x{9FFF}]$"));
        static const RE cjkLetters(QStringLiteral("^[\\x{4E00}-\\x{9FFF}]{1,2}$"));
        const double size = std::max(lines[i].size, 1.0);
        const bool cjk = lastCjk.match(lines[i].text).hasMatch();
        if (!cjk && !lastWord.match(lines[i].text).hasMatch()) return {};
        for (int k = i + 1; k < n && k <= i + 8; ++k) {
            if (lines[k].size < 0.7 * size) continue;
            if (std::abs(lines[k].size - size) > 0.05 * size || lines[k].y0 - lines[i].y1 > 1.5 * size ||
                !(cjk ? cjkLetters : word).match(lines[k].text).hasMatch() || author(k) >= 0.4)
                return {};
            return cjk ? lines[k].text : QLatin1Char(' ') + lines[k].text;
        }
        return {};
    };
    if (sure.isEmpty()) {
        // no sure line: a line of two names or more just under the title, whatever the model says,
        // or right over it ("CHARLES F. LIU AND LEI WILSON" over an essay's title)
        auto overTitle = [&](int i) { return !titleLines.isEmpty() && i == titleLines.first() - 1; };
        // and a line of the authors' unit and their names next to the title, over it or under it
        if (!titleLines.isEmpty())
            for (int i = std::max(0, titleLines.first() - 2); i < n && i <= titleLines.last() + 3; ++i)
                if (!titleLines.contains(i) && title(i) < 0.3 && lines[i].y0 <= 0.8 * h && !namesAfterUnit(lines[i].text).isEmpty())
                    sure << i;
        for (int i = 0; i < n && sure.isEmpty(); ++i)
            if ((underTitle(i) || overTitle(i)) && title(i) < 0.3 && lines[i].y0 <= 0.8 * h &&
                namesInLine(lines[i].text + carriedName(i)).size() >= 2)
                sure << i;
    }
    if (sure.isEmpty()) {
        // no sure line: a line of two Chinese names or more right over its unit in brackets, wherever
        // it stands ("郑振骏，田梓宇" / "（河北工程大学…，邯郸 056038）" after the keywords)
        static const RE bracketedUnit(QStringLiteral("^[（(].*[)）]$"));
        for (int i = 0; i + 1 < n && sure.isEmpty(); ++i)
            if (hasCjk(lines[i].text) && title(i) < 0.3 && lines[i].y0 <= 0.8 * h && !titleLines.contains(i) &&
                bracketedUnit.match(lines[i + 1].text.trimmed()).hasMatch() && isAffiliation(lines[i + 1].text) &&
                namesInLine(lines[i].text).size() >= 2)
                sure << i;
    }
    if (sure.isEmpty()) {
        // no sure line: the likeliest one, if it holds names
        int best = -1;
        for (int i = 0; i < n; ++i)
            if (lines[i].y0 <= 0.8 * h && (best < 0 || author(i) > author(best))) best = i;
        if (best >= 0 && author(best) >= 0.08 && !namesInLine(withoutLabel(lines[best].text)).isEmpty()) sure << best;
    }
    // Between two lines of an author block: names, affiliations and marks, no heading, title or body.
    auto sameBlock = [&](int a, int b) {
        for (int k = std::min(a, b) + 1; k < std::max(a, b); ++k)
            if (startsSection(lines[k].text) || title(k) >= 0.3 || labelOf(lines[k].text) != LineLabel::None) return false;
        return true;
    };
    // a name stacked right over a sure one in its column, or over such a name, one name a line: a side
    // cell of authors beside the title ("赵欣磊" / "姜红艳" / "唐睿"), read before the title it stands beside
    // (from the foot of the page up, so that a name over a stacked one is known when it is reached)
    std::vector<bool> stackedOverSure(size_t(n), false);
    {
        std::vector<int> oneName(size_t(n), -1);  // -1: not yet known
        auto single = [&](int j) {
            if (oneName[size_t(j)] < 0) oneName[size_t(j)] = namesInLine(lines[j].text).size() == 1;
            return oneName[size_t(j)] == 1;
        };
        for (int i = n - 2; i >= 0; --i) {
            const double size = std::max(lines[i].size, 1.0);
            for (int j = i + 1; j < n && !stackedOverSure[size_t(i)]; ++j)
                if (std::abs(lines[j].x0 - lines[i].x0) < 0.5 * size && std::abs(lines[j].size - lines[i].size) < 0.05 * size &&
                    lines[j].bold == lines[i].bold && lines[j].y0 - lines[i].y1 > -0.3 * size &&
                    lines[j].y0 - lines[i].y1 < 0.8 * size && (sure.contains(j) || stackedOverSure[size_t(j)]) && single(j))
                    stackedOverSure[size_t(i)] = true;
        }
    }
    auto likeSure = [&](int i) {
        // names side by side in columns count as names; in a line the model takes rather for an
        // affiliation, a "name" with an acronym in it is the institution ("ETH Zurich and Rmetrics
        // Association Zurich"), names and then their affiliation stay ("P. Contributor, Institute, City")
        const QStringList names = namesInLine(lines[i].gapText.isEmpty() ? lines[i].text : lines[i].gapText);
        if (names.isEmpty()) return false;
        // inside an address, set close under its line before: "Department of Statistics" / "Virginia
        // Tech" / "rbg@vt.edu" (a grid's next name stands further from the schools above it)
        if (i > 0 && i + 1 < n && isAffiliation(lines[i - 1].text) && isAffiliation(lines[i + 1].text) &&
            lines[i].y0 - lines[i - 1].y1 < 0.6 * std::max(lines[i].size, 1.0))
            return false;
        static const RE acronym(QStringLiteral("(^|\\s)\\p{Lu}{2,}(\\s|$|-)"));
        if ((kindOf(kinds, i, LineKind::Affiliation) > author(i) || isAffiliation(lines[i].text)) &&
            std::any_of(names.begin(), names.end(), [](const QString& a) { return a.contains(acronym); }))
            return false;
        if (names.size() == 1 && stackedOverSure[size_t(i)]) return true;
        // a line the model doubts is still a name of the grid when it is nothing but names in
        // the type of a sure line of the same block: "Li Wei" under a row of two names and their schools
        // and both it and the sure line have their affiliation under them
        const bool doubted = author(i) < 0.1;
        auto affiliated = [&](int k) { return k + 1 < n && isAffiliation(lines[k + 1].text) && author(k + 1) < 0.4; };
        if (doubted && (title(i) >= 0.2 || isDateLine(lines[i].text) || lines[i].y0 > 0.8 * h || !affiliated(i)))
            return false;
        // (the title between them parts a body's name over it from the byline under it: "Wuling Hills
        // Soil Network" / title / names)
        auto acrossTitle = [&](int j) {
            return std::any_of(titleLines.begin(), titleLines.end(), [&](int t) { return (t - i) * (t - j) < 0; });
        };
        for (int j : sure)
            if (std::abs(lines[j].size - lines[i].size) < 0.05 * lines[j].size && lines[j].bold == lines[i].bold &&
                std::abs(lines[j].y0 - lines[i].y0) < 0.15 * h && (!doubted || (sameBlock(i, j) && affiliated(j))) &&
                !acrossTitle(j))
                return true;
        return false;
    };
    for (int i = 0; i < n && !authorsLabelled && !sure.isEmpty(); ++i) {
        if ((!sure.contains(i) && !likeSure(i)) || titleLines.contains(i) || notAuthors.contains(i)) continue;
        // names side by side in columns are read apart
        const QString text = withoutLabel(lines[i].gapText.isEmpty() ? lines[i].text : lines[i].gapText) + carriedName(i);
        QStringList names = namesBeforeUnit(text);
        if (names.isEmpty()) names = namesAfterUnit(text);
        if (names.isEmpty() && text == (lines[i].gapText.isEmpty() ? lines[i].text : lines[i].gapText).trimmed())
            names = namesBeforeUnit(lines[i]);
        if (names.isEmpty()) names = namesInLine(text);
        if (names.isEmpty()) names = looseNames(text);
        for (const QString& name : names)
            if (!r.authors.contains(name)) r.authors << name;
    }

    // Authors in brackets under the title, each with his unit and post: "（甲，…学院副研究员；乙，…）".
    if (r.authors.isEmpty() && !authorsLabelled && !titleLines.isEmpty()) {
        const int at = titleLines.last() + 1;
        static const RE open(QStringLiteral("^[（(]"));
        if (at < n && open.match(lines[at].text.trimmed()).hasMatch()) {
            QString text = lines[at].text.trimmed();
            for (int k = at + 1; k < n && k <= at + 3 && !text.contains(QChar(0xFF09)) && !text.contains(QLatin1Char(')')); ++k)
                text += lines[k].text.trimmed();
            text.remove(open);
            static const RE item(QStringLiteral("[；;]"));
            static const RE firstPart(QStringLiteral("^\\s*([^，,]+)[，,]"));
            QStringList names;
            for (const QString& part : text.split(item, Qt::SkipEmptyParts)) {
                const auto m = firstPart.match(part);
                if (!m.hasMatch() || !isPersonName(m.captured(1).trimmed())) {
                    names.clear();
                    break;
                }
                names << m.captured(1).trimmed();
            }
            r.authors = names;
        }
    }

    // Still none: the writers one a line, each with unit and post after a comma, wherever they
    // stand in the upper part ("董帆海，广西民族师范学院艺术学院教授" / "董薇刚，…讲师").
    if (r.authors.isEmpty() && !authorsLabelled) {
        static const RE withUnit(QStringLiteral("^([\\x{4E00}-\\x{9FFF}·]{2,4})\\s*[，,]\\s*(\\S+)$"));
        for (int i = 0; i < n && r.authors.isEmpty() && lines[i].y0 < 0.6 * h; ++i) {
            for (int k = i; k < n; ++k) {
                const auto m = withUnit.match(lines[k].text.trimmed());
                if (!m.hasMatch() || !isPersonName(m.captured(1)) || !isAffiliation(m.captured(2)) || notAuthors.contains(k)) break;
                r.authors << m.captured(1);
            }
        }
    }

    // Still no author on a Chinese page: names alone on their line, next to the title in reading
    // order (a side cell beside the title, "崔国军"; a byline over the title), or a few lines
    // from it, the nearest first (after a column's tag, a subtitle or the unit).
    if (r.authors.isEmpty() && !authorsLabelled && !titleLines.isEmpty() && hasCjk(r.title)) {
        const int first = titleLines.first(), last = titleLines.last();
        for (int i : {first - 1, last + 1, last + 2, first - 2, last + 3, last + 4}) {
            if (i < 0 || i >= n || notAuthors.contains(i) || labelOf(lines[i].text) != LineLabel::None ||
                lines[i].y0 > 0.8 * h)
                continue;
            // (or a line of such names and nothing else: "任娜琳、方安雨、汪倩梓")
            const QString t = lines[i].text.trimmed();
            const QStringList names = namesInLine(t);
            const bool onlyNames = hasCjk(t) && !names.isEmpty() &&
                                   std::all_of(names.begin(), names.end(), [](const QString& a) { return isPersonName(a); }) &&
                                   names.join(QString()).size() + names.size() >= t.size() - 1;
            if (onlyNames) {
                r.authors = names;
                break;
            }
        }
    }

    // Still no author: a piece signed at its foot, after the text, one author a line with the
    // affiliation after a comma ("Rebecca Petrova, Department of Geography, …, Germany").
    if (r.authors.isEmpty()) {
        // the affiliation after a comma, or in its own type, starting with its first word
        static const RE signature(QStringLiteral("^(\\p{Lu}[\\p{L}.'’\\-]*(?:\\s+(?:(?:van|von|der|den|de|del|da|di|du|le|la|ter|ten)\\s+)*"
                                                 "\\p{Lu}[\\p{L}.'’\\-]*){1,3}?)"
                                                 "(?:\\s*,\\s*|\\s+(?=(?:Department|School|College|Institute|University|Faculty|"
                                                 "Cent(?:re|er)|Laborator|Division|Dept)))(.+)$"));
        QStringList signers;
        for (int i = n - 1; i >= 0 && i >= n - 8; --i) {
            const QString& t = lines[i].text;
            if (isContactLine(t) || t.contains(QLatin1Char('@'))) {
                if (signers.isEmpty()) continue;
                break;
            }
            const auto m = signature.match(t);
            if (!m.hasMatch() || !isAffiliation(m.captured(2)) || namesInLine(m.captured(1)).size() != 1) {
                // the end of the affiliation above, wrapped: "… Delft University of Technology, The" / "Netherlands"
                if (i > 0 && t.count(QLatin1Char(' ')) < 3 && !t.endsWith(QLatin1Char('.')) && signature.match(lines[i - 1].text).hasMatch())
                    continue;
                break;
            }
            signers.prepend(namesInLine(m.captured(1)).first());
        }
        r.authors = signers;
    }

    if (r.authors.isEmpty() && !authorsLabelled)
        for (int j : editedBy) {
            QStringList names = namesBeforeUnit(lines[j].text);
            if (names.isEmpty()) names = namesInLine(lines[j].text);
            for (const QString& name : names)
                if (!r.authors.contains(name)) r.authors << name;
        }

    // A letter to the editor ("Sir,", "To the Editor:") is signed after its text: each name on its own
    // line, in capitals or not, over its affiliation ("SARAH JONES" / "University of Washington, …").
    static const RE salutation(QStringLiteral("^(?:sir|madam|dear\\s+(?:sir|madam|editors?)|to\\s+the\\s+editors?)\\s*[,:：]?$"),
                               RE::CaseInsensitiveOption);
    if (const auto at = std::find_if(lines.begin(), lines.end(), [](const Line& l) { return salutation.match(l.text.trimmed()).hasMatch(); });
        at != lines.end()) {
        QStringList signers;
        for (int i = int(at - lines.begin()) + 1; i + 1 < n; ++i) {
            QString t = lines[i].text.trimmed();
            if (t.size() > 40 || !isAffiliation(lines[i + 1].text)) continue;
            if (t == t.toUpper()) {  // "SARAH JONES" -> "Sarah Jones"
                t = t.toLower();
                for (int k = 0; k < t.size(); ++k)
                    if (t[k].isLetter() && (k == 0 || t[k - 1] == QLatin1Char(' ') || t[k - 1] == QLatin1Char('-'))) t[k] = t[k].toUpper();
            }
            const QStringList names = namesInLine(t);
            if (names.size() == 1 && names.first() == t) signers << t;
        }
        if (!signers.isEmpty()) r.authors = signers;
    }

    // One banner in capitals among names that are not: "ECONOMIC POLICY REVIEW", "ETH ZÜRICH".
    auto shouts = [](const QString& a) { return !hasCjk(a) && a.contains(QLatin1Char(' ')) && a == a.toUpper(); };
    if (std::count_if(r.authors.begin(), r.authors.end(), shouts) == 1 && r.authors.size() > 1)
        r.authors.erase(std::remove_if(r.authors.begin(), r.authors.end(), shouts), r.authors.end());

    // A post set under a name is no name, nor part of the next one: "Extension Agronomist",
    // "Product Manager Robert Robinson".
    static const RE post(QStringLiteral("^") + postTitle().pattern() + QStringLiteral("\\s*"));
    for (QString& a : r.authors)
        if (!hasCjk(a)) a.remove(post);
    r.authors.removeAll(QString());

    // A Chinese page that prints its authors in pinyin and in Chinese gives them in Chinese.
    if (hasCjk(r.title) && std::any_of(r.authors.begin(), r.authors.end(), [](const QString& a) { return hasCjk(a); }))
        r.authors.erase(std::remove_if(r.authors.begin(), r.authors.end(), [](const QString& a) { return !hasCjk(a); }),
                        r.authors.end());

    // Keywords.
    static const RE kw(QStringLiteral("^[\\[【〔［]?\\s*(?:key\\s*words?|keywords?|index terms|关\\s*键\\s*词|关\\s*键\\s*字)\\s*[\\]】〕］]?\\s*"
                                      "[:：—–\\-.|｜│]?\\s*(.*)$"),
                       RE::CaseInsensitiveOption);
    for (int i = 0; i < int(lines.size()); ++i) {
        const auto m = kw.match(lines[i].text);
        if (!m.hasMatch()) continue;
        QString text = m.captured(1);
        const Line* prev = &lines[i];
        for (int j = i + 1; j < int(lines.size()) && j <= i + 3; ++j) {
            const Line& n = lines[j];
            if (n.y0 - prev->y1 > 0.8 * prev->size || std::abs(n.size - prev->size) > 0.1 * prev->size) break;
            if (n.x0 > prev->x1 || n.x1 < prev->x0) continue;  // the other column
            // the next field of a paper series' cover: "JEL Classification: R11, J61"
            static const RE nextField(QStringLiteral("^\\p{Lu}[\\p{L}\\d]*(?:\\s+[\\p{L}\\d]+){0,2}\\s*:"));
            if (startsSection(n.text) || labelOf(n.text) != LineLabel::None || nextField.match(n.text).hasMatch() ||
                text.endsWith(QLatin1Char('.')) ||
                text.endsWith(QChar(0x3002)))
                break;
            text += (text.endsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ")) + n.text;
            prev = &n;
        }
        r.keywords = splitKeywords(text);
        break;
    }

    // Year: copyright, Chinese dates, dates and conference lines, on the whole page.
    QString page;
    for (const Line& l : lines) page += l.text + QLatin1Char('\n');
    r.year = yearIn(page);
    return r;
}

}  // namespace pdf
