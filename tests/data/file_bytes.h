// Reading files byte by byte, for checks written from the file layouts.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline int16_t I16At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int16_t>(b.at(at) | (b.at(at + 1) << 8));
}

inline uint32_t U32At(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b.at(at)) | uint32_t(b.at(at + 1)) << 8 | uint32_t(b.at(at + 2)) << 16 | uint32_t(b.at(at + 3)) << 24;
}

// The text at a field, up to its terminator or the field's end.
inline std::string TextAt(const std::vector<uint8_t>& b, size_t at, size_t field) {
    std::string s;
    for (size_t i = at; i < at + field && b.at(i) != 0; ++i) s += static_cast<char>(b[i]);
    return s;
}

inline void PutI16(std::vector<uint8_t>& b, size_t at, int16_t v) {
    b.at(at) = static_cast<uint8_t>(v & 0xff);
    b.at(at + 1) = static_cast<uint8_t>((v >> 8) & 0xff);
}

inline void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.at(at + i) = static_cast<uint8_t>(v >> (8 * i));
}
