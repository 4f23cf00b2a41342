#pragma once

#include <QList>

#include "db/Messages.h"

// Every message box and error report shown during a test, in order.
namespace recorder {

QList<db::messages::Shown>& shown();
void clear();
// "caption/text" of each box, for compact assertions; error reports start with "!".
QStringList lines();

}  // namespace recorder
