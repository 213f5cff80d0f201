#pragma once

#include <filesystem>

// The player's module folder: $XDG_DATA_HOME/vexmoor, or ~/.local/share/vexmoor.
std::filesystem::path WorkingFolderPath();
// Copies the built module (its Mod tree) whole into a folder that holds no Mod in any
// spelling, and makes the folder current; a folder that holds one is left as it is. False
// when the folder cannot be made or entered.
bool PrepareWorkingFolder(const std::filesystem::path& folder, const std::filesystem::path& module);
