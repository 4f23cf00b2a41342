#include "pdf/LineWords.h"

#include <QRegularExpression>
#include <algorithm>

#include "pdf/TextLines.h"

namespace pdf {
namespace {

using RE = QRegularExpression;

// A label, then a colon or blanks; labels of Chinese covers are often set
// apart letter by letter ("题　　目").
const RE& titleLabel() {
    static const RE re(QStringLiteral("^(?:[\\x{4E00}-\\x{9FFF}]{1,3}题\\s*目(?:\\s*[（(]\\s*[中英]\\s*文\\s*[)）])?(?:\\s*[:：、|｜│]\\s*|\\s+|$)|"
                                      "(?:中\\s*文\\s*|论\\s*文\\s*|课\\s*题\\s*|设\\s*计\\s*|报\\s*告\\s*|英\\s*文\\s*|实\\s*用\\s*新\\s*型\\s*|外\\s*观\\s*设\\s*计\\s*|(?:拟\\s*[定选]|选\\s*题|研\\s*究|开\\s*题|项\\s*目|实\\s*验|作\\s*品|发\\s*明|成\\s*果)\\s*)?"
                                      "(?:题\\s*目(?:\\s*名\\s*称)?|名\\s*称)(?:\\s*[（(]\\s*[中英]\\s*文\\s*[)）])?(?:\\s*[:：、|｜│]\\s*|\\s+|$)|title\\s*[:：]\\s*|title\\s+and\\s+subtitle\\b\\s*|"
                                      "(?:thesis|project|paper|dissertation|report)\\s+title(?:\\s*[:：]\\s*|\\s*$)|"
                                      "标\\s*题\\s*[:：]\\s*|"
                                      // the paper a form is about, and a motion's subject: "被推荐论文：", "参评论文:", "案由："
                                      "[\\x{4E00}-\\x{9FFF}]{0,3}论\\s*文\\s*[:：]\\s*|案\\s*由(?:\\s*[:：|｜│]\\s*|\\s+|$)|"
                                      // a memorandum's or a letter's subject
                                      "(?:subject|re|regarding|topic|article\\s+title)\\s*:\\s*|"
                                      // a record's title field: "篇名：", "题名：", a lab report's "实验项目"
                                      "(?:篇\\s*名|题\\s*名)(?:\\s*[:：|｜│]\\s*|\\s+|$)|(?:实\\s*验|实\\s*训)\\s*项\\s*目(?:\\s*名\\s*称)?(?:\\s*[:：|｜│]\\s*|\\s+|$)|"
                                      // a named title's label run into its value with no blank: "实验名称石灰岩地区…"
                                      "(?:课\\s*题|设\\s*计|报\\s*告|实\\s*验|项\\s*目|作\\s*品|论\\s*文)\\s*(?:名\\s*称|题\\s*目)(?=[\\x{4E00}-\\x{9FFF}]{4}))"),
                       RE::CaseInsensitiveOption);
    return re;
}

const RE& authorLabel() {
    static const RE re(QStringLiteral("^(?:作\\s*者(?:\\s*姓\\s*名|\\s*信\\s*息|\\s*名\\s*单)?|(?:学\\s*生|(?:博\\s*士\\s*|硕\\s*士\\s*)?研\\s*究\\s*生|(?:学\\s*位\\s*)?申\\s*[请报]\\s*[人者]|(?:主\\s*要\\s*)?(?:报\\s*告|撰\\s*写|完\\s*成|设\\s*计)\\s*人|硕\\s*士\\s*生|"
                                      "博\\s*士\\s*生|博\\s*士\\s*后|(?:课\\s*题|项\\s*目)\\s*主\\s*持\\s*人|"
                                      // any short word for the one who did the work: 汇报人, 答辩人, 发明人, 主讲人, 报告者
                                      "(?!(?:代\\s*理|联\\s*系|审\\s*[核批定]|批\\s*准|校\\s*[对核]|复\\s*核|签\\s*发|经\\s*办|填\\s*表|推\\s*荐|"
                                      "见\\s*证|证\\s*明|策\\s*展|收\\s*件|受\\s*访|评\\s*[议审阅]|点\\s*评|专\\s*利\\s*权|权\\s*利|指\\s*导|出\\s*版|发\\s*行|主\\s*持|译|编|读|患|使\\s*用|法|机\\s*器|个|本|他|老\\s*年|病|家|工|军|商|诗|古|今|国|后|学|记\\s*录)\\s*[人者])"
                                      "(?:[\\x{4E00}-\\x{9FFF}]\\s*){1,3}[人者]|"
                                      "(?:主\\s*讲|授\\s*课|执\\s*教)\\s*(?:教\\s*师|老\\s*师)|(?:主\\s*要\\s*)?(?:研\\s*制|完\\s*成|研\\s*究|参\\s*[加与])\\s*人\\s*员|"
                                      // a post's author after its mark of origin: "原创 甲 <account> <date>"
                                      "原\\s*创(?=\\s)|(?:报\\s*告\\s*)?(?:编\\s*[写制著]|撰\\s*写|执\\s*笔|起\\s*草|[撰供]\\s*稿|撰\\s*文|采\\s*[访写](?:\\s*整\\s*理)?|(?:访\\s*谈\\s*|记\\s*录\\s*)?整\\s*理)(?:\\s*人(?:\\s*员)?|\\s*组(?=\\s*$))?|(?:课\\s*题|项\\s*目)?\\s*负\\s*责\\s*人|(?:(?:课\\s*题|项\\s*目|调\\s*[研查]|研\\s*究|实\\s*践|编\\s*写)\\s*组?\\s*)?(?:主\\s*要\\s*)?成\\s*员|"
                                      // a team's members, numbered or not: "参赛队员 1：", "组员"
                                      "(?:(?:课\\s*题|项\\s*目|调\\s*研)\\s*)?[组队]\\s*长|"
                                      "(?:参\\s*赛\\s*|团\\s*队\\s*|小\\s*组\\s*)?(?:队\\s*员|组\\s*员|成\\s*员)\\s*\\d{0,2}(?=\\s*[:：])|论\\s*文\\s*作\\s*者)(?:\\s*姓\\s*名)?|[\\x{4E00}-\\x{9FFF}]{0,3}\\s*姓\\s*名)(?:\\s*[:：、|｜│]\\s*|\\s+|$)|"
                                      // a name follows the English label, not a word of a sentence: "Author of correspondence"
                                      "^(?:(?:package\\s+|document\\s+|paper\\s+|article\\s+)?authors?(?:\\s*\\(s\\))?|(?:(?:prepared|submitted|presented|compiled)\\s+)?by(?:\\s+the\\s+authors?(?:\\s*\\(s\\))?)?)"
                                      "(?:\\s*[:：|｜│]\\s*|\\s+(?!(?-i:\\p{Ll}))|$)|"
                                      // words that could begin a title name the author only before a colon
                                      "^(?:candidate|from|scribes?|scribed\\s+by|note\\s*takers?|student(?:'s)?(?:\\s+name)?|name\\s+of\\s+(?:the\\s+)?(?:student|candidate|author)|researchers?|"
                                      "(?:principal\\s+)?investigators?|inventors?|speakers?|presenters?)\\s*[:：]\\s*|"
                                      // a proposal's investigators, also as a heading over their names
                                      "^(?:co-?\\s*)?(?:principal\\s+investigators?|investigators?|pis?|authors?|creators?)(?:\\s*\\(s\\))?\\s*(?:[:：]\\s*|$)|"
                                      // a magazine's byline: "文／甲", "文·甲", "撰文/甲"
                                      "^(?:文|撰\\s*文|图\\s*文|作\\s*者|记\\s*者)\\s*[/／·・•]\\s*|"
                                      // or after a blank, before a name: "文 邵永婷 汪鑫红"
                                      "^文\\s+(?=[\\x{4E00}-\\x{9FFF}]{2,4}(?:\\s|$))|"
                                      // a commentary's writer: "评析：林玉斌", or after a blank, before a name: "评析 曹勇桂 韩永超"
                                      "^(?:课\\s*例\\s*)?评\\s*析\\s*(?:[:：]\\s*|\\s+(?=[\\x{4E00}-\\x{9FFF}]{2,4}(?:\\s|$|[、，,；;])))"),
                       RE::CaseInsensitiveOption);
    return re;
}

const RE& supervisorLabel() {
    static const RE re(QStringLiteral("^(?:(?:指\\s*导|合\\s*作|任\\s*课)?\\s*(?:导\\s*师|教\\s*师|老\\s*师)(?:\\s*姓\\s*名)?|"
                                      "(?:(?:project|thesis|academic|research|main|principal|co-?)\\s*)?(?:supervisors?|advisors?)|directed by|supervised by|under\\s+the\\s+(?:supervision|guidance)\\s+of)(?:\\s*[:：、|｜│]\\s*|\\s+|$)|"
                                      "^(?:guide|mentor|promoter|committee\\s+chair|lecturer|instructor|teacher|(?:second\\s+)?(?:marker|reader|examiner)|assessor)\\s*[:：]\\s*"),
                       RE::CaseInsensitiveOption);
    return re;
}

const RE& coverFieldLabel() {
    static const RE re(QStringLiteral(
                           "^(?:学\\s*号|课\\s*程\\s*名\\s*称|课\\s*程(?=\\s*[:：|｜│])|专\\s*业(?:\\s*名\\s*称)?|学\\s*科(?:\\s*专\\s*业)?|培\\s*养\\s*单\\s*位|所\\s*在\\s*学\\s*院|"
                           "学\\s*院|院\\s*系|系\\s*[别部]|专\\s*业\\s*班\\s*级|研\\s*究\\s*方\\s*向|(?:专\\s*业\\s*)?学\\s*位\\s*类\\s*别|申\\s*请\\s*学\\s*位|"
                           "(?:答\\s*辩|提\\s*交|完\\s*成|授\\s*予)?\\s*日\\s*期|分\\s*类\\s*号|密\\s*级|udc|"
                           "(?:学\\s*校|单\\s*位)\\s*代\\s*码|年\\s*级|班\\s*级|学\\s*位\\s*级\\s*别|工\\s*程\\s*领\\s*域|"
                           // a report's sign-off rows and a post-doctoral cover's fields
                           "[校审复]\\s*[核定]|批\\s*准|审\\s*批|(?:报\\s*告\\s*)?编\\s*号|"
                           // the heads of an author table
                           "(?:所\\s*在\\s*|工\\s*作\\s*)?单\\s*位(?:\\s*名\\s*称)?|电\\s*子\\s*邮\\s*[箱件]|e-?mail|"
                           "(?:流\\s*动\\s*站|工\\s*作\\s*站)(?:\\s*[（(]\\s*工\\s*作\\s*站\\s*[)）])?(?:\\s*名\\s*称)?|"
                           "(?:研\\s*究\\s*工\\s*作\\s*)?(?:起\\s*始|期\\s*满|开\\s*始|结\\s*束)\\s*时\\s*间)"
                           "(?:\\s*[:：、|｜│]\\s*|\\s+|$)|"
                           // a memorandum's head: "To: Project Team", "Date: July 13, 2022", "Cc:"
                           "^(?:to|cc|date)\\s*:\\s*|"
                           // a course's name run into its value: "课程名称生物化学实验"
                           "^课\\s*程\\s*名\\s*称"),
                       RE::CaseInsensitiveOption);
    return re;
}

}  // namespace

const QRegularExpression& formFieldNumber() {
    static const RE re(QStringLiteral("^(?:[(（【\\[]\\s*\\d{1,3}\\s*[)）】\\]]|\\d{1,2}[a-z]?\\.(?=\\s))\\s*"));
    return re;
}

bool hasCjk(const QString& s) {
    return std::any_of(s.begin(), s.end(), [](QChar c) { return isCjk(c) && c.isLetter(); });
}

bool isPageFurniture(const QString& text) {
    static const RE re(QStringLiteral(
                           "^(arxiv|preprint|submitted|accepted|published|journal of|proceedings|vol\\.|volume|doi|"
                           "https?:|www\\.|issn|isbn|copyright|©|manuscript|received|draft|to appear|technical report|"
                           "page \\d|ieee transactions|acm reference|pacs|msc|\\d+\\s*$)|"
                           "^((research|original|review) )?(article|letter|paper|report|communication)$"),
                       RE::CaseInsensitiveOption);
    if (re.match(text).hasMatch()) return true;
    // a paper number or a running head of one word: "IMECE2023-XXXX"
    return !text.contains(QLatin1Char(' ')) && !hasCjk(text);
}

bool startsSection(const QString& text) {
    static const RE re(QStringLiteral("^(abstract|a b s t r a c t|summary|摘\\s*要|内\\s*容\\s*提\\s*要|key\\s*words|keywords|index terms|"
                                      "关键词|关键字|introduction|contents|目\\s*录|[1I]\\.?\\s+introduction|"
                                      "1\\s+引言|引言|一、|article info|a r t i c l e)"),
                       RE::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

bool isAffiliation(const QString& text) {
    static const RE re(
        QStringLiteral("\\b(universi[td]|institut|istituto|politecni|polytechni|hochschule|[ée]cole|escuela|department|dept\\b|laborator|lab\\b|school|college|cent(er|re)\\b|faculty|"
                       "academy|inc\\b|corp|ltd|gmbh|research|hospital|observatory|foundation|division|street|road|"
                       "avenue|campus|usa\\b|u\\.s\\.a|china\\b|(?:germany|france|japan|canada|italy|spain)\\b|"
                       "kingdom|australia|netherlands|switzerland|sweden|(?:india|korea|brazil)\\b|email|e-mail|corresponding|"
                       "equal contribution|these authors|affiliat|society|association|agency|journals?|editors?|"
                       "highway|drive|boulevard|blvd|lane|parkway|suite|box\\b|company|organi[sz]ation|tech\\b|service\\b|station\\b|bureau|ministry|office\\b)|大学|学院|研究所|研究院|实验室|系|公司|中心|学校|中学|小学|医院|"
                       "邮编|省|市|区|通讯作者|电子邮件|邮箱|流动站|工作站"),
        RE::CaseInsensitiveOption);
    // a company's legal form, in its own case: "Novartis Pharma AG", "Acme Analytics LLC"
    static const RE company(QStringLiteral("\\b(AG|SA|S\\.A\\.|LLC|PLC|plc|KG|B\\.V\\.|N\\.V\\.|S\\.p\\.A\\.|Pty|Pharma)\\b"));
    return re.match(text).hasMatch() || text.contains(QLatin1Char('@')) || company.match(text).hasMatch();
}

bool isDateLine(const QString& text) {
    static const RE re(QStringLiteral("(19|20)\\d\\d\\s*年|[二〇零一三四五六七八九]{4}\\s*年|(19|20)\\d\\d\\s*[/.-]\\s*\\d{1,2}|"
                                      "\\d{1,2},?\\s+(19|20)\\d\\d|"
                                      "\\b(jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*\\.?\\s+\\d|"
                                      "\\b\\d{1,2}\\s+(jan|feb|mar|apr|may|jun|jul|aug|sep|oct|nov|dec)[a-z]*\\b"),
                       RE::CaseInsensitiveOption);
    return re.match(text).hasMatch();
}

// Ideographic blanks set labels apart ("题　　目") like ordinary ones.
static QString plainBlanks(const QString& text) {
    QString t = text;
    t.replace(QChar(0x3000), QLatin1Char(' '));
    return t.trimmed();
}

// A line as its label is looked for: a bilingual cover's English label after
// the Chinese one goes ("论文题目 Title：X" reads as "论文题目：X").
static QString labelText(const QString& text) {
    static const RE english(QStringLiteral(
                                "^([\\x{4E00}-\\x{9FFF}][\\x{4E00}-\\x{9FFF} ]{1,11}?)\\s*"
                                "(?:title|author|name|supervisor|advisor|tutor|degree(?: category| type)?|field|major|specialty|"
                                "speciality|discipline|date|college|school|department|institute|student (?:id|no\\.?|number)|"
                                "id|class|course|subject|category)(?=\\s*[:：]|\\s*$|\\s+[^A-Za-z\\s])"),
                            RE::CaseInsensitiveOption);
    // a form's field number goes: "(72)发明人 甲；乙" reads as "发明人 甲；乙"
    QString t = plainBlanks(text);
    // a patent's title after its code alone, up to the next column's code:
    // "(54) SYSTEM FOR MONITORING (57) ABSTRACT" reads as "Title: SYSTEM FOR MONITORING"
    static const RE inidTitle(QStringLiteral("^[(（]\\s*54\\s*[)）]\\s*(?=\\p{Lu}{2})"));
    static const RE nextCode(QStringLiteral("\\s+[(（]\\s*\\d{2}\\s*[)）].*$"));
    if (t.startsWith(QLatin1Char('(')) && inidTitle.match(t).hasMatch())
        return QStringLiteral("Title: ") + t.remove(inidTitle).remove(nextCode);
    t.remove(formFieldNumber());
    // a label's note in brackets: "作者（按署名顺序）" reads as "作者："
    static const RE note(QStringLiteral("^([\\x{4E00}-\\x{9FFF}]{2,6})\\s*[（(]\\s*按[^（()）\\s]{1,10}(?:[)）]|(?=\\s)|$)\\s*[:：]?\\s*"));
    if (t.contains(QChar(0xFF08)) || t.contains(QLatin1Char('('))) t.replace(note, QStringLiteral("\\1："));
    // a label joined to its value by leaders, as a contents page sets them: "研究生……………甲"
    static const RE leaders(QStringLiteral("^([\\x{4E00}-\\x{9FFF}][\\x{4E00}-\\x{9FFF} ]{0,7}?)\\s*[…．.·]{2,}\\s*"));
    // (full-width points and middle dots lead as well: "研究生．．．．甲")
    if (t.contains(QChar(0x2026)) || t.contains(QStringLiteral("..")) || t.contains(QStringLiteral("．．")) ||
        t.contains(QStringLiteral("··")))
        t.replace(leaders, QStringLiteral("\\1："));
    // a label in brackets, as a database's record prints it: "【作者】 甲；乙" reads as "作者：甲；乙"
    static const RE bracketed(QStringLiteral("^[【〔\\[]\\s*([\\x{4E00}-\\x{9FFF}][\\x{4E00}-\\x{9FFF} ]{0,7})\\s*[】〕\\]]\\s*"));
    if (!t.isEmpty() && (t.front() == QChar(0x3010) || t.front() == QChar(0x3014) || t.front() == QLatin1Char('[')))
        t.replace(bracketed, QStringLiteral("\\1："));
    // most lines hold no Latin letter at all: the pattern is not run on them
    if (std::any_of(t.begin(), t.end(), [](QChar c) { return c.isLetter() && c.unicode() < 0x80; }))
        t.replace(english, QStringLiteral("\\1"));
    return t;
}

LineLabel labelOf(const QString& text) {
    const QString t = labelText(text);
    if (supervisorLabel().match(t).hasMatch()) return LineLabel::Supervisor;
    if (titleLabel().match(t).hasMatch()) return LineLabel::Title;
    // A whole line naming the document, with the school's name before it or not
    // ("四川大学硕士学位论文"), even when it is spaced out like a label and its
    // value ("博 士 后 研 究 工 作 报 告").
    static const RE docType(QStringLiteral("^(?:[\\x{4E00}-\\x{9FFF}]{2,12}(?:大\\s*学|学\\s*院)\\s*)?"
                                           "(?:(?:[工理农医文法经管教艺史哲军]\\s*学\\s*)?(?:博\\s*士|硕\\s*士|学\\s*士|本\\s*科|专\\s*业)?\\s*(?:学\\s*位\\s*)?"
                                           "(?:毕\\s*业\\s*)?(?:论\\s*文|设\\s*计)(?:\\s*[（(]\\s*(?:设\\s*计|论\\s*文|(?:学\\s*术|专\\s*业)\\s*学\\s*位)\\s*[)）])?(?:\\s*说\\s*明\\s*书)?|"
                                           "(?:结\\s*题\\s*|年\\s*度\\s*|中\\s*期\\s*|总\\s*结\\s*)?(?:博\\s*士\\s*后\\s*(?:研\\s*究\\s*工\\s*作|出\\s*站)|研\\s*究|科\\s*研\\s*训\\s*练|开\\s*题|实\\s*习|实\\s*践|结\\s*题|课\\s*程\\s*设\\s*计|毕\\s*业\\s*设\\s*计|调\\s*研)\\s*报\\s*告(?:\\s*书)?|"
                                           "(?:(?:ph\\.?\\s*d|doctoral|master'?s?|bachelor'?s?|diploma|senior)\\s+)?"
                                           "(?:thesis|dissertation)|(?:(?:technical|internal|research|project)\\s+)?memo(?:randum)?)$"),
                           RE::CaseInsensitiveOption);
    if (docType.match(t).hasMatch()) return LineLabel::DocumentType;
    if (authorLabel().match(t).hasMatch()) return LineLabel::Author;
    if (coverFieldLabel().match(t).hasMatch()) return LineLabel::CoverField;
    static const RE keywords(QStringLiteral("^(关\\s*键\\s*[词字]|key\\s*words?|index\\s+terms)"), RE::CaseInsensitiveOption);
    if (keywords.match(t).hasMatch()) return LineLabel::Keywords;
    static const RE abstract(QStringLiteral("^(摘\\s*要|内\\s*容\\s*提\\s*要|导\\s*[读语](?=\\s*[:：])|编\\s*者\\s*按|abstract|a b s t r a c t|summary)"), RE::CaseInsensitiveOption);
    if (abstract.match(t).hasMatch()) return LineLabel::Abstract;
    static const RE journal(QStringLiteral("中图分类号|文献标识码|文章编号|^doi\\b|arxiv:|\\bvol\\.|\\bvolume\\s+\\d|"
                                           "第\\s*\\d+\\s*[卷期]|\\bissn\\b|\\bcn\\s*\\d|\\bno\\.\\s*\\d|"
                                           // a document's number alone on its line: "No. TM-07"
                                           "^(?:(?:proposal|grant|award|contract|project)\\s+)?no\\.\\s*[a-z]{0,4}[-\\s]?\\d[\\w/-]*$"),
                           RE::CaseInsensitiveOption);
    if (journal.match(t).hasMatch()) return LineLabel::JournalField;
    return LineLabel::None;
}

QString withoutLabel(const QString& text) {
    const QString t = labelText(text);
    for (const RE* re : {&supervisorLabel(), &titleLabel(), &authorLabel(), &coverFieldLabel()}) {
        const auto m = re->match(t);
        if (m.hasMatch()) return t.mid(m.capturedLength()).trimmed();
    }
    return plainBlanks(text);
}

}  // namespace pdf
