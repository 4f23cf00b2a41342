#pragma once

#include <QString>

#include "pdf/PdfFacts.h"

namespace pdf {

// A DOI ("10.1234/abc.5") or an arXiv identifier ("2101.01234v2",
// "hep-th/9901001") found in a text, or an empty text.
QString doiIn(const QString& text);
QString arxivIn(const QString& text);

// The identifiers a file bears, on its first page (the margin stamp
// included) or in its metadata, as they go into the paper's remark:
// "DOI：10.1234/abc；arXiv：2101.01234". Empty when there is none.
QString identifierRemark(const PdfFacts& facts, const QString& pageText);

}  // namespace pdf
