#pragma once

#include <QByteArray>
#include <QString>

namespace exchange {

// How the bytes of a file are read: guessed, or as the user chose.
enum class Encoding { Auto, Utf8, Gbk };

struct DecodedText {
    QString text;
    QString encoding;  // "UTF-8", "UTF-8 BOM" or "GBK"
    QString error;     // why the bytes are no text of that encoding, naming the line
};

// UTF-8 with or without BOM when the bytes are valid UTF-8, else GBK (files
// from Chinese Windows) when they are valid GBK; an empty file, a binary file
// (NUL bytes) or bytes of neither encoding give an error.
DecodedText decodeText(const QByteArray& bytes, Encoding choice = Encoding::Auto);

// The largest file the import reads.
inline constexpr qint64 kMaxFileBytes = 64ll * 1024 * 1024;

// Reads and decodes a file; a missing, unreadable or too large file is an
// error too.
DecodedText loadText(const QString& path, Encoding choice = Encoding::Auto);

// GBK bytes of a text (for tests and for saving in the encoding of the
// user's choice).
QByteArray toGbk(const QString& text);

}  // namespace exchange
