#include "pdf/reader/TextMode.h"

#include <poppler-document.h>
#include <poppler-page.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

namespace pdf::reader {
namespace {

QString fromU(const poppler::ustring& u) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(u.data()), qsizetype(u.size()));
}

// Ligatures and radicals that fonts use for plain letters read as the letters.
QString plainText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0xFB00 && u <= 0xFB06) || (u >= 0x2E80 && u <= 0x2FDF))
            out += QString(c).normalized(QString::NormalizationForm_KC);
        else if (u == 0 || (u < 0x20 && u != '\n' && u != '\t'))
            out += QLatin1Char(' ');
        else
            out += c;
    }
    return out;
}

QJsonObject readText(const QString& path, int maxPages, int maxChars) {
    QJsonObject o;
    const QFileInfo fi(path);
    if (!fi.exists() || !fi.isFile()) {
        o[QStringLiteral("error")] = QStringLiteral("文件不存在");
        return o;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        o[QStringLiteral("error")] = QStringLiteral("文件无法打开");
        return o;
    }
    const QByteArray bytes = file.readAll();
    o[QStringLiteral("size")] = double(bytes.size());
    o[QStringLiteral("mtime")] = double(fi.lastModified().toMSecsSinceEpoch());
    o[QStringLiteral("hash")] =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    if (!bytes.left(1024).contains("%PDF-")) {
        o[QStringLiteral("error")] = QStringLiteral("不是PDF文件");
        return o;
    }
    std::unique_ptr<poppler::document> doc(
        poppler::document::load_from_raw_data(bytes.constData(), int(bytes.size())));
    if (!doc) {
        o[QStringLiteral("error")] = QStringLiteral("PDF文件已损坏，无法打开");
        return o;
    }
    if (doc->is_locked()) {
        o[QStringLiteral("error")] = QStringLiteral("PDF文件已加密，需要密码");
        return o;
    }
    QJsonArray pages;
    qint64 left = maxChars;
    const int count = std::min(doc->pages(), maxPages);
    for (int i = 0; i < count && left > 0; ++i) {
        std::unique_ptr<poppler::page> page(doc->create_page(i));
        QString text = page ? plainText(fromU(page->text())) : QString();
        if (text.size() > left) text.truncate(qsizetype(left));
        left -= text.size();
        pages.append(text);
    }
    o[QStringLiteral("pages")] = pages;
    return o;
}

}  // namespace

int runTextMode(int argc, char** argv) {
    const int maxPages = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100;
    const int maxChars = argc > 3 ? std::max(1, std::atoi(argv[3])) : 500000;
    std::string path;
    while (std::getline(std::cin, path)) {
        if (!path.empty() && path.back() == '\r') path.pop_back();
        if (path.empty()) continue;
        QJsonObject o;
        try {
            o = readText(QString::fromStdString(path), maxPages, maxChars);
        } catch (const std::exception& e) {
            o = QJsonObject{{QStringLiteral("error"), QStringLiteral("PDF文件无法读取：") + QString::fromLocal8Bit(e.what())}};
        }
        QByteArray line = QJsonDocument(o).toJson(QJsonDocument::Compact);
        line.append('\n');
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace pdf::reader
