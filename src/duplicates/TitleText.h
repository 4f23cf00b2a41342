#pragma once

#include <QString>
#include <QStringList>

namespace duplicates {

// Folds a text for comparison: LaTeX markup and accents removed, NFKC (so
// full-width letters, digits and marks become their half-width forms), case
// folded, every run of punctuation and blanks one blank. Han characters stay
// as they are.
QString foldText(const QString& text);

// True when the text holds Han characters (Chinese titles are compared by
// characters, Chinese names whole).
bool hasHan(const QString& text);

// A title in the forms the matcher compares.
struct TitleForms {
    QString full;  // the folded title
    QString main;  // without a trailing subtitle, version mark or leading article
    QString fullKey, mainKey;  // the two without blanks, as compared
    QStringList numbers;  // part, chapter and volume numbers and other figures, in order
    QStringList mainNumbers;  // those of the main title
    bool subtitle = false;  // the main title leaves a subtitle out
    QString marker;  // "erratum", "comment", "reply", ... when the title names one; else empty
};
TitleForms titleForms(const QString& title);

// The title without blanks, the form the similarity and the block key are
// taken from.
QString compact(const QString& folded);

// The first characters of the compact main title: papers whose titles agree
// in them land in the same block.
QString titleBlock(const QString& mainTitle);
inline constexpr int kBlockChars = 12;

}  // namespace duplicates
