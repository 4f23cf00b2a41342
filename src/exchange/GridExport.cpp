#include "exchange/GridExport.h"

#include "exchange/Readers.h"

#include <QHash>
#include <QRegularExpression>

namespace exchange {

namespace {

QString csvField(const QString& value) {
    const QString v = csvGuard(value);
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

// Letters and digits of ASCII only (a key must not break the entry).
QString keyPart(const QString& text, int length) {
    QString out;
    for (QChar c : text.left(length))
        if (c.unicode() < 128 && c.isLetterOrNumber()) out += c;
    return out;
}

QString bibKey(const PaperRow& p, int n, QHash<QString, int>& used) {
    const QString first = keyPart(p.authors.value(0).section(QLatin1Char(','), 0, 0), 1000).left(20);
    QString key = (first.isEmpty() ? QStringLiteral("paper") : first) + keyPart(p.date, 4);
    // BibTeX compares keys without regard to case: Ng2020 and NG2020 are one.
    if (used.contains(key.toLower())) key += QLatin1Char('_') + QString::number(n);
    used.insert(key.toLower(), n);
    return key;
}

const QString kRisEscapedTag = QStringLiteral("U5");
const QString kRisEscaped = QStringLiteral("paper-catalogue: escaped values");

// Whether a paper's values need the escapes of the RIS reader: a line break
// (a RIS value ends at the line's end), a file name holding a separator, a
// date in RIS's own slash form (which the reader would rewrite), a keyword
// holding ";" (which the reader splits on), a path that starts like a
// file URL (whose "file://" the reader takes off).
bool risNeedsEscapes(const PaperRow& p) {
    auto breaks = [](const QString& v) { return v.contains(QLatin1Char('\n')) || v.contains(QLatin1Char('\r')); };
    QStringList all{p.title, p.date, p.category, p.remark, p.dir, p.filename};
    all << p.authors << p.keywords;
    for (const QString& v : all)
        if (breaks(v)) return true;
    for (const QString& k : p.keywords)
        if (k.contains(QLatin1Char(';')) || k.contains(QChar(0xFF1B))) return true;
    return p.filename.contains(QLatin1Char('/')) || p.filename.contains(QLatin1Char('\\')) ||
           p.date.contains(QLatin1Char('/')) || p.dir.startsWith(QLatin1String("file:"));
}

QString risEscape(QString v) {
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    v.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    v.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return v;
}

bool formulaStart(const QString& v) {
    qsizetype i = 0;
    while (i < v.size() && v[i] == QLatin1Char('\'')) ++i;
    if (i >= v.size()) return false;
    const char16_t c = v[i].unicode();
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

}  // namespace

QString csvGuard(const QString& value) { return formulaStart(value) ? QLatin1Char('\'') + value : value; }

QString csvUnguard(const QString& value) {
    return value.startsWith(QLatin1Char('\'')) && formulaStart(value) ? value.mid(1) : value;
}

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
    QVector<BibtexPaper> out;
    out.reserve(papers.size());
    QHash<QString, int> used;
    int n = 0;
    for (const PaperRow& p : papers)
        out.push_back(BibtexPaper{bibKey(p, ++n, used), p.title, p.authors, p.date, p.keywords, p.category,
                                  p.hasCategory, p.remark, p.dir, p.filename});
    return writeBibtex(out);
}

QString toRis(const QVector<PaperRow>& papers) {
    static const QHash<QString, QString> types = {
        {QStringLiteral("article"), QStringLiteral("JOUR")},       {QStringLiteral("inproceedings"), QStringLiteral("CONF")},
        {QStringLiteral("book"), QStringLiteral("BOOK")},          {QStringLiteral("incollection"), QStringLiteral("CHAP")},
        {QStringLiteral("phdthesis"), QStringLiteral("THES")},     {QStringLiteral("techreport"), QStringLiteral("RPRT")},
    };
    static const QRegularExpression year(QStringLiteral("^\\d{4}"));
    QString out;
    QHash<QString, int> used;
    int n = 0;
    for (const PaperRow& p : papers) {
        ++n;
        const bool escaped = risNeedsEscapes(p);
        auto tag = [&](const char* name, const QString& value) {
            out += QLatin1String(name) + QStringLiteral("  - ") + (escaped ? risEscape(value) : value) +
                   QStringLiteral("\r\n");
        };
        tag("TY", types.value(p.category, QStringLiteral("GEN")));
        if (escaped) out += QStringLiteral("%1  - %2\r\n").arg(kRisEscapedTag, kRisEscaped);
        tag("ID", bibKey(p, n, used));
        tag("TI", p.title);
        for (const QString& a : p.authors) tag("AU", a);
        if (year.match(p.date).hasMatch()) tag("PY", p.date.left(4));
        tag("DA", p.date);
        for (const QString& k : p.keywords) tag("KW", k);
        if (p.hasCategory) tag("M3", p.category);
        if (!p.remark.isEmpty()) tag("N1", p.remark);
        if (!p.filename.isEmpty() || !p.dir.isEmpty()) {
            // The folder ends at the last "/" that is not escaped.
            QString name = p.filename;
            if (escaped) name = risEscape(name).replace(QLatin1Char('/'), QLatin1String("\\/"));
            const QString dir = escaped ? risEscape(p.dir) : p.dir;
            const QChar sep = escaped || !p.dir.contains(QLatin1Char('\\')) ? QLatin1Char('/') : QLatin1Char('\\');
            out += QStringLiteral("L1  - ") + (dir.isEmpty() ? name : name.isEmpty() ? dir : dir + sep + name) +
                   QStringLiteral("\r\n");
        }
        out += QStringLiteral("ER  - \r\n\r\n");
    }
    return out;
}

}  // namespace exchange
