#include "duplicates/PersonName.h"

#include <QStringList>

#include "duplicates/TitleText.h"

namespace duplicates {

namespace {

// "van", "de", "von" ... written in small letters belong to the family name
// but are left out of its key; "Jr", "III" are not names at all.
bool isParticle(const QString& raw) { return !raw.isEmpty() && raw.at(0).isLower(); }
bool isSuffix(const QString& folded) {
    return folded == QLatin1String("jr") || folded == QLatin1String("sr") || folded == QLatin1String("ii") ||
           folded == QLatin1String("iii") || folded == QLatin1String("iv");
}

QStringList words(const QString& raw) {
    QString s = raw;
    for (QChar& c : s)
        if (c == QLatin1Char('.') || c == QLatin1Char('~')) c = QLatin1Char(' ');
    return s.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString initial(const QStringList& given) {
    for (const QString& g : given) {
        const QString f = foldText(g);
        if (!f.isEmpty() && !isSuffix(f)) return f.left(1);
    }
    return {};
}

QString familyKey(const QStringList& family) {
    // the last word that is not a particle or a suffix
    for (qsizetype i = family.size() - 1; i >= 0; --i) {
        const QString f = foldText(family[i]);
        if (f.isEmpty() || isSuffix(f)) continue;
        if (isParticle(family[i]) && i > 0) continue;
        // a hyphenated or multi-word family name keeps its last part
        return f.section(QLatin1Char(' '), -1);
    }
    return {};
}

QString joined(const QString& family, const QString& init) {
    if (family.isEmpty()) return {};
    return init.isEmpty() ? family : family + QLatin1Char(' ') + init;
}

}  // namespace

NameKeys nameKeys(const QString& name) {
    NameKeys k;
    const QString trimmed = name.trimmed();
    if (hasHan(trimmed)) {
        k.key = compact(foldText(trimmed));
        return k;
    }
    const QString nfkc = trimmed.normalized(QString::NormalizationForm_KC);
    const QStringList parts = nfkc.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.size() >= 2) {
        // "Family, Given" or "Family, Jr, Given"
        k.key = joined(familyKey(words(parts.first())), initial(words(parts.last())));
        return k;
    }
    const QStringList w = words(nfkc);
    if (w.isEmpty()) return k;
    if (w.size() == 1) {
        k.key = foldText(w.first());
        return k;
    }
    // "Given von Family": the family name starts at the first particle, else it is the last word
    qsizetype split = w.size() - 1;
    while (split > 0 && isSuffix(foldText(w[split]))) --split;
    for (qsizetype i = 1; i < split; ++i)
        if (isParticle(w[i])) {
            split = i;
            break;
        }
    k.key = joined(familyKey(w.mid(split)), initial(w.mid(0, split)));
    // Chinese names in pinyin are written either way round: "Zhang San" / "San Zhang"
    if (w.size() == 2) k.alt = joined(foldText(w[0]), initial(w.mid(1)));
    if (k.alt == k.key) k.alt.clear();
    return k;
}

bool sameAuthor(const NameKeys& a, const NameKeys& b) {
    if (a.key.isEmpty() || b.key.isEmpty()) return false;
    if (a.key == b.key) return true;
    if (!a.alt.isEmpty() && (a.alt == b.key || a.alt == b.alt)) return true;
    return !b.alt.isEmpty() && b.alt == a.key;
}

}  // namespace duplicates
