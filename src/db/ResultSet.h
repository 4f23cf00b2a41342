#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace db {

// A fetched result held compactly: the UTF-8 bytes of every cell in large
// chunks, one 32-bit position per cell and one bit per cell for NULL. The grid
// makes a QString only for the cells it paints.
class ResultSet {
public:
    explicit ResultSet(QStringList columnNames = {});

    int columnCount() const { return static_cast<int>(columns_.size()); }
    qint64 rowCount() const { return columnCount() ? qint64(starts_.size()) / columnCount() : 0; }
    const QStringList& columnNames() const { return columns_; }

    // Makes room for a known number of rows.
    void reserveRows(qint64 rows);
    // Appends the next cell, row by row, left to right.
    void appendCell(const char* data, std::size_t size);
    void appendNull();

    bool isNull(qint64 row, int column) const { return nulls_[index(row, column)]; }
    std::string_view bytes(qint64 row, int column) const;
    QString text(qint64 row, int column) const;

    // Bytes held, for memory accounting.
    std::size_t bytesReserved() const;
    // Gives back the unused tail of the last chunk.
    void squeeze();

private:
    static constexpr unsigned kChunkBits = 22;  // 4 MiB chunks
    static constexpr std::size_t kChunkSize = std::size_t(1) << kChunkBits;
    // Chunk memory is left uninitialised: each byte is written once, by the
    // copy of its cell.
    struct Chunk {
        std::unique_ptr<char[]> data;
        std::size_t size = 0;
        std::size_t capacity = 0;
    };
    std::size_t index(qint64 row, int column) const { return std::size_t(row) * columns_.size() + column; }
    char* reserve(std::size_t size);
    char* newChunk(std::size_t size);

    QStringList columns_;
    std::vector<Chunk> chunks_;
    std::vector<std::uint32_t> starts_;  // chunk << kChunkBits | offset
    std::vector<bool> nulls_;
};

}  // namespace db
