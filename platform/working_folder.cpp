#include "working_folder.h"

#include <cstdlib>

#include "files.h"

namespace fs = std::filesystem;

fs::path WorkingFolderPath() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / "vexmoor";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "vexmoor";
}

bool PrepareWorkingFolder(const fs::path& folder, const fs::path& module) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) return false;
    if (fs::is_directory(module, ec)) {
        std::error_code walk;
        for (auto it = fs::recursive_directory_iterator(module, walk); !walk && it != fs::recursive_directory_iterator();
             it.increment(walk)) {
            std::error_code op;  // one file that cannot be copied does not stop the others
            // Into the player's spelling of each folder; a file there in any case is the
            // module's own and hides the built one.
            const fs::path target = ResolvePath((folder / it->path().lexically_relative(module)).string());
            if (it->is_directory(op)) {
                fs::create_directories(target, op);
            } else if (it->is_regular_file(op) && !fs::exists(fs::symlink_status(target, op))) {
                fs::copy_file(it->path(), target, fs::copy_options::skip_existing, op);
            }
        }
    }
    fs::current_path(folder, ec);
    return !ec;
}
