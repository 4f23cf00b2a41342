#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <optional>

#include "db/Query.h"
#include "exchange/PaperCheck.h"

namespace duplicates {

// The import previews' "可能重复": a paper about to be imported that looks
// like one already in the catalogue (not the same key: that one is "已在库中")
// is marked and starts unticked, naming the paper it resembles. Answers are
// kept by key, so that checking a list again after an edit asks the catalogue
// only about what changed.
class ImportCheck {
public:
    using QueryOf = std::function<db::Query*()>;
    explicit ImportCheck(QueryOf query) : query_(std::move(query)) {}

    std::optional<exchange::Mark> operator()(const exchange::CheckedPaper& paper);
    // The key of the catalogue's paper that `paper` resembles, or empty.
    QString resembled(const QString& key) const { return resembled_.value(key); }
    void clear() {
        marks_.clear();
        resembled_.clear();
    }

private:
    QueryOf query_;
    QHash<QString, std::optional<exchange::Mark>> marks_;
    QHash<QString, QString> resembled_;
    bool unavailable_ = false;
};

}  // namespace duplicates
