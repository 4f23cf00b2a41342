#include "shell/ProfileFile.h"

#include <iconv.h>

#include <algorithm>
#include <cstring>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include "db/DbError.h"

namespace shell::profile {

namespace {

// Converts with iconv; a byte that is no character of `from` becomes U+FFFD
// (in UTF-8) and is counted in *bad.
QByteArray convert(const char* to, const char* from, const QByteArray& in, int* bad = nullptr) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return {};
    QByteArray out(in.size() * 4 + 16, '\0');
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = size_t(in.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
            if ((errno == EILSEQ || errno == EINVAL) && outLeft >= 3) {
                // An invalid byte: marked, counted, and passed.
                std::memcpy(outPtr, "\xEF\xBF\xBD", 3);
                outPtr += 3;
                outLeft -= 3;
                if (bad) ++*bad;
                ++inPtr;
                --inLeft;
                continue;
            }
            break;
        }
    }
    iconv_close(cd);
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QString trimmedBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && (isBlank(s[b]) || s[b] == QLatin1Char('\r') || s[b] == QLatin1Char('\n'))) ++b;
    while (e > b && (isBlank(s[e - 1]) || s[e - 1] == QLatin1Char('\r') || s[e - 1] == QLatin1Char('\n'))) --e;
    return s.mid(b, e - b);
}

// The section name of a "[name]" line, or a null string.
QString sectionName(const QString& line) {
    QString t = trimmedBlanks(line);
    if (!t.startsWith(QLatin1Char('['))) return {};
    qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0) return {};
    return trimmedBlanks(t.mid(1, close - 1));
}

// The key name of a "key=value" line (null when the line has none) and its value.
QString keyName(const QString& line, QString* value = nullptr) {
    QString t = trimmedBlanks(line);
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('['))) return {};
    qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0) return {};
    if (value) *value = t.mid(eq + 1);
    return trimmedBlanks(t.left(eq));
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Raw lines of a file, each with its own line ending.
QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype nl = bytes.indexOf('\n', start);
        qsizetype end = nl < 0 ? bytes.size() : nl + 1;
        lines.append(bytes.mid(start, end - start));
        start = end;
    }
    return lines;
}

}  // namespace

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";

// True when the bytes are valid UTF-8 holding a sequence of three or four
// bytes. GBK text is made of pairs, and a pair of a lead byte C2-DF and a
// trail byte 80-BF is also a two-byte UTF-8 sequence ("迅" is D1 B8 in GBK and
// "Ѹ" in UTF-8): such a file alone says nothing, and the settings file is GBK
// unless it says otherwise. Chinese text in UTF-8 is three bytes a character.
bool looksUtf8(const QByteArray& bytes) {
    bool longSequence = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar b = uchar(bytes[i]);
        const int length = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3
                                        : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (int k = 1; k < length; ++k)
            if ((uchar(bytes[i + k]) & 0xC0) != 0x80) return false;
        if (length >= 3) longSequence = true;
        i += length;
    }
    if (!longSequence) return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

QString decodeAs(const QByteArray& bytes, bool utf8, int* bad = nullptr) {
    return utf8 ? QString::fromUtf8(bytes) : QString::fromUtf8(convert("UTF-8", "GBK", bytes, bad));
}

}  // namespace

QString decode(const QByteArray& bytes, bool* isUtf8, int* badBytes) {
    const bool bom = bytes.startsWith(kBom);
    const QByteArray body = bom ? bytes.mid(3) : bytes;
    const bool utf8 = bom || looksUtf8(body);
    if (isUtf8) *isUtf8 = utf8;
    int bad = 0;
    QString text = decodeAs(body, utf8, &bad);
    if (badBytes) *badBytes = bad;
    return text;
}

QString cut(const QString& value) {
    QString out = value.left(kMaxValueLength);
    // never half of a character outside the BMP
    if (!out.isEmpty() && out.back().isHighSurrogate() && value.size() > out.size()) out.chop(1);
    return out;
}

QString readFrom(const QByteArray& bytes, const QString& section, const QString& key,
                 const QString& defaultValue) {
    int bad = 0;
    QString text = decode(bytes, nullptr, &bad);
    bool inSection = false;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString name = sectionName(line);
        if (!name.isNull()) {
            if (inSection) break;  // only the first matching section is read
            inSection = sameName(name, section);
            continue;
        }
        if (!inSection) continue;
        QString value;
        QString k = keyName(line, &value);
        if (k.isNull() || !sameName(k, key)) continue;
        value = trimmedBlanks(value);
        if (value.size() >= 2) {
            QChar q = value.front();
            if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && value.back() == q)
                value = value.mid(1, value.size() - 2);
        }
        // A byte that is no GBK is not passed over as if it were not there.
        if (bad > 0 && value.contains(QChar::ReplacementCharacter))
            throw db::DbError(QStringLiteral("设置文件中“%1”的值含有不是GBK编码的字节").arg(key));
        return cut(value);
    }
    return cut(defaultValue);
}

QString read(const QString& path, const QString& section, const QString& key,
             const QString& defaultValue) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return cut(defaultValue);
    return readFrom(file.readAll(), section, key, defaultValue);
}

QByteArray writeTo(const QByteArray& bytes, const QString& section, const QString& key,
                   const QString& value) {
    bool isUtf8 = true;
    decode(bytes, &isUtf8);
    const qsizetype bom = bytes.startsWith(kBom) ? 3 : 0;
    // A file of plain ASCII (or none) is written as UTF-8, as a file made on
    // this system is.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; })) isUtf8 = true;
    auto encode = [isUtf8](const QString& s) {
        return isUtf8 ? s.toUtf8() : convert("GBK", "UTF-8", s.toUtf8());
    };
    // A value the next read would not give back is refused, not written: a
    // line break (it would start a line of its own, even another key), more
    // than the reader takes, a character the file's code page lacks.
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        throw db::DbError(QStringLiteral("“%1”的值中不能有换行").arg(key));
    if (value.size() > kMaxValueLength)
        throw db::DbError(QStringLiteral("“%1”的值过长（最多%2个字符）").arg(key).arg(kMaxValueLength));
    if (!isUtf8) {
        const QString back = QString::fromUtf8(convert("UTF-8", "GBK", encode(value)));
        if (back != value) {
            QString lost;
            for (qsizetype i = 0; i < value.size(); ++i)
                if (i >= back.size() || back[i] != value[i]) {
                    lost = value.mid(i, value[i].isHighSurrogate() ? 2 : 1);
                    break;
                }
            throw db::DbError(QStringLiteral("设置文件是GBK编码，写不下“%1”的值中的字符“%2”").arg(key, lost));
        }
    }
    // The next read must take the file in the code page it was written in:
    // a UTF-8 file whose only long sequences sat in the replaced line, or a
    // GBK file whose new bytes look like UTF-8, would be taken in the other
    // one. Such a file is written as UTF-8 with a byte order mark.
    auto finish = [isUtf8, bom](const QByteArray& out) {
        const QByteArray body = out.mid(bom);
        if (decode(out) == decodeAs(body, isUtf8)) return out;
        return QByteArray(kBom) + (isUtf8 ? body : convert("UTF-8", "GBK", body));
    };
    QList<QByteArray> lines = splitLines(bytes);
    QByteArray eol = bytes.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QByteArray newLine = encode(key + QLatin1Char('=') + value) + eol;

    qsizetype sectionLine = -1;  // index of the matching section header
    qsizetype lastInSection = -1;  // last non-blank line of that section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = decodeAs(i == 0 ? lines[i].mid(bom) : lines[i], isUtf8);
        QString name = sectionName(line);
        if (!name.isNull()) {
            if (sectionLine >= 0) break;
            if (sameName(name, section)) {
                sectionLine = i;
                lastInSection = i;
            }
            continue;
        }
        if (sectionLine < 0) continue;
        if (!trimmedBlanks(line).isEmpty()) lastInSection = i;
        QString k = keyName(line);
        if (!k.isNull() && sameName(k, key)) {
            lines[i] = newLine;
            return finish(lines.join());
        }
    }
    auto endsLine = [](const QByteArray& l) { return l.endsWith('\n'); };
    if (sectionLine < 0) {
        QByteArray out = bytes;
        if (!out.isEmpty() && !out.endsWith('\n')) out += eol;
        out += encode(QLatin1Char('[') + section + QLatin1Char(']')) + eol + newLine;
        return finish(out);
    }
    if (!endsLine(lines[lastInSection])) lines[lastInSection] += eol;
    lines.insert(lastInSection + 1, newLine);
    return finish(lines.join());
}

void write(const QString& path, const QString& section, const QString& key, const QString& value) {
    QByteArray bytes;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw db::DbError(QStringLiteral("Unable to write to %1").arg(path));
        bytes = file.readAll();
        file.close();
    }
    QByteArray out = writeTo(bytes, section, key, value);
    // Written beside the file and put in its place in one step, so that a
    // write that fails half-way (a full disk) leaves the old file whole.
    if (file.exists() && !QFileInfo(path).isWritable())
        throw db::DbError(QStringLiteral("Unable to write to %1").arg(path));
    // No writing in place where the folder takes no new file: a write that
    // failed half-way there would leave a cut file.
    QSaveFile save(path);
    // Unbuffered: a failed write shows at write() (a buffered one failed
    // unseen at commit and the cut file took the old one's place).
    if (!save.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || save.write(out) != out.size() || !save.commit())
        throw db::DbError(QStringLiteral("Unable to write to %1").arg(path));
}

}  // namespace shell::profile
