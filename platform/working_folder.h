#pragma once

#include <filesystem>

// The player's module folder: $XDG_DATA_HOME/vexmoor, or ~/.local/share/vexmoor.
std::filesystem::path WorkingFolderPath();
// Copies in every file of the built module that the folder lacks in any case of its name,
// never overwriting one, and makes the folder current. False when the folder cannot be made or entered.
bool PrepareWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& module);
