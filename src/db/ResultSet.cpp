#include "db/ResultSet.h"

#include <cstring>
#include <stdexcept>

namespace db {

ResultSet::ResultSet(QStringList columnNames) : columns_(std::move(columnNames)) {}

char* ResultSet::newChunk(std::size_t size) {
    if (chunks_.size() >= (std::size_t(1) << (32 - kChunkBits)))
        throw std::runtime_error("result too large to hold in memory");
    // A cell larger than a chunk gets a chunk of its own.
    const std::size_t capacity = size > kChunkSize ? size : kChunkSize;
    chunks_.push_back(Chunk{std::make_unique_for_overwrite<char[]>(capacity), size, capacity});
    starts_.push_back(std::uint32_t((chunks_.size() - 1) << kChunkBits));
    return chunks_.back().data.get();
}

char* ResultSet::reserve(std::size_t size) {
    if (chunks_.empty()) return newChunk(size);
    Chunk& chunk = chunks_.back();
    // Offsets stay below kChunkSize, so a start fits its bits.
    if (chunk.capacity != kChunkSize || chunk.size + size >= kChunkSize) return newChunk(size);
    const std::size_t offset = chunk.size;
    starts_.push_back(std::uint32_t((chunks_.size() - 1) << kChunkBits | offset));
    chunk.size = offset + size;
    return chunk.data.get() + offset;
}

void ResultSet::reserveRows(qint64 rows) {
    if (rows <= 0 || columns_.isEmpty()) return;
    starts_.reserve(std::size_t(rows) * columns_.size());
    nulls_.reserve(std::size_t(rows) * columns_.size());
}

void ResultSet::appendCell(const char* data, std::size_t size) {
    char* dest = reserve(size);
    if (size) std::memcpy(dest, data, size);
    nulls_.push_back(false);
}

void ResultSet::appendNull() {
    reserve(0);
    nulls_.push_back(true);
}

std::string_view ResultSet::bytes(qint64 row, int column) const {
    std::size_t i = index(row, column);
    std::uint32_t start = starts_[i];
    std::size_t chunk = start >> kChunkBits;
    std::size_t offset = start & (kChunkSize - 1);
    std::size_t end = chunks_[chunk].size;
    if (i + 1 < starts_.size() && (starts_[i + 1] >> kChunkBits) == chunk)
        end = starts_[i + 1] & (kChunkSize - 1);
    return std::string_view(chunks_[chunk].data.get() + offset, end - offset);
}

QString ResultSet::text(qint64 row, int column) const {
    std::string_view b = bytes(row, column);
    QString s = QString::fromUtf8(b.data(), qsizetype(b.size()));
    // fromUtf8 drops a leading U+FEFF as a byte order mark; in a value it is
    // a character like any other.
    if (b.substr(0, 3) == std::string_view("\xEF\xBB\xBF")) s.prepend(QChar(0xFEFF));
    return s;
}

std::size_t ResultSet::bytesReserved() const {
    std::size_t total = starts_.capacity() * sizeof(std::uint32_t) + nulls_.capacity() / 8;
    for (const Chunk& c : chunks_) total += c.capacity;
    return total;
}

void ResultSet::squeeze() {
    if (!chunks_.empty()) {
        Chunk& last = chunks_.back();
        if (last.size < last.capacity) {
            auto data = std::make_unique_for_overwrite<char[]>(last.size ? last.size : 1);
            if (last.size) std::memcpy(data.get(), last.data.get(), last.size);
            last.data = std::move(data);
            // A full-sized chunk no longer: nothing more is appended to it.
            last.capacity = last.size;
        }
    }
    starts_.shrink_to_fit();
    nulls_.shrink_to_fit();
}

}  // namespace db
