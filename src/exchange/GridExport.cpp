#include "exchange/GridExport.h"

#include <QHash>
#include <QRegularExpression>

namespace exchange {

namespace {

QString csvField(const QString& v) {
    if (!v.contains(QLatin1Char(',')) && !v.contains(QLatin1Char('"')) && !v.contains(QLatin1Char('\n')) &&
        !v.contains(QLatin1Char('\r')) && !v.contains(QLatin1Char('\t')))
        return v;
    QString q = v;
    q.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// The column of each label, -1 when absent; a label shown twice (the first
// author of main and of author_all) keeps its first column.
int columnOf(const db::ResultSet& r, const QString& label) { return int(r.columnNames().indexOf(label)); }

QString cell(const db::ResultSet& r, qint64 row, int column) {
    return column < 0 || r.isNull(row, column) ? QString() : r.text(row, column);
}

QString bibEscape(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\textbackslash{}"); break;
        case '{': out += QStringLiteral("\\{"); break;
        case '}': out += QStringLiteral("\\}"); break;
        case '$': out += QStringLiteral("\\$"); break;
        case '&': out += QStringLiteral("\\&"); break;
        case '%': out += QStringLiteral("\\%"); break;
        case '#': out += QStringLiteral("\\#"); break;
        case '_': out += QStringLiteral("\\_"); break;
        case '~': out += QStringLiteral("\\textasciitilde{}"); break;
        case '^': out += QStringLiteral("\\textasciicircum{}"); break;
        case '"': out += QStringLiteral("{\"}"); break;
        case '\n':
        case '\r': out += QLatin1Char(' '); break;
        default: out += c;
        }
    }
    return out;
}

QString bibKey(const PaperRow& p, int n, QHash<QString, int>& used) {
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9]"));
    QString first = p.authors.value(0).section(QLatin1Char(','), 0, 0);
    first.remove(other);
    QString key = (first.isEmpty() ? QStringLiteral("paper") : first.left(20)) + p.date.left(4);
    if (key.isEmpty() || used.contains(key)) key += QLatin1Char('_') + QString::number(n);
    used.insert(key, n);
    return key;
}

QString path(const PaperRow& p) {
    if (p.filename.isEmpty()) return p.dir;
    if (p.dir.isEmpty()) return p.filename;
    const QChar sep = p.dir.contains(QLatin1Char('\\')) ? QLatin1Char('\\') : QLatin1Char('/');
    return p.dir + sep + p.filename;
}

}  // namespace

QByteArray csvBytes(const db::ResultSet& r, const RowOrder& order) {
    QString text;
    QStringList header;
    for (const QString& c : r.columnNames()) header << csvField(c);
    text += header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (qint64 i = 0; i < r.rowCount(); ++i) {
        const qint64 row = order.empty() ? i : order[std::size_t(i)];
        QStringList cells;
        for (int c = 0; c < r.columnCount(); ++c) cells << csvField(cell(r, row, c));
        text += cells.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool hasPaperColumns(const db::ResultSet& r) {
    return columnOf(r, QStringLiteral("论文题目")) >= 0 && columnOf(r, QStringLiteral("论文一作")) >= 0 &&
           columnOf(r, QStringLiteral("发表时间")) >= 0;
}

QVector<PaperRow> paperRows(const db::ResultSet& r, const RowOrder& order) {
    const int title = columnOf(r, QStringLiteral("论文题目"));
    const int date = columnOf(r, QStringLiteral("发表时间"));
    const int category = columnOf(r, QStringLiteral("论文分类"));
    const int remark = columnOf(r, QStringLiteral("备注"));
    const int filename = columnOf(r, QStringLiteral("论文文件名"));
    const int dir = columnOf(r, QStringLiteral("保存文件夹"));
    QList<int> authors{columnOf(r, QStringLiteral("论文一作"))};
    for (const char* l : {"论文二作", "论文三作", "论文四作", "论文五作"}) authors << columnOf(r, QString::fromUtf8(l));
    QList<int> kwords;
    for (int i = 1; i <= 10; ++i) kwords << columnOf(r, QStringLiteral("关键词%1").arg(i));

    QVector<PaperRow> out;
    out.reserve(r.rowCount());
    for (qint64 i = 0; i < r.rowCount(); ++i) {
        const qint64 row = order.empty() ? i : order[std::size_t(i)];
        PaperRow p;
        p.title = cell(r, row, title);
        for (int c : authors)
            if (const QString a = cell(r, row, c); !a.isEmpty()) p.authors << a;
        p.date = cell(r, row, date);
        for (int c : kwords)
            if (const QString k = cell(r, row, c); !k.isEmpty()) p.keywords << k;
        p.hasCategory = category >= 0;
        p.category = cell(r, row, category);
        p.remark = cell(r, row, remark);
        p.filename = cell(r, row, filename);
        p.dir = cell(r, row, dir);
        out.push_back(p);
    }
    return out;
}

QString toBibtex(const QVector<PaperRow>& papers) {
    // BibTeX readers lower-case the entry type: only such a category is one.
    static const QRegularExpression word(QStringLiteral("^[a-z]+$"));
    static const QRegularExpression year(QStringLiteral("^(\\d{4})(?:-(\\d{2}))?"));
    QString out;
    QHash<QString, int> used;
    int n = 0;
    for (const PaperRow& p : papers) {
        ++n;
        const bool typed = word.match(p.category).hasMatch();
        out += QLatin1Char('@') + (typed ? p.category : QStringLiteral("misc")) + QLatin1Char('{') + bibKey(p, n, used) +
               QStringLiteral(",\n");
        auto field = [&](const char* name, const QString& value) {
            out += QStringLiteral("  %1 = {%2},\n").arg(QLatin1String(name), value);
        };
        field("title", bibEscape(p.title));
        QStringList names;
        for (const QString& a : p.authors)
            names << (a.count(QLatin1Char(',')) == 1 && !a.contains(QLatin1String(" and ")) ? bibEscape(a)
                                                                                        : QLatin1Char('{') + bibEscape(a) + QLatin1Char('}'));
        field("author", names.join(QStringLiteral(" and ")));
        field("date", bibEscape(p.date));
        if (const auto m = year.match(p.date); m.hasMatch()) {
            field("year", m.captured(1));
            if (!m.captured(2).isEmpty()) field("month", QString::number(m.captured(2).toInt()));
        }
        if (!p.keywords.isEmpty()) {
            QStringList k;
            for (const QString& w : p.keywords) k << bibEscape(w);
            field("keywords", k.join(QStringLiteral(", ")));
        }
        if (!typed && p.hasCategory) field("category", bibEscape(p.category));
        if (!p.remark.isEmpty()) field("note", bibEscape(p.remark));
        // The path goes in as it is: a backslash of a Windows folder stays one.
        if (!p.filename.isEmpty() || !p.dir.isEmpty()) field("file", path(p));
        out += QStringLiteral("}\n\n");
    }
    return out;
}

QString toRis(const QVector<PaperRow>& papers) {
    static const QHash<QString, QString> types = {
        {QStringLiteral("article"), QStringLiteral("JOUR")},       {QStringLiteral("inproceedings"), QStringLiteral("CONF")},
        {QStringLiteral("book"), QStringLiteral("BOOK")},          {QStringLiteral("incollection"), QStringLiteral("CHAP")},
        {QStringLiteral("phdthesis"), QStringLiteral("THES")},     {QStringLiteral("techreport"), QStringLiteral("RPRT")},
    };
    QString out;
    QHash<QString, int> used;
    int n = 0;
    for (const PaperRow& p : papers) {
        ++n;
        auto tag = [&](const char* name, const QString& value) {
            QString v = value;
            v.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
            out += QLatin1String(name) + QStringLiteral("  - ") + v + QStringLiteral("\r\n");
        };
        tag("TY", types.value(p.category, QStringLiteral("GEN")));
        tag("ID", bibKey(p, n, used));
        tag("TI", p.title);
        for (const QString& a : p.authors) tag("AU", a);
        tag("PY", p.date.left(4));
        tag("DA", p.date);
        for (const QString& k : p.keywords) tag("KW", k);
        if (p.hasCategory) tag("M3", p.category);
        if (!p.remark.isEmpty()) tag("N1", p.remark);
        if (!p.filename.isEmpty() || !p.dir.isEmpty()) tag("L1", path(p));
        out += QStringLiteral("ER  - \r\n\r\n");
    }
    return out;
}

}  // namespace exchange
