#include "pdf/reader/PopplerReader.h"

#include <poppler-document.h>
#include <poppler-page.h>

#include <QFile>
#include <QFileInfo>
#include <memory>

#include "pdf/Glyphs.h"

namespace pdf::reader {
namespace {

QString fromU(const poppler::ustring& u) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(u.data()), qsizetype(u.size()));
}

// Letters that fonts encode as presentation forms: ligatures (U+FB00..FB06)
// and Kangxi radicals (U+2F00..2FDF) read as their plain letters.
QString plainLetters(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const ushort u = c.unicode();
        if ((u >= 0xFB00 && u <= 0xFB06) || (u >= 0x2F00 && u <= 0x2FDF) || (u >= 0x2E80 && u <= 0x2EFF))
            out += QString(c).normalized(QString::NormalizationForm_KC);
        else
            out += c;
    }
    return out;
}

QString info(const poppler::document& doc, const char* key) {
    return fromU(doc.info_key(key)).trimmed();
}

// Whether the file starts like a PDF: "%PDF-" within its first kilobyte.
bool looksLikePdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    return file.read(1024).contains("%PDF-");
}

}  // namespace

PdfFacts readFile(const std::string& path, int maxWords) {
    PdfFacts f;
    f.path = QString::fromStdString(path);
    const QFileInfo fi(f.path);
    if (!fi.exists() || !fi.isFile()) {
        f.error = QStringLiteral("文件不存在");
        return f;
    }
    if (fi.size() == 0) {
        f.error = QStringLiteral("文件为空");
        return f;
    }
    if (!looksLikePdf(f.path)) {
        f.error = QStringLiteral("不是PDF文件");
        return f;
    }
    std::unique_ptr<poppler::document> doc(poppler::document::load_from_file(path));
    if (!doc) {
        f.error = QStringLiteral("PDF文件已损坏，无法打开");
        return f;
    }
    if (doc->is_locked()) {
        f.error = QStringLiteral("PDF文件已加密，需要密码");
        return f;
    }
    f.pages = doc->pages();
    f.title = info(*doc, "Title");
    f.author = info(*doc, "Author");
    f.subject = info(*doc, "Subject");
    f.keywords = info(*doc, "Keywords");
    f.creator = info(*doc, "Creator");
    f.producer = info(*doc, "Producer");
    f.creationDate = info(*doc, "CreationDate");
    f.xmp = fromU(doc->metadata());
    if (f.pages <= 0) {
        f.error = QStringLiteral("PDF文件没有页面");
        return f;
    }
    std::unique_ptr<poppler::page> page(doc->create_page(0));
    if (!page) {
        f.error = QStringLiteral("PDF文件的第一页无法读取");
        return f;
    }
    const poppler::rectf box = page->page_rect(poppler::media_box);
    f.pageWidth = box.width();
    f.pageHeight = box.height();
    std::vector<poppler::text_box> boxes = page->text_list(poppler::page::text_list_include_font);
    for (const poppler::text_box& b : boxes) {
        if (int(f.words.size()) >= maxWords) break;
        const QString font = b.has_font_info() ? QString::fromLatin1(b.get_font_name().c_str()) : QString();
        if (b.rotation() != 0) {  // margin stamps written sideways
            if (f.marginText.size() < 200) f.marginText += fromU(b.text()) + QLatin1Char(' ');
            continue;
        }
        const poppler::rectf r = b.bbox();
        Word w;
        w.text = mendLigatures(plainLetters(fromU(b.text())), font);
        if (w.text.trimmed().isEmpty()) continue;
        w.x0 = r.left();
        w.y0 = r.top();
        w.x1 = r.right();
        w.y1 = r.bottom();
        w.size = b.has_font_info() ? b.get_font_size() : r.height();
        w.font = font;
        w.spaceAfter = b.has_space_after();
        f.words.append(w);
    }
    return f;
}

}  // namespace pdf::reader
