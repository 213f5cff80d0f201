// The program from the player's folder to its end.
#pragma once

#include <filesystem>

#include "host/host.h"

// Holds the folder against a second start, fills it from the built module, then runs the
// game on the back end. The process's exit status: 0, or 1 when the game could not start
// (said on standard error, and in a box where the desktop can show one).
int RunGame(host::Backend& backend, const std::filesystem::path& folder, const std::filesystem::path& module);
