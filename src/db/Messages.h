#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "db/Notice.h"

namespace db {

// Every message box and the error report go through here, so that tests can
// record and answer them.
namespace messages {

enum class Kind { Message, ErrorReport };

struct Shown {
    Kind kind;
    QString caption;
    QString text;
};

// A modal box with one OK button and no icon.
void show(const QString& text, const QString& caption);
// The boxes of an outcome, in order.
void show(const QList<Notice>& notices);
// The application error report: stop icon, program title, the error's
// message with a full stop added unless it already ends in a character at or
// below the full stop.
void errorReport(const QString& message);

// A fixed message text or caption in the interface's language (the texts
// are listed for the translators in MessageTexts.cpp).
QString translated(const QString& text);
// The text the error report shows for a message.
QString reportText(const QString& message);
// The program title: the executable's name without extension.
QString programTitle();

// Replaces the boxes by a recorder (tests); an empty function restores them.
void setRecorder(std::function<void(const Shown&)> recorder);
// Shows the boxes: the window layer sets its message boxes here. Without
// them (a program with no windows) the texts go to the standard error.
void setBoxes(std::function<void(const Shown&)> boxes);

}  // namespace messages

// Runs a handler; an error it raises goes to the error report and the window
// stays open.
void guarded(const std::function<void()>& handler);

}  // namespace db
