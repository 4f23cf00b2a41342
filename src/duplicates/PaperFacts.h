#pragma once

#include <QString>

#include "duplicates/Identifiers.h"
#include "duplicates/PersonName.h"
#include "duplicates/TitleText.h"

namespace duplicates {

// What the matcher knows of one paper.
struct PaperFacts {
    QString key;  // the paper key, when the paper is in the catalogue
    TitleForms title;
    NameKeys author;
    int year = 0;  // 0 when the publication time names none
    Identifiers ids;
    bool han = false;  // a Chinese title
};

// The first year (1000 to 2999) a publication time names, or 0.
int yearOf(const QString& date);

PaperFacts paperFacts(const QString& title, const QString& firstAuthor, const QString& date,
                      const QString& remark = {});

}  // namespace duplicates
