#include "resources.h"

#include <cctype>
#include <cstring>

#include "art/pack_format.h"

extern "C" const uint8_t vexmoor_resource_pack[];
extern "C" const uint8_t vexmoor_resource_pack_end[];

namespace {

bool SameName(const char (&stored)[24], std::string_view name) {
    if (name.size() >= sizeof stored) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (stored[i] != char(std::toupper(static_cast<unsigned char>(name[i])))) return false;
    return stored[name.size()] == '\0';
}

const pack_format::Entry* Find(std::string_view name, uint32_t kind) {
    const uint8_t* base = vexmoor_resource_pack;
    const size_t total = size_t(vexmoor_resource_pack_end - base);
    if (total < 8 || std::memcmp(base, pack_format::kMagic, 4) != 0) return nullptr;
    uint32_t count;
    std::memcpy(&count, base + 4, 4);
    if (count > (total - 8) / sizeof(pack_format::Entry)) return nullptr;
    const auto* entries = reinterpret_cast<const pack_format::Entry*>(base + 8);
    for (uint32_t i = 0; i < count; ++i) {
        const pack_format::Entry& e = entries[i];
        if (e.kind != kind || !SameName(e.name, name)) continue;
        if (e.offset > total || e.size > total - e.offset) return nullptr;
        return &e;
    }
    return nullptr;
}

}  // namespace

bool FindSheet(std::string_view name, ResourceSheet& sheet) {
    const pack_format::Entry* e = Find(name, pack_format::kSheet);
    if (!e || uint64_t(e->width) * e->height * 2 != e->size) return false;
    sheet.width = int32_t(e->width);
    sheet.height = int32_t(e->height);
    sheet.pixels = reinterpret_cast<const uint16_t*>(vexmoor_resource_pack + e->offset);
    return true;
}

bool FindWave(std::string_view name, ResourceWave& wave) {
    const pack_format::Entry* e = Find(name, pack_format::kWave);
    if (!e) return false;
    wave.data = vexmoor_resource_pack + e->offset;
    wave.size = e->size;
    return true;
}
