#pragma once

#include "shell/CommandLine.h"

class TQuitSignals;

// Runs the game as the options ask and returns the process's exit code; the signals that end it
// were taken over before.
int RunGame(const TCommandLine& options, const TQuitSignals& signals);
