#include "pdf/PaperReading.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "pdf/FirstPage.h"
#include "pdf/Glyphs.h"
#include "pdf/Identifiers.h"
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

}  // namespace

void placeRecord(exchange::PaperRecord& r, const QString& path) {
    r.sourceKey = path;
    const QFileInfo fi(path);
    r.filename = fi.fileName();
    r.dir = QDir::toNativeSeparators(fi.absolutePath());
}

exchange::PaperRecord toRecord(const PdfFacts& f, const LineClassifier& classifier) {
    exchange::PaperRecord r;
    placeRecord(r, f.path);
    if (!f.error.isEmpty()) {
        r.error = f.error;
        return r;
    }
    const MetaReading meta = readMetadata(f);
    const QString problem = textLayerProblem(f.words);
    const QList<Line> lines = problem.isEmpty() ? groupLines(f.words) : QList<Line>();
    QString pageText;
    for (const Line& l : lines) pageText += l.text + QLatin1Char('\n');
    r.remark = identifierRemark(f, pageText);

    if (!problem.isEmpty()) {
        // Nothing on the page to check the metadata against: it is taken
        // where it is plausible, and the row says so.
        r.title = meta.title;
        r.authors = meta.authors;
        r.keywords = meta.keywords;
        r.date = meta.year;
        r.warnings << problem + (r.title.isEmpty() ? QStringLiteral("，未能读出题目")
                                                   : QStringLiteral("，题目和作者取自文件的元数据，请核对"));
        if (r.authors.isEmpty()) r.warnings << QStringLiteral("未能读出作者");
        if (r.date.isEmpty()) r.warnings << QStringLiteral("未能读出年份");
        return r;
    }

    const LineFeatures features(lines, f.pageWidth, f.pageHeight);
    std::vector<float> kinds;
    QString error;
    if (!classifier.classify(features, kinds, error)) {
        r.error = error;
        return r;
    }
    const PageReading page = readFirstPage(lines, f.pageHeight, kinds);

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
    // "Title - Subtitle" in the metadata where the page sets the subtitle apart under the title
    static const QRegularExpression subtitleDash(QStringLiteral("\\s+[-–—]{1,2}\\s+"));
    const bool metaAddsSubtitle =
        !pageTitle.isEmpty() && squeeze(meta.title.section(subtitleDash, 0, 0)) == pageTitle && metaTitle != pageTitle;
    if (!meta.title.isEmpty() && !metaAddsSubtitle && (page.title.isEmpty() || (metaTitleOnPage && !pageTitleLonger)))
        r.title = meta.title;
    else
        r.title = page.title;
    // quotes the metadata puts round a name where the page prints none: "'hhh4': An endemic-epidemic …"
    static const QRegularExpression quote(QStringLiteral("['‘’\"“”]"));
    if (r.title == meta.title && pageTitle == metaTitle && !page.title.contains(quote)) r.title.remove(quote);

    // The metadata's authors only where the page prints them (a paper sent
    // for blind review names nobody, whatever its metadata says): when the
    // page's list is the same but shorter.
    const QString squeezedPage = squeeze(pageText);
    const bool metaAuthorsOnPage =
        !meta.authors.isEmpty() && std::all_of(meta.authors.begin(), meta.authors.end(), [&](const QString& a) {
            return squeezedPage.contains(squeeze(a));
        });
    if (metaAuthorsOnPage && !page.authors.isEmpty() && squeeze(meta.authors.first()) == squeeze(page.authors.first()) &&
        meta.authors.size() > page.authors.size())
        r.authors = meta.authors;
    else
        r.authors = page.authors;

    r.keywords = !page.keywords.isEmpty() ? page.keywords : meta.keywords;
    r.date = !page.year.isEmpty() ? page.year : meta.year;

    if (r.title.isEmpty()) r.warnings << QStringLiteral("未能读出题目");
    if (r.authors.isEmpty()) r.warnings << QStringLiteral("未能读出作者");
    if (r.date.isEmpty()) r.warnings << QStringLiteral("未能读出年份");
    else if (page.year.isEmpty()) r.warnings << QStringLiteral("年份取自文件的创建日期");
    return r;
}

}  // namespace pdf
