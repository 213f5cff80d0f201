#include "data/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/files.h"

namespace fs = std::filesystem;

std::set<std::string> UnreadableFilesReported;

namespace {

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file a chain of links ends at (the path itself when it is no link).
fs::path FollowLinks(fs::path p) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path to = fs::read_symlink(p, ec);
        if (ec) break;
        p = to.is_absolute() ? to : p.parent_path() / to;
    }
    return p;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes) {
    const fs::path target = FollowLinks(ResolvePath(path));
    const fs::path folder = target.parent_path();
    std::error_code ec;
    if (!folder.empty()) fs::create_directories(folder, ec);

    mode_t mode = NewFileMode();
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        // Write bits cleared by the player mean "keep this file as it is", even for root.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
        mode = st.st_mode & 07777;
    }

    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
}

FileRead ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string* why) {
    bytes.clear();
    auto fail = [&](const char* reason) {
        if (why) *why = reason;
        bytes.clear();
        return FileRead::kUnreadable;
    };
    // Not blocking: a pipe in the file's place must not hold the game up.
    const int fd = ::open(ResolvePath(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return FileRead::kMissing;
        return fail(std::strerror(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(S_ISDIR(st.st_mode) ? "a folder is in its place" : "it is not a plain file");
    }
    bytes.resize(static_cast<size_t>(st.st_size));
    size_t done = 0;
    int error = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;  // at 0 the file shrank meanwhile: keep what was there
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (error) return fail(std::strerror(error));
    bytes.resize(done);
    return FileRead::kRead;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    return ReadFileBytes(path, bytes) == FileRead::kRead;
}

void ReportUnreadableFile(const std::string& path, const std::string& why) {
    if (!UnreadableFilesReported.insert(path).second) return;
    std::fprintf(stderr, "vexmoor: cannot read %s (%s); it is left as it is\n", ResolvePath(path).c_str(),
                 why.c_str());
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(ResolvePath(path), ec);
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(ResolvePath(path), ec);
}
