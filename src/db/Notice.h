#pragma once

#include <QString>

namespace db {

// One message box a handler reports: caption and text.
struct Notice {
    QString caption;
    QString text;
    bool operator==(const Notice&) const = default;
};

}  // namespace db
