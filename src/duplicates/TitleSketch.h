#pragma once

#include <QtGlobal>
#include <array>

#include "duplicates/PaperFacts.h"

namespace duplicates {

// A few bytes that stand for the titles of a paper in a whole-catalogue
// scan: for the whole and for the main title, how many character pairs it has
// and which of 128 slots they fall in. Two papers whose sketches show that
// the matcher cannot call them one paper are left uncompared; the test is a
// bound, never a guess: a pair the matcher would join always passes it.
struct TitleSketch {
    std::array<quint64, 2> full{}, main{};
    quint16 fullPairs = 0, mainPairs = 0;
    quint16 fullChars = 0, mainChars = 0;
    // the year and whether an identifier is known, so that most pairs are
    // settled from the sketches alone
    qint16 year = 0;
    bool ids = false;
};

TitleSketch titleSketch(const PaperFacts& facts);

// The most the Dice coefficient of the character pairs of two titles can be,
// from their slots and counts alone.
double diceBound(const std::array<quint64, 2>& a, int pairsA, const std::array<quint64, 2>& b, int pairsB);

// False only when match(a, b) cannot be Verdict::Same.
bool mayBeSame(const PaperFacts& a, const TitleSketch& sa, const PaperFacts& b, const TitleSketch& sb);

}  // namespace duplicates
