#pragma once

#include "exchange/PaperRecord.h"
#include "pdf/LineClassifier.h"
#include "pdf/PdfFacts.h"

namespace pdf {

// The paper a PDF file holds, from what the reader process took from it:
// the first page's lines as the classifier marks them, assembled into
// fields, and the metadata where it is plausible and the page bears it out.
// File name and folder are where the file is. A page whose text cannot be
// read gives what the metadata has, and a warning that says why.
exchange::PaperRecord toRecord(const PdfFacts& facts, const LineClassifier& classifier);
// Sets the record's source, file name and folder from the file's path.
void placeRecord(exchange::PaperRecord& record, const QString& path);

}  // namespace pdf
