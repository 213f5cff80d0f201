// One program per player folder: an exclusive lock on a file inside it, held while the
// object lives and dropped by the system when the program ends in any way.
#pragma once

#include <string>

namespace host {

class FolderLock {
public:
    FolderLock() = default;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();
    // False when another program holds the folder (or no lock file can be made there).
    bool Take(const std::string& folder);

private:
    int fd_ = -1;
};

}  // namespace host
