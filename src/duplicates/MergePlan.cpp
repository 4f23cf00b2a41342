#include "duplicates/MergePlan.h"

#include <QSet>
#include <QVector>
#include <functional>

#include "duplicates/PersonName.h"
#include "duplicates/TitleText.h"

namespace duplicates {

MergePlan MergePlan::keeping(int keep) {
    MergePlan p;
    p.keep = keep;
    p.source.fill(keep);
    return p;
}

int chooseKeep(const QVector<StoredPaper>& group, KeepRule rule) {
    auto earlier = [&](int a, int b) {
        if (group[a].typeTime != group[b].typeTime) return group[a].typeTime < group[b].typeTime;
        return group[a].key < group[b].key;
    };
    int best = 0;
    for (int i = 1; i < group.size(); ++i) {
        if (rule == KeepRule::Fullest) {
            const int ri = group[i].richness(), rb = group[best].richness();
            if (ri > rb || (ri == rb && earlier(i, best))) best = i;
        } else if (earlier(i, best)) {
            best = i;
        }
    }
    return best;
}

namespace {

const QString& fieldOf(const StoredPaper& p, Field f) {
    switch (f) {
        case Field::Title: return p.title;
        case Field::Author: return p.author;
        case Field::Date: return p.date;
        case Field::Filename: return p.filename;
        case Field::Dir: return p.dir;
        case Field::Catalog: return p.catalog;
        case Field::Count: break;
    }
    return p.title;
}

// Items of every paper, the kept one's first, each once.
QStringList union_(const QVector<StoredPaper>& group, int keep, QStringList StoredPaper::*list,
                   const std::function<bool(const QString&)>& skip) {
    QStringList out;
    QSet<QString> seen;
    auto add = [&](const StoredPaper& p) {
        for (const QString& item : p.*list) {
            const QString folded = foldText(item);
            if (folded.isEmpty() || seen.contains(folded) || skip(item)) continue;
            seen.insert(folded);
            out << item;
        }
    };
    add(group[keep]);
    for (int i = 0; i < group.size(); ++i)
        if (i != keep) add(group[i]);
    return out;
}

}  // namespace

MergedPaper mergedPaper(const QVector<StoredPaper>& group, const MergePlan& plan) {
    MergedPaper m;
    auto pick = [&](Field f) {
        const QString& chosen = fieldOf(group[plan.source[int(f)]], f);
        // a chosen empty value does not wipe out the kept one
        return chosen.isEmpty() ? fieldOf(group[plan.keep], f) : chosen;
    };
    m.title = pick(Field::Title);
    m.author = pick(Field::Author);
    m.date = pick(Field::Date);
    m.filename = pick(Field::Filename);
    m.dir = pick(Field::Dir);
    m.catalog = pick(Field::Catalog);

    const NameKeys first = nameKeys(m.author);
    const QString firstFolded = foldText(m.author);
    // "Cui, Ganqu" and "Ganqu Cui" are one further author
    QVector<NameKeys> named{first};
    QStringList authors = union_(group, plan.keep, &StoredPaper::authors, [&](const QString& name) {
        if (foldText(name) == firstFolded) return true;
        const NameKeys keys = nameKeys(name);
        for (const NameKeys& k : named)
            if (sameAuthor(keys, k)) return true;
        named << keys;
        return false;
    });
    QStringList kwords = union_(group, plan.keep, &StoredPaper::kwords, [](const QString&) { return false; });

    QStringList remarks;
    QSet<QString> seen;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < group.size(); ++i) {
            if ((pass == 0) != (i == plan.keep)) continue;
            const QString r = group[i].remark.trimmed();
            if (!r.isEmpty() && !seen.contains(r)) {
                seen.insert(r);
                remarks << r;
            }
        }
    if (authors.size() > kFurtherAuthors) {
        remarks << QStringLiteral("其他作者：") + authors.mid(kFurtherAuthors).join(QStringLiteral("；"));
        authors = authors.mid(0, kFurtherAuthors);
    }
    if (kwords.size() > kKwords) {
        remarks << QStringLiteral("其他关键词：") + kwords.mid(kKwords).join(QStringLiteral("；"));
        kwords = kwords.mid(0, kKwords);
    }
    m.authors = authors;
    m.kwords = kwords;
    m.remark = remarks.join(QStringLiteral("；")).left(kRemarkLength);
    return m;
}

}  // namespace duplicates
