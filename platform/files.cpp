#include "files.h"

#include <strings.h>

#include <filesystem>

namespace fs = std::filesystem;

std::string ResolvePath(const std::string& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    fs::path p(path);
    fs::path found = p.is_absolute() ? p.root_path() : fs::path(".");
    for (const fs::path& part : p.relative_path()) {
        if (fs::exists(found / part, ec)) {
            found /= part;
            continue;
        }
        bool matched = false;
        for (const fs::directory_entry& e : fs::directory_iterator(found, ec)) {
            if (strcasecmp(e.path().filename().c_str(), part.c_str()) == 0) {
                found = e.path();
                matched = true;
                break;
            }
        }
        if (!matched) return path;
    }
    return found.lexically_normal().string();
}
