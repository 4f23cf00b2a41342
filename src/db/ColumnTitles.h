#pragma once

#include <QString>

namespace db {

// A column title of a result as the grid shows it: translated when the
// interface is not in Chinese, else as the statement named it.
QString shownColumnTitle(const QString& title);

}  // namespace db
