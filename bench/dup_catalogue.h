#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <vector>

// A generated catalogue for the duplicate finder's speed figures: English and
// Chinese titles from vocabularies with a long tail, first authors drawn from
// a few very common and many rare names (so that some author blocks are
// large, as "Wang, J." is in a real catalogue), years 1980 to 2024, a DOI in
// some remarks, and planted variants of earlier papers.
namespace dupbench {

struct Paper {
    QString title, author, date, remark;
};

class CatalogueGenerator {
public:
    explicit CatalogueGenerator(quint32 seed);
    // A new paper.
    Paper paper();
    // A variant of `p` as another bibliography would enter it: capitals,
    // marks, full-width forms, a subtitle, the name in the other order, the
    // year one off.
    Paper variant(const Paper& p);

private:
    QString latinTitle();
    QString hanTitle();
    int zipf(int n);

    QRandomGenerator r_;
    QStringList latinWords_, surnames_;
    QString hanChars_, hanSurnames_, hanGiven_;
    qint64 doi_ = 0;
};

}  // namespace dupbench
