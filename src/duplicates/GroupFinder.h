#pragma once

#include <QSet>
#include <QString>
#include <QVector>
#include <functional>

#include "duplicates/PaperFacts.h"
#include "duplicates/TitleSketch.h"

namespace duplicates {

// Finds the groups of likely duplicates in a whole catalogue without
// comparing every pair: papers are compared only inside blocks, those whose
// main titles start alike, those with the same first author (a year within
// one apart) and those sharing an identifier. Pairs the matcher calls one
// paper are joined into groups.
class GroupFinder {
public:
    // How much of one block is compared pair by pair; past it, papers are
    // compared with their neighbours in title order only.
    static constexpr int kWholeBlock = 300;
    static constexpr int kNeighbours = 40;

    // Called now and then with the share done (0 to 1); false stops the search.
    using Progress = std::function<bool(double done)>;
    // True when the pair (by index) was marked "不是重复".
    using Distinct = std::function<bool(int a, int b)>;

    explicit GroupFinder(const QVector<PaperFacts>& papers) : papers_(papers) {}

    void setDistinct(Distinct distinct) { distinct_ = std::move(distinct); }
    void setProgress(Progress progress) { progress_ = std::move(progress); }

    // The groups (indexes into the papers, in order), each of two papers or
    // more; empty when stopped.
    QVector<QVector<int>> run();
    bool cancelled() const { return cancelled_; }
    // Pairs looked at inside blocks, and those of them whose sketches let
    // the matcher see them.
    qint64 comparisons() const { return comparisons_; }
    qint64 matched() const { return matched_; }

private:
    void compare(int a, int b, const TitleSketch& sa, const TitleSketch& sb);
    bool tick(qint64 step, qint64 total, double from, double width);
    void titleBlocks();
    void authorBlocks();
    void identifierBlocks();
    int find(int i);

    const QVector<PaperFacts>& papers_;
    Distinct distinct_;
    Progress progress_;
    std::vector<int> parent_;
    std::vector<TitleSketch> sketches_;
    qint64 comparisons_ = 0;
    qint64 matched_ = 0;
    bool cancelled_ = false;
};

}  // namespace duplicates
