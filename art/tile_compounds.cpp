// Pictures that span several tiles: trees (canopy over trunk), tall things, statues, runic
// columns, boats with their side pieces, the arena's fence, splashes, the thought bubble and
// the sight-shading corners. Each is drawn whole and cut into its tiles so that they join.
#include <functional>

#include "symbols.h"
#include "tile_art.h"

namespace art::tiles {
namespace {

using namespace sdf;

const Col kBark{118, 80, 44};

struct Compound {
    int cols, rows;
    std::vector<int16_t> tiles;  // row by row; -1 leaves a place empty
    std::function<void(Layer&)> paint;
    int pitch = 32;  // how far apart the pieces are drawn on the screen
};

// ---------------------------------------------------------------- trees

enum TreeKind { kOak, kPine, kBirch, kDead, kPalm, kWillow, kApple, kSnowyFir, kAutumn, kCypress, kBigOak, kBigPine,
                kBigWillow };

// A lumpy crown of leaves: overlapping balls lit from the upper left.
void Crown(Layer& L, float cx, float cy, float rx, float ry, Col leaf, uint32_t seed) {
    Rng r(seed);
    auto blob = [&](float x, float y) {
        return Ellipse(cx, cy, rx, ry)(x, y) + (ValueNoise(x / 4.0f, y / 4.0f, seed) - 0.5f) * 4.0f;
    };
    L.Fill(Grow(blob, 1.2f), Darken(leaf, 0.65f));
    L.Emboss(blob, leaf, std::min(rx, ry) * 0.8f, 0.4f);
    for (int i = 0; i < int(rx * ry / 10); ++i) {
        const float a = r.Range(0, 6.28f), d = r.Range(0.2f, 0.85f);
        const float x = cx + std::cos(a) * rx * d, y = cy + std::sin(a) * ry * d;
        const bool lit = (x - cx) + (y - cy) < 0;
        L.Fill(Circle(x, y, r.Range(1.2f, 2.4f)), lit ? Lighten(leaf, 0.22f) : Darken(leaf, 0.22f), 0.8f);
    }
}

void Trunk(Layer& L, float x, float top, float bottom, float w, Col bark) {
    Solid(L, Poly{{{x - w, bottom}, {x - w * 0.6f, top}, {x + w * 0.6f, top}, {x + w, bottom}}}, bark, w, 0.5f);
    L.Fill(Poly{{{x - w - 3, bottom}, {x - w, bottom - 4}, {x - w * 0.5f, bottom}}}, Darken(bark, 0.1f));
    L.Fill(Poly{{{x + w + 3, bottom}, {x + w, bottom - 4}, {x + w * 0.5f, bottom}}}, Darken(bark, 0.1f));
}

// A tree in a picture `w` tiles wide and two tall; the trunk stands in the lower tiles.
void Tree(Layer& L, TreeKind kind, int w, uint32_t seed) {
    const float cx = 16.0f * float(w);
    const float bottom = 62;
    switch (kind) {
        case kPine:
        case kSnowyFir:
        case kBigPine:
        case kCypress: {
            const float spread = kind == kBigPine ? 26 : kind == kCypress ? 8 : 14;
            Trunk(L, cx, 40, bottom, kind == kBigPine ? 4 : 2.5f, C(0x5A3C20));
            const Col leaf = kind == kSnowyFir ? C(0x2E5A42) : C(0x2E6A36);
            for (int k = 0; k < 4; ++k) {
                const float top = 4 + 10.0f * float(k), base = top + 18, half = spread * (0.45f + 0.18f * float(k));
                Poly tier{{{cx, top}, {cx + half, base}, {cx - half, base}}};
                L.Fill(Grow(tier, 1.2f), Darken(leaf, 0.6f));
                L.Fill(tier, leaf);
                L.Fill(Poly{{{cx, top}, {cx + half, base}, {cx + half * 0.2f, base}}}, Darken(leaf, 0.25f));
                if (kind == kSnowyFir) L.Fill(Poly{{{cx, top}, {cx - half * 0.6f, top + 11}, {cx + half * 0.1f, top + 8}}}, C(0xF4F8FF));
            }
            break;
        }
        case kDead: {
            Trunk(L, cx, 16, bottom, 3, C(0x5A4A3A));
            const Col bark = C(0x5A4A3A);
            Path arms[4] = {{{{cx, 30}, {cx - 8, 20}, {cx - 13, 14}}, 1.4f}, {{{cx, 26}, {cx + 7, 16}, {cx + 10, 6}}, 1.3f},
                            {{{cx - 8, 20}, {cx - 6, 10}}, 0.9f}, {{{cx, 20}, {cx + 2, 6}}, 1.1f}};
            for (const Path& p : arms) {
                L.Fill(Grow(p, 0.8f), kInk);
                L.Fill(p, bark);
            }
            break;
        }
        case kPalm: {
            Path trunk{{{cx + 2, bottom}, {cx + 1, 40}, {cx - 3, 20}}, 2.4f};
            L.Fill(Grow(trunk, 1), kInk);
            L.Fill(trunk, C(0x9A7040));
            for (float y : {26.0f, 32.0f, 38.0f, 44.0f, 50.0f}) L.Fill(Seg(cx - 3, y, cx + 3, y + 1, 0.4f), C(0x6A4A28));
            for (int k = 0; k < 7; ++k) {
                const float a = float(k) * 0.9f - 0.2f;
                const float ex = cx - 3 + 15 * std::cos(a), ey = 20 + 9 * std::sin(a) + 4;
                Path frond{{{cx - 3, 20}, {(cx - 3 + ex) / 2, (20 + ey) / 2 - 4}, {ex, ey}}, 2.3f};
                L.Fill(Grow(frond, 0.8f), C(0x1A3A12));
                L.Fill(frond, C(0x4A9A34));
            }
            L.Fill(Circle(cx - 3, 22, 2), C(0x6A4A20));
            break;
        }
        case kWillow:
        case kBigWillow: {
            const float rx = kind == kBigWillow ? 28 : 14;
            Trunk(L, cx, 30, bottom, kind == kBigWillow ? 4 : 3, C(0x5A4430));
            Crown(L, cx, 20, rx, 15, C(0x6A9A48), seed);
            Rng r(seed + 1);
            for (int k = 0; k < int(rx); ++k) {
                const float x = cx + r.Range(-rx, rx);
                L.Fill(Seg(x, 22, x + r.Range(-1, 1), 30 + r.Range(4, 14), 0.7f), C(0x7AAA50));
            }
            break;
        }
        default: {
            const bool big = kind == kBigOak;
            const Col leaf = kind == kBirch ? C(0x6AAA40) : kind == kAutumn ? C(0xC8782A) : kind == kApple ? C(0x4A8A34) : C(0x3E7A2E);
            const Col bark = kind == kBirch ? C(0xE8E4DC) : C(0x6A4628);
            Trunk(L, cx, 30, bottom, big ? 5 : 3, bark);
            if (kind == kBirch)
                for (float y : {38.0f, 45.0f, 52.0f}) L.Fill(Seg(cx - 2, y, cx + 1, y, 0.5f), kInk);
            Crown(L, cx, big ? 24 : 20, big ? 28 : 14, big ? 21 : 15, leaf, seed);
            if (kind == kApple) {
                Rng r(seed + 2);
                for (int k = 0; k < 8; ++k) L.Fill(Circle(cx + r.Range(-10, 10), 20 + r.Range(-9, 9), 1.6f), C(0xD02820));
            }
            break;
        }
    }
}

// ---------------------------------------------------------------- tall things of the arena

void TallThing(Layer& L, int which, uint32_t seed) {
    switch (which) {
        case 0: {  // a stalagmite
            const Col rock = C(0x7A6A58);
            Solid(L, Poly{{{6, 62}, {12, 30}, {15, 6}, {19, 28}, {26, 62}}}, rock, 5, 0.5f);
            L.Fill(Seg(14, 12, 12, 50, 0.6f), Lighten(rock, 0.3f));
            break;
        }
        case 1: Tree(L, kDead, 1, seed); break;
        case 2: {  // a clump of tall bulrushes
            Rng r(seed);
            for (int k = 0; k < 10; ++k) {
                const float x = r.Range(5, 27), top = r.Range(6, 26);
                L.Fill(Seg(x, 62, x + r.Range(-3, 3), top, 0.8f), C(0x6A8A3A));
                if (k % 2 == 0) Solid(L, Ellipse(x + 0.5f, top + 4, 1.6f, 4), C(0x6A4020), 1);
            }
            break;
        }
        case 3: Tree(L, kWillow, 1, seed); break;
        default: Tree(L, kCypress, 1, seed); break;
    }
}

// ---------------------------------------------------------------- statues

void Plinth(Layer& L, float x0, float x1, float y0, float y1, Col stone) {
    Solid(L, Box(x0, y0, x1, y1, 1), Darken(stone, 0.1f), 3);
    L.Fill(Box(x0 + 1, y0 + 1, x1 - 1, y0 + 3), Lighten(stone, 0.2f));
}

// Statues two tiles wide and two tall (which 0..6) or one wide and two tall (7..11).
void Statue(Layer& L, int which) {
    const Col stone = which % 3 == 1 ? C(0xB8B4A8) : which % 3 == 2 ? C(0x8A9088) : C(0xA8A49A);
    const Col hi = Lighten(stone, 0.2f);
    if (which >= 7) {  // one tile wide
        Plinth(L, 4, 28, 50, 62, stone);
        switch (which) {
            case 7:  // a warrior with spear
                Solid(L, Union(Circle(16, 12, 4.5f), Poly{{{10, 18}, {22, 18}, {21, 50}, {11, 50}}}), stone, 3);
                L.Fill(Seg(24, 4, 24, 50, 1), Darken(stone, 0.2f));
                L.Fill(Poly{{{24, 0}, {26, 6}, {22, 6}}}, Darken(stone, 0.2f));
                break;
            case 8:  // a robed maiden
                Solid(L, Union(Circle(16, 12, 4.5f), Poly{{{12, 17}, {20, 17}, {25, 50}, {7, 50}}}), hi, 3);
                L.Fill(Ellipse(16, 10, 5.5f, 3), Darken(stone, 0.15f));
                break;
            case 9:  // a gargoyle on a pillar
                Solid(L, Box(10, 26, 22, 50, 1), stone, 2);
                Solid(L, Union(Ellipse(16, 18, 7, 6), Poly{{{5, 8}, {11, 16}, {9, 22}}}), Darken(stone, 0.15f), 3);
                L.Fill(Poly{{{27, 8}, {21, 16}, {23, 22}}}, Darken(stone, 0.15f));
                L.Fill(Circle(14, 17, 0.9f), kInk);
                L.Fill(Circle(18, 17, 0.9f), kInk);
                break;
            case 10:  // an urn on a column
                Solid(L, Box(11, 26, 21, 50, 1), stone, 2);
                Solid(L, Union(Ellipse(16, 17, 7, 7), Box(12, 6, 20, 12, 1)), hi, 3);
                break;
            default:  // a hooded sage
                Solid(L, Poly{{{16, 5}, {23, 14}, {24, 50}, {8, 50}, {9, 14}}}, stone, 3);
                L.Fill(Ellipse(16, 14, 3.5f, 4), C(0x2A2A28));
                L.Fill(Seg(21, 20, 26, 44, 0.9f), Darken(stone, 0.3f));
                break;
        }
        return;
    }
    Plinth(L, 6, 58, 48, 62, stone);
    switch (which) {
        case 0:  // a knight with a raised sword
            Solid(L, Union(Union(Circle(30, 12, 6), Poly{{{21, 19}, {39, 19}, {37, 48}, {23, 48}}}), Box(37, 20, 44, 26, 2)), stone, 4);
            L.Fill(Seg(44, 3, 44, 24, 1.3f), hi);
            L.Fill(Seg(40, 20, 48, 20, 1.0f), hi);
            Solid(L, Poly{{{14, 24}, {24, 24}, {23, 38}, {19, 42}, {15, 38}}}, Darken(stone, 0.1f), 2);
            break;
        case 1:  // an angel with spread wings
            Solid(L, Poly{{{30, 20}, {6, 8}, {12, 24}, {8, 30}, {30, 32}}}, hi, 4);
            Solid(L, Poly{{{34, 20}, {58, 8}, {52, 24}, {56, 30}, {34, 32}}}, hi, 4);
            Solid(L, Union(Circle(32, 13, 5.5f), Poly{{{26, 19}, {38, 19}, {42, 48}, {22, 48}}}), stone, 4);
            L.Fill(Ring(Ellipse(32, 6, 6, 2), 0.7f), C(0xD8C060));
            break;
        case 2: {  // a seated lion
            Solid(L, Union(Ellipse(36, 36, 16, 11), Circle(20, 22, 11)), stone, 5);
            Solid(L, Circle(20, 22, 7), Darken(stone, 0.1f), 3);
            L.Fill(Circle(17, 20, 1), kInk);
            L.Fill(Circle(23, 20, 1), kInk);
            L.Fill(Poly{{{20, 24}, {18, 27}, {22, 27}}}, kInk);
            Path tail{{{51, 38}, {57, 30}, {55, 22}}, 1.6f};
            L.Fill(tail, stone);
            break;
        }
        case 3: {  // a dragon coiled on the plinth
            Solid(L, Ellipse(32, 36, 22, 11), stone, 5);
            Solid(L, Poly{{{14, 34}, {10, 10}, {22, 16}, {26, 32}}}, Darken(stone, 0.1f), 3);
            Solid(L, Union(Ellipse(14, 12, 8, 6), Poly{{{6, 12}, {2, 16}, {8, 16}}}), stone, 3);
            L.Fill(Poly{{{30, 28}, {44, 8}, {50, 30}}}, Darken(stone, 0.2f));
            L.Fill(Circle(12, 10, 1.1f), kInk);
            break;
        }
        case 4:  // a king on his throne
            Solid(L, Box(16, 14, 48, 48, 2), Darken(stone, 0.15f), 3);
            Solid(L, Union(Circle(32, 16, 6), Poly{{{24, 22}, {40, 22}, {42, 46}, {22, 46}}}), stone, 4);
            sym::Crown(L, 32, 9, 10, C(0xD8C060));
            break;
        case 5:  // a robed sage with a staff
            Solid(L, Poly{{{32, 6}, {42, 16}, {44, 48}, {20, 48}, {22, 16}}}, stone, 4);
            L.Fill(Ellipse(32, 15, 5, 5), C(0x2A2A28));
            L.Fill(Seg(48, 4, 46, 48, 1.2f), Darken(stone, 0.3f));
            L.Fill(Circle(48, 4, 3), C(0x9AD0E0));
            break;
        default:  // a great head
            Solid(L, Ellipse(32, 28, 20, 20), stone, 6);
            L.Fill(Box(20, 22, 28, 25, 1), kInk);
            L.Fill(Box(36, 22, 44, 25, 1), kInk);
            L.Fill(Poly{{{32, 26}, {28, 36}, {36, 36}}}, Darken(stone, 0.2f));
            L.Fill(Box(24, 40, 40, 42, 1), kInk);
            break;
    }
}

// A runic column three tiles tall; the crown of the first holds the pentagram fire.
void RunicColumn(Layer& L, int which) {
    const Col stone = which == 0 ? C(0x6A7078) : which < 4 ? C(0x8A8E96) : C(0x7A7468);
    const Col glow = which == 0 ? C(0xF07030) : which < 4 ? C(0x70D8FF) : C(0x90F070);
    Solid(L, Box(8, 14, 24, 92, 1), stone, 4);
    Solid(L, Box(5, 88, 27, 96, 1), Darken(stone, 0.1f), 2);
    Solid(L, Box(5, 10, 27, 18, 1), Lighten(stone, 0.1f), 2);
    Rng r(uint32_t(which) + 900);
    for (int k = 0; k < 6; ++k) {
        const float y = 24 + 11.0f * float(k);
        const float a = r.Range(0, 3.1f);
        L.Fill(Seg(16 - 4 * std::cos(a), y - 3 * std::sin(a), 16 + 4 * std::cos(a), y + 3 * std::sin(a), 0.7f), glow);
        L.Fill(Seg(16, y - 4, 16, y + 4, 0.7f), glow);
    }
    if (which == 0) {  // the crown burns: the penta-portal's fire
        L.Fill(Ring(Poly{Star(16, 8, 8, 3, 5, 0)}, 0.6f), glow);
        sym::Flame(L, 16, 5, 12);
    } else {
        Solid(L, Poly{RegularPoly(16, 7, 6, 6, 0)}, glow, 2, 0.6f);
    }
}

// ---------------------------------------------------------------- boats

// A big rowing boat across three tiles with oars reaching into the tiles beside it;
// `angle` 0 faces east, 90 south, 180 west, 270 north. Drawn on a 96 x 96 layer.
void RowingBoat(Layer& L, float angle) {
    auto rot = [&](auto s) { return Rotate(s, 48, 48, angle); };
    const Col hull = C(0x8E5E32), inner = C(0x5A3A1C), plank = C(0xA87A48);
    // oars first, under the hull
    for (float x : {38.0f, 58.0f})
        for (float side : {-1.0f, 1.0f}) {
            L.Fill(rot(Seg(x, 48, x - 6, 48 + side * 38, 1.6f)), kInk);
            L.Fill(rot(Seg(x, 48, x - 6, 48 + side * 38, 0.9f)), C(0xC8A070));
            L.Fill(rot(Ellipse(x - 6, 48 + side * 36, 2.6f, 5)), C(0xC8A070));
        }
    Poly shape{{{14, 38}, {66, 37}, {84, 48}, {66, 59}, {14, 58}, {10, 48}}};
    L.Fill(rot(Grow(shape, 1.2f)), kInk);
    L.Emboss(rot(shape), hull, 4, 0.5f);
    L.Fill(rot(Poly{{{18, 41}, {64, 40}, {78, 48}, {64, 56}, {18, 55}, {15, 48}}}), inner);
    for (float x : {28.0f, 44.0f, 60.0f}) L.Fill(rot(Box(x - 2, 40, x + 2, 56)), plank);
}

// ---------------------------------------------------------------- effects of several tiles

void KillSplash(Layer& L, float w, float h) {
    Rng r(uint32_t(w * 7 + h));
    const float cx = w / 2, cy = h / 2;
    L.Fill(Ellipse(cx, cy, w * 0.32f, h * 0.32f), C(0x8A1410));
    for (int i = 0; i < 26; ++i) {
        const float a = r.Range(0, 6.28f), d = r.Range(0.3f, 0.48f);
        L.Fill(Circle(cx + std::cos(a) * w * d, cy + std::sin(a) * h * d, r.Range(1.5f, 4.0f)), C(0x8A1410));
    }
    L.Fill(Poly{Star(cx, cy, std::min(w, h) * 0.3f, std::min(w, h) * 0.12f, 9, 5)}, C(0xE04020));
    L.Fill(Ellipse(cx, cy, w * 0.1f, h * 0.1f), C(0xFFE080));
}

// The four pieces that round the corners of the sight: fog outside a quarter circle.
void SightCorners(Layer& L) {
    // the block is 1815 (bottom right piece) 1816 (bottom left) over 1835 (top right) 1836 (top left)
    const struct {
        float ox, oy, fx, fy;  // the piece's place and the corner far from its dark one
    } pieces[4] = {{0, 0, 0, 0}, {32, 0, 64, 0}, {0, 32, 0, 64}, {32, 32, 64, 64}};
    for (const auto& p : pieces)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const float d = Len(p.ox + float(x) + 0.5f - p.fx, p.oy + float(y) + 0.5f - p.fy);
                if (d > 32.5f) {
                    const float n = Fbm(float(x) / 8.0f, float(y) / 8.0f, 1327, 3, 4, 4);
                    const float v = 24 + n * 30;
                    L.Blend(int(p.ox) + x, int(p.oy) + y, Col{v * 0.85f, v * 0.9f, v * 1.15f}, 1);
                }
            }
}

void ThoughtBubble(Layer& L) {
    // the thought inside is drawn at (8, 5) of the bubble, its picture in the middle of a tile
    auto cloud = Union(Union(Ellipse(26, 23, 18, 13), Circle(16, 17, 8)), Union(Circle(36, 15, 8), Circle(26, 11, 8)));
    L.Fill(Grow(cloud, 1.3f), C(0x3A3A40));
    L.Fill(cloud, C(0xFAFAF6));
    L.Fill(Circle(9, 44, 4.5f), C(0x3A3A40));
    L.Fill(Circle(9, 44, 3.5f), C(0xFAFAF6));
    L.Fill(Circle(4, 54, 2.8f), C(0x3A3A40));
    L.Fill(Circle(4, 54, 2.0f), C(0xFAFAF6));
}

// An open chest holding the hero's things: where his stripped belongings wait on the retrieve
// screen, and where the shop takes what he sells.
void ChestOfThings(Layer& L) {
    const Col wood = C(0x96693E);
    // the lid thrown back, its inside dark
    Solid(L, Poly{{{9, 27}, {55, 27}, {51, 6}, {13, 6}}}, Darken(wood, 0.12f), 3);
    L.Fill(Poly{{{14, 25}, {50, 25}, {47, 10}, {17, 10}}}, C(0x2E1C10));
    for (float x : {20.0f, 44.0f}) L.Fill(Poly{{{x - 2.5f, 6.5f}, {x + 2.5f, 6.5f}, {x + 3.0f, 26.5f}, {x - 3.0f, 26.5f}}}, kIron);
    // what it holds, standing over the rim
    sym::Sword(L, 45, 25, 26, 165);
    sym::Potion(L, 20, 25, 13, C(0xD02828));
    for (V2 p : {V2{26, 30}, V2{32, 30}, V2{38, 30}, V2{29, 27}, V2{35, 27}}) sym::Coin(L, p.x, p.y, 8);
    // the box: planks, iron bands and the lock
    Solid(L, Box(7, 30, 57, 57, 2), wood, 3);
    for (float y : {38.0f, 47.0f}) L.Fill(Box(9, y, 55, y + 0.8f), Darken(wood, 0.35f));
    L.Fill(Box(7.5f, 30.5f, 56.5f, 33.5f), kIron);
    for (float x : {16.0f, 48.0f}) L.Fill(Box(x - 2.5f, 30.5f, x + 2.5f, 56.5f), kIron);
    Solid(L, Box(27, 33, 37, 44, 1.5f), kGold, 1.5f);
    L.Fill(Union(Circle(32, 37.5f, 1.6f), Box(31.3f, 37.5f, 32.7f, 41)), kInk);
}

// The fence around the arena of the cock fights and rat races; pieces of its frame repeat.
void ArenaFence(Layer& L) {
    const Col post = kBark, rail = C(0x9A6A3A);
    auto rails = [&](float x0, float y0, float x1, float y1) {
        for (float o : {-3.0f, 3.0f}) {
            const bool h = y0 == y1;
            auto r = h ? Box(x0, y0 + o - 1.2f, x1, y0 + o + 1.2f) : Box(x0 + o - 1.2f, y0, x0 + o + 1.2f, y1);
            L.Fill(Grow(r, 0.8f), kInk);
            L.Fill(r, rail);
        }
    };
    rails(8, 8, 96, 8);
    rails(8, 8, 8, 96);
    rails(88, 8, 88, 96);
    rails(8, 88, 96, 88);
    for (int k = 0; k < 6; ++k) {
        const float t = 8 + 16.0f * float(k);
        for (V2 p : {V2{t, 8}, V2{t, 88}, V2{8, t}, V2{88, t}}) Solid(L, Box(p.x - 2.5f, p.y - 2.5f, p.x + 2.5f, p.y + 2.5f, 1), post, 1.5f);
    }
}

// ---------------------------------------------------------------- the list

std::vector<Compound> Compounds() {
    std::vector<Compound> list;
    auto tree = [&](std::vector<int16_t> tiles, int w, TreeKind kind) {
        list.push_back({w, 2, std::move(tiles), [=](Layer& L) { Tree(L, kind, w, uint32_t(kind) * 31 + uint32_t(w)); }});
    };
    // the trees of the forest sheet: canopy tiles over trunk tiles
    const TreeKind singles[] = {kOak, kPine, kBirch, kDead};
    for (int i = 0; i < 4; ++i) tree({int16_t(1400 + i), int16_t(1420 + i)}, 1, singles[i]);
    tree({1404, 1405, 1424, 1425}, 2, kBigOak);
    tree({1406, 1407, 1426, 1427}, 2, kBigPine);
    tree({1408, 1428}, 1, kPalm);
    tree({1409, 1429}, 1, kWillow);
    tree({1410, 1411, 1430, 1431}, 2, kBigWillow);
    const TreeKind more[] = {kApple, kSnowyFir, kAutumn, kCypress, kOak};
    for (int i = 0; i < 5; ++i) tree({int16_t(1412 + i), int16_t(1432 + i)}, 1, more[i]);
    list.push_back({3, 2, {1417, 1418, 1419, 1437, 1438, 1439}, [](Layer& L) {  // crowns of a grove, open between
                        Crown(L, 18, 16, 14, 12, C(0x3E7A2E), 77);
                        Crown(L, 50, 22, 13, 11, C(0x467E30), 78);
                        Crown(L, 80, 14, 13, 11, C(0x3A722A), 79);
                        Crown(L, 30, 46, 13, 10, C(0x427A2C), 80);
                        Crown(L, 70, 48, 12, 10, C(0x3E7A2E), 81);
                    }});
    // the forest's own trees (the arena repairs these pairs), the chop tree among them
    const TreeKind forest[] = {kOak, kPine, kBirch, kApple, kAutumn, kSnowyFir, kCypress, kOak,
                               kPine, kOak, kBirch, kPine, kAutumn, kDead, kOak, kPine};
    for (int i = 0; i < 14; ++i) tree({int16_t(740 + i), int16_t(760 + i)}, 1, forest[i]);
    tree({758, 778}, 1, forest[14]);
    tree({759, 779}, 1, forest[15]);
    tree({1750, 1770}, 1, kPine);
    // the other tall pairs: stalagmite, dead tree, bulrushes, willow
    const struct {
        int16_t upper;
        int which;
    } tall[] = {{255, 0}, {297, 1}, {298, 2}, {378, 3}};
    for (const auto& t : tall)
        list.push_back({1, 2, {t.upper, int16_t(t.upper + 20)}, [w = t.which](Layer& L) { TallThing(L, w, 500 + uint32_t(w)); }});
    // statues: five two-by-two, five one-wide, and two more two-by-two numbered in a row
    for (int i = 0; i < 5; ++i) {
        const int16_t a = int16_t(845 + 2 * i);
        list.push_back({2, 2, {a, int16_t(a + 1), int16_t(a + 20), int16_t(a + 21)}, [i](Layer& L) { Statue(L, i); }});
    }
    for (int i = 0; i < 5; ++i) list.push_back({1, 2, {int16_t(855 + i), int16_t(875 + i)}, [i](Layer& L) { Statue(L, 7 + i); }});
    list.push_back({2, 2, {2229, 2230, 2231, 2232}, [](Layer& L) { Statue(L, 5); }});
    list.push_back({2, 2, {2236, 2237, 2238, 2239}, [](Layer& L) { Statue(L, 6); }});
    // runic columns
    list.push_back({1, 3, {971, 991, 1011}, [](Layer& L) { RunicColumn(L, 0); }});
    for (int i = 0; i < 3; ++i) {
        list.push_back({1, 3, {int16_t(1455 + i), int16_t(1475 + i), int16_t(1495 + i)}, [i](Layer& L) { RunicColumn(L, 1 + i); }});
        list.push_back({1, 3, {int16_t(2193 + i), int16_t(2213 + i), int16_t(2233 + i)}, [i](Layer& L) { RunicColumn(L, 4 + i); }});
    }
    // boats: the boat and the pieces drawn on the squares beside it
    list.push_back({3, 3, {-1, 1184, -1, 1180, 1181, 1182, -1, 1183, -1}, [](Layer& L) { RowingBoat(L, 0); }});
    list.push_back({3, 3, {-1, 1198, -1, 1194, 1195, 1196, -1, 1197, -1}, [](Layer& L) { RowingBoat(L, 180); }});
    list.push_back({3, 3, {-1, 1771, -1, 1831, 1791, 1851, -1, 1811, -1}, [](Layer& L) { RowingBoat(L, 90); }});
    list.push_back({3, 3, {-1, 1779, -1, 1759, 1799, 1739, -1, 1819, -1}, [](Layer& L) { RowingBoat(L, 270); }});
    // effects
    list.push_back({2, 2, {1792, 1793, 1812, 1813}, [](Layer& L) { KillSplash(L, 64, 64); }});
    list.push_back({1, 2, {1794, 1814}, [](Layer& L) { KillSplash(L, 32, 64); }});
    list.push_back({2, 1, {1832, 1833}, [](Layer& L) { KillSplash(L, 64, 32); }});
    list.push_back({2, 2, {1815, 1816, 1835, 1836}, [](Layer& L) { SightCorners(L); }});
    list.push_back({2, 2, {1712, 1713, 1732, 1733}, [](Layer& L) { ThoughtBubble(L); }, 30});
    list.push_back({2, 2, {1323, 1324, 1325, 1326}, [](Layer& L) { ChestOfThings(L); }});
    list.push_back({3, 3, {960, 961, 962, 980, -1, 982, 1000, 1001, 1002}, [](Layer& L) { ArenaFence(L); }});
    return list;
}

}  // namespace

void PaintCompounds(std::vector<Image>& tiles, std::vector<bool>& done) {
    for (const Compound& c : Compounds()) {
        const int w = (c.cols - 1) * c.pitch + kTileSize, h = (c.rows - 1) * c.pitch + kTileSize;
        Layer L(w, h);
        c.paint(L);
        Image whole(w, h, kKeyColour);
        Stamp(L, whole, 0, 0);
        for (int r = 0; r < c.rows; ++r)
            for (int k = 0; k < c.cols; ++k) {
                const int16_t t = c.tiles[size_t(r * c.cols + k)];
                if (t < 0) continue;
                tiles[size_t(t)] = Crop(whole, k * c.pitch, r * c.pitch, kTileSize, kTileSize);
                done[size_t(t)] = true;
            }
    }
}

}  // namespace art::tiles
