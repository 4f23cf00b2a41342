#pragma once

#include <QString>

#include "duplicates/PaperFacts.h"

namespace duplicates {

// The thresholds of the matcher, chosen on the tuning half of the labelled
// set (bench/dupset): the least title similarity (Dice coefficient of the
// character pairs of the compact titles) at which two papers with the same
// first author and a year within one count as one paper.
namespace thresholds {
inline constexpr double kLatinTitle = 0.86;
inline constexpr double kHanTitle = 0.86;
// Titles shorter than this (compact characters) must agree exactly.
inline constexpr int kShortTitle = 8;
inline constexpr int kYearSpread = 1;
}  // namespace thresholds

enum class Verdict {
    Same,          // one paper
    Different,     // titles, authors or years too far apart
    Vetoed,        // close, but identifiers, part numbers or an erratum tell them apart
};

struct Match {
    Verdict verdict = Verdict::Different;
    double score = 0;  // title similarity, 1 for a shared identifier
    QString reason;    // why, for the user: "DOI 相同", "题目相似 0.93", "DOI 不同" ...
};

// Dice coefficient of the character pairs of two compact texts, 0 to 1.
double similarity(const QString& a, const QString& b);

// The title similarity of two papers: the better of the whole titles and the
// titles without subtitles and version marks.
double titleSimilarity(const PaperFacts& a, const PaperFacts& b);

Match match(const PaperFacts& a, const PaperFacts& b);

}  // namespace duplicates
