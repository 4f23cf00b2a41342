#pragma once

#include <Qt>
#include <vector>

namespace db {
class ResultSet;
}

namespace grid {

// The order of the rows of a result sorted by one column, as row numbers of
// the result. Stable: rows that compare equal keep the server's order, in
// both directions. A column whose values all read as numbers (NULLs and empty
// texts aside) compares as numbers, any other as text in the Chinese
// collation (pinyin; Latin letters without regard to case). NULLs come first
// in ascending order and last in descending order, empty texts next to them.
std::vector<int> sortedRows(const db::ResultSet& result, int column, Qt::SortOrder order);

}  // namespace grid
