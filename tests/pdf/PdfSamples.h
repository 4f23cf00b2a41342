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

QByteArray xmp(const QString& title, const QStringList& creators, const QString& date);

}  // namespace samples
