#pragma once

namespace shell {

// Asks the application to terminate: the message loop ends once the running
// handler returns, and the program exits with status 0.
void endProgram();

}  // namespace shell
