#include "exchange/PaperCheck.h"

#include <QHash>
#include <QRegularExpression>

#include "db/Schema.h"

namespace exchange {

QString statusText(Status status) {
    switch (status) {
    case Status::Ready: return QStringLiteral("可导入");
    case Status::Attention: return QStringLiteral("需注意");
    case Status::Similar: return QStringLiteral("可能重复");
    case Status::Repeated: return QStringLiteral("文件内重复");
    case Status::Present: return QStringLiteral("已在库中");
    case Status::Unusable: return QStringLiteral("不能导入");
    }
    return {};
}


namespace {

// Raises a status: a worse status replaces a better one.
void raise(CheckedPaper& paper, Status status, const QString& reason) {
    if (static_cast<int>(status) > static_cast<int>(paper.status)) paper.status = status;
    if (!reason.isEmpty()) paper.notes << reason;
}


// The hooks split lists on "；" and ";" (and drop blanks at either end of an
// item): an item must not hold either separator.
QString listItem(QString text, bool* changed) {
    const QString before = text;
    text.replace(QChar(0xFF1B), QChar(0xFF0C)).replace(QLatin1Char(';'), QLatin1Char(','));
    text = text.trimmed();
    if (changed && text != before) *changed = true;
    return text;
}

const QString kSep = QStringLiteral("；");

bool validDate(const QString& date) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}(-(0[1-9]|1[0-2])(-(0[1-9]|[12]\\d|3[01]))?)?$"));
    return form.match(date).hasMatch();
}

}  // namespace

qsizetype charCount(const QString& text) {
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) ++n;
    return n;
}

QString leftChars(const QString& text, qsizetype count) {
    qsizetype i = 0;
    for (qsizetype n = 0; i < text.size() && n < count; ++n)
        i += (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
    return text.left(i);
}

QStringList splitList(const QString& text) {
    static const QRegularExpression seps(QStringLiteral("[,;，；]"));
    QStringList out;
    for (const QString& item : text.split(seps)) {
        const QString t = item.trimmed();
        if (!t.isEmpty()) out << t;
    }
    return out;
}

CheckedPaper mapRecord(const PaperRecord& r, const MappingOptions& options) {
    CheckedPaper p;
    auto& e = p.entry;
    QStringList overflow;  // what goes into the remark
    for (const QString& w : r.warnings) raise(p, Status::Attention, w);

    // A value longer than its column: what fits stays, the whole value goes
    // into the remark.
    auto fit = [&](const QString& value, int limit, const QString& label) {
        if (charCount(value) <= limit) return value;
        overflow << label + QStringLiteral("：") + value;
        raise(p, Status::Attention, QStringLiteral("%1超过%2字，全文移入备注").arg(label).arg(limit));
        return leftChars(value, limit);
    };
    // Values stay as they stand (blanks at either end are part of the paper
    // key); a value of blanks only counts as missing.
    auto missing = [](const QString& v) { return v.trimmed().isEmpty(); };

    e.title = fit(r.title, limits::kTitle, schema::label(QStringLiteral("title")));

    // The first author goes into its columns as it is; further authors go
    // through the hook, which splits on "；" and ";".
    bool separatorsChanged = false;
    QStringList further;
    QStringList extraAuthors;
    if (!r.authors.isEmpty() && !missing(r.authors.first()))
        e.author = fit(r.authors.first(), limits::kAuthor, schema::label(QStringLiteral("author_1")));
    int furtherCount = 0;
    for (int i = 1; i < r.authors.size(); ++i) {
        const QString item = listItem(r.authors[i], &separatorsChanged);
        if (item.isEmpty()) continue;
        ++furtherCount;
        if (further.size() < limits::kAuthors - 1 && charCount(item) <= limits::kAuthor)
            further << item;
        else
            extraAuthors << item;
    }
    if (!extraAuthors.isEmpty()) {
        overflow << QStringLiteral("其他作者：") + extraAuthors.join(kSep);
        raise(p, Status::Attention,
              furtherCount >= limits::kAuthors ? QStringLiteral("作者多于%1位，其余移入备注").arg(limits::kAuthors)
                                               : QStringLiteral("作者姓名超过%1字，移入备注").arg(limits::kAuthor));
    }
    e.authorsTicked = !further.isEmpty();
    e.authors = further.join(kSep);

    e.date = r.date;
    if (!missing(e.date) && !validDate(e.date)) {
        e.date = fit(e.date, limits::kDate, schema::label(QStringLiteral("pub_time")));
        raise(p, Status::Attention, QStringLiteral("发表时间不是 YYYY-MM-DD、YYYY-MM 或 YYYY"));
    }

    // Keywords in order, a repeated one kept where it stands.
    QStringList kwords;
    QStringList extraKwords;
    for (const QString& k : r.keywords) {
        const QString item = listItem(k, &separatorsChanged);
        if (item.isEmpty()) continue;
        if (kwords.size() < limits::kKwords && charCount(item) <= limits::kKword)
            kwords << item;
        else
            extraKwords << item;
    }
    if (!extraKwords.isEmpty()) {
        overflow << QStringLiteral("其他关键词：") + extraKwords.join(kSep);
        raise(p, Status::Attention, QStringLiteral("关键词多于%1个或过长，其余移入备注").arg(limits::kKwords));
    }
    if (separatorsChanged)
        raise(p, Status::Attention, QStringLiteral("其他作者或关键词中的分号改为逗号，首尾空白已去掉"));
    e.kwordsTicked = !kwords.isEmpty();
    e.kwords = kwords.join(kSep);

    e.catalog = missing(r.category) ? QString() : fit(r.category, limits::kCatalog, schema::label(QStringLiteral("catalog")));
    e.catalogTicked = !e.catalog.isEmpty();

    QString filename = missing(r.filename) ? QString() : r.filename;
    if (filename.isEmpty()) {
        // No file named: the entry's key, else its title, as a PDF name.
        static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|]"));
        QString base = r.sourceKey.trimmed().isEmpty() ? e.title.trimmed() : r.sourceKey.trimmed();
        base.replace(unsafe, QStringLiteral("_"));
        if (!base.isEmpty()) filename = leftChars(base, limits::kFilename - 4) + QStringLiteral(".pdf");
    }
    e.filename = fit(filename, limits::kFilename, schema::label(QStringLiteral("filename")));
    QString dir = missing(r.dir) ? QString() : r.dir;
    if (dir.isEmpty()) dir = options.defaultDir;
    e.dir = fit(dir, limits::kDir, schema::label(QStringLiteral("dir")));

    QStringList remark;
    if (!missing(r.remark)) remark << r.remark;
    remark << overflow;
    QString text = remark.join(QStringLiteral("；"));
    if (charCount(text) > limits::kRemark) {
        raise(p, Status::Attention,
              QStringLiteral("备注超过%1字，截去%2字").arg(limits::kRemark).arg(charCount(text) - limits::kRemark));
        text = leftChars(text, limits::kRemark);
    }
    e.remark = text;
    e.remarkTicked = !text.isEmpty();

    if (!r.error.isEmpty()) raise(p, Status::Unusable, r.error);
    if (missing(e.title)) raise(p, Status::Unusable, QStringLiteral("缺少论文题目"));
    if (e.author.isEmpty()) raise(p, Status::Unusable, QStringLiteral("缺少论文一作"));
    if (missing(e.date)) raise(p, Status::Unusable, QStringLiteral("缺少发表时间"));
    if (e.filename.isEmpty()) raise(p, Status::Unusable, QStringLiteral("缺少论文文件名"));
    if (e.dir.isEmpty()) raise(p, Status::Unusable, QStringLiteral("缺少保存文件夹"));

    p.key = schema::paperKey(e.title, e.author, e.date);
    return p;
}

namespace {

// The statuses of an already mapped list.
void markList(QVector<CheckedPaper>& papers, const QVector<PaperRecord>& records, const QSet<QString>& presentKeys,
              const ExtraCheck& extra) {
    QHash<QString, int> first;
    first.reserve(papers.size());
    for (int i = 0; i < papers.size(); ++i) {
        CheckedPaper& p = papers[i];
        if (p.status == Status::Unusable) continue;
        if (presentKeys.contains(p.key)) raise(p, Status::Present, QStringLiteral("论文已在库中（同一论文键）"));
        const auto seen = first.constFind(p.key);
        if (seen != first.constEnd())
            raise(p, Status::Repeated, QStringLiteral("与第 %1 条重复").arg(seen.value() + 1));
        else
            first.insert(p.key, i);
        if (extra && i < records.size())
            if (const auto mark = extra(records[i], p)) raise(p, mark->status, mark->reason);
    }
}

}  // namespace

QVector<CheckedPaper> checkRecords(const QVector<PaperRecord>& records, const MappingOptions& options,
                                   const QSet<QString>& presentKeys, const ExtraCheck& extra) {
    QVector<CheckedPaper> papers;
    papers.reserve(records.size());
    for (const PaperRecord& r : records) papers.push_back(mapRecord(r, options));
    markList(papers, records, presentKeys, extra);
    return papers;
}

}  // namespace exchange
