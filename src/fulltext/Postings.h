#pragma once

#include <QByteArray>
#include <QVector>
#include <cstdint>

namespace fulltext {

// One page of one indexed document holding a term, and how often.
struct Posting {
    std::uint64_t doc = 0;
    std::uint32_t page = 0;  // from 1
    std::uint32_t count = 0;
};

// The postings of one term in one segment, packed: for each document (in
// ascending order) the distance from the previous document's number and its
// number of pages, then for each page the distance from the previous page and
// the count, all as variable-length integers (7 bits a byte).
QByteArray encodePostings(const QVector<Posting>& sorted);
// Appends the postings packed in data; false when the data is damaged (what
// was read before the damage is kept).
bool decodePostings(const char* data, std::size_t size, QVector<Posting>& out);

// The packed postings without those of one document.
QByteArray withoutDocument(const QByteArray& packed, std::uint64_t doc);

}  // namespace fulltext
