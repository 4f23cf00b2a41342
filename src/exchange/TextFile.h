#pragma once

#include <QByteArray>
#include <QString>

namespace exchange {

// How the bytes of a file are read: guessed, or as the user chose.
enum class Encoding { Auto, Utf8, Gbk, Utf16Le, Utf16Be, Big5, Latin1, ShiftJis };
inline constexpr int kEncodingCount = int(Encoding::ShiftJis) + 1;
// "自动识别", "UTF-8", "GBK/GB18030", "UTF-16LE", "UTF-16BE", "Big5",
// "Latin-1/CP1252", "Shift_JIS".
QString encodingName(Encoding encoding);

struct DecodedText {
    QString text;
    QString encoding;  // "UTF-8", "UTF-8 BOM", "UTF-16LE BOM", "GB18030", "BIG5", ...
    QString error;     // why the bytes are no text of that encoding, naming the line
    QString warning;   // the encoding was guessed without certainty (names it)
};

// Auto: a byte order mark says UTF-8 or UTF-16 (LE, BE); bytes that are
// valid UTF-8 are UTF-8; anything else is guessed by uchardet (GB18030,
// Big5, Shift_JIS, Latin-1 as CP1252 ...). A guess from few non-ASCII bytes,
// or none at all (then GB18030 is tried), comes with a warning that names
// the encoding. An empty file, a binary file (NUL bytes outside UTF-16) or
// bytes that are no text of the encoding give an error.
DecodedText decodeText(const QByteArray& bytes, Encoding choice = Encoding::Auto);

// The largest file the import reads.
inline constexpr qint64 kMaxFileBytes = 64ll * 1024 * 1024;

// Reads and decodes a file; a missing, unreadable or too large file is an
// error too.
DecodedText loadText(const QString& path, Encoding choice = Encoding::Auto);

// GBK bytes of a text (for tests and for saving in the encoding of the
// user's choice).
QByteArray toGbk(const QString& text);
// The bytes of a text in an encoding iconv knows ("BIG5", "SHIFT_JIS",
// "CP1252", ...); empty when a character has no place in it.
QByteArray encodeAs(const QString& text, const char* codec);

}  // namespace exchange
