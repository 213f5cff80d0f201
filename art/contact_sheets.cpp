#include "contact_sheets.h"

#include <cstdio>

#include "png.h"

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
    return ok;
}

}  // namespace art
