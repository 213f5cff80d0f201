// VWALL and VMINIWALL: every tile painted by its meaning, or by its role and family, and the
// 8 x 8 reductions the automap draws.
#include "symbols.h"
#include "tile_art.h"

namespace art {
namespace {

using namespace tiles;

// The number of tiles of the same role and family just before `t` in an unbroken run: how far
// into its run a tile stands decides its variant.
int VariantOf(int t) {
    const TileClass c = TileClasses[size_t(t)];
    int first = t;
    while (first > 0 && TileClasses[size_t(first - 1)].role == c.role && TileClasses[size_t(first - 1)].family == c.family) --first;
    return t - first;
}

void PaintByRole(Image& img, const Tile& t) {
    if (t.family == kFamilyWater && (t.role == kRoleWater || t.role == kRoleFloor) && t.number != 234) {
        PaintLakeShore(img, t);
        return;
    }
    switch (t.role) {
        case kRoleEmpty: break;
        case kRoleFloor: PaintFloor(img, t); break;
        case kRoleMark: PaintMark(img, t); break;
        case kRoleOverhang: PaintOverhang(img, t); break;
        case kRoleObject:
        case kRoleInterface: PaintObject(img, t); break;
        case kRoleRough: PaintRough(img, t); break;
        case kRoleWall: PaintWall(img, t); break;
        case kRoleWater:
            PaintWater(img, t);
            if (t.number == 234) {  // floes on the icy water
                Layer L(32, 32);
                for (V2 p : {V2{9, 10}, V2{22, 20}, V2{11, 25}}) {
                    L.Fill(sdf::Poly{RegularPoly(p.x, p.y, 5, 5, float(p.x) * 9)}, Rgb(0xE4F2FC));
                    L.Fill(sdf::Ring(sdf::Poly{RegularPoly(p.x, p.y, 5, 5, float(p.x) * 9)}, 0.5f), Rgb(0x8AB4D8));
                }
                Put(img, L);
            }
            break;
        case kRoleWaterPiece: break;  // boats are drawn whole with their pieces
    }
}

// Mean colour of each 4 x 4 block; a block mostly of the key colour stays transparent.
Image Reduce(const Image& tile) {
    Image mini(8, 8, kKeyColour);
    for (int by = 0; by < 8; ++by)
        for (int bx = 0; bx < 8; ++bx) {
            float r = 0, g = 0, b = 0;
            int n = 0;
            for (int y = 0; y < 4; ++y)
                for (int x = 0; x < 4; ++x) {
                    const uint32_t c = tile.Get(4 * bx + x, 4 * by + y);
                    if (c == kKeyColour) continue;
                    r += float(c >> 16);
                    g += float((c >> 8) & 255);
                    b += float(c & 255);
                    ++n;
                }
            if (n >= 8) mini.Set(bx, by, ToRgb(Col{r / float(n), g / float(n), b / float(n)}));
        }
    return mini;
}

// The automap's own markers, which differ from the tiles of the same numbers.
Image MiniMarker(int tile) {
    Image m(8, 8, kKeyColour);
    const uint32_t ink = 0x140C06;
    switch (tile) {
        case 320: FillRect(m, 0, 0, 8, 8, 0x0A0A0E); break;
        case 1380:  // you: a gold diamond
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    const int d = std::abs(x * 2 - 7) + std::abs(y * 2 - 7);
                    if (d <= 7) m.Set(x, y, d >= 6 ? ink : 0xF8D030);
                }
            break;
        case 1381:  // an NPC: a green disc
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    const int d = (x * 2 - 7) * (x * 2 - 7) + (y * 2 - 7) * (y * 2 - 7);
                    if (d <= 50) m.Set(x, y, d >= 30 ? ink : 0x40D050);
                }
            break;
        default: {  // exits: arrows north (also the plain exit), south, east, west
            static const char* const kUp[8] = {"...##...", "..####..", ".######.", "########",
                                               "..####..", "..####..", "..####..", "........"};
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) {
                    int sx = x, sy = y;
                    switch (tile) {
                        case 1383: sy = 7 - y; break;
                        case 1384: sx = y, sy = 7 - x; break;
                        case 1385: sx = y, sy = x; break;
                        default: break;
                    }
                    if (kUp[sy][sx] == '#') m.Set(x, y, 0xF04030);
                }
            break;
        }
    }
    return m;
}

}  // namespace

TileArt BuildTileArt() {
    TileArt art;
    art.tiles.assign(kTileCount, Image(kTileSize, kTileSize, kKeyColour));
    std::vector<bool> done(kTileCount, false);
    PaintCompounds(art.tiles, done);
    for (int n = 0; n < kTileCount; ++n) {
        if (done[size_t(n)]) continue;
        const Tile t{n, TileClasses[size_t(n)].role, TileClasses[size_t(n)].family, VariantOf(n), Hash(uint32_t(n) * 7919u + 17u)};
        Image& img = art.tiles[size_t(n)];
        if (!PaintSpecial(img, t)) PaintByRole(img, t);
    }
    for (Image& img : art.tiles) KeepOffKey(img);
    art.minis.reserve(kTileCount);
    for (int n = 0; n < kTileCount; ++n) {
        const bool marker = n == 320 || (n >= 1380 && n <= 1385);
        art.minis.push_back(marker ? MiniMarker(n) : Reduce(art.tiles[size_t(n)]));
    }
    return art;
}

namespace {

// Rows 0..111 hold tiles 0..2239, rows 112..115 tiles 2315..2394.
int TileAtSheetRow(int r, int c) { return r < 112 ? 20 * r + c : 2315 + 20 * (r - 112) + c; }

}  // namespace

Image BuildWallSheet(const TileArt& art) {
    Image sheet(661, 3829, kKeyColour);
    for (int r = 0; r < 116; ++r)
        for (int c = 0; c < 20; ++c) Blit(art.tiles[size_t(TileAtSheetRow(r, c))], 0, 0, 32, 32, sheet, 33 * c + 1, 33 * r + 1);
    return sheet;
}

Image BuildMiniWallSheet(const TileArt& art) {
    Image sheet(181, 1045, kKeyColour);
    for (int r = 0; r < 116; ++r)
        for (int c = 0; c < 20; ++c) Blit(art.minis[size_t(TileAtSheetRow(r, c))], 0, 0, 8, 8, sheet, 9 * c + 1, 9 * r + 1);
    return sheet;
}

}  // namespace art
