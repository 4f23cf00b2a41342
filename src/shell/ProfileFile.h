#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// Reads and writes single keys of an INI file the way the classic profile
// functions do: section and key names match without regard to case, blanks
// around a value are dropped, one pair of enclosing quotes is dropped, values
// are cut at 2047 characters, and a missing file or key gives the default.
// The file is GBK unless it starts with a UTF-8 byte order mark or is valid
// UTF-8 with a sequence of three or four bytes (which GBK text, made of
// pairs, is not); a value with a byte that is no GBK is an error.
namespace profile {

inline constexpr int kMaxValueLength = 2047;

QString read(const QString& path, const QString& section, const QString& key,
             const QString& defaultValue);
// Same, from the file's bytes.
QString readFrom(const QByteArray& bytes, const QString& section, const QString& key,
                 const QString& defaultValue);

// Writes key=value into the section, creating file, section or key as needed
// and leaving every other line byte for byte. Throws DbError
// "Unable to write to <path>" when the file cannot be written; a write that
// fails half-way (a full disk) leaves the old file as it was.
void write(const QString& path, const QString& section, const QString& key, const QString& value);
// Same, on the file's bytes; returns the new bytes, in the file's code page
// (UTF-8 for a file of plain ASCII), with a byte order mark where the next
// read would otherwise take the file in the other one. A value that the next
// read would not give back (a line break, more than 2047 characters, a
// character a GBK file cannot hold) throws DbError and nothing is written.
QByteArray writeTo(const QByteArray& bytes, const QString& section, const QString& key,
                   const QString& value);

// Text of the file's bytes, by the rule above; a byte that is no character
// becomes U+FFFD and is counted in *badBytes.
QString decode(const QByteArray& bytes, bool* isUtf8 = nullptr, int* badBytes = nullptr);
// A value as the reader returns it: at most 2047 characters, never half of a
// character outside the BMP.
QString cut(const QString& value);

}  // namespace profile
}  // namespace shell
