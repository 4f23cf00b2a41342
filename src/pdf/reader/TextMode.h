#pragma once

namespace pdf::reader {

// "--text [max pages] [max characters]": for each path read on standard
// input, one JSON line with the file's size, time, SHA-1 and the text of its
// pages ("pages": one text per page, at most max pages and max characters in
// all), or "error". Returns the process's exit code.
int runTextMode(int argc, char** argv);

}  // namespace pdf::reader
