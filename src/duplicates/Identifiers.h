#pragma once

#include <QString>

namespace duplicates {

// A paper's DOI and arXiv identifier, as a remark or a file records them:
// "doi:10.1000/xyz", "https://doi.org/10.1000/XYZ", "arXiv:1501.00001v2".
// Both are kept in small letters, the arXiv one without its version.
struct Identifiers {
    QString doi;
    QString arxiv;
    bool empty() const { return doi.isEmpty() && arxiv.isEmpty(); }
};
Identifiers identifiers(const QString& text);

}  // namespace duplicates
