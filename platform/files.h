// Module files: modules are often made on systems that ignore the case of file names, so
// every reader and writer of the game's files finds its path here.
#pragma once

#include <string>

// The path as it stands on disk: each segment matched against what exists, the exact name
// first, then any spelling that differs only in case. Where no spelling of a segment exists,
// it and the segments after it are kept as given under the folders that did match, so a
// writer creates what is missing beside what is there. Among several spellings, the one
// under which the whole path exists wins.
std::string ResolvePath(const std::string& path);
