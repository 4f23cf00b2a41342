#pragma once

// Python's headers use "slots" as a name, which Qt defines as a macro.
#pragma push_macro("slots")
#undef slots
#include <pybind11/pybind11.h>
#pragma pop_macro("slots")

#include <QString>

namespace scripting {

// "ValueError: message", or the type name alone when the message is empty.
QString errorText(const pybind11::error_already_set& e);

}  // namespace scripting
