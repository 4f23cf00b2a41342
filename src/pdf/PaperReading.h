#pragma once

#include "exchange/PaperRecord.h"
#include "pdf/PdfFacts.h"

namespace pdf {

// The paper a PDF file holds, from what the reader process took from it:
// metadata where it is plausible and agrees with the page, else the first
// page's layout. File name and folder are where the file is.
exchange::PaperRecord toRecord(const PdfFacts& facts);

}  // namespace pdf
