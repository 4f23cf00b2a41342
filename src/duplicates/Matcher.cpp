#include "duplicates/Matcher.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace duplicates {

namespace {

void pairsOf(const QString& s, std::vector<uint32_t>& out) {
    out.clear();
    const QChar* d = s.constData();
    for (qsizetype i = 0; i + 1 < s.size(); ++i) out.push_back(uint32_t(d[i].unicode()) << 16 | d[i + 1].unicode());
    std::sort(out.begin(), out.end());
}

bool lengthsAllow(qsizetype a, qsizetype b, double least) {
    // Dice can reach `least` only when the shorter text is long enough
    const double lo = double(std::min(a, b)), hi = double(std::max(a, b));
    return hi == 0 || 2 * lo / (lo + hi) >= least - 1e-9;
}

}  // namespace

double similarity(const QString& a, const QString& b) {
    if (a == b) return a.isEmpty() ? 0 : 1;
    if (a.size() < 2 || b.size() < 2) return 0;
    thread_local std::vector<uint32_t> pa, pb;
    pairsOf(a, pa);
    pairsOf(b, pb);
    size_t i = 0, j = 0, common = 0;
    while (i < pa.size() && j < pb.size()) {
        if (pa[i] < pb[j]) ++i;
        else if (pb[j] < pa[i]) ++j;
        else {
            ++common;
            ++i;
            ++j;
        }
    }
    return 2.0 * double(common) / double(pa.size() + pb.size());
}

double titleSimilarity(const PaperFacts& a, const PaperFacts& b) {
    const QString &fa = a.title.fullKey, &fb = b.title.fullKey;
    const QString &ma = a.title.mainKey, &mb = b.title.mainKey;
    // two subtitles must agree too: "TeX in practice: basics" is not "TeX in practice: macros"
    if (a.title.subtitle && b.title.subtitle) return fa == fb ? 1 : similarity(fa, fb);
    if (ma == mb || fa == fb || ma == fb || fa == mb) return fa.isEmpty() && ma.isEmpty() ? 0 : 1;
    return std::max(similarity(fa, fb), similarity(ma, mb));
}

Match match(const PaperFacts& a, const PaperFacts& b) {
    Match m;
    if (!a.ids.doi.isEmpty() && a.ids.doi == b.ids.doi) return {Verdict::Same, 1, QStringLiteral("DOI 相同")};
    if (!a.ids.arxiv.isEmpty() && a.ids.arxiv == b.ids.arxiv)
        return {Verdict::Same, 1, QStringLiteral("arXiv 编号相同")};
    if (!a.ids.doi.isEmpty() && !b.ids.doi.isEmpty()) return {Verdict::Vetoed, 0, QStringLiteral("DOI 不同")};
    if (!a.ids.arxiv.isEmpty() && !b.ids.arxiv.isEmpty())
        return {Verdict::Vetoed, 0, QStringLiteral("arXiv 编号不同")};

    if (a.year && b.year && std::abs(a.year - b.year) > thresholds::kYearSpread)
        return {Verdict::Different, 0, QStringLiteral("年份相差太多")};
    if (!sameAuthor(a.author, b.author)) return {Verdict::Different, 0, QStringLiteral("一作不同")};

    const double least = a.han || b.han ? thresholds::kHanTitle : thresholds::kLatinTitle;
    const QString &ma = a.title.mainKey, &mb = b.title.mainKey;
    const QString &fa = a.title.fullKey, &fb = b.title.fullKey;
    if (!lengthsAllow(fa.size(), fb.size(), least) && !lengthsAllow(ma.size(), mb.size(), least) &&
        !lengthsAllow(ma.size(), fb.size(), 1) && !lengthsAllow(fa.size(), mb.size(), 1))
        return {Verdict::Different, 0, QStringLiteral("题目不同")};

    const double score = titleSimilarity(a, b);
    if (score < least) return {Verdict::Different, score, QStringLiteral("题目不同")};
    if (std::min(ma.size(), mb.size()) < thresholds::kShortTitle && score < 1)
        return {Verdict::Different, score, QStringLiteral("题目太短")};

    if (a.title.marker != b.title.marker)
        return {Verdict::Vetoed, score, QStringLiteral("一篇是勘误、评论或答复")};
    if (a.title.numbers != b.title.numbers &&
        (a.title.mainNumbers != b.title.mainNumbers || (a.title.subtitle && b.title.subtitle)))
        return {Verdict::Vetoed, score, QStringLiteral("卷、章或部分编号不同")};

    m.verdict = Verdict::Same;
    m.score = score;
    m.reason = score >= 1 ? QStringLiteral("题目相同") : QStringLiteral("题目相似 %1").arg(score, 0, 'f', 2);
    return m;
}

}  // namespace duplicates
