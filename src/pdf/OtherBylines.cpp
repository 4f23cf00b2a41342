#include "pdf/OtherBylines.h"

#include <QRegularExpression>
#include <algorithm>

#include "pdf/ChineseSurnames.h"
#include "pdf/FormFields.h"
#include "pdf/LineWords.h"
#include "pdf/PersonNames.h"

namespace pdf {

using RE = QRegularExpression;

QStringList writersNamedElsewhere(const QList<Line>& lines) {
    const int n = int(lines.size());
    QStringList authors;
    // A post printed from its page: the writers, then the account or unit, the time and the place
    // ("何华、谢晨 玉林师范学院农学院 2019-06-04 19:11 发表于广西").
    if (authors.isEmpty()) {
        static const RE posted(QStringLiteral("^(?:原创\\s+)?([^\\s]+)\\s.*\\d{4}-\\d{1,2}-\\d{1,2}\\s+\\d{1,2}:\\d{2}(?:\\s*发表于\\S*)?$"));
        for (int i = 0; i < n && i < 8; ++i) {
            const auto m = posted.match(lines[i].text.trimmed());
            if (!m.hasMatch()) continue;
            const QStringList names = looseNames(m.captured(1));
            if (!names.isEmpty() && hasCjk(names.first())) authors = names;
            break;
        }
    }

    // A title page that says in a sentence who wrote the thesis under whom: "本文是甲于2013年9月至…在…
    // 攻读硕士学位期间…完成的学位论文。", "本论文由甲在乙教授指导下完成", "作者甲在乙教授的悉心指导下完成本论文".
    if (authors.isEmpty()) {
        static const RE wrote(QStringLiteral("(?:本文(?:是|系|由)|本论文(?:是|系|由)|^作者)\\s*([\\x{4E00}-\\x{9FFF}·]{2,4}?)\\s*(?:于|在)"),
                              RE::MultilineOption);
        QString text;
        for (int i = 0; i < n && i < 20; ++i) text += lines[i].text.trimmed() + QLatin1Char('\n');
        for (auto it = wrote.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            const int end = text.indexOf(QChar(0x3002), m.capturedEnd());
            const QString sentence = text.mid(m.capturedEnd(), end < 0 ? 80 : end - m.capturedEnd());
            static const RE thesis(QStringLiteral("学\\s*位|指\\s*导|论\\s*文"));
            if (startsWithChineseSurname(m.captured(1)) && thesis.match(sentence).hasMatch()) {
                authors = {m.captured(1)};
                break;
            }
        }
    }

    // An article signed at its end, in brackets: "（作者：甲，系…大学教授；乙，系…）".
    if (authors.isEmpty()) {
        // (or "（供稿 甲 乙，…）", the label set apart by a blank)
        static const RE signed_(QStringLiteral("[（(]\\s*(?:作\\s*者|执\\s*笔(?:\\s*人)?|撰\\s*稿(?:\\s*人)?|撰\\s*文|供\\s*稿(?:\\s*人)?)(?:\\s*[:：]|\\s)\\s*([^，,；;）)]+)"));
        static const RE next(QStringLiteral("[；;]\\s*([\\x{4E00}-\\x{9FFF}·]{2,5})\\s*[，,]\\s*系"));
        for (const Line& l : lines) {
            const auto m = signed_.match(l.text);
            if (!m.hasMatch()) continue;
            QStringList names = namesInLine(m.captured(1));
            if (names.isEmpty()) names = looseNames(m.captured(1));
            for (auto it = next.globalMatch(l.text, m.capturedEnd()); it.hasNext();) names << it.next().captured(1);
            authors = names;
            if (!names.isEmpty()) break;
        }
    }
    // An entry of a reference work signed with its authors' names alone, in brackets, after its
    // text: "（陶宁 吴梓红）".
    if (authors.isEmpty()) {
        static const RE bare(QStringLiteral("^[（(]\\s*([\\x{4E00}-\\x{9FFF}·]{2,4}(?:[\\s\\x{3000}、，,]+[\\x{4E00}-\\x{9FFF}·]{2,4}){0,3})\\s*[)）]$"));
        for (int i = n - 1; i > 0 && authors.isEmpty(); --i) {
            const auto m = bare.match(lines[i].text.trimmed());
            if (!m.hasMatch() || i < 3) continue;
            static const RE apart(QStringLiteral("[\\s\\x{3000}、，,]+"));
            const QStringList names = m.captured(1).split(apart, Qt::SkipEmptyParts);
            const bool all = !names.isEmpty() && std::all_of(names.begin(), names.end(), [](const QString& a) {
                return startsWithChineseSurname(a) && a.size() <= 4;
            });
            if (all) authors = names;
        }
    }

    // A box "About the authors" ("Jane Roe is a Senior Researcher at …. John Doe is …"): its sentences'
    // subjects are the authors.
    if (authors.isEmpty()) {
        static const RE about(QStringLiteral("^(?:about|on)\\s+the\\s+authors?$"), RE::CaseInsensitiveOption);
        static const RE subject(QStringLiteral("(?:^|(?<=[.;]\\s))(\\p{Lu}[\\p{L}.'’\\-]*(?:\\s+(?:(?:van|von|der|den|de|del|da|di|du|le|la|ter|ten)\\s+)*"
                                               "\\p{Lu}[\\p{L}.'’\\-]*){1,3})\\s+(?:is|was|has been|holds|works|leads|heads|directs)\\b"));
        for (int i = 0; i < n; ++i) {
            if (!about.match(lines[i].text.trimmed()).hasMatch()) continue;
            QString box;
            for (int k = i + 1; k < n && k <= i + 6 && !startsSection(lines[k].text); ++k) box += lines[k].text + QLatin1Char(' ');
            for (auto it = subject.globalMatch(box); it.hasNext();) {
                const QStringList names = namesInLine(it.next().captured(1));
                if (names.size() == 1 && !authors.contains(names.first())) authors << names.first();
            }
            // or each name on a line of its own over its post, in the heading's column ("Camille Kowalski" /
            // "Senior Researcher"), the text of another column read in between
            const double size = std::max(lines[i].size, 1.0);
            for (int j = i + 1; j < n && j <= i + 16 && authors.isEmpty(); ++j) {
                const QString t = lines[j].text.trimmed();
                if (std::abs(lines[j].x0 - lines[i].x0) > size) continue;
                if (startsSection(t)) break;
                if (isPersonName(t) && namesInLine(t).size() == 1) {
                    for (int k = j; k < n && k <= i + 16; ++k)
                        if (std::abs(lines[k].x0 - lines[i].x0) <= size && isPersonName(lines[k].text.trimmed()) &&
                            namesInLine(lines[k].text.trimmed()).size() == 1)
                            authors << namesInLine(lines[k].text.trimmed()).first();
                }
            }
            break;
        }
    }
    return authors;
}

QStringList writersOfOtherBylines(const QList<Line>& lines) {
    const int n = int(lines.size());
    QStringList authors;
    // An oral history's byline: the narrator, then those who wrote it down, "甲 口述 乙 丙 整理",
    // "口述 甲 整理 乙、丙".
    if (authors.isEmpty()) {
        static const RE told(QStringLiteral("^([\\x{4E00}-\\x{9FFF}·\\s\\x{3000}、，]+?)\\s*口\\s*述\\s*[/／]?\\s*"
                                            "([\\x{4E00}-\\x{9FFF}·\\s\\x{3000}、，]+?)\\s*[/／]?\\s*(?:记\\s*录\\s*)?整\\s*理$"));
        // (or each role before its names: "口述 甲 整理 乙、丙")
        static const RE roles(QStringLiteral("^口\\s*述\\s*[:：]?\\s*([\\x{4E00}-\\x{9FFF}·\\s\\x{3000}、，]+?)\\s*(?:记\\s*录\\s*)?整\\s*理\\s*[:：]?\\s*"
                                             "([\\x{4E00}-\\x{9FFF}·\\s\\x{3000}、，]+)$"));
        static const RE apart(QStringLiteral("[\\s\\x{3000}、，]+"));
        // a case discussion's host is none; who wrote it down after him is: "主持人：甲 整理：乙 丙"
        static const RE hosted(QStringLiteral("^主\\s*持\\s*人\\s*[:：]\\s*\\S+[\\s\\x{3000}]+(?:记\\s*录\\s*)?整\\s*理\\s*(?:人)?\\s*[:：]\\s*(.+)$"));
        for (int i = 0; i < n && i < 15 && authors.isEmpty(); ++i)
            if (const auto m = hosted.match(lines[i].text.trimmed()); m.hasMatch()) authors = chineseNameList(m.captured(1), 12);
        for (int i = 0; i < n && i < 15 && authors.isEmpty(); ++i) {
            auto m = told.match(lines[i].text.trimmed());
            if (!m.hasMatch()) m = roles.match(lines[i].text.trimmed());
            if (!m.hasMatch()) continue;
            const QStringList names = (m.captured(1) + QLatin1Char(' ') + m.captured(2)).split(apart, Qt::SkipEmptyParts);
            if (std::all_of(names.begin(), names.end(), [](const QString& a) { return a.size() >= 2 && a.size() <= 5; })) authors = names;
        }
    }
    // A byline of names with the part each had in the text after them: "董晓 撰", "江嘉 点校",
    // "袁薇 侯春 点校 韦天宁 审订" (who reviewed it is none). Not "甲 著": that is how a review
    // names the book it reviews.
    if (authors.isEmpty()) {
        static const RE role(QStringLiteral("^([\\x{4E00}-\\x{9FFF}·\\s\\x{3000}、，]+?)\\s*(?:[谨敬]?撰|撰文|(?:整理)?(?:点校|校点|校注|辑校|笺注|译注))"
                                            "(?:[\\s\\x{3000}]+[\\x{4E00}-\\x{9FFF}·\\s\\x{3000}、，]+?\\s*(?:审订|审校|校订|审定))?$"));
        // (or, at the end of the text, in brackets: "（陆安 执笔）")
        static const RE signedEnd(QStringLiteral("^[（(]\\s*([\\x{4E00}-\\x{9FFF}·\\s\\x{3000}、，]+?)\\s*(?:执笔|撰稿|撰写|撰)\\s*[)）]$"));
        for (int i = 0; i < n && authors.isEmpty(); ++i) {
            auto m = i < 15 ? role.match(lines[i].text.trimmed()) : QRegularExpressionMatch();
            if (!m.hasMatch()) m = signedEnd.match(lines[i].text.trimmed());
            if (m.hasMatch()) authors = chineseNameList(m.captured(1), 4);
        }
    }
    // A report's statement of who did the work, run into its sentences: "…承担完成。项目负责人：甲教授。
    // 主要完成人员：甲，乙，丙。"
    if (authors.isEmpty()) {
        static const RE done(QStringLiteral("(?:主要)?完成人员?\\s*[:：]\\s*([^。；;]+)"));
        QString text;
        for (int i = 0; i < n && i < 40; ++i) text += lines[i].text.trimmed();
        if (const auto m = done.match(text); m.hasMatch()) authors = chineseNameList(m.captured(1), 12);
    }
    // A byline after a box, the school before the names: "□ 集安市第一中学 林杰健 范睿超 曹琳林".
    if (authors.isEmpty()) {
        static const RE boxed(QStringLiteral("^[□■◇◆]\\s*(.+)$"));
        static const RE apart(QStringLiteral("[\\s\\x{3000}、，]+"));
        for (int i = 0; i < n && i < 10 && authors.isEmpty(); ++i) {
            const auto m = boxed.match(lines[i].text.trimmed());
            if (!m.hasMatch()) continue;
            QStringList names = m.captured(1).split(apart, Qt::SkipEmptyParts);
            while (!names.isEmpty() && isAffiliation(names.first())) names.removeFirst();
            names = chineseNameList(names.join(QLatin1Char(' ')), 6);
            if (names.isEmpty()) continue;
            // the other writers one a line under it: "□ 钟倩佳" / "韦俊芳"
            for (int k = i + 1; k < n && k <= i + 5; ++k) {
                const QString t = lines[k].text.trimmed();
                if (t.size() < 2 || t.size() > 4 || !startsWithChineseSurname(t) || !looseNames(t).contains(t)) break;
                names << t;
            }
            authors = names;
        }
    }
    // A translated article's byline: "〔德〕汉娜·费舍尔 著 谭振华 译", "〔奥〕甲／著 乙／译". Its writers stand before "著", each
    // after the mark of their country; the translator after it is none.
    if (authors.isEmpty()) {
        static const RE translated(QStringLiteral("^(.+?)\\s*[/／]?\\s*著(?:\\s+(.+?)\\s*[/／]?\\s*译.*)?$"));
        static const RE country(QStringLiteral("[〔［\\[（(]\\s*[\\x{4E00}-\\x{9FFF}]{1,2}\\s*[〕］\\]）)]"));
        static const RE apart(QStringLiteral("[\\s\\x{3000}、，,]+"));
        static const RE name(QStringLiteral("^[\\x{4E00}-\\x{9FFF}][\\x{4E00}-\\x{9FFF}·•・\\-]{1,14}$"));
        for (int i = 0; i < n && i < 15 && authors.isEmpty(); ++i) {
            const QString t = lines[i].text.trimmed() + (i + 1 < n && lines[i + 1].text.trimmed().size() <= 2 ? lines[i + 1].text.trimmed() : QString());
            const auto m = translated.match(t);
            if (!m.hasMatch() || (!country.match(m.captured(1)).hasMatch() && !m.hasCaptured(2))) continue;
            QStringList names;
            for (const QString& part : QString(m.captured(1)).replace(country, QStringLiteral(" ")).split(apart, Qt::SkipEmptyParts))
                if (name.match(part).hasMatch()) names << part;
            if (!names.isEmpty() && names.size() <= 6) authors = names;
        }
    }
    // A thesis that names its writer in the sentence of its degree: "A thesis submitted by A. White to
    // University of Toronto in partial fulfilment of …".
    if (authors.isEmpty()) {
        static const RE submittedBy(QStringLiteral("\\b(?:thesis|dissertation|report|project)\\s+(?:submitted|presented|prepared|written)\\s+by\\s+(.+?)\\s+"
                                                   "(?:to|in|for|at|under)\\b"),
                                    RE::CaseInsensitiveOption);
        for (int i = 0; i < n && i < 30 && authors.isEmpty(); ++i)
            if (const auto m = submittedBy.match(lines[i].text); m.hasMatch())
                if (const QStringList names = namesInLine(m.captured(1)); names.size() == 1) authors = names;
    }
    // A letter signed after its text, each name with its degrees: "Z. Suzuki, MPH; Fatima M. O'Connor, MSc;
    // Lukas Weber, MD" (over "Article Information").
    if (authors.isEmpty()) {
        static const RE degrees(QStringLiteral("^(?:\\s*,\\s*(?:MD|PhD|MPH|MSc|MS|MA|BSc|BS|BA|RN|DrPH|MBBS|MB\\s+BS|MBChB|MB\\s+ChB|MB\\s+BChir|DO|DDS|DVM|PharmD|MBA|FRCP|FRCS|MRCP|FACP))+\\s*$"));
        static const RE apart(QStringLiteral("\\s*;\\s*|,?\\s+and\\s+"));
        static const RE anyDegree(QStringLiteral(",\\s*(?:MD|PhD|MPH|MSc|BSc|RN|DrPH|MBBS|DO)\\b"));
        for (int i = 0; i < n && authors.isEmpty(); ++i) {
            QStringList names;
            bool all = true;
            for (const QString& part : lines[i].text.trimmed().split(apart, Qt::SkipEmptyParts)) {
                const int comma = part.indexOf(QLatin1Char(','));
                const QString who = part.left(comma).trimmed();
                all = all && comma > 0 && degrees.match(part.mid(comma)).hasMatch() && isPersonName(who);
                if (!all) break;
                names << who;
            }
            if (all && !names.isEmpty()) authors = names;
            // a byline with degrees over more lines than one is read with the others, not here
            else if (anyDegree.match(lines[i].text).hasMatch()) break;
        }
    }
    // An article or a teaching case that says who wrote it: "Andrew King and David Nowak wrote this case
    // solely to provide material for class discussion."
    if (authors.isEmpty()) {
        static const RE wroteThis(QStringLiteral("^(.+?)\\s+(?:wrote|prepared|authored|developed)\\s+this\\s+(?:case|note|paper|report|study|article|document)\\b"));
        for (int i = 0; i < n && i < 30 && authors.isEmpty(); ++i)
            if (const auto m = wroteThis.match(lines[i].text.trimmed()); m.hasMatch()) authors = namesInLine(m.captured(1));
    }
    return authors;
}

}  // namespace pdf
