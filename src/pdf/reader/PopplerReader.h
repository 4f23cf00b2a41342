#pragma once

#include <string>

#include "pdf/PdfFacts.h"

namespace pdf::reader {

// Reads one file with Poppler: document information, XMP and the words of
// the first page (at most maxWords). Failures come back as facts.error.
PdfFacts readFile(const std::string& path, int maxWords = 4000);

}  // namespace pdf::reader
