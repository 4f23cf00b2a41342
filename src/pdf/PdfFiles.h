#pragma once

#include <QStringList>

namespace pdf {

// The PDF files among the chosen paths: files as they are, folders searched
// recursively for "*.pdf" (any letter case), in name order, each file once.
QStringList pdfFiles(const QStringList& paths);

}  // namespace pdf
