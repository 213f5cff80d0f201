#include "contact_sheets.h"

#include <cstdio>

#include "png.h"
#include "sheets.h"

namespace art {
namespace {

constexpr int kScale = 2;
constexpr int kLabel = 9;  // room under each picture for its number
constexpr int kGap = 6;

struct Entry {
    int number;
    const Image* picture;
};

// Pictures laid out in rows on a dark page, with their numbers under them.
Image Page(const std::vector<Entry>& entries, int columns) {
    int cellW = 0, cellH = 0;
    for (const Entry& e : entries) {
        cellW = std::max(cellW, e.picture->width * kScale);
        cellH = std::max(cellH, e.picture->height * kScale);
    }
    cellW += kGap;
    cellH += kLabel + kGap;
    const int rows = (int(entries.size()) + columns - 1) / columns;
    Image page(columns * cellW + kGap, rows * cellH + kGap, 0x30343A);
    for (size_t i = 0; i < entries.size(); ++i) {
        const Image& pic = *entries[i].picture;
        const int x0 = kGap + int(i % size_t(columns)) * cellW, y0 = kGap + int(i / size_t(columns)) * cellH;
        for (int y = 0; y < pic.height * kScale; ++y)
            for (int x = 0; x < pic.width * kScale; ++x) {
                uint32_t c = pic.Get(x / kScale, y / kScale);
                if (c == kKeyColour) c = ((x / 8 + y / 8) % 2) ? 0xB8B8B8 : 0xD8D8D8;
                page.Set(x0 + x, y0 + y, c);
            }
        DrawDigits3x5(page, x0, y0 + pic.height * kScale + 2, entries[i].number, 0xF0F0F0);
    }
    return page;
}

bool Write(const std::string& folder, const std::string& name, const Image& page) {
    const std::string path = folder + "/" + name + ".png";
    if (WritePng(path, page)) return true;
    std::fprintf(stderr, "make_art: cannot write %s\n", path.c_str());
    return false;
}

const char* const kFamilyNames[kFamilyCount] = {
    "ground", "wall-x", "wall-y", "water", "path", "forest", "cave", "marsh", "ice", "bits1", "bits2", "bits3", "life", "bodies",
    "statues", "runic", "sea", "dark", "enda", "kintara", "araboria", "osirian", "alien", "vx3", "wild1", "wild2", "custom", "other",
};

}  // namespace

bool WriteContactSheets(const std::string& folder, const PlayArt& art) {
    bool ok = true;
    for (int f = 0; f < kFamilyCount; ++f) {
        std::vector<Entry> tiles, minis;
        for (int n = 0; n < kTileCount; ++n)
            if (TileClasses[size_t(n)].family == f) {
                tiles.push_back({n, &art.tiles.tiles[size_t(n)]});
                minis.push_back({n, &art.tiles.minis[size_t(n)]});
            }
        const std::string name = std::string("tiles-") + (f < 10 ? "0" : "") + std::to_string(f) + "-" + kFamilyNames[f];
        ok = Write(folder, name, Page(tiles, 12)) && ok;
    }
    // every tile in sheet order, small, to see the sheet's neighbours together
    std::vector<Entry> all;
    for (int n = 0; n < kTileCount; ++n) all.push_back({n, &art.tiles.tiles[size_t(n)]});
    for (int part = 0; part < 4; ++part) {
        std::vector<Entry> slice(all.begin() + part * 600, all.begin() + std::min<int>(kTileCount, (part + 1) * 600));
        ok = Write(folder, "sheet-part" + std::to_string(part + 1), Page(slice, 20)) && ok;
    }
    // monster pictures by the places of the sheet, sets of four side by side
    const struct {
        const char* name;
        int first, last, columns, perPage;
    } monsterPages[] = {
        {"monsters-1-sets", 0, 863, 24, 192},       {"monsters-2-hero-and-shields", 864, 1007, 24, 144},
        {"monsters-3-two-wide", 1008, 1139, 12, 132}, {"monsters-4-two-tall", 1140, 1235, 24, 96},
        {"monsters-5-huge", 1236, 1363, 12, 128},    {"monsters-6-people", 1364, 1699, 24, 336},
        {"monsters-7-custom", 1700, 1795, 16, 96},
    };
    for (const auto& m : monsterPages)
        for (int first = m.first, page = 1; first <= m.last; first += m.perPage, ++page) {
            std::vector<Entry> pics;
            for (int n = first; n <= std::min(m.last, first + m.perPage - 1); ++n) pics.push_back({n, &art.monsters[size_t(n)]});
            const bool several = m.last - m.first + 1 > m.perPage;
            ok = Write(folder, std::string(m.name) + (several ? "-" + std::to_string(page) : ""), Page(pics, m.columns)) && ok;
        }
    const struct {
        const char* name;
        int first, last, columns;
    } itemPages[] = {
        {"items-1-small", 0, 233, 26},     {"items-2-wide", 234, 246, 13},    {"items-3-tall", 247, 324, 26},
        {"items-4-long", 325, 402, 26},    {"items-5-square", 403, 428, 13},  {"items-6-armour-and-bows", 429, 454, 13},
        {"items-7-quest", 455, 610, 26},   {"items-8-custom", 611, 642, 16},  {"items-9-square", 643, 655, 13},
        {"items-10-last", 656, 713, 26},
    };
    for (const auto& m : itemPages) {
        std::vector<Entry> pics;
        for (int n = m.first; n <= m.last; ++n) pics.push_back({n, &art.items[size_t(n)]});
        ok = Write(folder, m.name, Page(pics, m.columns)) && ok;
    }
    // the interface sheet as it stands: icons, runes, hieroglyphs, heraldry, cards, frames
    const Image box = BuildBoxSheet();
    ok = Write(folder, "interface-sheet", Page({{0, &box}}, 1)) && ok;
    return ok;
}

}  // namespace art
