#pragma once

#include <QByteArray>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <functional>

// PDF files the tests make themselves (Qt's PDF writer, one unit = one point).
namespace samples {

struct Meta {
    QString title;
    QString creator;
    QByteArray xmp;
};

// Writes `pages` pages; `draw` paints page number i (from 0).
void writePdf(const QString& path, const std::function<void(QPainter&, int)>& draw, int pages = 1,
              const Meta& meta = {});

// Draws one line from x at baseline y: parts starting with "^" are raised
// marks in a smaller size ("^1,*"), the others run text.
void run(QPainter& p, double x, double y, double size, const QStringList& parts, bool bold = false,
         const QString& family = QString());
// A line centred on the page (A4, 595 points wide).
void centred(QPainter& p, double y, double size, const QStringList& parts, bool bold = false,
             const QString& family = QString());
// Lines of body text filling a column from y down to bottom.
void body(QPainter& p, double x, double y, double width, double bottom, const QString& family = QString());

// First pages of three kinds: one column with marks, e-mails, a footnote,
// keywords and a copyright line; two columns with author blocks side by side,
// "Index Terms" and a conference line; Chinese with 关键词 and a date.
void englishArticle(QPainter& p, int page);
void conferencePaper(QPainter& p, int page);
void chineseArticle(QPainter& p, int page);

// Layouts the old keyword rules got wrong: a two-line title whose first
// line starts with "Preprint"; a journal's running head above the title and
// a capitalised section line; a grid of four authors in two rows; a Chinese
// thesis cover (document type, school, labelled fields, English title); a
// Chinese journal page (head, 文章编号, numbered author marks, the unit line
// in brackets, 摘要, 关键词, 中图分类号, the English title under it).
void preprintTitle(QPainter& p, int page);
void runningHead(QPainter& p, int page);
void authorGrid(QPainter& p, int page);
void chineseCover(QPainter& p, int page);
void chineseJournal(QPainter& p, int page);
// A vignette's first page: a two-line title, two names on a row and a third under them, each with
// its school under it, a date; and a package manual whose author follows a label at the foot.
void vignetteGrid(QPainter& p, int page);
// A report's cover whose title is broken at the measure over three lines, mid-word, with its fields
// as "label | value" rows; a Chinese journal page with a head parted by bars, the authors' unit after
// a dash on their line, "内容提要 │" and keywords parted by bars.
void reportCoverThreeLines(QPainter& p, int page);
void journalUnitsAfterDash(QPainter& p, int page);
void manualFootAuthor(QPainter& p, int page);
// A Chinese journal page whose names carry circled marks (①②) and stand apart by full-width blanks,
// the units in 〔〕; a proposal cover whose labelled title runs on to the margin, left of its label.
void journalCircledMarks(QPainter& p, int page);
void proposalCoverWrappedTitle(QPainter& p, int page);

// A small varied set: page i of n, drawn from a few layouts with changing
// sizes, places, names and titles; title() and firstAuthor() of the same i.
struct Generated {
    static void page(QPainter& p, int i);
    static QString title(int i);
    static QString firstAuthor(int i);
    static constexpr int kCount = 16;
};

QByteArray xmp(const QString& title, const QStringList& creators, const QString& date);

}  // namespace samples
