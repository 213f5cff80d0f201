// Whole-file reads and crash-safe writes for every file the game keeps. Paths are the game's
// own names; each is matched on disk regardless of case (platform/files.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

// Writes the bytes to a temporary file beside the target, flushes it to the disk and renames
// it over the target, so a crash or a full disk never leaves a half-written file. A link is
// followed and the file it names replaced; the file keeps its permission bits. A file the
// player made read-only, or something other than a file in its place, is refused. A missing
// folder is created. False when anything failed; the old file is then intact.
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes);

enum class FileRead {
    kRead,
    kMissing,     // nothing of that name exists
    kUnreadable,  // it exists but cannot be read: no permission, a folder in its place, an I/O error
};
// The whole file; `why` says what went wrong when it is unreadable.
FileRead ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string* why = nullptr);
// The whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
// Says on standard error, once a run for each file, that it could not be read and why.
void ReportUnreadableFile(const std::string& path, const std::string& why);
extern std::set<std::string> UnreadableFilesReported;

bool FileExists(const std::string& path);
// False when there was no file to delete or it could not be deleted.
bool DeleteFile(const std::string& path);

template <class T>
std::span<const uint8_t> BytesOf(const T& record) {
    return {reinterpret_cast<const uint8_t*>(&record), sizeof(T)};
}
