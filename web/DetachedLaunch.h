#pragma once

#include <functional>
#include <string>
#include <vector>

// Starts a program with its arguments, no shell in between. The argument vector's first entry is the
// program; without a "/" it is looked up in PATH.
using TLauncher = std::function<void(const std::vector<std::string>& arguments)>;

// Starts the program in a process of its own (a double fork, so nothing is left to reap and the game
// never waits for it) and returns at once. A program that is not found or cannot start is left silent.
void LaunchDetached(const std::vector<std::string>& arguments);

// The full name of program in PATH, or empty when there is none to run.
std::string FindProgram(const std::string& program);
