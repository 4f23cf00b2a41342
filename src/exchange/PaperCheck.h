#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <optional>

#include "catalogue/InsertPaper.h"
#include "exchange/PaperRecord.h"

namespace exchange {

// What the preview says of an entry, from best to worst.
enum class Status { Ready, Attention, Similar, Repeated, Present, Unusable };
// "可导入", "需注意", "可能重复", "文件内重复", "已在库中", "不能导入".
QString statusText(Status status);

// Column lengths of the paper tables: a value longer than its column does not
// go into that column.
namespace limits {
inline constexpr int kTitle = 500;
inline constexpr int kAuthor = 100;
inline constexpr int kDate = 50;
inline constexpr int kFilename = 255;
inline constexpr int kDir = 500;
inline constexpr int kCatalog = 100;
inline constexpr int kRemark = 1000;
inline constexpr int kKword = 100;
inline constexpr int kAuthors = 5;   // first author and four further ones
inline constexpr int kKwords = 10;
}  // namespace limits

// How records become entries.
struct MappingOptions {
    QString defaultDir;  // folder for entries that name none
};

// A record turned into what the entry logic writes, with its status.
struct CheckedPaper {
    catalogue::entry::PaperEntry entry;
    QString key;
    Status status = Status::Ready;
    QStringList notes;  // why the entry is marked, one reason each
};

// A status of the caller's own (a PDF already catalogued under its file name,
// for example) with its reason.
struct Mark {
    Status status;
    QString reason;
};
using ExtraCheck = std::function<std::optional<Mark>(const PaperRecord&, const CheckedPaper&)>;

// Maps one record to the entry's values, as they stand (a value of blanks
// only is missing). Authors go in order, the first as first author (an empty
// first author is missing, the second does not move up) and up to four
// further ones joined by "；"; keywords (up to ten, a repeated one kept)
// likewise. What does not fit (a sixth author, an eleventh keyword, a
// value longer than its column) goes into the remark and marks the entry; a
// missing title, first author or publication time, or a record that could
// not be read, makes it unusable. A missing file name becomes the record's
// key (else its title) with ".pdf", a missing folder the default folder.
CheckedPaper mapRecord(const PaperRecord& record, const MappingOptions& options);

// Maps every record and sets the statuses of the whole list: an entry whose
// key is in `presentKeys` is already in the catalogue, a key seen earlier in
// the list is repeated, and the extra check may mark it further.
QVector<CheckedPaper> checkRecords(const QVector<PaperRecord>& records, const MappingOptions& options,
                                   const QSet<QString>& presentKeys, const ExtraCheck& extra = {});

// Splits a list typed by the user on "，" "," ";" "；".
QStringList splitList(const QString& text);

// Lengths as the columns count them: in characters (code points), so that a
// character outside the BMP (an emoji) counts one and is never cut in two.
qsizetype charCount(const QString& text);
QString leftChars(const QString& text, qsizetype count);

}  // namespace exchange
