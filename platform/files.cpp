#include "files.h"

#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(p, ec));  // a dangling link is there to be followed
}

// The spellings of name inside folder: the exact one first, then the others in name order.
std::vector<fs::path> Spellings(const fs::path& folder, const fs::path& name) {
    std::vector<fs::path> found;
    if (Exists(folder / name)) found.push_back(folder / name);
    std::vector<fs::path> others;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(folder.empty() ? fs::path(".") : folder, ec)) {
        const fs::path file = e.path().filename();
        if (file != name && strcasecmp(file.c_str(), name.c_str()) == 0) others.push_back(folder / file);
    }
    std::sort(others.begin(), others.end());
    found.insert(found.end(), others.begin(), others.end());
    return found;
}

struct Match {
    fs::path path;
    size_t depth;  // segments matched
};

// The first spelling under which every segment exists, else the one that matched deepest.
Match Resolve(const fs::path& found, const std::vector<fs::path>& parts, size_t next) {
    if (next == parts.size()) return {found, next};
    const fs::path& part = parts[next];
    if (part == "." || part == "..") return Resolve(found / part, parts, next + 1);
    Match best{found, next};
    for (const fs::path& spelling : Spellings(found, part)) {
        Match m = Resolve(spelling, parts, next + 1);
        if (m.depth == parts.size()) return m;
        if (m.depth > best.depth) best = std::move(m);
    }
    return best;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
    if (path.empty() || Exists(path)) return path;
    const fs::path p(path);
    std::vector<fs::path> parts;
    for (const fs::path& part : p.relative_path()) {
        if (!part.empty()) parts.push_back(part);
    }
    Match m = Resolve(p.root_path(), parts, 0);
    fs::path out = std::move(m.path);
    for (size_t i = m.depth; i < parts.size(); ++i) out /= parts[i];
    return out.string();
}
