#include "duplicates/TitleSketch.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "duplicates/Matcher.h"

namespace duplicates {

namespace {

void slotsOf(const QString& s, std::array<quint64, 2>& bits, quint16& pairs) {
    const QChar* d = s.constData();
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        const quint32 pair = quint32(d[i].unicode()) << 16 | d[i + 1].unicode();
        const quint32 slot = (pair * 2654435761u) >> 25;  // 0 to 127
        bits[slot >> 6] |= quint64(1) << (slot & 63);
    }
    pairs = quint16(std::min<qsizetype>(std::max<qsizetype>(s.size() - 1, 0), 65535));
}

int missing(const std::array<quint64, 2>& a, const std::array<quint64, 2>& b) {
    return std::popcount(a[0] & ~b[0]) + std::popcount(a[1] & ~b[1]);
}

}  // namespace

TitleSketch titleSketch(const PaperFacts& f) {
    TitleSketch s;
    slotsOf(f.title.fullKey, s.full, s.fullPairs);
    slotsOf(f.title.mainKey, s.main, s.mainPairs);
    s.fullChars = quint16(std::min<qsizetype>(f.title.fullKey.size(), 65535));
    s.mainChars = quint16(std::min<qsizetype>(f.title.mainKey.size(), 65535));
    s.year = qint16(f.year);
    s.ids = !f.ids.empty();
    return s;
}

double diceBound(const std::array<quint64, 2>& a, int pairsA, const std::array<quint64, 2>& b, int pairsB) {
    if (pairsA + pairsB == 0) return 0;
    // every slot of one title that the other lacks is at least one pair the two do not share
    const int common = std::min(pairsA - missing(a, b), pairsB - missing(b, a));
    return 2.0 * double(std::max(common, 0)) / double(pairsA + pairsB);
}

bool mayBeSame(const PaperFacts& a, const TitleSketch& sa, const PaperFacts& b, const TitleSketch& sb) {
    // identifiers decide on their own; the matcher looks at those pairs itself
    if (sa.ids && sb.ids) return true;
    if (sa.year && sb.year && std::abs(sa.year - sb.year) > thresholds::kYearSpread) return false;
    // titles too short for pairs, or too long to count them here
    if (sa.mainChars < 2 || sb.mainChars < 2 || sa.fullPairs == 65535 || sb.fullPairs == 65535) return true;
    // the lower threshold of the two: a bound for either kind of title
    constexpr double least = std::min(thresholds::kHanTitle, thresholds::kLatinTitle);
    const double margin = least - 1e-9;
    if (diceBound(sa.full, sa.fullPairs, sb.full, sb.fullPairs) >= margin) return true;
    if (diceBound(sa.main, sa.mainPairs, sb.main, sb.mainPairs) >= margin) return true;
    // a main title that is the other's whole title
    return (sa.mainChars == sb.fullChars && a.title.mainKey == b.title.fullKey) ||
           (sa.fullChars == sb.mainChars && a.title.fullKey == b.title.mainKey);
}

}  // namespace duplicates
