// Module files: modules are often made on systems that ignore the case of file names.
#pragma once

#include <string>

// The path as it exists, matching each missing component regardless of case; the path
// itself when nothing matches.
std::string ResolvePath(const std::string& path);
