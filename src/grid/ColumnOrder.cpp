#include "grid/ColumnOrder.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string_view>

#include "db/ResultSet.h"

namespace grid {

namespace {

bool readNumber(std::string_view text, double* value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
    // "nan" and "inf" are words here, not numbers.
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(*value);
}

// The rank of a cell before its value: NULL, then empty, then a value.
enum Rank : char { Null = 0, Empty = 1, Value = 2 };

template <class Less>
std::vector<int> order(int rows, const std::vector<Rank>& rank, Less valueLess, Qt::SortOrder direction) {
    std::vector<int> out(std::size_t(rows), 0);
    std::iota(out.begin(), out.end(), 0);
    auto less = [&](int a, int b) {
        if (rank[a] != rank[b]) return rank[a] < rank[b];
        return rank[a] == Value && valueLess(a, b);
    };
    if (direction == Qt::AscendingOrder)
        std::stable_sort(out.begin(), out.end(), less);
    else
        std::stable_sort(out.begin(), out.end(), [&](int a, int b) { return less(b, a); });
    return out;
}

}  // namespace

std::vector<int> sortedRows(const db::ResultSet& result, int column, Qt::SortOrder direction) {
    const int rows = int(result.rowCount());
    std::vector<Rank> rank(std::size_t(rows), Value);
    std::vector<double> numbers(std::size_t(rows), 0.0);
    bool numeric = true;
    for (int r = 0; r < rows; ++r) {
        if (result.isNull(r, column)) {
            rank[r] = Null;
        } else if (result.bytes(r, column).empty()) {
            rank[r] = Empty;
        } else if (numeric && !readNumber(result.bytes(r, column), &numbers[r])) {
            numeric = false;
        }
    }
    if (numeric)
        return order(rows, rank, [&](int a, int b) { return numbers[a] < numbers[b]; }, direction);
    numbers = {};

    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(std::size_t(rows));
    for (int r = 0; r < rows; ++r) keys.push_back(collator.sortKey(rank[r] == Value ? result.text(r, column) : QString()));
    return order(rows, rank, [&](int a, int b) { return keys[a].compare(keys[b]) < 0; }, direction);
}

}  // namespace grid
