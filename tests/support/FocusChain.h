#pragma once

#include <QStringList>
#include <QWidget>

namespace testsupport {

// The named controls of a window in the order Tab goes through them.
inline QStringList focusChain(QWidget* window) {
    QStringList names;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() && w->window() == window)
            names << w->objectName();
    return names;
}

}  // namespace testsupport
