#pragma once

#include <QString>
#include <functional>

#include "window/Form.h"

namespace db {

// Menu commands of the main window, by the objectName of their menu item.
// Each window's source file registers the command that opens it.
class FormRegistry {
public:
    using Factory = std::function<Form*()>;
    static bool add(const QString& menuItem, Factory factory);
    // Null when no window is registered for the item.
    static const Factory* find(const QString& menuItem);
};

}  // namespace db

// Registers window class W as the window of a menu item, e.g.
// PAPER_MENU_ROUTE(menu31, TForm_select_d)
#define PAPER_MENU_ROUTE(item, W)                                               \
    namespace {                                                                 \
    const bool registered_##item = ::db::FormRegistry::add(QStringLiteral(#item), \
                                                           [] { return new W(); }); \
    }
