#include "exchange/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <iconv.h>

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

// GBK to UTF-16 through iconv; on failure the offset of the bad byte.
bool fromGbk(const QByteArray& bytes, QString* out, qsizetype* badOffset) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == iconv_t(-1)) {
        *badOffset = 0;
        return false;
    }
    QByteArray utf8(bytes.size() * 2 + 16, Qt::Uninitialized);
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

}  // namespace

DecodedText decodeText(const QByteArray& bytes, Encoding choice) {
    DecodedText d;
    if (bytes.isEmpty()) {
        d.error = QStringLiteral("文件是空的");
        return d;
    }
    const qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0) {
        d.error = QStringLiteral("第 %1 行有二进制数据（NUL 字节），这不是文本文件").arg(lineAt(bytes, nul));
        return d;
    }
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (choice != Encoding::Gbk) {
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
    qsizetype bad = 0;
    if (fromGbk(bytes, &d.text, &bad)) {
        d.encoding = QStringLiteral("GBK");
        return d;
    }
    d.text.clear();
    d.error = choice == Encoding::Gbk ? QStringLiteral("第 %1 行不是有效的 GBK 文本").arg(lineAt(bytes, bad))
                                      : QStringLiteral("第 %1 行既不是 UTF-8 也不是 GBK 文本").arg(lineAt(bytes, bad));
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

QByteArray toGbk(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == iconv_t(-1)) return {};
    QByteArray out(utf8.size() * 2 + 16, Qt::Uninitialized);
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
