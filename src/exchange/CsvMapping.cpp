#include "exchange/CsvMapping.h"

#include <QHash>
#include <QRegularExpression>

#include "exchange/GridExport.h"
#include "exchange/PaperCheck.h"

namespace exchange {

QString csvFieldName(CsvField field) {
    switch (field) {
    case CsvField::Ignore: return QStringLiteral("不导入");
    case CsvField::Key: return QStringLiteral("条目键");
    case CsvField::Title: return QStringLiteral("论文题目");
    case CsvField::Authors: return QStringLiteral("所有作者");
    case CsvField::FirstAuthor: return QStringLiteral("论文一作");
    case CsvField::FurtherAuthor: return QStringLiteral("其他作者（每列一位）");
    case CsvField::Date: return QStringLiteral("发表时间");
    case CsvField::Keywords: return QStringLiteral("关键词");
    case CsvField::Keyword: return QStringLiteral("关键词（每列一个）");
    case CsvField::Category: return QStringLiteral("论文分类");
    case CsvField::Remark: return QStringLiteral("备注");
    case CsvField::Filename: return QStringLiteral("论文文件名");
    case CsvField::Dir: return QStringLiteral("保存文件夹");
    case CsvField::File: return QStringLiteral("文件路径或网址");
    }
    return {};
}

namespace {

QString normalHeader(const QString& h) {
    QString s = h.trimmed().toLower();
    s.remove(QLatin1Char(' ')).remove(QLatin1Char('_')).remove(QLatin1Char('-'));
    if (s.startsWith(QChar(0xFEFF))) s.remove(0, 1);
    return s;
}

const QHash<QString, CsvField>& headerNames() {
    static const QHash<QString, CsvField> names = [] {
        QHash<QString, CsvField> n;
        auto add = [&](CsvField f, std::initializer_list<const char*> list) {
            for (const char* s : list) n.insert(normalHeader(QString::fromUtf8(s)), f);
        };
        add(CsvField::Key, {"key", "id", "citekey", "citationkey", "bibtexkey", "paperid", "条目键", "论文键"});
        add(CsvField::Title, {"title", "papertitle", "论文题目", "题目", "标题", "篇名"});
        add(CsvField::Authors, {"authors", "author", "作者", "所有作者"});
        add(CsvField::FirstAuthor, {"firstauthor", "author1", "论文一作", "一作", "第一作者"});
        add(CsvField::FurtherAuthor, {"author2", "author3", "author4", "author5", "论文二作", "论文三作", "论文四作",
                                      "论文五作"});
        add(CsvField::Date, {"date", "pubtime", "year", "publicationdate", "publicationyear", "发表时间", "年份",
                             "出版时间", "发表日期"});
        add(CsvField::Keywords, {"keywords", "keyword", "关键词", "关键字"});
        add(CsvField::Keyword, {"kword1", "kword2", "kword3", "kword4", "kword5", "kword6", "kword7", "kword8",
                                "kword9", "kworda", "关键词1", "关键词2", "关键词3", "关键词4", "关键词5",
                                "关键词6", "关键词7", "关键词8", "关键词9", "关键词10"});
        add(CsvField::Category, {"category", "catalog", "type", "论文分类", "分类", "类别"});
        add(CsvField::Remark, {"remark", "note", "notes", "abstract", "备注", "摘要"});
        add(CsvField::Filename, {"filename", "论文文件名", "文件名"});
        add(CsvField::Dir, {"dir", "folder", "directory", "保存文件夹", "文件夹", "目录"});
        add(CsvField::File, {"file", "path", "pdf", "url", "link", "文件", "路径", "链接"});
        return n;
    }();
    return names;
}

QStringList splitAuthors(const QString& text) {
    static const QRegularExpression seps(QStringLiteral("\\s*(?:;|；|\\s+and\\s+)\\s*"));
    QStringList out;
    for (const QString& a : text.split(seps))
        if (!a.trimmed().isEmpty()) out << a.trimmed();
    return out;
}

}  // namespace

bool isOwnHeader(const QStringList& header) {
    QStringList h;
    for (const QString& c : header) h << (c.startsWith(QChar(0xFEFF)) ? c.mid(1) : c);
    return h.contains(QStringLiteral("论文题目")) && h.contains(QStringLiteral("论文一作")) &&
           h.contains(QStringLiteral("发表时间"));
}

CsvMapping guessMapping(const QStringList& header) {
    CsvMapping m;
    bool first = false;
    for (const QString& h : header) {
        CsvField f = headerNames().value(normalHeader(h), CsvField::Ignore);
        if (f == CsvField::FirstAuthor) {
            if (first) f = CsvField::Ignore;
            first = true;
        }
        m << f;
    }
    return m;
}

QString missingColumns(const CsvMapping& m) {
    QStringList missing;
    if (!m.contains(CsvField::Title)) missing << csvFieldName(CsvField::Title);
    if (!m.contains(CsvField::FirstAuthor) && !m.contains(CsvField::Authors))
        missing << csvFieldName(CsvField::FirstAuthor) + QStringLiteral("（或所有作者）");
    if (!m.contains(CsvField::Date)) missing << csvFieldName(CsvField::Date);
    return missing.join(QStringLiteral("、"));
}

QString normalDate(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\s*(\\d{4})\\s*(?:[-/.年]\\s*(\\d{1,2})\\s*(?:[-/.月]\\s*(\\d{1,2})\\s*日?|月)?)?\\s*年?\\s*$"));
    const auto m = form.match(text);
    if (!m.hasMatch()) return text.trimmed();
    QString out = m.captured(1);
    const int month = m.captured(2).toInt();
    if (month >= 1 && month <= 12) {
        out += QStringLiteral("-%1").arg(month, 2, 10, QLatin1Char('0'));
        const int day = m.captured(3).toInt();
        if (day >= 1 && day <= 31) out += QStringLiteral("-%1").arg(day, 2, 10, QLatin1Char('0'));
    } else if (!m.captured(2).isEmpty()) {
        return text.trimmed();
    }
    return out;
}

QVector<PaperRecord> csvRecords(const CsvTable& table, const CsvMapping& mapping, bool exact) {
    QVector<PaperRecord> out;
    out.reserve(table.rows.size());
    for (int i = 0; i < table.rows.size(); ++i) {
        const QStringList& row = table.rows[i];
        PaperRecord r;
        r.line = table.lines.value(i);
        QString first;
        QStringList listed, further;
        for (int c = 0; c < row.size(); ++c) {
            const QString cell = csvUnguard(row[c]);
            // an exact cell of blanks is a value; elsewhere it is none
            const QString v = exact ? cell : cell.trimmed();
            if (v.isEmpty()) continue;
            if (c >= mapping.size()) {
                if (!v.isEmpty())
                    r.warnings << QStringLiteral("本行有 %1 个值，表头只有 %2 列").arg(row.size()).arg(mapping.size());
                break;
            }
            switch (mapping[c]) {
            case CsvField::Ignore: break;
            case CsvField::Key: r.sourceKey = v; break;
            case CsvField::Title: r.title = v; break;
            case CsvField::Authors: listed = splitAuthors(v); break;
            case CsvField::FirstAuthor: first = v; break;
            case CsvField::FurtherAuthor: further << v; break;
            case CsvField::Date: r.date = exact ? v : normalDate(v); break;
            case CsvField::Keywords: r.keywords << splitList(v); break;
            case CsvField::Keyword: r.keywords << v; break;
            case CsvField::Category: r.category = v; break;
            case CsvField::Remark: r.remark = r.remark.isEmpty() ? v : r.remark + QStringLiteral("；") + v; break;
            case CsvField::Filename: r.filename = v; break;
            case CsvField::Dir: r.dir = v; break;
            case CsvField::File: {
                const qsizetype cut = std::max(v.lastIndexOf(QLatin1Char('/')), v.lastIndexOf(QLatin1Char('\\')));
                if (r.dir.isEmpty()) r.dir = cut < 0 ? QString() : v.left(cut);
                if (r.filename.isEmpty()) r.filename = v.mid(cut + 1);
                break;
            }
            }
        }
        if (!first.isEmpty()) {
            r.authors << first;
            if (!listed.isEmpty() && listed.first() == first) listed.removeFirst();
        }
        r.authors << listed << further;
        out.push_back(std::move(r));
    }
    return out;
}

}  // namespace exchange
