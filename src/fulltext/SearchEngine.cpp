#include "fulltext/SearchEngine.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <cmath>

#include "db/SqlText.h"
#include "fulltext/CommonGrams.h"
#include "fulltext/IndexTables.h"
#include "fulltext/Postings.h"
#include "fulltext/SearchQuery.h"
#include "fulltext/Snippet.h"

namespace fulltext {
namespace {

using PageKey = quint64;  // document << 20 | page
PageKey pageKey(quint64 doc, quint32 page) { return doc << 20 | page; }
quint64 docOf(PageKey k) { return k >> 20; }
quint32 pageOf(PageKey k) { return quint32(k & 0xFFFFF); }
using PageCounts = QHash<PageKey, quint32>;

constexpr double kK1 = 1.2;
constexpr double kB = 0.75;

QByteArray hexCell(const db::ResultSet& rows, qint64 r, int c) {
    const std::string_view hex = rows.bytes(r, c);
    return QByteArray::fromHex(QByteArray::fromRawData(hex.data(), qsizetype(hex.size())));
}

// The pages holding each lookup, with counts.
QVector<PageCounts> lookUp(db::Query& q, const QVector<TermLookup>& lookups) {
    QStringList exact;
    QString where;
    for (const TermLookup& l : lookups) {
        if (l.prefix)
            where += QStringLiteral(" or term like '") + db::likeQuote(l.term) + QStringLiteral("%'");
        else
            exact.append(l.term);
    }
    const QString sql = QStringLiteral("select term, hex(data) from fulltext_posting where term in (") +
                        (exact.isEmpty() ? QStringLiteral("''") : quotedList(exact)) + QLatin1Char(')') + where;
    QVector<PageCounts> out(lookups.size());
    q.openSql(sql);
    const auto rows = q.result();
    QVector<Posting> decoded;
    for (qint64 r = 0; rows && r < rows->rowCount(); ++r) {
        const QString term = rows->text(r, 0);
        decoded.clear();
        const QByteArray data = hexCell(*rows, r, 1);
        decodePostings(data.constData(), std::size_t(data.size()), decoded);
        for (int i = 0; i < lookups.size(); ++i) {
            const TermLookup& l = lookups[i];
            if (l.prefix ? !term.startsWith(l.term) : term != l.term) continue;
            for (const Posting& p : decoded) out[i][pageKey(p.doc, p.page)] += p.count;
        }
    }
    q.close();
    return out;
}

PageCounts intersect(const QVector<PageCounts>& lists, const QVector<int>& which) {
    if (which.isEmpty()) return {};
    int smallest = which.first();
    for (int i : which)
        if (lists[i].size() < lists[smallest].size()) smallest = i;
    PageCounts out;
    for (auto it = lists[smallest].cbegin(); it != lists[smallest].cend(); ++it) {
        bool everywhere = true;
        for (int i : which)
            if (i != smallest && !lists[i].contains(it.key())) {
                everywhere = false;
                break;
            }
        if (everywhere) out.insert(it.key(), it.value());
    }
    return out;
}

// In documents indexed with pair terms, a page holding a clause holds each of
// its pair terms: the other pages go. Where the pair decides the clause, its
// counts are the clause's and the paper's best page holds it (heldOn).
void narrowByPairs(PageCounts& pages, const PageCounts& paired, const QSet<quint64>& listed, bool decides,
                   QHash<quint64, quint32>& heldOn) {
    PageCounts kept;
    QHash<quint64, quint32> bestCount;
    for (auto it = pages.cbegin(); it != pages.cend(); ++it) {
        const quint64 d = docOf(it.key());
        if (!listed.contains(d)) {
            kept.insert(it.key(), it.value());
            continue;
        }
        const auto pair = paired.constFind(it.key());
        if (pair == paired.cend()) continue;
        if (!decides) {
            kept.insert(it.key(), it.value());
            continue;
        }
        kept.insert(it.key(), *pair);
        const quint32 page = pageOf(it.key());
        const auto best = heldOn.constFind(d);
        if (best == heldOn.cend() || *pair > bestCount.value(d) || (*pair == bestCount.value(d) && page < *best)) {
            heldOn.insert(d, page);
            bestCount.insert(d, *pair);
        }
    }
    pages = std::move(kept);
}

// A condition every page holding the clause meets, for the server to leave
// out most pages that do not (empty when there is none that is sure): the
// units in order, case ignored, with only characters that are no letter,
// mark or digit between them. Only for clauses of ASCII words and CJK
// characters, whose units the server's case folding finds as the index does.
QString holdingCondition(const Clause& clause) {
    static const QString between = QStringLiteral("[^\\p{L}\\p{M}\\p{N}]");
    QString re = QStringLiteral("(?i)");
    for (int i = 0; i < clause.units.size(); ++i) {
        const Token& u = clause.units[i];
        if (!u.cjk)
            for (QChar c : u.text)
                if (!c.isLetterOrNumber() || c.unicode() >= 0x80) return {};
        if (u.cjk && u.text.size() != 1 && u.text.size() != 2) return {};
        if (i) re += between + (u.cjk || clause.units[i - 1].cjk ? QLatin1Char('*') : QLatin1Char('+'));
        re += u.text;
    }
    return QStringLiteral(" and body regexp '") + db::sqlQuote(re) + QLatin1Char('\'');
}

// The text of the pages (of those meeting the condition), in statements of up to 500 papers.
QHash<PageKey, QString> pageTexts(db::Query& q, const QSet<PageKey>& keys, const QString& condition = {}) {
    QMap<quint64, QStringList> byDoc;
    for (PageKey k : keys) byDoc[docOf(k)].append(QString::number(pageOf(k)));
    QHash<PageKey, QString> out;
    QString where;
    int docs = 0;
    auto flush = [&] {
        if (where.isEmpty()) return;
        q.openSql(QStringLiteral("select doc_id, page, body from fulltext_page where (") + where + QLatin1Char(')') +
                  condition);
        for (; !q.eof(); q.next()) out.insert(pageKey(q.field(0).toULongLong(), q.field(1).toUInt()), q.field(2));
        q.close();
        where.clear();
        docs = 0;
    };
    for (auto it = byDoc.cbegin(); it != byDoc.cend(); ++it) {
        if (!where.isEmpty()) where += QStringLiteral(" or ");
        where += QStringLiteral("(doc_id=%1 and page in (%2))").arg(it.key()).arg(it.value().join(QLatin1Char(',')));
        if (++docs == 500) flush();
    }
    flush();
    return out;
}

}  // namespace

SearchOutcome search(db::Query& q, const QString& text, int shown) {
    SearchOutcome outcome;
    const QVector<Clause> clauses = parseQuery(text);
    QVector<int> positive, negative;
    for (int c = 0; c < clauses.size(); ++c) (clauses[c].excluded ? negative : positive).append(c);
    if (positive.isEmpty()) {
        outcome.problem = QStringLiteral("请输入要查找的词或句子");
        return outcome;
    }

    // every lookup of every clause, asked for in one statement
    QVector<ClausePlan> plans;
    QVector<TermLookup> lookups;
    QVector<QVector<int>> lookupOf(clauses.size()), pairLookupOf(clauses.size());
    auto lookupIndex = [&](const TermLookup& l) {
        for (int i = 0; i < lookups.size(); ++i)
            if (lookups[i].term == l.term && lookups[i].prefix == l.prefix) return i;
        lookups.append(l);
        return int(lookups.size()) - 1;
    };
    for (int c = 0; c < clauses.size(); ++c) {
        plans.append(planClause(clauses[c]));
        for (const TermLookup& l : plans[c].terms) lookupOf[c].append(lookupIndex(l));
        for (const TermLookup& l : plans[c].pairs) pairLookupOf[c].append(lookupIndex(l));
    }
    bool anyPairs = false;
    for (const ClausePlan& p : plans) anyPairs = anyPairs || !p.pairs.isEmpty();
    const int listedAt = anyPairs ? lookupIndex({kPairsListed, false}) : -1;
    const QVector<PageCounts> found = lookUp(q, lookups);
    QSet<quint64> listed;  // documents indexed with pair terms
    if (anyPairs)
        for (auto it = found[listedAt].cbegin(); it != found[listedAt].cend(); ++it) listed.insert(docOf(it.key()));
    QVector<PageCounts> pages(clauses.size());
    QVector<QHash<quint64, quint32>> heldOn(clauses.size());  // paper -> a page holding the part
    for (int c = 0; c < clauses.size(); ++c) {
        pages[c] = intersect(found, lookupOf[c]);
        if (!pairLookupOf[c].isEmpty()) narrowByPairs(pages[c], intersect(found, pairLookupOf[c]), listed,
                                                      plans[c].pairsDecide, heldOn[c]);
    }

    // papers that may hold every positive clause
    QSet<quint64> docs;
    for (int k = 0; k < positive.size(); ++k) {
        QSet<quint64> these;
        for (auto it = pages[positive[k]].cbegin(); it != pages[positive[k]].cend(); ++it) these.insert(docOf(it.key()));
        if (k == 0) docs = these;
        else docs.intersect(these);
    }
    // Parts the postings cannot decide are checked against the text of the
    // paper's candidate pages, best first (most hits of the part's rarest
    // term), and the first page holding the part settles it: one page a paper
    // is read in a first round, the rest of the papers still open in a second.
    QVector<QHash<quint64, QVector<PageKey>>> candidates(clauses.size());
    QVector<QSet<PageKey>> without(clauses.size());           // pages read that do not hold it
    for (int c = 0; c < clauses.size(); ++c) {
        if (!plans[c].verify) continue;
        for (auto it = pages[c].cbegin(); it != pages[c].cend(); ++it)
            if (docs.contains(docOf(it.key())) && !heldOn[c].contains(docOf(it.key())))
                candidates[c][docOf(it.key())].append(it.key());
        const PageCounts& counts = pages[c];
        for (QVector<PageKey>& list : candidates[c])
            std::sort(list.begin(), list.end(), [&](PageKey a, PageKey b) {
                const quint32 ca = counts.value(a), cb = counts.value(b);
                return ca != cb ? ca > cb : a < b;
            });
    }
    QHash<PageKey, QString> texts;
    QVector<UnitSpan> spans;
    QStringList conditions;
    for (int c = 0; c < clauses.size(); ++c) conditions.append(plans[c].verify ? holdingCondition(clauses[c]) : QString());
    for (int round = 0; round < 2; ++round) {
        auto open = [&](int c, quint64 d) { return docs.contains(d) && !heldOn[c].contains(d); };
        QList<quint64> out;
        for (int c = 0; c < clauses.size(); ++c) {
            // pages left out by the condition do not hold the clause
            QSet<PageKey> toRead;
            for (auto it = candidates[c].cbegin(); it != candidates[c].cend(); ++it)
                if (open(c, it.key()))
                    for (int j = round ? 1 : 0; j < (round ? it->size() : 1); ++j)
                        if (!texts.contains(it->at(j))) toRead.insert(it->at(j));
            texts.insert(pageTexts(q, toRead, conditions[c]));
            for (auto it = candidates[c].cbegin(); it != candidates[c].cend(); ++it) {
                const quint64 d = it.key();
                if (!open(c, d)) continue;
                for (int j = round ? 1 : 0; j < (round ? it->size() : 1); ++j) {
                    const auto text = texts.constFind(it->at(j));
                    if (text == texts.cend()) {  // left out, or gone since the postings were read
                        without[c].insert(it->at(j));
                        continue;
                    }
                    scanUnits(*text, spans);
                    if (holds(*text, spans, clauses[c])) {
                        heldOn[c].insert(d, pageOf(it->at(j)));
                        break;
                    }
                    without[c].insert(it->at(j));
                }
                const bool settled = round == 1 || it->size() == 1;
                if (clauses[c].excluded ? heldOn[c].contains(d) : settled && !heldOn[c].contains(d)) out.append(d);
            }
        }
        for (quint64 d : out) docs.remove(d);
    }

    // occurrences of each part in each paper: from the postings, less the
    // pages read that do not hold it (for a part checked against the text,
    // the hits of its rarest term on the other pages)
    QVector<QHash<quint64, quint32>> tf(clauses.size());
    QVector<QHash<quint64, std::pair<quint32, quint32>>> bestPage(clauses.size());
    for (int c = 0; c < clauses.size(); ++c)
        for (auto it = pages[c].cbegin(); it != pages[c].cend(); ++it) {
            const quint64 d = docOf(it.key());
            if (plans[c].verify && (!heldOn[c].contains(d) || without[c].contains(it.key()))) continue;
            tf[c][d] += it.value();
            auto& best = bestPage[c][d];
            if (it.value() > best.second || (it.value() == best.second && pageOf(it.key()) < best.first))
                best = {pageOf(it.key()), it.value()};
        }
    for (int c = 0; c < clauses.size(); ++c)
        for (auto it = heldOn[c].cbegin(); it != heldOn[c].cend(); ++it) bestPage[c][it.key()] = {it.value(), 0};
    QVector<quint64> kept;
    for (quint64 d : docs) {
        bool ok = true;
        for (int c : positive) ok = ok && tf[c].contains(d);
        for (int c : negative) ok = ok && !tf[c].contains(d);
        if (ok) kept.append(d);
    }
    if (kept.isEmpty()) return outcome;

    // lengths for BM25
    q.openSql(QStringLiteral("select count(*), coalesce(avg(tokens),1) from fulltext_doc"));
    const double n = q.field(0).toDouble();
    const double avgdl = std::max(1.0, q.field(1).toDouble());
    q.close();
    QHash<quint64, double> length;
    for (int i = 0; i < kept.size(); i += 5000) {
        QStringList ids;
        for (int j = i; j < std::min<int>(kept.size(), i + 5000); ++j) ids.append(QString::number(kept[j]));
        q.openSql(QStringLiteral("select doc_id, tokens from fulltext_doc where doc_id in (") + ids.join(QLatin1Char(',')) +
                  QLatin1Char(')'));
        for (; !q.eof(); q.next()) length.insert(q.field(0).toULongLong(), q.field(1).toDouble());
        q.close();
    }
    for (quint64 d : kept) {
        if (!length.contains(d)) continue;  // gone since the postings were read
        Match m;
        m.doc = d;
        const double dl = length.value(d);
        for (int c : positive) {
            const double df = double(tf[c].size());
            const double idf = std::log(1.0 + (n - df + 0.5) / (df + 0.5));
            const double f = tf[c].value(d);
            m.score += idf * f * (kK1 + 1) / (f + kK1 * (1 - kB + kB * dl / avgdl));
        }
        m.page = int(bestPage[positive.first()].value(d).first);
        outcome.matches.append(m);
    }
    std::sort(outcome.matches.begin(), outcome.matches.end(), [](const Match& a, const Match& b) {
        return a.score != b.score ? a.score > b.score : a.doc < b.doc;
    });

    // snippets of the papers shown
    QSet<PageKey> missing;
    const int count = std::min<int>(shown, outcome.matches.size());
    for (int i = 0; i < count; ++i) {
        const PageKey k = pageKey(outcome.matches[i].doc, quint32(outcome.matches[i].page));
        if (!texts.contains(k)) missing.insert(k);
    }
    texts.insert(pageTexts(q, missing));
    QVector<Clause> wanted;
    for (int c : positive) wanted.append(clauses[c]);
    for (int i = 0; i < count; ++i) {
        Match& m = outcome.matches[i];
        m.snippet = snippet(texts.value(pageKey(m.doc, quint32(m.page))), wanted);
    }
    return outcome;
}

}  // namespace fulltext
