// Whole-file reads and crash-safe writes for every file the game keeps.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Writes the bytes to a temporary file in the target's folder, flushes it to the disk and
// renames it over the target, so a crash or a full disk never leaves a half-written file.
// A missing folder is created. False when anything failed; the old file is then intact.
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> bytes);

// The whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

bool FileExists(const std::string& path);
// False when there was no file to delete or it could not be deleted.
bool DeleteFile(const std::string& path);

template <class T>
std::span<const uint8_t> BytesOf(const T& record) {
    return {reinterpret_cast<const uint8_t*>(&record), sizeof(T)};
}
