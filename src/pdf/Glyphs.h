#pragma once

#include <QList>
#include <QString>

#include "pdf/PdfFacts.h"

namespace pdf {

// The letters TeX's fonts put where their ligatures are, when the PDF gives
// the font's codes instead of letters: ff, fi, fl, ffi, ffl at 0x0B..0x0F
// (OT1, Computer Modern) or 0x1B..0x1F (T1, the EC fonts). In an OT1 font
// 0x1B..0x1F are other letters (œ, ø, Æ, Œ, Ø).
QString mendLigatures(const QString& text, const QString& font);

// Why the first page's text cannot be taken as it is, or an empty text:
// no text at all (a scan), or text made of symbol glyphs, private-use
// codes and control characters that no reader could read.
QString textLayerProblem(const QList<Word>& words);

}  // namespace pdf
