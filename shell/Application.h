#pragma once

#include "shell/CommandLine.h"

// Runs the game as the options ask and returns the process's exit code.
int RunGame(const TCommandLine& options);
