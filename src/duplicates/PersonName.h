#pragma once

#include <QString>

namespace duplicates {

// The keys of a first author's name. A Latin name gives its family name and
// first initial, "smith j"; written without a comma the order is not known,
// so "San Zhang" gives "zhang s" and, as its other reading, "san z". A name
// in Han characters is kept whole, without blanks or marks.
struct NameKeys {
    QString key;
    QString alt;  // the other reading of a name without a comma, else empty
};
NameKeys nameKeys(const QString& name);

// True when the two names share a reading.
bool sameAuthor(const NameKeys& a, const NameKeys& b);

}  // namespace duplicates
