#include "pdf/PaperReading.h"

#include <QDir>
#include <QFileInfo>

#include "pdf/FirstPage.h"
#include "pdf/Metadata.h"
#include "pdf/TextLines.h"

namespace pdf {
namespace {

// Letters and digits only, lower case: how two readings of one text compare.
QString squeeze(const QString& s) {
    QString out;
    for (QChar c : s.normalized(QString::NormalizationForm_KC))
        if (c.isLetterOrNumber()) out += c.toLower();
    return out;
}

bool sameText(const QString& a, const QString& b) {
    const QString x = squeeze(a), y = squeeze(b);
    if (x.isEmpty() || y.isEmpty()) return false;
    return x == y;
}

}  // namespace

exchange::PaperRecord toRecord(const PdfFacts& f) {
    exchange::PaperRecord r;
    r.sourceKey = f.path;
    const QFileInfo fi(f.path);
    r.filename = fi.fileName();
    r.dir = QDir::toNativeSeparators(fi.absolutePath());
    if (!f.error.isEmpty()) {
        r.error = f.error;
        return r;
    }
    const QList<Line> lines = groupLines(f.words);
    const PageReading page = readFirstPage(lines, f.pageHeight);
    const MetaReading meta = readMetadata(f);

    // The metadata title when the page bears it out (it has no broken
    // ligatures or hyphens), unless the page's title holds it and more.
    const QString metaTitle = squeeze(meta.title), pageTitle = squeeze(page.title);
    // on the page: from the start of a line, over at most four lines
    bool metaTitleOnPage = false;
    for (int i = 0; i < int(lines.size()) && !metaTitle.isEmpty() && !metaTitleOnPage; ++i) {
        QString run;
        for (int j = i; j < int(lines.size()) && j < i + 4 && run.size() < metaTitle.size(); ++j) run += squeeze(lines[j].text);
        metaTitleOnPage = run.startsWith(metaTitle);
    }
    const bool pageTitleLonger = !pageTitle.isEmpty() && pageTitle.size() > metaTitle.size() && pageTitle.contains(metaTitle);
    if (!meta.title.isEmpty() && (page.title.isEmpty() || (metaTitleOnPage && !pageTitleLonger)))
        r.title = meta.title;
    else
        r.title = page.title;

    // The metadata's authors when the page has none, or fewer of the same.
    if (!meta.authors.isEmpty() &&
        (page.authors.isEmpty() || (squeeze(meta.authors.first()) == squeeze(page.authors.first()) &&
                                    meta.authors.size() > page.authors.size())))
        r.authors = meta.authors;
    else
        r.authors = page.authors;

    r.keywords = !page.keywords.isEmpty() ? page.keywords : meta.keywords;
    r.date = !page.year.isEmpty() ? page.year : meta.year;

    if (lines.isEmpty()) r.warnings << QStringLiteral("第一页没有文字（可能是扫描件）");
    if (r.title.isEmpty()) r.warnings << QStringLiteral("未能读出题目");
    if (r.authors.isEmpty()) r.warnings << QStringLiteral("未能读出作者");
    if (r.date.isEmpty()) r.warnings << QStringLiteral("未能读出年份");
    else if (page.year.isEmpty()) r.warnings << QStringLiteral("年份取自文件的创建日期");
    return r;
}

}  // namespace pdf
