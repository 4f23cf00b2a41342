#include "fulltext/SearchQuery.h"

#include "fulltext/CommonGrams.h"

namespace fulltext {

QVector<Clause> parseQuery(const QString& text) {
    QVector<Clause> out;
    int i = 0;
    const int n = int(text.size());
    while (i < n) {
        while (i < n && text.at(i).isSpace()) ++i;
        if (i >= n) break;
        bool excluded = false;
        if (text.at(i) == QLatin1Char('-') && i + 1 < n && !text.at(i + 1).isSpace()) {
            excluded = true;
            ++i;
        }
        int start = i, end;
        if (text.at(i) == QLatin1Char('"')) {
            start = ++i;
            while (i < n && text.at(i) != QLatin1Char('"')) ++i;
            end = i;
            if (i < n) ++i;
        } else {
            while (i < n && !text.at(i).isSpace()) ++i;
            end = i;
        }
        Clause c;
        c.text = text.mid(start, end - start);
        c.units = tokenize(c.text);
        c.excluded = excluded;
        if (!c.units.isEmpty()) out.append(c);
    }
    return out;
}

ClausePlan planClause(const Clause& clause) {
    ClausePlan plan;
    const QVector<Token>& u = clause.units;
    for (int i = 0; i < u.size(); ++i) {
        if (!u[i].cjk) {
            plan.terms.append({termAt(u, i), false});
            if (u[i].text.size() > kMaxTermLength) plan.verify = true;
        } else if (i + 1 < u.size() && u[i + 1].cjk) {
            plan.terms.append({u[i].text + u[i + 1].text, false});
        } else if (i == 0 || !u[i - 1].cjk) {
            plan.terms.append({u[i].text, true});
        }
    }
    if (plan.terms.size() > 1) plan.verify = true;
    for (int i = 0; i + 1 < u.size(); ++i) {
        const QString pair = pairTerm(u[i], u[i + 1]);
        if (!pair.isEmpty()) plan.pairs.append({pair, false});
    }
    plan.pairsDecide = u.size() == 2 && plan.pairs.size() == 1;
    return plan;
}

QVector<int> occurrences(const QVector<Token>& page, const Clause& clause) {
    QVector<int> out;
    const QVector<Token>& u = clause.units;
    for (int i = 0; i + u.size() <= page.size(); ++i) {
        int k = 0;
        while (k < u.size() && page[i + k].text == u[k].text) ++k;
        if (k == u.size()) out.append(i);
    }
    return out;
}

namespace {

bool sameUnit(const QString& text, const UnitSpan& at, const Token& unit) {
    if (at.cjk != unit.cjk) return false;
    if (at.cjk) return QStringView(text).mid(at.start, at.length) == unit.text;
    if (!at.plain) return unitText(text, at) == unit.text;
    if (at.length != unit.text.size()) return false;
    const QChar* c = text.constData() + at.start;
    const QChar* u = unit.text.constData();
    for (int k = 0; k < at.length; ++k) {
        const char16_t a = c[k].unicode();
        if ((a >= u'A' && a <= u'Z' ? a + 32 : a) != u[k].unicode()) return false;
    }
    return true;
}

}  // namespace

bool holds(const QString& text, const QVector<UnitSpan>& units, const Clause& clause) {
    const QVector<Token>& u = clause.units;
    for (int i = 0; i + u.size() <= units.size(); ++i) {
        int k = 0;
        while (k < u.size() && sameUnit(text, units[i + k], u[k])) ++k;
        if (k == u.size()) return true;
    }
    return false;
}

}  // namespace fulltext
