#include "duplicates/GroupFinder.h"

#include <QHash>
#include <algorithm>
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

void GroupFinder::compare(int a, int b) {
    if (a == b) return;
    const int ra = find(a), rb = find(b);
    if (ra == rb) return;
    ++comparisons_;
    if (!mayBeSame(papers_[a], sketches_[a], papers_[b], sketches_[b])) return;
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

void GroupFinder::titleBlocks() {
    const int n = int(papers_.size());
    std::vector<int> order;
    order.reserve(n);
    for (int i = 0; i < n; ++i)
        if (!papers_[i].title.mainKey.isEmpty()) order.push_back(i);
    auto block = [&](int i) { return QStringView(papers_[i].title.mainKey).left(kBlockChars); };
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = block(a).compare(block(b));
        return c != 0 ? c < 0 : papers_[a].title.fullKey < papers_[b].title.fullKey;
    });
    size_t start = 0;
    while (start < order.size()) {
        size_t end = start + 1;
        while (end < order.size() && block(order[end]) == block(order[start])) ++end;
        const size_t size = end - start;
        for (size_t i = start; i < end; ++i) {
            if (!tick(qint64(i), qint64(order.size()), 0.0, 0.5)) return;
            // a large block is in title order: near neighbours are the likely pairs
            const size_t last = size <= size_t(kWholeBlock) ? end : std::min(end, i + 1 + kNeighbours);
            for (size_t j = i + 1; j < last; ++j) compare(order[i], order[j]);
        }
        start = end;
    }
}

void GroupFinder::authorBlocks() {
    struct Entry {
        const QString* name;
        int year;
        int index;
    };
    std::vector<Entry> entries;
    entries.reserve(papers_.size() + papers_.size() / 4);
    for (int i = 0; i < int(papers_.size()); ++i) {
        const NameKeys& k = papers_[i].author;
        if (!k.key.isEmpty()) entries.push_back({&k.key, papers_[i].year, i});
        if (!k.alt.isEmpty()) entries.push_back({&k.alt, papers_[i].year, i});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        const int c = a.name->compare(*b.name);
        return c != 0 ? c < 0 : a.year < b.year;
    });
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!tick(qint64(i), qint64(entries.size()), 0.5, 0.4)) return;
        // the same name, a year within one; papers without a year meet the first few only
        int looked = 0;
        for (size_t j = i + 1; j < entries.size() && *entries[j].name == *entries[i].name; ++j) {
            const bool noYear = entries[i].year == 0 || entries[j].year == 0;
            if (!noYear && entries[j].year - entries[i].year > thresholds::kYearSpread) break;
            if (++looked > 4 * kWholeBlock) break;
            compare(entries[i].index, entries[j].index);
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
            else compare(*it, i);
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
