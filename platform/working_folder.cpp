#include "working_folder.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "files.h"

namespace fs = std::filesystem;

fs::path WorkingFolderPath() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / "vexmoor";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "vexmoor";
}

namespace {

// The built module's Mod tree, copied beside the player's files under a name of its own and
// then renamed into place: a copy cut short leaves no half module behind.
bool CopyModule(const fs::path& folder, const fs::path& module) {
    const fs::path staging = folder / ("Mod.copying-" + std::to_string(getpid()));
    std::error_code ec;
    fs::remove_all(staging, ec);
    fs::copy(module / "Mod", staging, fs::copy_options::recursive, ec);
    if (!ec) fs::rename(staging, folder / "Mod", ec);
    if (ec) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
    }
    return !ec;
}

}  // namespace

bool PrepareWorkingFolder(const fs::path& folder, const fs::path& module) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) return false;
    // A folder that holds a module in any spelling keeps it as it is: a file the author
    // erased or changed there never comes back from the build.
    const bool holdsModule = fs::exists(ResolvePath((folder / "Mod").string()), ec);
    if (!holdsModule && fs::is_directory(module / "Mod", ec)) CopyModule(folder, module);
    fs::current_path(folder, ec);
    return !ec;
}
