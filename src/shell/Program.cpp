#include "shell/Program.h"

#include <QCoreApplication>

namespace shell {

void endProgram() { QCoreApplication::exit(0); }

}  // namespace shell
