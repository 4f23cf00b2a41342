#include "duplicates/GroupFinder.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <numeric>

#include "duplicates/Matcher.h"

namespace duplicates {

int GroupFinder::find(int i) {
    while (parent_[i] != i) {
        parent_[i] = parent_[parent_[i]];
        i = parent_[i];
    }
    return i;
}

void GroupFinder::compare(int a, int b, const TitleSketch& sa, const TitleSketch& sb) {
    if (a == b) return;
    ++comparisons_;
    if (!mayBeSame(papers_[a], sa, papers_[b], sb)) return;
    const int ra = find(a), rb = find(b);
    if (ra == rb) return;
    ++matched_;
    if (match(papers_[a], papers_[b]).verdict != Verdict::Same) return;
    if (distinct_ && distinct_(a, b)) return;
    parent_[std::max(ra, rb)] = std::min(ra, rb);
}

bool GroupFinder::tick(qint64 step, qint64 total, double from, double width) {
    if (cancelled_) return false;
    if (progress_ && (step & 4095) == 0 && !progress_(from + width * double(step) / double(std::max<qint64>(total, 1))))
        cancelled_ = true;
    return !cancelled_;
}

namespace {

// The first characters of a main title (its block) as three numbers, so that
// a million papers sort into blocks without reading their titles again.
struct BlockKey {
    std::array<quint64, 3> code{};
    int index = 0;
};
static_assert(kBlockChars <= 12);

BlockKey blockKey(const QString& mainKey, int index) {
    BlockKey k;
    k.index = index;
    const qsizetype n = std::min<qsizetype>(mainKey.size(), kBlockChars);
    for (qsizetype c = 0; c < n; ++c) k.code[c / 4] |= quint64(mainKey[c].unicode()) << (48 - 16 * (c % 4));
    return k;
}

}  // namespace

void GroupFinder::titleBlocks() {
    const int n = int(papers_.size());
    std::vector<BlockKey> keys;
    keys.reserve(n);
    for (int i = 0; i < n; ++i)
        if (!papers_[i].title.mainKey.isEmpty()) keys.push_back(blockKey(papers_[i].title.mainKey, i));
    std::sort(keys.begin(), keys.end(), [](const BlockKey& a, const BlockKey& b) {
        return a.code != b.code ? a.code < b.code : a.index < b.index;
    });
    std::vector<int> order(keys.size());
    for (size_t k = 0; k < keys.size(); ++k) order[k] = keys[k].index;
    std::vector<size_t> ends;  // where each block ends
    for (size_t start = 0; start < keys.size();) {
        size_t end = start + 1;
        while (end < keys.size() && keys[end].code == keys[start].code) ++end;
        // a large block in title order: near neighbours are the likely pairs
        if (end - start > size_t(kWholeBlock))
            std::sort(order.begin() + qsizetype(start), order.begin() + qsizetype(end),
                      [&](int a, int b) { return papers_[a].title.fullKey < papers_[b].title.fullKey; });
        ends.push_back(end);
        start = end;
    }
    // the sketches in block order: the pairs of a block are read one after the other
    std::vector<TitleSketch> sketch;
    sketch.reserve(order.size());
    for (int i : order) sketch.push_back(sketches_[i]);
    size_t start = 0;
    for (const size_t end : ends) {
        const size_t size = end - start;
        for (size_t i = start; i < end; ++i) {
            if (!tick(qint64(i), qint64(order.size()), 0.0, 0.5)) return;
            const size_t last = size <= size_t(kWholeBlock) ? end : std::min(end, i + 1 + kNeighbours);
            for (size_t j = i + 1; j < last; ++j) compare(order[i], order[j], sketch[i], sketch[j]);
        }
        start = end;
    }
}

void GroupFinder::authorBlocks() {
    struct Entry {
        int name;  // the same number for the same name
        int year;
        int index;
    };
    std::vector<Entry> entries;
    entries.reserve(papers_.size() + papers_.size() / 4);
    QHash<QString, int> names;
    for (int i = 0; i < int(papers_.size()); ++i) {
        const NameKeys& k = papers_[i].author;
        for (const QString* name : {&k.key, &k.alt}) {
            if (name->isEmpty()) continue;
            auto it = names.constFind(*name);
            if (it == names.constEnd()) it = names.insert(*name, int(names.size()));
            entries.push_back({*it, papers_[i].year, i});
        }
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.name != b.name ? a.name < b.name : a.year != b.year ? a.year < b.year : a.index < b.index;
    });
    // the sketches in name order, read one after the other
    std::vector<TitleSketch> sketch;
    sketch.reserve(entries.size());
    for (const Entry& e : entries) sketch.push_back(sketches_[e.index]);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!tick(qint64(i), qint64(entries.size()), 0.5, 0.4)) return;
        // the same name, a year within one; papers without a year meet the first few only
        int looked = 0;
        for (size_t j = i + 1; j < entries.size() && entries[j].name == entries[i].name; ++j) {
            const bool noYear = entries[i].year == 0 || entries[j].year == 0;
            if (!noYear && entries[j].year - entries[i].year > thresholds::kYearSpread) break;
            if (++looked > 4 * kWholeBlock) break;
            compare(entries[i].index, entries[j].index, sketch[i], sketch[j]);
        }
    }
}

void GroupFinder::identifierBlocks() {
    QHash<QString, int> first;
    for (int i = 0; i < int(papers_.size()); ++i) {
        if (!tick(i, papers_.size(), 0.9, 0.1)) return;
        for (const QString* id : {&papers_[i].ids.doi, &papers_[i].ids.arxiv}) {
            if (id->isEmpty()) continue;
            const QString tagged = (id == &papers_[i].ids.doi ? QStringLiteral("d:") : QStringLiteral("a:")) + *id;
            auto it = first.constFind(tagged);
            if (it == first.constEnd()) first.insert(tagged, i);
            else compare(*it, i, sketches_[*it], sketches_[i]);
        }
    }
}

QVector<QVector<int>> GroupFinder::run() {
    parent_.resize(papers_.size());
    std::iota(parent_.begin(), parent_.end(), 0);
    sketches_.resize(papers_.size());
    for (int i = 0; i < int(papers_.size()); ++i) sketches_[i] = titleSketch(papers_[i]);
    titleBlocks();
    authorBlocks();
    identifierBlocks();
    if (cancelled_) return {};
    if (progress_) progress_(1.0);

    QHash<int, int> groupOf;
    QVector<QVector<int>> groups;
    for (int i = 0; i < int(papers_.size()); ++i) {
        // a group is named by its smallest index, which a later member finds first
        const int root = find(i);
        if (root != i) {
            auto it = groupOf.find(root);
            if (it == groupOf.end()) {
                it = groupOf.insert(root, int(groups.size()));
                groups.push_back({root});
            }
            groups[*it].push_back(i);
        }
    }
    for (auto& g : groups) std::sort(g.begin(), g.end());
    std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return a.first() < b.first(); });
    return groups;
}

}  // namespace duplicates
