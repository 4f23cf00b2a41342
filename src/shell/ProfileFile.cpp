#include "shell/ProfileFile.h"

#include <iconv.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include "db/DbError.h"

namespace shell::profile {

namespace {

QByteArray convert(const char* to, const char* from, const QByteArray& in) {
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return {};
    QByteArray out(in.size() * 4 + 16, '\0');
    char* inPtr = const_cast<char*>(in.constData());
    size_t inLeft = size_t(in.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
            if (errno == EILSEQ || errno == EINVAL) {
                // An invalid byte: keep going past it.
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

QString decode(const QByteArray& bytes, bool* isUtf8) {
    QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        if (isUtf8) *isUtf8 = true;
        return text;
    }
    if (isUtf8) *isUtf8 = false;
    return QString::fromUtf8(convert("UTF-8", "GBK", body));
}

QString readFrom(const QByteArray& bytes, const QString& section, const QString& key,
                 const QString& defaultValue) {
    QString text = decode(bytes);
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
        return value.left(kMaxValueLength);
    }
    return defaultValue.left(kMaxValueLength);
}

QString read(const QString& path, const QString& section, const QString& key,
             const QString& defaultValue) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return defaultValue.left(kMaxValueLength);
    return readFrom(file.readAll(), section, key, defaultValue);
}

QByteArray writeTo(const QByteArray& bytes, const QString& section, const QString& key,
                   const QString& value) {
    bool isUtf8 = true;
    decode(bytes, &isUtf8);
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
    // A GBK file whose only bytes that are no UTF-8 sat in the replaced line
    // would be read as UTF-8 next time, new GBK text included: then the file
    // is written as UTF-8 text, which the reader takes as such.
    auto finish = [isUtf8](const QByteArray& out) {
        if (isUtf8) return out;
        bool readAsUtf8 = false;
        decode(out, &readAsUtf8);
        if (!readAsUtf8) return out;
        const qsizetype bom = out.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        return out.left(bom) + convert("UTF-8", "GBK", out.mid(bom));
    };
    QList<QByteArray> lines = splitLines(bytes);
    QByteArray eol = bytes.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QByteArray newLine = encode(key + QLatin1Char('=') + value) + eol;

    qsizetype sectionLine = -1;  // index of the matching section header
    qsizetype lastInSection = -1;  // last non-blank line of that section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = decode(lines[i]);
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
    QSaveFile save(path);
    save.setDirectWriteFallback(true);  // a folder that takes no new file
    // Unbuffered: a failed write shows at write() (a buffered one failed
    // unseen at commit and the cut file took the old one's place).
    if (!save.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || save.write(out) != out.size() || !save.commit())
        throw db::DbError(QStringLiteral("Unable to write to %1").arg(path));
}

}  // namespace shell::profile
