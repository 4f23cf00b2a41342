#include "exchange/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <iconv.h>
#include <uchardet/uchardet.h>

namespace exchange {

namespace {

int lineAt(const QByteArray& bytes, qsizetype offset) {
    return int(bytes.left(offset).count('\n')) + 1;
}

// The offset of the first byte that is not valid UTF-8, or -1.
qsizetype firstBadUtf8(const QByteArray& b) {
    const auto* s = reinterpret_cast<const unsigned char*>(b.constData());
    const qsizetype n = b.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        int extra = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
        } else {
            return i;
        }
        if (i + extra >= n) return i;  // cut off at the end
        for (int k = 1; k <= extra; ++k)
            if ((s[i + k] & 0xC0) != 0x80) return i;
        if (c == 0xE0 && s[i + 1] < 0xA0) return i;
        if (c == 0xED && s[i + 1] > 0x9F) return i;  // surrogates
        if (c == 0xF0 && s[i + 1] < 0x90) return i;
        if (c == 0xF4 && s[i + 1] > 0x8F) return i;
        i += extra + 1;
    }
    return -1;
}

// Bytes of an encoding to UTF-16 through iconv; on failure the offset of the
// bad byte.
bool fromCodec(const QByteArray& bytes, const char* codec, QString* out, qsizetype* badOffset) {
    iconv_t cd = iconv_open("UTF-8", codec);
    if (cd == iconv_t(-1)) {
        *badOffset = 0;
        return false;
    }
    QByteArray utf8(bytes.size() * 3 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char* o = utf8.data();
    size_t outLeft = size_t(utf8.size());
    const size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (r == size_t(-1) || inLeft != 0) {
        *badOffset = in - bytes.constData();
        return false;
    }
    utf8.truncate(utf8.size() - qsizetype(outLeft));
    *out = QString::fromUtf8(utf8);
    return true;
}

// uchardet's guess for the bytes, upper case; empty when it has none.
QByteArray guessCharset(const QByteArray& bytes) {
    uchardet_t detector = uchardet_new();
    uchardet_handle_data(detector, bytes.constData(), size_t(bytes.size()));
    uchardet_data_end(detector);
    QByteArray name = QByteArray(uchardet_get_charset(detector)).toUpper();
    uchardet_delete(detector);
    return name;
}

// Below this many bytes outside ASCII a guess is only a guess.
constexpr qsizetype kSureBytes = 16;

qsizetype nonAscii(const QByteArray& bytes) {
    qsizetype n = 0;
    for (char c : bytes) n += (static_cast<unsigned char>(c) >= 0x80);
    return n;
}

struct Codec {
    const char* iconvName;
    const char* shown;
};

// The iconv name and the shown name of an encoding the user chose.
Codec codecOf(Encoding e) {
    switch (e) {
    case Encoding::Gbk: return {"GB18030", "GB18030"};
    case Encoding::Utf16Le: return {"UTF-16LE", "UTF-16LE"};
    case Encoding::Utf16Be: return {"UTF-16BE", "UTF-16BE"};
    case Encoding::Big5: return {"BIG5-HKSCS", "BIG5"};
    case Encoding::Latin1: return {"CP1252", "CP1252"};
    case Encoding::ShiftJis: return {"CP932", "SHIFT_JIS"};
    case Encoding::Auto:
    case Encoding::Utf8: break;
    }
    return {"UTF-8", "UTF-8"};
}

// A detector's name as iconv reads it: the supersets Windows writes.
QByteArray iconvNameOf(const QByteArray& guess) {
    if (guess == "ISO-8859-1" || guess == "WINDOWS-1252") return "CP1252";
    if (guess == "SHIFT_JIS") return "CP932";
    if (guess == "BIG5") return "BIG5-HKSCS";
    if (guess == "GB2312" || guess == "GBK") return "GB18030";
    return guess;
}

DecodedText decodeWith(const QByteArray& bytes, const char* codec, const QString& shown, const QString& mismatch) {
    DecodedText d;
    qsizetype bad = 0;
    if (fromCodec(bytes, codec, &d.text, &bad)) {
        d.encoding = shown;
        return d;
    }
    d.text.clear();
    d.error = mismatch.arg(lineAt(bytes, bad));
    return d;
}

}  // namespace

QString encodingName(Encoding e) {
    switch (e) {
    case Encoding::Auto: return QStringLiteral("自动识别");
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Gbk: return QStringLiteral("GBK/GB18030");
    case Encoding::Utf16Le: return QStringLiteral("UTF-16LE");
    case Encoding::Utf16Be: return QStringLiteral("UTF-16BE");
    case Encoding::Big5: return QStringLiteral("Big5");
    case Encoding::Latin1: return QStringLiteral("Latin-1/CP1252");
    case Encoding::ShiftJis: return QStringLiteral("Shift_JIS");
    }
    return {};
}

DecodedText decodeText(const QByteArray& bytes, Encoding choice) {
    DecodedText d;
    if (bytes.isEmpty()) {
        d.error = QStringLiteral("文件是空的");
        return d;
    }
    // UTF-16 by its byte order mark, or as the user chose (it holds NUL bytes).
    const bool le = bytes.startsWith("\xFF\xFE"), be = bytes.startsWith("\xFE\xFF");
    if ((choice == Encoding::Auto && (le || be)) || choice == Encoding::Utf16Le || choice == Encoding::Utf16Be) {
        const bool little = choice == Encoding::Auto ? le : choice == Encoding::Utf16Le;
        const bool bom = little ? le : be;
        const QString shown =
            QString::fromLatin1(little ? "UTF-16LE" : "UTF-16BE") + (bom ? QStringLiteral(" BOM") : QString());
        if ((bytes.size() - (bom ? 2 : 0)) % 2 != 0) {
            d.error = QStringLiteral("文件的字节数不是偶数，不是 %1 文本").arg(shown);
            return d;
        }
        d = decodeWith(bom ? bytes.mid(2) : bytes, little ? "UTF-16LE" : "UTF-16BE", shown,
                       QStringLiteral("第 %1 行不是有效的 ") + shown + QStringLiteral(" 文本"));
        if (d.error.isEmpty() && d.text.contains(QChar(0))) {
            d.text.clear();
            d.error = QStringLiteral("文件中有空字符（NUL），这不是文本文件");
        }
        return d;
    }
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        d.error = QStringLiteral("第 %1 行有二进制数据（NUL 字节），这不是文本文件").arg(lineAt(bytes, nul));
        return d;
    }
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (choice == Encoding::Auto || choice == Encoding::Utf8) {
        const QByteArray body = bom ? bytes.mid(3) : bytes;
        const qsizetype bad = firstBadUtf8(body);
        if (bad < 0) {
            d.text = QString::fromUtf8(body);
            d.encoding = bom ? QStringLiteral("UTF-8 BOM") : QStringLiteral("UTF-8");
            return d;
        }
        if (choice == Encoding::Utf8 || bom) {
            d.error = QStringLiteral("第 %1 行不是有效的 UTF-8 文本").arg(lineAt(body, bad));
            return d;
        }
    }
    if (choice != Encoding::Auto) {
        const Codec c = codecOf(choice);
        return decodeWith(bytes, c.iconvName, QString::fromLatin1(c.shown),
                          QStringLiteral("第 %1 行不是有效的 ") + encodingName(choice) + QStringLiteral(" 文本"));
    }
    // Not UTF-8: the detector guesses; without a guess GB18030 (files from
    // Chinese Windows) is tried.
    const QByteArray guess = guessCharset(bytes);
    const bool none = guess.isEmpty() || guess == "ASCII" || guess == "UTF-8";
    const QByteArray codec = none ? QByteArray("GB18030") : iconvNameOf(guess);
    // shown as read: the Windows superset of Latin-1, GB18030 for GBK
    const QString shown = codec == "CP1252" || codec == "GB18030" ? QString::fromLatin1(codec) : QString::fromLatin1(guess);
    d = decodeWith(bytes, codec.constData(), shown,
                   QStringLiteral("第 %1 行不是有效的 ") + shown +
                       QStringLiteral(" 文本（编码无法确定，请在“编码”中选择）"));
    if (!d.error.isEmpty()) return d;
    if (none || nonAscii(bytes) < kSureBytes)
        d.warning = QStringLiteral("文件编码无法确定，按 %1 读取；如文字显示不对，请在“编码”中选择正确的编码").arg(shown);
    return d;
}

DecodedText loadText(const QString& path, Encoding choice) {
    DecodedText d;
    QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        d.error = QStringLiteral("文件不存在：") + path;
        return d;
    }
    if (info.size() > kMaxFileBytes) {
        d.error = QStringLiteral("文件有 %1 MB，超过了导入的上限 %2 MB；请把它分成几个文件")
                      .arg(info.size() / (1024 * 1024))
                      .arg(kMaxFileBytes / (1024 * 1024));
        return d;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        d.error = QStringLiteral("无法读取文件：") + f.errorString();
        return d;
    }
    return decodeText(f.readAll(), choice);
}

QByteArray toGbk(const QString& text) { return encodeAs(text, "GBK"); }

QByteArray encodeAs(const QString& text, const char* codec) {
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open(codec, "UTF-8");
    if (cd == iconv_t(-1)) return {};
    QByteArray out(utf8.size() * 4 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char* o = out.data();
    size_t outLeft = size_t(out.size());
    const size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (r == size_t(-1)) return {};
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

}  // namespace exchange
