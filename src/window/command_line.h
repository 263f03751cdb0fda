#pragma once

#include <optional>

// The program's own command line: --help and --version answer on standard
// output without a display; every option Qt understands is left to Qt; anything
// else is a mistake, told on standard error. Returns the exit code when the
// program should end here, nothing when it should start.
std::optional<int> answerCommandLine(int argc, char* argv[]);
