#include "duplicates/MatchIndex.h"

#include <QCryptographicHash>

#include "db/SqlText.h"

namespace duplicates::index {

using db::sqlQuote;

namespace {

// At most `length` characters, never half of a surrogate pair.
QString quoted(const QString& value, int length) {
    QString cut = value.left(length);
    if (cut.size() < value.size() && !cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
    return QLatin1Char('\'') + sqlQuote(cut) + QLatin1Char('\'');
}

QString paperKey(const QString& key) { return QLatin1Char('\'') + sqlQuote(key) + QLatin1Char('\''); }

}  // namespace

QString titleExtra(const TitleForms& t) {
    return QStringList{t.subtitle ? QStringLiteral("1") : QStringLiteral("0"),
                       hasHan(t.fullKey) ? QStringLiteral("1") : QStringLiteral("0"), t.numbers.join(QLatin1Char(' ')),
                       t.mainNumbers.join(QLatin1Char(' ')), t.marker}
        .join(QLatin1Char('|'));
}

PaperFacts factsFromRow(const QString& full, const QString& main, const QString& extra, const QString& authorKey,
                        const QString& authorAlt, int year, const QString& doi, const QString& arxiv) {
    PaperFacts f;
    f.title.fullKey = compact(full);
    f.title.mainKey = main == full ? f.title.fullKey : compact(main);
    const QStringList parts = extra.split(QLatin1Char('|'));
    if (parts.size() >= 5) {
        f.title.subtitle = parts[0] == QLatin1String("1");
        f.han = parts[1] == QLatin1String("1");
        if (!parts[2].isEmpty()) f.title.numbers = parts[2].split(QLatin1Char(' '));
        if (!parts[3].isEmpty()) f.title.mainNumbers = parts[3].split(QLatin1Char(' '));
        f.title.marker = parts[4];
    }
    f.author.key = authorKey;
    f.author.alt = authorAlt;
    f.year = year;
    f.ids.doi = doi;
    f.ids.arxiv = arxiv;
    return f;
}

QString matchInsert(const QString& key, const PaperFacts& f) {
    // "replace": a row left behind by a removal made outside the program (the
    // SQL console) must not keep the paper from being entered again
    return QStringLiteral("replace into paper_match values ") + matchValues(key, f);
}

QString matchValues(const QString& key, const PaperFacts& f) {
    return QLatin1Char('(') + paperKey(key) + QLatin1Char(',') +
           quoted(f.title.full, 500) + QLatin1Char(',') + quoted(f.title.main, 500) + QLatin1Char(',') +
           quoted(titleBlock(f.title.main), 20) + QLatin1Char(',') + quoted(titleExtra(f.title), 255) +
           QLatin1Char(',') + quoted(f.author.key, 100) + QLatin1Char(',') + quoted(f.author.alt, 100) +
           QLatin1Char(',') + quoted(QString::number(f.year), 4) + QLatin1Char(',') + quoted(f.ids.doi, 200) + QLatin1Char(',') +
           quoted(f.ids.arxiv, 40) + QLatin1Char(')');
}

QString matchInsert(const QString& key, const QString& title, const QString& author, const QString& date,
                    const QString& remark) {
    return matchInsert(key, paperFacts(title, author, date, remark));
}

QString matchDelete(const QString& key) {
    return QStringLiteral("delete from paper_match where Paperid=") + paperKey(key);
}

QString matchRewrite(const QString& oldKey, const QString& newKey, const QString& title, const QString& author,
                     const QString& date) {
    const PaperFacts f = paperFacts(title, author, date);
    return QStringLiteral("update paper_match set Paperid=") + paperKey(newKey) + QStringLiteral(",title_norm=") +
           quoted(f.title.full, 500) + QStringLiteral(",title_main=") + quoted(f.title.main, 500) +
           QStringLiteral(",title_block=") + quoted(titleBlock(f.title.main), 20) + QStringLiteral(",title_extra=") +
           quoted(titleExtra(f.title), 255) + QStringLiteral(",author_key=") + quoted(f.author.key, 100) +
           QStringLiteral(",author_alt=") + quoted(f.author.alt, 100) + QStringLiteral(",pub_year=") +
           quoted(QString::number(f.year), 4) + QStringLiteral(" where Paperid=") + paperKey(oldKey);
}

QString identifiersUpdate(const QString& key, const QString& remark) {
    const Identifiers ids = identifiers(remark);
    return QStringLiteral("update paper_match set doi=") + quoted(ids.doi, 200) + QStringLiteral(",arxiv=") +
           quoted(ids.arxiv, 40) + QStringLiteral(" where Paperid=") + paperKey(key);
}

QString distinctDelete(const QString& key) {
    return QStringLiteral("delete from paper_distinct where Paperid_a=") + paperKey(key) +
           QStringLiteral(" or Paperid_b=") + paperKey(key);
}

QString pairId(const QString& keyA, const QString& keyB) {
    const bool inOrder = keyA < keyB;
    const QString text = (inOrder ? keyA : keyB) + QChar(0) + (inOrder ? keyB : keyA);
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex());
}

QString distinctInsert(const QString& keyA, const QString& keyB) {
    const bool inOrder = keyA < keyB;
    return QStringLiteral("insert ignore into paper_distinct values ('") + pairId(keyA, keyB) + QStringLiteral("',") +
           paperKey(inOrder ? keyA : keyB) + QLatin1Char(',') + paperKey(inOrder ? keyB : keyA) + QLatin1Char(')');
}

QString indexColumns() {
    return QStringLiteral(
        "p.Paperid,p.title_norm,p.title_main,p.title_extra,p.author_key,p.author_alt,p.pub_year,p.doi,p.arxiv");
}

QString candidateSelect(const PaperFacts& f, int limit) {
    // the matcher joins no two papers more than a year apart (unless an
    // identifier is shared), so a title block is looked at in that window:
    // a block of common first words holds thousands of papers of a large catalogue
    const QString years = QStringLiteral("0,%1,%2,%3").arg(f.year - 1).arg(f.year).arg(f.year + 1);
    QStringList parts;
    parts << QStringLiteral("select Paperid from paper_match where title_block=") +
                 quoted(titleBlock(f.title.main), 20) +
                 (f.year ? QStringLiteral(" and pub_year in (") + years + QLatin1Char(')') : QString());
    QStringList names;
    if (!f.author.key.isEmpty()) names << quoted(f.author.key, 100);
    if (!f.author.alt.isEmpty()) names << quoted(f.author.alt, 100);
    if (!names.isEmpty() && f.year) {
        for (const char* column : {"author_key", "author_alt"})
            parts << QStringLiteral("select Paperid from paper_match where %1 in (%2) and pub_year in (%3)")
                         .arg(QLatin1String(column), names.join(QLatin1Char(',')), years);
    }
    if (!f.ids.doi.isEmpty())
        parts << QStringLiteral("select Paperid from paper_match where doi=") + quoted(f.ids.doi, 200);
    if (!f.ids.arxiv.isEmpty())
        parts << QStringLiteral("select Paperid from paper_match where arxiv=") + quoted(f.ids.arxiv, 40);
    return QStringLiteral("select ") + indexColumns() +
           QStringLiteral(",m.title,m.author_1,m.pub_time,a.dir,a.filename from (") +
           parts.join(QStringLiteral(" union ")) +
           QStringLiteral(") c join paper_match p on p.Paperid=c.Paperid join main m on m.Paperid=p.Paperid "
                          "left join address a on a.Paperid=p.Paperid limit ") +
           QString::number(limit);
}

QString scanSelect() {
    return QStringLiteral("select ") + indexColumns() + QStringLiteral(" from paper_match p");
}

QString scanSelect(const QString& after, int limit) {
    // the main title only where it differs from the whole title (null where not):
    // for most papers it is the same, and a million of them are a lot of bytes
    QString columns = indexColumns();
    columns.replace(QStringLiteral("p.title_main"), QStringLiteral("nullif(p.title_main,p.title_norm)"));
    return QStringLiteral("select ") + columns + QStringLiteral(" from paper_match p") + (after.isEmpty() ? QString() : QStringLiteral(" where p.Paperid>") + paperKey(after)) +
           QStringLiteral(" order by p.Paperid limit ") + QString::number(limit);
}

QString missingSelect(int limit) {
    return QStringLiteral("select m.Paperid,m.title,m.author_1,m.pub_time,a.remark from main m left join "
                          "paper_match p on p.Paperid=m.Paperid left join address a on a.Paperid=m.Paperid "
                          "where p.Paperid is null limit ") +
           QString::number(limit);
}

QString orphanDelete() {
    return QStringLiteral("delete p from paper_match p left join main m on m.Paperid=p.Paperid where m.Paperid is null");
}

QString distinctSelect() { return QStringLiteral("select Paperid_a,Paperid_b from paper_distinct"); }

}  // namespace duplicates::index
