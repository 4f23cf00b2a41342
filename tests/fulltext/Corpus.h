#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <random>

// Generated paper text with a paper's mix of Chinese and English: Chinese
// sentences from a vocabulary of words drawn with Zipf's law (the common
// ones very often, most rarely), English sentences likewise, English terms
// inside Chinese sentences, punctuation and line ends.
namespace corpus {

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}
    // One page of about `chars` characters; `chinese` is the share of Chinese sentences.
    QString page(int chars, double chinese = 0.5);
    QStringList paper(int pages, int charsPerPage, double chinese = 0.5);
    std::mt19937& random() { return random_; }

private:
    QString word(const QStringList& vocabulary);
    std::mt19937 random_;
};

// The units of a text for a plain scan (by Unicode script classes, apart
// from the index's own code): CJK characters one by one, other words
// case-folded, joined by U+001F and framed by it.
QString scanForm(const QString& text);
// Whether the text holds the query's units in a row.
bool scanHolds(const QString& textScanForm, const QString& query);

}  // namespace corpus
