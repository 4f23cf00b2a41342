#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// Reads and writes single keys of an INI file the way the classic profile
// functions do: section and key names match without regard to case, blanks
// around a value are dropped, one pair of enclosing quotes is dropped, values
// are cut at 2047 characters, and a missing file or key gives the default.
// The file is read as UTF-8 when it is valid UTF-8, else as GBK.
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
// Same, on the file's bytes; returns the new bytes. A value that the next
// read would not give back (a line break, more than 2047 characters, a
// character a GBK file cannot hold) throws DbError and nothing is written.
QByteArray writeTo(const QByteArray& bytes, const QString& section, const QString& key,
                   const QString& value);

// Text of the file's bytes: UTF-8 when valid, else GBK.
QString decode(const QByteArray& bytes, bool* isUtf8 = nullptr);

}  // namespace profile
}  // namespace shell
