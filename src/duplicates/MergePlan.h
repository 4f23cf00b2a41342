#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

#include "duplicates/StoredPaper.h"

namespace duplicates {

// The fields a merged paper takes from one paper of its group; authors and
// keywords are merged from all, remarks joined.
enum class Field { Title, Author, Date, Filename, Dir, Catalog, Count };
inline constexpr int kFieldCount = int(Field::Count);

// How many further authors and keywords a paper holds.
inline constexpr int kFurtherAuthors = 4;
inline constexpr int kKwords = 10;

// What the user chose for one group: the paper that stays and, for each
// field, the paper it takes that field from.
struct MergePlan {
    int keep = 0;
    std::array<int, kFieldCount> source{};  // all `keep` by default
    static MergePlan keeping(int keep);
};

// The two rules of a batch merge.
enum class KeepRule { Earliest, Fullest };
// "保留最早录入的": the earliest entry date (then the first key);
// "保留信息最全的": the most filled values (then the earliest).
int chooseKeep(const QVector<StoredPaper>& group, KeepRule rule);

// The values the kept paper ends with.
struct MergedPaper {
    QString title, author, date, filename, dir, catalog, remark;
    QStringList authors, kwords;
};
// Chosen fields from their sources; further authors and keywords of every
// paper, kept paper's first, without repeats (blanks, case and full-width
// forms do not make a name new; the first author is not repeated among the
// further ones); remarks joined with "；" without repeats. What does not fit
// (a fifth further author, an eleventh keyword, a remark past its column) is
// told in the remark as far as it goes.
MergedPaper mergedPaper(const QVector<StoredPaper>& group, const MergePlan& plan);

inline constexpr int kRemarkLength = 1000;

}  // namespace duplicates
