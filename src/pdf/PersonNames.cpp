#include "pdf/PersonNames.h"

#include "pdf/ChineseSurnames.h"
#include "pdf/LineWords.h"
#include "pdf/TextLines.h"

#include <QRegularExpression>
#include <algorithm>

namespace pdf {
namespace {

using RE = QRegularExpression;

// Numbered marks an author's name carries to its unit, as a regular
// expression's alternative: circled, bracketed, dotted and raised digits
// ("①", "⑵", "❸", "²"), also inside brackets ("[①]", "〔2〕").
const QString kNumberedMarks = QStringLiteral(
    "[\\x{2460}-\\x{24FF}\\x{2776}-\\x{2793}\\x{3251}-\\x{325F}\\x{32B1}-\\x{32BF}\\x{00B9}\\x{00B2}\\x{00B3}"
    "\\x{2070}-\\x{2079}]|[\\[〔【]\\s*[\\d\\x{2460}-\\x{2473},，]+\\s*[\\]〕】]");

// An author's academic rank or degree, printed after the name.
const QString kRanks = QStringLiteral(
    "副?教授|(?:副|助理|特聘)?研究员|讲师|助教|(?:正?高级)?工程师|(?:主任|副主任|主治)?医师|(?:博士|硕士)?研究生|本科生|"
    "博士(?:生|后)?|硕士(?:生)?|"
    "院士|博导|硕导|(?:高级)?实验师|副?编审|(?:主任|副主任|主管)?护师|护士长?|(?:主任|副主任)?(?:药|技)师");

bool isRank(const QString& text) {
    static const RE re(QStringLiteral("^\\s*(?:") + kRanks + QStringLiteral(")(?:\\s*[,，、/]\\s*(?:") + kRanks +
                       QStringLiteral("))*\\s*$"));
    return re.match(text).hasMatch();
}

// Words that a heading, a banner or a document's furniture is made of and a
// person's name is not: "PACKAGE DOCUMENTATION", "Ordinary Text".
bool hasFurnitureWord(const QString& text) {
    static const RE re(QStringLiteral(
                           "\\b(package|documentation|manual|guide|user'?s?|version|release|theme|demo|examples?|samples?|"
                           "text|ordinary|displayed|document|template|class|style|introduction|contents|chapter|"
                           "section|appendix|abstract|summary|report|thesis|dissertation|draft|preprint|technical|"
                           "languages?|engineering|technology|military|presentation|slides|lecture|tutorial|workshop|"
                           "conference|proceedings|figure|table|bundle|library|system|program|worksheet|handout|"
                           "submitted|degree|requirements|fulfil+ment|software|applications?|mathematical|mathematics|"
                           "statistics|statistical|sciences?|studies|physics|informatics|computing|computer|team|consortium|"
                           "committee|developers|contributors|maintainers?|anonymous|papers?|series|bulletin|newsletter|project|module)\\b"),
                       RE::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

// A bracket opened and not closed on the line ends its names: the unit after
// a name, broken onto the next line ("Junwei Wang (CryptoExperts").
const QRegularExpression& openBracket() {
    static const RE re(QStringLiteral("\\s*[（(][^()（）]*$"));
    return re;
}

// Names run together with nothing between them, as columns of a grid set
// close come out: "Martin Mächler Benjamin M. Bolker Steven C. Walker". Too
// long for one name (six words or more), every word a capitalised word or an
// initial: a name is a word, its initials and a word ("Benjamin M. Bolker"),
// and the words between such names go in pairs ("Martin Mächler"). Empty
// when the run does not split so.
QStringList namesRunTogether(const QString& text) {
    static const RE word(QStringLiteral("^\\p{Lu}[\\p{Ll}'’\\-]+$"));
    static const RE initial(QStringLiteral("^\\p{Lu}\\.$"));
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() < 6) return {};
    QList<int> starts;  // where each name starts, by the initials
    QList<bool> isInitial;
    for (const QString& t : tokens) {
        if (!word.match(t).hasMatch() && !initial.match(t).hasMatch()) return {};
        isInitial << initial.match(t).hasMatch();
    }
    QStringList names;
    int at = 0;
    auto pairsUpTo = [&](int end) {  // the words before the next name with initials, two by two
        if ((end - at) % 2 != 0) return false;
        for (; at < end; at += 2) names << tokens[at] + QLatin1Char(' ') + tokens[at + 1];
        return true;
    };
    for (int k = 0; k < int(tokens.size()); ++k) {
        if (!isInitial[k]) continue;
        if (k == 0 || isInitial[k - 1] || k - 1 < at) return {};
        if (!pairsUpTo(k - 1)) return {};
        int end = k;
        while (end < int(tokens.size()) && isInitial[end]) ++end;
        if (end >= int(tokens.size())) return {};
        names << QStringList(tokens.mid(at, end - at + 1)).join(QLatin1Char(' '));
        at = end + 1;
        k = end;
    }
    if (!pairsUpTo(int(tokens.size()))) return {};
    return names;
}

}  // namespace

// Whom to write to: it repeats an author and does not add one.
bool isContactLine(const QString& line) {
    static const RE contact(QStringLiteral("^(correspondence|corresponding author|contact|通讯作者|通信作者)\\b"),
                            RE::CaseInsensitiveOption);
    return contact.match(line.trimmed()).hasMatch();
}

bool isPersonName(const QString& name) {
    const QString n = name.trimmed();
    if (n.isEmpty()) return false;
    if (hasCjk(n)) {
        static const RE cjk(QStringLiteral("^[\\x{3400}-\\x{9FFF}][\\x{3400}-\\x{9FFF}·•]{1,5}$"));
        return cjk.match(n).hasMatch() && startsWithChineseSurname(n) && !isAffiliation(n) && !startsSection(n);
    }
    if (isAffiliation(n) || hasFurnitureWord(n) || startsSection(n)) return false;
    static const RE particle(QStringLiteral("^(van|von|de|der|den|da|di|del|della|la|le|du|dos|das|ten|ter|bin|al|el|y|zu)$"));
    static const RE token(QStringLiteral("^(\\p{Lu}[\\p{L}'’\\-]*\\.?|\\p{Lu}\\.(-?\\p{Lu}\\.)*|\\p{Lu}\\.-\\p{Lu}\\.?)$"));
    const QStringList tokens = n.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() < 2 || tokens.size() > 5) return false;
    // a heading in title case: "A Selected Data Problem", "Models for Count Data"
    static const RE article(QStringLiteral("^(A|An|The)$"));
    static const RE joining(QStringLiteral("^(Of|For|In|On|With|To|From|And|Using|Via|Into|Through)$"));
    if (article.match(tokens.first()).hasMatch() ||
        std::any_of(tokens.begin(), tokens.end(), [](const QString& t) { return joining.match(t).hasMatch(); }))
        return false;
    int proper = 0;
    for (const QString& t : tokens) {
        if (t.size() > 20 || t.endsWith(QLatin1Char('-'))) return false;  // "CH-" of "CH-4002 Basel"
        if (particle.match(t).hasMatch()) continue;
        if (!token.match(t).hasMatch()) return false;
        ++proper;
    }
    if (proper < 2) return false;
    // the last name is a word, not an initial
    return !tokens.last().endsWith(QLatin1Char('.')) || tokens.last().size() > 3;
}

// Degrees and honours after a name: "Laura Fischer, MSc, Pablo Liu, MD, PhD".
const QRegularExpression& degrees() {
    static const RE re(QStringLiteral("(?:,\\s*|\\s+)(?:M\\.?D|Ph\\.?\\s?D|D\\.?Phil|M\\.?Phil|M\\.?Sc|B\\.?Sc|M\\.?P\\.?H|MBBS|MBChB|R\\.?N|"
                                      "M\\.?S|M\\.?A|MBA|DDS|DMD|DVM|Pharm\\.?D|FRC[PS]|FACS|FACP|MRCP|B\\.?S|B\\.?A|Dr\\.?\\s?med|Dipl\\.?-Ing|"
                                      // a degree spelt out: "Kwame Lee, Master of Science"
                                      "(?:Master|Doctor|Bachelor)\\s+of\\s+\\p{Lu}\\p{L}+(?:\\s+(?:in\\s+)?\\p{Lu}\\p{L}+){0,3})\\.?"
                                      "(?=\\s*(?:,|;|$|\\band\\b|&))"));
    return re;
}

const QRegularExpression& postTitle() {
    static const RE re(QStringLiteral("(?:(?:Senior|Principal|Chief|Lead|Assistant|Associate|Adjunct|County|Extension|Product|"
                                      "Research|Project|Program|Staff|Visiting)\\s+)*(?:Professor|Agronomist|Specialist|Scientist|"
                                      "Engineer|Director|Lecturer|Researcher|Editor|Manager|Coordinator|Officer|Technician|Analyst|"
                                      "Consultant|Librarian|Curator|Instructor|Educator|Economist|Statistician|Agent|Investigator|"
                                      "Assistant|Associate|Fellow)s?\\b"));
    return re;
}

QStringList namesInLine(const QString& line) {
    if (isDateLine(line) || line.startsWith(QLatin1Char('(')) || line.startsWith(QChar(0xFF08))) return {};
    if (isContactLine(line)) return {};
    QString s = line;
    // the supervisor named after the author on the byline: "贺杰　指导教师：潘新鹏"
    static const RE supervisorAfter(QStringLiteral("[\\s\\x{3000}]+(?:指导教师|指导老师|导师|(?:supervisors?|advisors?))\\s*[:：].*$"),
                                    RE::CaseInsensitiveOption);
    s.remove(supervisorAfter);
    // mail, also in angle brackets and set with blanks: "<pauljohn @ ku.edu>"
    static const RE email(QStringLiteral("<[^<>]*@[^<>]*>|\\S+\\s?@\\s?\\S+"));
    static const RE ieee(QStringLiteral(",?\\s*(Senior |Student |Life |Graduate Student |Associate )?(Member|Fellow),?\\s*"
                                        "(IEEE|ASCE|ASME|AIAA|SPIE|OSA|ACM|APS|SIAM)"),
                         RE::CaseInsensitiveOption);
    static const RE role(QStringLiteral("\\s*(编写|编著|主编|著|译|翻译|整理校注|整理|校注|点校|校点|辑校|校勘|笺注|译注|撰写|执笔|") + kRanks + QStringLiteral(")(?=$|[\\s,，、;；])"));
    static const RE marks(QStringLiteral("[0-9*†‡§¶∗⋆#✉✝♮♯♭♠♣♥♦⋄◦•∙⁎⁑⸸]|") + kNumberedMarks + QStringLiteral("|\\bORCID\\b|\\biD\\b|\\(\\s*\\)|（\\s*）"));
    static const RE by(QStringLiteral("^((?:written |presented |prepared |submitted )?by|authors?(?:\\(s\\))?:|verfasser:|autor(?:es|en)?:|"
                                      "auteurs?:|autori?:|作者[:：]?)\\s+|^(?:文|撰文|作者|记者|記者)\\s*[/／]\\s*"),
                       RE::CaseInsensitiveOption);
    // a rank in brackets after each name: "任强颖（护士长） 周逸辉（护师）"
    static const RE rankAfter(QStringLiteral("[（(]\\s*(?:") + kRanks + QStringLiteral(")\\s*[)）]"));
    s.replace(rankAfter, QStringLiteral(" "));
    // a note of the author's part in brackets after the name: "龚世桂（通信作者）", "胡娜海（项目负责人）"
    static const RE part(QStringLiteral("[（(]\\s*(?:通[信讯]作者|共同第一作者|并列第一作者|第一作者|(?:项目|课题)?负责人|主持人|[组队]长|"
                                        "corresponding author)\\s*[)）]"),
                         RE::CaseInsensitiveOption);
    s.remove(part);
    // the form of address after a name: "肖海瑞同志："
    static const RE address(QStringLiteral("(?<=[\\x{4E00}-\\x{9FFF}])(?:同志|先生|女士|同学)\\s*[:：]?\\s*$"));
    s.remove(address);
    // the name, then the unit and the post after a blank: "白蕾 武夷学院茶与食品学院院长、教授"
    static const RE namePost(QStringLiteral("^([\\x{4E00}-\\x{9FFF}·]{2,4})[\\s\\x{3000}]+([^\\s\\x{3000}]+)$"));
    if (const auto m = namePost.match(s.trimmed()); m.hasMatch() && isAffiliation(m.captured(2)) && !isAffiliation(m.captured(1)))
        s = m.captured(1);
    // the unit in brackets after the name, on the same line: "肖宁芳（厦门大学公共卫生学院，厦门 361005）"
    static const RE unit(QStringLiteral("\\s*[（(]([^（()）]*)[)）]"));
    for (auto it = unit.globalMatch(line); it.hasNext();) {
        const auto m = it.next();
        // or the author's rank: "杨逸（副教授）"
        if (isAffiliation(m.captured(1)) || m.captured(1).contains(QRegularExpression(QStringLiteral("\\d{5,6}"))) ||
            isRank(m.captured(1)))
            s.replace(m.captured(0), QStringLiteral(" "));
    }
    // a bullet set between blanks parts names like a middle dot: "Jürgen R. White • Michael Brown"
    static const RE bullet(QStringLiteral("\\s[•∙⋅]\\s"));
    s.replace(bullet, QStringLiteral(" · "));
    s.remove(email);
    s.remove(openBracket());
    s.remove(ieee);
    // (after a society's grade: "Fellow, IEEE") each name with its post after a comma: "James Zhang, Lecturer A. Martin, Research Assistant"
    static const RE postAfter(QStringLiteral(",\\s*") + postTitle().pattern() + QStringLiteral("[,;]?\\s*"));
    if (s.contains(QLatin1Char(','))) s.replace(postAfter, QStringLiteral("; "));
    s.remove(degrees());
    s.remove(role);
    s.remove(marks);
    s.remove(by);
    static const RE sep(QStringLiteral("\\s*(?:,|;|，|、|；|\\||｜|\\band\\b|\\bAND\\b|\\bund\\b|\\bet\\b|&|\\s·\\s|\\s{2,}|\\x{3000}|和|与)\\s*"));
    QStringList parts = s.split(sep, Qt::SkipEmptyParts);
    QStringList names;
    for (QString p : parts) {
        p = p.trimmed();
        while (!p.isEmpty() && (p.back().isPunct() || p.back().isSymbol()) && p.back() != QLatin1Char('.'))
            p.chop(1);
        while (!p.isEmpty() && (p.front().isPunct() || p.front().isSymbol())) p.remove(0, 1);
        p = p.simplified();
        if (p.isEmpty()) continue;
        if (hasCjk(p) && p.contains(QLatin1Char(' '))) {
            // Chinese names set apart by blanks: "张三 李四"; "张 三" is one name,
            // and so is a run of single characters among longer names:
            // "熊瑞思 余晓浩 徐 明" (a two-character name spaced to the width of three).
            const QStringList bits = p.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (std::any_of(bits.begin(), bits.end(), [](const QString& b) { return b.size() >= 2; })) {
                QStringList merged;
                bool run = false;
                for (const QString& b : bits) {
                    if (b.size() == 1 && run) merged.last() += b;
                    else merged << b;
                    run = b.size() == 1;
                }
                for (const QString& b : merged) {
                    if (!isPersonName(b)) return {};
                    names << b;
                }
                continue;
            }
            p.remove(QLatin1Char(' '));
        }
        // a trailing one-letter affiliation mark set on the baseline: "Smith a"
        static const RE tailMark(QStringLiteral("\\s[a-z]$"));
        p.remove(tailMark);
        if (!isPersonName(p) && !isAffiliation(p) && !hasFurnitureWord(p)) {
            const QStringList run = namesRunTogether(p);
            if (!run.isEmpty()) {
                names << run;
                continue;
            }
        }
        // a generational suffix set after a comma belongs to the name before it: "Walter R. Mebane, Jr."
        static const RE suffix(QStringLiteral("^(Jr|Sr|II|III|IV)\\.?$"));
        if (!names.isEmpty() && suffix.match(p).hasMatch()) {
            names.last() += QStringLiteral(", ") + p;
            continue;
        }
        if (!isPersonName(p)) {
            // names followed by their affiliation on the same line
            if (!names.isEmpty() && isAffiliation(p)) return names;
            return {};
        }
        names << p;
    }
    return names;
}

QStringList namesBeforeUnit(const QString& line) {
    // run in, each name with its unit in brackets: "A (Dept, Univ), B (Univ), and C (Inst)."
    static const RE bracketed(QStringLiteral("\\s*\\(([^()]+)\\)"));
    if (!hasCjk(line) && line.contains(bracketed)) {
        bool units = true;
        for (auto it = bracketed.globalMatch(line); it.hasNext() && units;) units = isAffiliation(it.next().captured(1));
        QString rest = line;
        rest.remove(bracketed);
        while (rest.endsWith(QLatin1Char('.')) || rest.endsWith(QLatin1Char(','))) rest.chop(1);
        if (units) return namesInLine(rest);
    }
    static const RE dash(QStringLiteral("^(.*?\\S)(?:\\s*(?:—{1,2}|―{1,2}|－{1,2}|-{2,3})\\s*|\\s+[-–]\\s+)(\\S.*)$"));
    const auto m = dash.match(line.trimmed());
    if (!m.hasMatch() || !isAffiliation(m.captured(2))) return {};
    return namesInLine(m.captured(1));
}

QStringList namesBeforeUnit(const Line& line) {
    QStringList names = namesBeforeUnit(line.gapText.isEmpty() ? line.text : line.gapText);
    if (!names.isEmpty() || line.words.size() < 3) return names;
    int split = 1;
    while (split < int(line.words.size()) && line.words[split].font == line.words[0].font) ++split;
    if (split < 2 || split == int(line.words.size())) return {};
    for (int k = split; k < int(line.words.size()); ++k)
        if (line.words[k].font != line.words[split].font) return {};  // a third type: no such pair
    QStringList lead, rest;
    for (int k = 0; k < int(line.words.size()); ++k) (k < split ? lead : rest) << line.words[k].text;
    // (a unit may be known by its letters alone: "KAIST")
    static const RE acronym(QStringLiteral("^\\p{Lu}{2,8}$"));
    const QString unit = rest.join(QLatin1Char(' '));
    if (!isAffiliation(unit) && !acronym.match(unit).hasMatch()) return {};
    names = namesInLine(lead.join(QLatin1Char(' ')));
    return names.size() == 1 ? names : QStringList{};
}

QStringList namesAfterUnit(const QString& line) {
    static const RE bullet(QStringLiteral("^[□■◆◇●○▲△☐▶►]\\s*"));
    QString s = line.trimmed();
    s.remove(bullet);
    const QStringList parts = s.split(QRegularExpression(QStringLiteral("[\\s\\x{3000}]+")), Qt::SkipEmptyParts);
    if (parts.size() < 2 || !hasCjk(parts.first()) || !isAffiliation(parts.first()) || isPersonName(parts.first())) return {};
    const QStringList names = parts.mid(1);
    if (!std::all_of(names.begin(), names.end(), [](const QString& p) { return isPersonName(p); })) return {};
    return names;
}

QStringList chineseNameList(const QString& text, int most) {
    static const RE apart(QStringLiteral("[\\s\\x{3000}、，,]+"));
    const QStringList names = text.split(apart, Qt::SkipEmptyParts);
    const bool all = !names.isEmpty() && names.size() <= most && std::all_of(names.begin(), names.end(), [](const QString& a) {
        return a.size() >= 2 && a.size() <= 4 && startsWithChineseSurname(a);
    });
    return all ? names : QStringList();
}

// Names in an author line that the name rules do not take: the line split
// on its separators, marks and labels gone, parts that are short enough.
QStringList looseNames(const QString& line) {
    static const RE marks(QStringLiteral("[0-9*†‡§¶∗⋆#✉✝♮♯♭♠♣♥♦⋄◦•∙⁎⁑⸸]|") + kNumberedMarks + QStringLiteral("|\\S+@\\S+|\\bORCID\\b|\\(\\s*\\)|（\\s*）"));
    static const RE sep(QStringLiteral("\\s*(?:,|;|，|、|；|\\||｜|\\band\\b|\\bAND\\b|&|\\s·\\s|\\s{2,}|\\x{3000})\\s*"));
    if (isContactLine(line)) return {};
    QString s = line;
    // what stands in brackets is a unit or a note, not a name: "Junwei Wang (CryptoExperts)"
    static const RE bracketed(QStringLiteral("\\s*[（(][^()（）]*[)）]"));
    s.remove(bracketed);
    s.remove(openBracket());
    s.remove(marks);
    s.remove(degrees());
    QStringList out;
    for (QString p : s.split(sep, Qt::SkipEmptyParts)) {
        p = p.simplified();
        while (!p.isEmpty() && (p.back().isPunct() || p.back().isSymbol()) && p.back() != QLatin1Char('.')) p.chop(1);
        while (!p.isEmpty() && (p.front().isPunct() || p.front().isSymbol())) p.remove(0, 1);
        p = p.simplified();
        if (hasCjk(p)) p.remove(QLatin1Char(' '));
        const int words = int(p.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        if (p.isEmpty() || words > 4 || p.size() > 40 || (hasCjk(p) && (p.size() > 6 || !startsWithChineseSurname(p))) || isAffiliation(p) ||
            hasFurnitureWord(p) || startsSection(p) || labelOf(p) != LineLabel::None)
            continue;
        // a lone word in capitals is an acronym or a banner ("NFSS."), not a name
        static const RE acronym(QStringLiteral("^[\\p{Lu}\\d.\\-]+$"));
        if (words == 1 && !hasCjk(p) && acronym.match(p).hasMatch()) continue;
        // a name's words start with capitals (or are particles); prose does not
        static const RE lowerWord(QStringLiteral("(^|\\s)(?!(van|von|de|der|den|da|di|del|della|la|le|du|dos|das|ten|ter|bin|al|el|y|zu)\\b)\\p{Ll}"));
        if (!hasCjk(p) && p.contains(lowerWord)) continue;
        out << p;
    }
    return out;
}

// The end of a name that a list of names after a label wraps to the next line
// ("发明人 甲 乙 万" / "勇平", "… Arjun González, Ahmed" / "Zhang", "…, Matthew" / "W. Harris"):

}  // namespace pdf
