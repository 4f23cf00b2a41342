#include "fulltext/CommonGrams.h"

#include <QSet>

namespace fulltext {
namespace {

// The most common words of written English, as frequency lists of general
// English give them. Changing this list changes what the index holds: it goes
// with a new kPairsListed name, so that documents indexed with the old list
// are no longer taken as having the new pairs.
const QSet<QString>& commonWords() {
    static const QSet<QString> words = [] {
        QSet<QString> s;
        for (const char* w : {"the", "of", "and", "to", "a",    "in",   "is",    "that", "for",   "it",
                              "as",  "was", "with", "be", "by",   "on",   "not",   "he",   "i",     "this",
                              "are", "or",  "his",  "from", "at", "which", "but",  "have", "an",    "had",
                              "they", "you", "were", "their", "one", "all", "we",  "can",  "her",   "has",
                              "there", "been", "if", "more", "when", "will", "would", "who", "so",  "no"})
            s.insert(QString::fromLatin1(w));
        return s;
    }();
    return words;
}

}  // namespace

bool isCommonWord(const QString& word) { return commonWords().contains(word); }

QString pairTerm(const Token& first, const Token& second) {
    if (first.cjk || second.cjk) return {};
    if (first.text.size() + 1 + second.text.size() > 64) return {};
    if (!isCommonWord(first.text) && !isCommonWord(second.text)) return {};
    return first.text + QLatin1Char(' ') + second.text;
}

void forEachTerm(const QVector<Token>& units, const std::function<void(const QString&)>& take) {
    for (int i = 0; i < units.size(); ++i) {
        take(termAt(units, i));
        if (i + 1 < units.size()) {
            const QString pair = pairTerm(units[i], units[i + 1]);
            if (!pair.isEmpty()) take(pair);
        }
    }
}

void countTerms(const QVector<Token>& units, QHash<QString, quint32>& counts) {
    forEachTerm(units, [&](const QString& term) { ++counts[term]; });
}

}  // namespace fulltext
