#pragma once

#include <QString>

#include "exchange/PaperRecord.h"

namespace pdf {

// What the entry window's boxes get from one PDF reading. Further authors and
// keywords are joined by "；" as the entry window asks, up to its limits
// (four further authors, ten keywords).
struct EntryTexts {
    QString title, author, date, filename, dir;
    bool kwordsTicked = false;
    QString kwords;
    bool authorsTicked = false;
    QString authors;
    QString remark;  // the identifiers read (DOI, arXiv), for the remark box
};

EntryTexts entryTexts(const exchange::PaperRecord& record);

}  // namespace pdf
