#pragma once

namespace exchange {

// The Python source of the file readers (module "paper_exchange_readers").
const char* readerScript();

}  // namespace exchange
