#include "pack.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "pack_format.h"

namespace art {
namespace {

uint16_t To565(uint32_t c) {
    return uint16_t(((c >> 19) & 0x1F) << 11 | ((c >> 10) & 0x3F) << 5 | ((c >> 3) & 0x1F));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace

void Pack::AddSheet(const std::string& name, const Image& image) {
    const uint16_t key = To565(kKeyColour);
    Entry e{name, pack_format::kSheet, uint32_t(image.width), uint32_t(image.height), {}};
    e.bytes.reserve(image.rgb.size() * 2);
    for (uint32_t c : image.rgb) {
        uint16_t p = To565(c);
        // A drawn colour that merely rounds to the key would turn transparent.
        if (p == key && c != kKeyColour) p ^= 1;
        e.bytes.push_back(uint8_t(p));
        e.bytes.push_back(uint8_t(p >> 8));
    }
    entries_.push_back(std::move(e));
}

void Pack::AddWave(const std::string& name, std::vector<uint8_t> waveFile) {
    entries_.push_back(Entry{name, pack_format::kWave, 0, 0, std::move(waveFile)});
}

bool Pack::Write(const std::string& path) const {
    std::vector<uint8_t> out(pack_format::kMagic, pack_format::kMagic + 4);
    Put32(out, uint32_t(entries_.size()));
    size_t offset = 8 + entries_.size() * sizeof(pack_format::Entry);
    std::vector<uint32_t> offsets;
    for (const Entry& e : entries_) {
        offset = (offset + 3) & ~size_t(3);
        offsets.push_back(uint32_t(offset));
        offset += e.bytes.size();
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        char name[24] = {};
        for (size_t k = 0; k < e.name.size() && k < sizeof name - 1; ++k)
            name[k] = char(std::toupper(static_cast<unsigned char>(e.name[k])));
        out.insert(out.end(), name, name + sizeof name);
        Put32(out, e.kind);
        Put32(out, e.width);
        Put32(out, e.height);
        Put32(out, offsets[i]);
        Put32(out, uint32_t(e.bytes.size()));
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        out.resize(offsets[i], 0);
        out.insert(out.end(), entries_[i].bytes.begin(), entries_[i].bytes.end());
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return (std::fclose(f) == 0) && ok;
}

bool WriteBmp(const std::string& path, const Image& image) {
    const uint32_t rowBytes = (uint32_t(image.width) * 3 + 3) & ~3u;
    const uint32_t dataSize = rowBytes * uint32_t(image.height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + dataSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, uint32_t(image.width));
    Put32(out, uint32_t(image.height));
    out.push_back(1);
    out.push_back(0);
    out.push_back(24);
    out.push_back(0);
    Put32(out, 0);
    Put32(out, dataSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        size_t start = out.size();
        for (int x = 0; x < image.width; ++x) {
            uint32_t c = image.Get(x, y);
            out.push_back(uint8_t(c));
            out.push_back(uint8_t(c >> 8));
            out.push_back(uint8_t(c >> 16));
        }
        out.resize(start + rowBytes, 0);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return (std::fclose(f) == 0) && ok;
}

}  // namespace art
