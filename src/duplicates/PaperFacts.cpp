#include "duplicates/PaperFacts.h"

#include <QRegularExpression>

namespace duplicates {

int yearOf(const QString& date) {
    static const QRegularExpression year(QStringLiteral("(?<!\\d)([12]\\d{3})(?!\\d)"));
    const auto m = year.match(date.normalized(QString::NormalizationForm_KC));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

PaperFacts paperFacts(const QString& title, const QString& firstAuthor, const QString& date, const QString& remark) {
    PaperFacts f;
    f.title = titleForms(title);
    f.author = nameKeys(firstAuthor);
    f.year = yearOf(date);
    f.ids = identifiers(remark);
    f.han = hasHan(f.title.full);
    return f;
}

}  // namespace duplicates
