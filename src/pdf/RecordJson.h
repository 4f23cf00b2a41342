#pragma once

#include <QByteArray>

#include "exchange/PaperRecord.h"

namespace pdf {

// The reader process's answer for one file: the paper it read, as one JSON
// line. File name and folder are not sent; the caller knows the path.
QByteArray recordToJsonLine(const exchange::PaperRecord& record);
// A line that is not an answer gives a record with an error.
exchange::PaperRecord recordFromJsonLine(const QByteArray& line);

}  // namespace pdf
