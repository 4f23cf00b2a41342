#pragma once

namespace exchange {

// The Python source of the file readers and the BibTeX writer (module
// "paper_exchange_readers").
const char* readerScript();

}  // namespace exchange
