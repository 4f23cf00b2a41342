#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>
#include <functional>

#include "db/Query.h"
#include "duplicates/Candidates.h"

namespace duplicates {

// The short list under an entry window's boxes: while the user types a
// title, first author and publication time, the papers already in the
// catalogue that look like the same paper, with their folder and file. It
// only shows; what the window saves is not touched. Hidden while there is
// nothing to show.
class SimilarPapersBox : public QWidget {
    Q_OBJECT
public:
    // How long typing must pause before the catalogue is asked.
    static constexpr int kPauseMs = 400;

    using QueryOf = std::function<db::Query*()>;
    SimilarPapersBox(QWidget* parent, QLineEdit* title, QLineEdit* author, QLineEdit* date, QueryOf query);

    // Asks the catalogue now (the timer calls it after a pause).
    void lookNow();
    const QVector<Candidate>& candidates() const { return candidates_; }

    QLabel* Label_similar;
    QTreeWidget* List_similar;

private:
    void show(const QVector<Candidate>& found);

    QLineEdit* title_;
    QLineEdit* author_;
    QLineEdit* date_;
    QueryOf query_;
    QTimer timer_;
    QVector<Candidate> candidates_;
    bool unavailable_ = false;  // the catalogue has no index (not brought up yet)
};

}  // namespace duplicates
