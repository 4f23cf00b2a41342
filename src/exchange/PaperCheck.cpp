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


// The hooks split lists on "；" and ";": an item must not hold either.
QString listItem(QString text) {
    text.replace(QChar(0xFF1B), QLatin1Char(',')).replace(QLatin1Char(';'), QLatin1Char(','));
    return text.trimmed();
}

const QString kSep = QStringLiteral("；");

bool validDate(const QString& date) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}(-(0[1-9]|1[0-2])(-(0[1-9]|[12]\\d|3[01]))?)?$"));
    return form.match(date).hasMatch();
}

}  // namespace

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
        if (value.size() <= limit) return value;
        overflow << label + QStringLiteral("：") + value;
        raise(p, Status::Attention, QStringLiteral("%1超过%2字，全文移入备注").arg(label).arg(limit));
        return value.left(limit);
    };

    e.title = fit(r.title.trimmed(), limits::kTitle, schema::label(QStringLiteral("title")));

    QStringList authors;
    for (const QString& a : r.authors) {
        const QString item = listItem(a);
        if (!item.isEmpty()) authors << item;
    }
    if (!authors.isEmpty()) e.author = fit(authors.first(), limits::kAuthor, schema::label(QStringLiteral("author_1")));
    QStringList further;
    QStringList extraAuthors;
    for (int i = 1; i < authors.size(); ++i) {
        if (further.size() < limits::kAuthors - 1 && authors[i].size() <= limits::kAuthor)
            further << authors[i];
        else
            extraAuthors << authors[i];
    }
    if (!extraAuthors.isEmpty()) {
        overflow << QStringLiteral("其他作者：") + extraAuthors.join(kSep);
        raise(p, Status::Attention,
              authors.size() > limits::kAuthors ? QStringLiteral("作者多于%1位，其余移入备注").arg(limits::kAuthors)
                                                : QStringLiteral("作者姓名超过%1字，移入备注").arg(limits::kAuthor));
    }
    e.authorsTicked = !further.isEmpty();
    e.authors = further.join(kSep);

    e.date = r.date.trimmed();
    if (!e.date.isEmpty() && !validDate(e.date)) {
        e.date = fit(e.date, limits::kDate, schema::label(QStringLiteral("pub_time")));
        raise(p, Status::Attention, QStringLiteral("发表时间不是 YYYY-MM-DD、YYYY-MM 或 YYYY"));
    }

    QStringList kwords;
    QStringList extraKwords;
    for (const QString& k : r.keywords) {
        const QString item = listItem(k);
        if (item.isEmpty() || kwords.contains(item)) continue;
        if (kwords.size() < limits::kKwords && item.size() <= limits::kKword)
            kwords << item;
        else
            extraKwords << item;
    }
    if (!extraKwords.isEmpty()) {
        overflow << QStringLiteral("其他关键词：") + extraKwords.join(kSep);
        raise(p, Status::Attention, QStringLiteral("关键词多于%1个或过长，其余移入备注").arg(limits::kKwords));
    }
    e.kwordsTicked = !kwords.isEmpty();
    e.kwords = kwords.join(kSep);

    e.catalog = fit(r.category.trimmed(), limits::kCatalog, schema::label(QStringLiteral("catalog")));
    e.catalogTicked = !e.catalog.isEmpty();

    QString filename = r.filename.trimmed();
    if (filename.isEmpty()) {
        // No file named: the entry's key, else its title, as a PDF name.
        static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|]"));
        QString base = r.sourceKey.trimmed().isEmpty() ? e.title : r.sourceKey.trimmed();
        base.replace(unsafe, QStringLiteral("_"));
        if (!base.isEmpty()) filename = base.left(limits::kFilename - 4) + QStringLiteral(".pdf");
    }
    e.filename = fit(filename, limits::kFilename, schema::label(QStringLiteral("filename")));
    QString dir = r.dir.trimmed();
    if (dir.isEmpty()) dir = options.defaultDir;
    e.dir = fit(dir, limits::kDir, schema::label(QStringLiteral("dir")));

    QStringList remark;
    if (!r.remark.trimmed().isEmpty()) remark << r.remark.trimmed();
    remark << overflow;
    QString text = remark.join(QStringLiteral("；"));
    if (text.size() > limits::kRemark) {
        raise(p, Status::Attention,
              QStringLiteral("备注超过%1字，截去%2字").arg(limits::kRemark).arg(text.size() - limits::kRemark));
        text = text.left(limits::kRemark);
    }
    e.remark = text;
    e.remarkTicked = !text.isEmpty();

    if (!r.error.isEmpty()) raise(p, Status::Unusable, r.error);
    if (e.title.isEmpty()) raise(p, Status::Unusable, QStringLiteral("缺少论文题目"));
    if (e.author.isEmpty()) raise(p, Status::Unusable, QStringLiteral("缺少论文一作"));
    if (e.date.isEmpty()) raise(p, Status::Unusable, QStringLiteral("缺少发表时间"));
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
