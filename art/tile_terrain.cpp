// Ground, walls, water, roads and the wilderness: the tiles a map is laid from, by family.
#include "symbols.h"
#include "tile_art.h"

namespace art::tiles {
using namespace sdf;

const Palette& PaletteOf(TileFamily family) {
    static const Palette kPalettes[kFamilyCount] = {
        /* Ground   */ {C(0x5A8C3C), C(0x8C6E46), C(0x8A8478), C(0x6E6A60), C(0xB89458), C(0x1E1810)},
        /* WallX    */ {C(0x6E6A64), C(0x5C5852), C(0xA8A498), C(0x8E8A80), C(0x4A4C56), C(0x1C1A18)},
        /* WallY    */ {C(0x96693E), C(0x7E5634), C(0xA45436), C(0xC8B496), C(0x6A4222), C(0x1E120A)},
        /* Water    */ {C(0xD6C48C), C(0x5E9440), C(0x8A847A), C(0x6E6A62), C(0x2C6EB4), C(0x10203A)},
        /* Path     */ {C(0xA07C50), C(0x5A8C3C), C(0x8A8478), C(0x6E6A60), C(0x8C6A40), C(0x1E1810)},
        /* Forest   */ {C(0x46642C), C(0x60482E), C(0x5A4630), C(0x3C2C1C), C(0x3C7A32), C(0x14180C)},
        /* Cave     */ {C(0x6E6050), C(0x5A4E42), C(0x786856), C(0x5E5244), C(0x78C8DC), C(0x1A140E)},
        /* Marsh    */ {C(0x5C603C), C(0x504632), C(0x606450), C(0x4A4C3A), C(0x3C5A3C), C(0x141810)},
        /* Ice      */ {C(0xE8EEF8), C(0xAACDEB), C(0xA0C8EB), C(0x86B0DA), C(0x5A8CC8), C(0x1C2C44)},
        /* Bits1    */ {C(0x8C6438), C(0x6E4C2A), C(0x8A8478), C(0x6E6A60), C(0x5A5C66), C(0x1E140A)},
        /* Bits2    */ {C(0x7E5A36), C(0x5E4228), C(0x90887C), C(0x6E6A60), C(0xB08A3C), C(0x1E140A)},
        /* Bits3    */ {C(0x946A40), C(0x6A4A2A), C(0x8E8A80), C(0x6A665E), C(0x6A6E78), C(0x1E140A)},
        /* Life     */ {C(0x4E8A34), C(0x6E5434), C(0x7A7468), C(0x5E5A50), C(0xD05A8C), C(0x14200C)},
        /* Bodies   */ {C(0xDCD2B4), C(0x8C1E18), C(0x8A8478), C(0x6E6A60), C(0x6A4A34), C(0x1E140E)},
        /* Statues  */ {C(0xAAA8A0), C(0x8A8880), C(0xB4B2AA), C(0x92908A), C(0xC8A040), C(0x24221E)},
        /* Runic    */ {C(0x78828C), C(0x5E666E), C(0x848E98), C(0x6A727C), C(0x78DCFF), C(0x161A20)},
        /* Sea      */ {C(0xDCC896), C(0x1A5A84), C(0x807A70), C(0x645E56), C(0x2A8AA8), C(0x0E1C28)},
        /* Dark     */ {C(0x2C2A30), C(0x222026), C(0x3C3842), C(0x2C2832), C(0xC83218), C(0x0A080C)},
        /* Enda     */ {C(0x7E9670), C(0x647A58), C(0xAABEA0), C(0x8EA286), C(0xC8D2DC), C(0x18201A)},
        /* Kintara  */ {C(0xB46E46), C(0x965838), C(0xAA5A3C), C(0x8C4A30), C(0x3C9A6E), C(0x200E08)},
        /* Araboria */ {C(0xE6E2D6), C(0x3C64AA), C(0xEBE6DC), C(0xD2CCBE), C(0xD2AA3C), C(0x262018)},
        /* Osirian  */ {C(0xD2B478), C(0xB8965E), C(0xC8A569), C(0xAA8A54), C(0x284696), C(0x2A1E10)},
        /* Alien    */ {C(0x5A646E), C(0x46505A), C(0x6E7887), C(0x56606E), C(0x50F0B4), C(0x0E1216)},
        /* Vx3      */ {C(0x2E2A2E), C(0x3A3236), C(0x463C40), C(0x342C30), C(0xF07828), C(0x0C0A0A)},
        /* Wild1    */ {C(0x5E9242), C(0xB4A070), C(0x8A8478), C(0x6E6A60), C(0x3C7A32), C(0x141A0C)},
        /* Wild2    */ {C(0x6A9A48), C(0xA08A5A), C(0x8A8478), C(0x6E6A60), C(0x3C7A32), C(0x141A0C)},
        /* Custom   */ {C(0x8C7A5A), C(0x6E5E44), C(0x8A8478), C(0x6E6A60), C(0x4A78B4), C(0x1E1810)},
        /* None     */ {C(0x808080), C(0x606060), C(0x8A8478), C(0x6E6A60), C(0xC8A040), C(0x181818)},
    };
    return kPalettes[family];
}

// ---------------------------------------------------------------- floors

namespace {

// The floors of the first sheet rows, in order from tile 1: meadow to marble.
void GroundFloor(Image& img, int kind, uint32_t seed) {
    switch (kind % 20) {
        case 0: Grass(img, seed, C(0x5A8C3C), 0.0f); break;            // 1: the new level's grass
        case 1: Grass(img, seed, C(0x64963E), 0.6f); break;            // meadow
        case 2: Grass(img, seed, C(0x8C9448), 0.2f); break;            // dry grass
        case 3: Dirt(img, seed, C(0x8C6E46), 0.5f); break;             // earth
        case 4: Mud(img, seed, C(0x6E5434)); break;                   // mud
        case 5: Sand(img, seed, C(0xD6C48C)); break;                  // sand
        case 6: Dirt(img, seed, C(0x968C7E), 2.0f); break;             // gravel
        case 7: Flagstones(img, seed, C(0x8A8680), 3); break;          // grey slabs
        case 8: Flagstones(img, seed, C(0xA48C6C), 3); break;          // warm slabs
        case 9: Cobbles(img, seed, C(0x8E8A84)); break;                // cobbles
        case 10: Planks(img, seed, C(0x96693E), false); break;         // boards
        case 11: TileFloor(img, seed, C(0xB4AA98), C(0x6E665A), 0); break;  // chequered tiles
        case 12: Flagstones(img, seed, C(0x9C9890), 2); break;         // great slabs
        case 13: TileFloor(img, seed, C(0x962C28), C(0xB4903C), 3); break;  // carpet
        case 14: Dirt(img, seed, C(0xC8AA5A), 0.0f); Specks(img, seed + 1, C(0xE6CC78), 0.18f, false); break;  // straw
        case 15: Flagstones(img, seed, C(0x3A3840), 3); break;         // 16: dark stone
        case 16: Flagstones(img, seed, C(0x6E7A5E), 3); break;         // mossy stone
        case 17: Grass(img, seed, C(0x5A8C3C), 0.15f); Specks(img, seed + 2, C(0x8A8478), 0.05f, false); break;
        case 18: Dirt(img, seed, C(0x7A5A36), 0.2f); break;            // tilled soil
        default: Mud(img, seed, C(0xA08460)); break;                  // cracked clay
    }
}

}  // namespace

void PaintFloor(Image& img, const Tile& t) {
    const Palette& p = PaletteOf(t.family);
    const uint32_t s = t.seed;
    const int v = t.variant;
    switch (t.family) {
        case kFamilyGround:
            if (t.number >= 1 && t.number <= 17) GroundFloor(img, t.number - 1, s);
            else if (t.number == 1556) TileFloor(img, s, C(0xE6E2D6), C(0xBEB6A8), 2);
            else GroundFloor(img, 17 + v + t.number, s);
            break;
        case kFamilyWallX: Flagstones(img, s, v % 2 ? p.floorAlt : p.floor, 3 + v % 2); break;
        case kFamilyWallY: Planks(img, s, v % 3 == 2 ? p.floorAlt : p.floor, v % 2 == 1); break;
        case kFamilyWater:
        case kFamilySea: Sand(img, s, p.floor); break;
        case kFamilyForest:
            Grass(img, s, p.floor, 0.0f);
            Specks(img, s + 3, C(0x6E4A26), 0.06f, false);
            Specks(img, s + 4, C(0x9A7A30), 0.03f, false);
            break;
        case kFamilyCave: RockFloor(img, s, v % 2 ? p.floorAlt : p.floor); break;
        case kFamilyMarsh:
            if (v % 3 == 0) Mud(img, s, p.floorAlt);
            else Grass(img, s, p.floor, 0.0f);
            break;
        case kFamilyIce:
            if (v % 3 == 2) {
                IceWall(img, s, p.floorAlt);
                Shade(img, 0, 0, 32, 32, 0.25f);
            } else {
                Snow(img, s, p.floor);
            }
            break;
        case kFamilyDark: Flagstones(img, s, v % 2 ? p.floorAlt : p.floor, 3); break;
        case kFamilyEnda: Flagstones(img, s, p.floor, 2 + v % 2); break;
        case kFamilyKintara: TileFloor(img, s, p.floor, p.floorAlt, v % 2 ? 2 : 3); break;
        case kFamilyAraboria: TileFloor(img, s, p.floor, v % 2 ? p.floorAlt : C(0xB4AC9A), v % 3 == 1 ? 1 : 0); break;
        case kFamilyOsirian: Flagstones(img, s, v % 2 ? p.floorAlt : p.floor, 2); break;
        case kFamilyAlien: MetalFloor(img, s, p.floor, v % 2 == 1); break;
        case kFamilyStatues:
        case kFamilyRunic: Flagstones(img, s, p.floor, 2); break;
        case kFamilyVx3: RockFloor(img, s, p.floor); break;
        case kFamilyWild1:
        case kFamilyWild2: PaintWild(img, t); break;
        case kFamilyPath: PaintPath(img, t); break;
        default: GroundFloor(img, v, s); break;
    }
}

// ---------------------------------------------------------------- walls

namespace {

void WallTexture(Image& img, TileFamily family, uint32_t s, int v) {
    const Palette& p = PaletteOf(family);
    switch (family) {
        case kFamilyWallX: Ashlar(img, s, v % 4 == 3 ? p.wallAlt : p.wall, 8, 16, 0.6f); break;
        case kFamilyWallY:
            if (v % 4 == 3) Ashlar(img, s, p.wallAlt, 16, 32, 0.2f);
            else Bricks(img, s, p.wall, C(0xB4A488));
            break;
        case kFamilyCave:
        case kFamilyMarsh: RockWall(img, s, v % 2 ? p.wallAlt : p.wall); break;
        case kFamilyIce: IceWall(img, s, p.wall); break;
        case kFamilyDark: Ashlar(img, s, p.wall, 16, 16, 1.0f); break;
        case kFamilyEnda: Ashlar(img, s, p.wall, 8, 32, 0.3f); break;
        case kFamilyKintara: Bricks(img, s, p.wall, C(0x503024)); break;
        case kFamilyAraboria: Ashlar(img, s, p.wall, 16, 16, 0.15f); break;
        case kFamilyOsirian: Ashlar(img, s, p.wall, 16, 32, 0.4f); break;
        case kFamilyAlien: MetalWall(img, s, p.wall, p.trim); break;
        case kFamilyVx3: RockWall(img, s, p.wall); break;
        default: Ashlar(img, s, p.wall, 8, 16, 0.5f); break;
    }
}

// What sets one wall tile apart from its neighbours in the run.
void WallDecor(Image& img, const Tile& t) {
    const Palette& p = PaletteOf(t.family);
    Layer L(32, 32);
    const int kind = t.variant % 8;
    switch (kind) {
        case 1: {  // a crack
            Path crack{{{9, 3}, {13, 10}, {11, 16}, {17, 22}, {15, 29}}, 0.6f};
            L.Fill(crack, Darken(p.dark, 0.2f));
            break;
        }
        case 2:
            if (t.family == kFamilyCave || t.family == kFamilyMarsh || t.family == kFamilyVx3 || t.family == kFamilyIce) {
                // a vein of ore or crystal in the rock
                const Col vein = t.family == kFamilyVx3 ? C(0xF07828) : t.family == kFamilyIce ? C(0xF4FCFF) : C(0x8AD8F0);
                L.Fill(Path{{{4, 24}, {11, 18}, {17, 19}, {26, 9}}, 1.3f}, Darken(vein, 0.5f));
                L.Fill(Path{{{4, 24}, {11, 18}, {17, 19}, {26, 9}}, 0.6f}, vein);
                for (V2 q : {V2{11, 18}, V2{22, 13}}) L.Fill(Poly{RegularPoly(q.x, q.y, 2.5f, 4, 45)}, vein);
                break;
            }
            // a slit window
            L.Fill(Box(13, 6, 19, 26, 2.5f), p.dark);
            L.Fill(Box(14, 7, 18, 12, 2), Mix(p.dark, C(0xF0D070), t.family == kFamilyDark ? 0.5f : 0.15f));
            L.Fill(Box(12, 26, 20, 28), Lighten(p.wall, 0.2f));
            break;
        case 3:
            if (t.family == kFamilyAlien) {
                L.Fill(Box(6, 10, 26, 22, 2), C(0x0C1418));
                for (int i = 0; i < 4; ++i) L.Fill(Box(8 + 4.5f * i, 13, 11 + 4.5f * i, 19, 1), Mix(p.trim, C(0x102018), 0.3f * float(i % 2)));
            } else {  // a torch in its sconce
                L.Fill(Box(14, 14, 18, 24, 1), C(0x3A2614));
                L.Fill(Box(12, 22, 20, 25, 1), kIron);
                sym::Flame(L, 16, 10, 10);
            }
            break;
        case 5: {  // creepers or frost
            Rng r(t.seed);
            const Col leaf = t.family == kFamilyIce ? C(0xF4FAFF) : (t.family == kFamilyDark ? C(0x5A1C18) : C(0x3E7A2E));
            Path vine{{{float(r.Int(4, 12)), 0}, {float(r.Int(6, 14)), 10}, {float(r.Int(10, 20)), 20}, {float(r.Int(8, 18)), 31}}, 1.0f};
            L.Fill(vine, Darken(leaf, 0.3f));
            for (int i = 0; i < 9; ++i) L.Fill(Circle(r.Range(4, 22), r.Range(1, 30), r.Range(1.2f, 2.4f)), Lighten(leaf, r.Range(-0.1f, 0.2f)));
            break;
        }
        case 7:
            if (t.family == kFamilyOsirian) {  // a band of carved signs
                for (int i = 0; i < 4; ++i) {
                    const float x = 5 + 7.0f * float(i);
                    L.Fill(Ring(Circle(x, 16, 2.2f), 0.6f), C(0x5A4020));
                    L.Fill(Seg(x, 19, x, 23, 0.6f), C(0x5A4020));
                }
                L.Fill(Box(0, 11, 32, 12), p.trim);
                L.Fill(Box(0, 25, 32, 26), p.trim);
            } else if (t.family == kFamilyAraboria || t.family == kFamilyEnda) {  // an inlaid band
                L.Fill(Box(0, 13, 32, 19), p.trim);
                for (int i = 0; i < 4; ++i) L.Fill(Poly{RegularPoly(4 + 8.0f * float(i), 16, 2.4f, 4, 0)}, Darken(p.trim, 0.4f));
            } else {  // a banner
                L.Fill(Box(9, 2, 23, 4, 1), C(0x3A2614));
                L.Fill(Poly{{{10, 4}, {22, 4}, {22, 24}, {16, 20}, {10, 24}}}, t.family == kFamilyKintara ? C(0x2A7A50) : C(0x9A2020));
                sym::Crown(L, 16, 12, 7, p.trim);
            }
            break;
        default: break;  // plain
    }
    Put(img, L);
}

}  // namespace

void PaintWall(Image& img, const Tile& t) {
    WallTexture(img, t.family, t.seed, t.variant);
    WallDecor(img, t);
}

// ---------------------------------------------------------------- ground that blocks the way

void PaintRough(Image& img, const Tile& t) {
    const Palette& p = PaletteOf(t.family);
    const uint32_t s = t.seed;
    switch (t.family) {
        case kFamilyDark:
            if (t.number == 320) {
                Darkness(img, s, C(0x060608));
                return;
            }
            if (t.variant % 2 == 0) {
                LavaFill(img, s);
            } else {  // a chasm: ledges around a black drop
                Flagstones(img, s, p.floor, 3);
                Layer L(32, 32);
                L.Fill(Box(4, 5, 28, 28, 6), C(0x050406));
                L.Fill(Ring(Box(4, 5, 28, 28, 6), 0.8f), Darken(p.floor, 0.5f));
                Put(img, L);
            }
            return;
        case kFamilyVx3:
        case kFamilyWild1:
        case kFamilyWild2:
            if (t.family == kFamilyVx3) {
                LavaFill(img, s);
                return;
            }
            PaintWild(img, t);
            return;
        case kFamilyIce: {  // a crevasse in the snow
            Snow(img, s, PaletteOf(kFamilyIce).floor);
            Layer L(32, 32);
            Path gap{{{0, 14}, {8, 17}, {15, 13}, {23, 18}, {32, 15}}, 4.5f};
            L.Fill(Grow(gap, 1.5f), C(0x9AC0E6));
            L.Fill(gap, C(0x1C3C6E));
            Put(img, L);
            return;
        }
        case kFamilySea:
            if (t.variant % 5 != 4) {  // a rocky coast: cliffs on the sides the land lies, sea on the rest
                static const int kMasks[8] = {1, 2, 4, 8, 3, 6, 12, 9};
                const int mask = kMasks[(t.variant + t.number / 20) % 8];
                Image sea(32, 32, 0), rock(32, 32, 0);
                WaterFill(sea, s, C(0x124A74), C(0x2A86A4), 1.3f);
                RockWall(rock, s + 1, C(0x8A8276));
                for (int y = 0; y < 32; ++y)
                    for (int x = 0; x < 32; ++x) {
                        const float f = ShoreField(x, y, mask, 13);
                        Col c = f > 0 ? Rgb(rock.Get(x, y)) : Rgb(sea.Get(x, y));
                        if (f > 0 && f < 2) c = Darken(c, 0.35f);       // the cliff's foot
                        else if (f <= 0 && f > -2) c = Lighten(c, 0.5f);  // surf
                        img.Set(x, y, ToRgb(c));
                    }
                return;
            }
            [[fallthrough]];
        case kFamilyWater:
        case kFamilyCave: {  // rocks: in the sea, by the lake, or rubble in a cave
            if (t.family == kFamilyCave) RockFloor(img, s, PaletteOf(kFamilyCave).floor);
            else WaterFill(img, s, C(0x1A5A84), C(0x2A8AA8), 1.0f);
            Layer L(32, 32);
            Rng r(s + 7);
            const int n = 3 + t.variant % 3;
            for (int i = 0; i < n; ++i) {
                const float cx = r.Range(6, 26), cy = r.Range(8, 26), rad = r.Range(5, 9);
                auto rock = [=](float x, float y) { return Ellipse(cx, cy, rad, rad * 0.8f)(x, y) + (ValueNoise(x / 3, y / 3, s + uint32_t(i)) - 0.5f) * 2.5f; };
                L.Fill(Grow(rock, 1.0f), kInk);
                L.Emboss(rock, Mix(p.wall, C(0x807a70), 0.5f), 4.0f, 0.5f);
            }
            Put(img, L);
            return;
        }
        case kFamilyMarsh: {  // deep bog
            WaterFill(img, s, C(0x2E3A22), C(0x55603A), 0.3f);
            Specks(img, s + 5, C(0x7A8A40), 0.05f, false);
            Layer L(32, 32);
            Rng r(s);
            for (int i = 0; i < 3; ++i) L.Fill(Ring(Circle(r.Range(6, 26), r.Range(6, 26), r.Range(1.5f, 3.5f)), 0.5f), C(0x9AA070));
            Put(img, L);
            return;
        }
        case kFamilyAlien: {  // a machine block
            MetalWall(img, s, Darken(p.wall, 0.15f), p.trim);
            Layer L(32, 32);
            L.Fill(Box(5, 5, 27, 27, 3), C(0x20262E));
            L.Emboss(Box(7, 7, 25, 25, 2), Darken(p.wall, 0.2f), 3, 0.5f);
            L.Fill(Circle(16, 16, 4), p.trim);
            L.Fill(Circle(15, 15, 1.5f), C(0xE0FFF0));
            Put(img, L);
            return;
        }
        default: {  // a low wall across the floor, that the eye sees over
            Tile floor = t;
            floor.role = kRoleFloor;
            PaintFloor(img, floor);
            Image wall(32, 32, 0);
            WallTexture(wall, t.family, s, 0);
            // straight across, straight down, or a corner turning down from the left or right
            const int kind = t.variant % 4;
            auto inWall = [kind](int x, int y) {
                const bool across = y >= 11 && y < 21 && (kind == 0 || (kind == 2 && x >= 11) || (kind == 3 && x < 21));
                const bool down = x >= 11 && x < 21 && (kind == 1 || (kind >= 2 && y >= 11));
                return across || down;
            };
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    if (inWall(x, y)) {
                        Col c = Lighten(Rgb(wall.Get(x, y)), 0.12f);
                        if (!inWall(x, y - 1) && y > 0) c = Lighten(c, 0.35f);       // the lit coping
                        if (!inWall(x, y + 1) && y < 31) c = Darken(c, 0.35f);      // its foot
                        if ((!inWall(x - 1, y) && x > 0) || (!inWall(x + 1, y) && x < 31)) c = Darken(c, 0.2f);
                        img.Set(x, y, ToRgb(c));
                    } else if ((inWall(x, y - 1) || inWall(x, y - 2) || inWall(x - 1, y - 2)) && y >= 2) {
                        img.Set(x, y, ToRgb(Darken(Rgb(img.Get(x, y)), 0.35f)));  // the shadow it casts
                    }
                }
            return;
        }
    }
}

// ---------------------------------------------------------------- water

void PaintWater(Image& img, const Tile& t) {
    const uint32_t s = t.seed;
    switch (t.family) {
        case kFamilySea: WaterFill(img, s, C(0x124A74), C(0x2A86A4), 1.3f); break;
        case kFamilyMarsh: WaterFill(img, s, C(0x2E3E26), C(0x5A6A3A), 0.4f); break;
        case kFamilyIce: WaterFill(img, s, C(0x3A6EA0), C(0x8AC0E0), 0.5f); break;
        default: WaterFill(img, s, C(0x2460A0), C(0x3C8CC8), 1.0f); break;
    }
}

void PaintLakeShore(Image& img, const Tile& t) {
    // Water tiles name the sides where land lies, shore tiles the sides where water lies.
    struct Shore {
        int16_t tile, mask;
    };
    static const Shore kShores[] = {
        {200, 9},   {202, 1},   {203, 3},   {209, 8},   {210, 2},  {211, 128}, {212, 16}, {222, 4},  {223, 12},
        {225, 6},   {226, 10},  {227, 5},   {231, 64},  {232, 32}, {201, 4},   {204, 1},  {207, 8},  {208, 2},
        {216, 32},  {217, 64},  {236, 16},  {237, 128}, {1545, 4}, {1546, 1},  {1566, 2}, {1760, 128}, {1761, 16},
        {1762, 64}, {1763, 32},
    };
    int mask = 0;
    for (const Shore& s : kShores)
        if (s.tile == t.number) mask = s.mask;
    Image water(32, 32, 0), land(32, 32, 0), beach(32, 32, 0);
    WaterFill(water, 200, C(0x2460A0), C(0x3C8CC8), 1.0f);
    Grass(land, 201, C(0x5E9440), 0.1f);
    Sand(beach, 202, PaletteOf(kFamilyWater).floor);
    const bool isWater = t.role == kRoleWater;
    const bool sandy = !isWater && t.number != 224;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            // f > 0 inside the band of the other kind: land on a water tile, water on a shore
            const float f = mask ? ShoreField(x, y, mask, 8) : -1e9f;
            const float toWater = isWater ? -f : f;  // > 0 in the water
            Col c;
            if (toWater > 0) c = Rgb(water.Get(x, y));
            else if (toWater > -4 || sandy) c = Rgb(beach.Get(x, y));
            else c = Rgb(land.Get(x, y));
            if (toWater > 0 && toWater < 1.5f) c = Lighten(c, 0.45f);          // foam
            else if (toWater <= 0 && toWater > -1.2f) c = Darken(c, 0.25f);    // wet sand
            img.Set(x, y, ToRgb(c));
        }
    if (t.number == 221 || t.number == 66) Specks(img, t.seed, C(0x8A8478), 0.06f, false);
}

// ---------------------------------------------------------------- roads

namespace {

// The directions a road leaves a tile by: 1 N, 2 E, 4 S, 8 W.
void RoadArms(Image& img, int mask, float half, Col road, Col edge, uint32_t seed, bool cobbled) {
    auto inRoad = [&](float x, float y) {
        float d = 1e9f;
        const float c = 16;
        if (mask & 1) d = std::min(d, Box(c - half, -2, c + half, c + half)(x, y));
        if (mask & 4) d = std::min(d, Box(c - half, c - half, c + half, 34)(x, y));
        if (mask & 2) d = std::min(d, Box(c - half, c - half, 34, c + half)(x, y));
        if (mask & 8) d = std::min(d, Box(-2, c - half, c + half, c + half)(x, y));
        if (mask == 0) d = Circle(c, c, half + 5)(x, y);
        if (mask == 1 || mask == 2 || mask == 4 || mask == 8) d = std::min(d, Circle(c, c, half + 1)(x, y));
        return d + (ValueNoise(x / 3, y / 3, seed) - 0.5f) * 1.6f;
    };
    Image paving(32, 32, 0);
    if (cobbled) Cobbles(paving, seed + 1, road);
    else Dirt(paving, seed + 1, road, 0.8f);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float d = inRoad(x + 0.5f, y + 0.5f);
            if (d < 0) img.Set(x, y, paving.Get(x, y));
            else if (d < 1.3f) img.Set(x, y, ToRgb(Mix(Rgb(img.Get(x, y)), edge, 0.6f)));
        }
}

}  // namespace

void PaintPath(Image& img, const Tile& t) {
    struct Fixed {
        int16_t tile, mask;
    };
    static const Fixed kFixed[] = {{920, 11}, {921, 14}, {922, 6}, {923, 12}, {924, 5}, {925, 15}, {926, 1}, {927, 4},
                                   {928, 2},  {929, 8},  {930, 10}, {931, 5}, {932, 0}, {940, 13}, {941, 7}, {942, 3},
                                   {943, 9},  {944, 10}};
    static const int kCycle[15] = {10, 5, 15, 3, 6, 12, 9, 11, 14, 13, 7, 1, 4, 2, 8};
    int mask = kCycle[t.variant % 15];
    for (const Fixed& f : kFixed)
        if (f.tile == t.number) mask = f.mask;
    const uint32_t s = t.seed;
    const int n = t.number;
    if (n >= 1895) {  // the paved wide road: whole tiles of cobbles, edged on the side named
        Cobbles(img, s, C(0x8E8A84));
        if (n > 1895) {
            Layer L(32, 32);
            const int side = n - 1896;
            auto edge = side == 0 ? Box(0, 0, 32, 3) : side == 1 ? Box(29, 0, 32, 32) : side == 2 ? Box(0, 29, 32, 32) : Box(0, 0, 3, 32);
            L.Fill(edge, C(0x5A564E));
            Put(img, L);
        }
        return;
    }
    if (n >= 1046) {  // a trodden track through snow
        Snow(img, s, PaletteOf(kFamilyIce).floor);
        RoadArms(img, mask, 5, C(0xB4B0A8), C(0x8C96A6), s, false);
    } else if (n >= 1024) {  // flagged road
        Grass(img, s, C(0x5A8C3C), 0.0f);
        RoadArms(img, mask, 8, C(0x9A968C), C(0x3A3A30), s, true);
    } else if (n >= 1012) {  // a garden path of gravel
        Grass(img, s, C(0x64963E), 0.4f);
        RoadArms(img, mask, 5, C(0xB4AA96), C(0x4A5A30), s, false);
    } else if (n >= 1003) {  // desert track
        Sand(img, s, C(0xD6C48C));
        RoadArms(img, mask, 6, C(0xA08256), C(0xB89C6A), s, false);
    } else if (n >= 945) {  // cobbled lane
        Grass(img, s, C(0x5A8C3C), 0.0f);
        RoadArms(img, mask, 7, C(0x8E8A84), C(0x2E3A20), s, true);
    } else {  // dirt road
        Grass(img, s, C(0x5A8C3C), 0.1f);
        RoadArms(img, mask, 6, C(0xA07C50), C(0x4A5A2C), s, false);
    }
}

// ---------------------------------------------------------------- the wilderness

namespace {

enum WildKind { kPlains, kHills, kDesert, kSnow, kSwamp, kTown, kForest, kPines, kJungle, kMountain, kSnowPeak,
                kVolcano, kLake, kSeaCoast };

WildKind WildKindOf(int n, TileRole role) {
    struct Run {
        int16_t first, last;
        WildKind kind;
    };
    static const Run kRuns[] = {
        {1988, 1990, kHills},   {2009, 2010, kHills},    {2048, 2050, kHills},     {2068, 2070, kDesert},
        {2077, 2078, kDesert},  {2177, 2179, kDesert},   {2088, 2090, kSnow},      {2096, 2098, kSnow},
        {2105, 2107, kSwamp},   {2145, 2147, kTown},     {2045, 2047, kPines},     {2080, 2084, kJungle},
        {2135, 2137, kPines},   {2116, 2119, kPines},    {2100, 2104, kSnowPeak},  {2140, 2144, kVolcano},
        {2065, 2067, kLake},    {2085, 2087, kLake},     {1997, 1999, kLake},      {2071, 2073, kLake},
        {2125, 2127, kSeaCoast}, {2131, 2134, kSeaCoast},
    };
    for (const Run& r : kRuns)
        if (n >= r.first && n <= r.last) return r.kind;
    if (role == kRoleOverhang) return kForest;
    if (role == kRoleRough) return kMountain;
    return kPlains;
}

// Road arms of the tiles that carry roads (1 N, 2 E, 4 S, 8 W); wide roads are 16 more.
int WildRoad(int n) {
    struct Road {
        int16_t tile, arms;
    };
    static const Road kRoads[] = {
        {1991, 15}, {1973, 7},  {1974, 13}, {1975, 6},  {1976, 12}, {1995, 3},  {1996, 9},
        {1972, 10}, {1992, 10}, {1994, 11}, {1993, 14}, {2012, 21}, {2011, 26}, {2031, 31},
        {2017, 31}, {2013, 23}, {2014, 29}, {2033, 30}, {2034, 27}, {2015, 22}, {2016, 28},
        {2025, 19}, {2026, 25},
    };
    for (const Road& r : kRoads)
        if (r.tile == n) return r.arms;
    return -1;
}

void Hill(Layer& L, float cx, float cy, float w, Col c) {
    auto h = Inter(Ellipse(cx, cy + w * 0.15f, w, w * 0.6f), Box(cx - w - 1, cy - w, cx + w + 1, cy + w * 0.3f));
    L.Fill(Grow(h, 0.8f), Darken(c, 0.45f));
    L.Emboss(h, c, w * 0.6f, 0.4f);
}

void Peak(Layer& L, float cx, float base, float w, float h, Col rock, bool snow, bool fire) {
    Poly m{{{cx - w, base}, {cx - w * 0.2f, base - h}, {cx + w * 0.1f, base - h * 0.92f}, {cx + w, base}}};
    L.Fill(Grow(m, 0.8f), kInk);
    L.Fill(m, rock);
    L.Fill(Poly{{{cx - w * 0.2f, base - h}, {cx + w * 0.1f, base - h * 0.92f}, {cx + w, base}, {cx + w * 0.05f, base}}}, Darken(rock, 0.3f));
    if (snow) L.Fill(Poly{{{cx - w * 0.5f, base - h * 0.55f}, {cx - w * 0.2f, base - h}, {cx + w * 0.1f, base - h * 0.92f}, {cx + w * 0.45f, base - h * 0.5f}, {cx, base - h * 0.62f}}}, C(0xF4F8FF));
    if (fire) {
        L.Fill(Ellipse(cx - w * 0.05f, base - h * 0.95f, w * 0.25f, 1.5f), C(0xFF7020));
        L.Fill(Circle(cx - w * 0.05f, base - h - 3, 2.0f), C(0x8A8480), 0.8f);
    }
}

void SmallTree(Layer& L, float x, float y, float s, Col leaf, bool pine) {
    L.Fill(Box(x - 0.8f, y, x + 0.8f, y + s * 0.45f), C(0x4A3018));
    if (pine) {
        Poly tri{{{x, y - s}, {x - s * 0.55f, y + s * 0.2f}, {x + s * 0.55f, y + s * 0.2f}}};
        L.Fill(Grow(tri, 0.7f), Darken(leaf, 0.6f));
        L.Fill(tri, leaf);
        L.Fill(Poly{{{x, y - s}, {x + s * 0.55f, y + s * 0.2f}, {x, y + s * 0.2f}}}, Darken(leaf, 0.25f));
    } else {
        L.Fill(Circle(x, y - s * 0.3f, s * 0.55f + 0.7f), Darken(leaf, 0.6f));
        L.Emboss(Circle(x, y - s * 0.3f, s * 0.55f), leaf, s * 0.4f, 0.45f);
    }
}

}  // namespace

constexpr uint32_t kShoreSeed = 2066;

void PaintWild(Image& img, const Tile& t) {
    const uint32_t s = t.seed;
    const WildKind kind = WildKindOf(t.number, t.role);
    const Col grass = C(0x5E9242);
    Rng r(s + 3);
    // the ground under it all
    switch (kind) {
        case kDesert: Sand(img, s, C(0xD8C080)); break;
        case kSnow:
        case kSnowPeak: Snow(img, s, C(0xEEF2FA)); break;
        case kSwamp: Mud(img, s, C(0x5C6440)); break;
        case kLake:  // one water for every piece, so that a lake shows no seams
        case kSeaCoast: WaterFill(img, kind == kLake ? kShoreSeed : s, kind == kLake ? C(0x2460A0) : C(0x124A74), C(0x3C8CC8), 0.8f); break;
        case kVolcano: Dirt(img, s, C(0x5A4A40), 1.0f); break;
        case kForest:
        case kPines:
        case kJungle: img = Image(32, 32, kKeyColour); break;  // trees stand over the ground tile
        default: Grass(img, s, grass, kind == kPlains ? 0.3f : 0.0f); break;
    }
    Layer L(32, 32);
    switch (kind) {
        case kHills:
            Hill(L, 10, 14, 9, C(0x6E9A48));
            Hill(L, 22, 24, 10, C(0x76A04E));
            break;
        case kSwamp:
            for (int i = 0; i < 5; ++i) L.Fill(Ellipse(r.Range(4, 28), r.Range(4, 28), r.Range(3, 6), r.Range(1.5f, 3)), C(0x3A4A30));
            for (int i = 0; i < 6; ++i) {
                float x = r.Range(3, 29), y = r.Range(5, 29);
                L.Fill(Seg(x, y, x - 1, y - 4, 0.5f), C(0x8A9A4A));
                L.Fill(Seg(x, y, x + 1.5f, y - 3.5f, 0.5f), C(0x8A9A4A));
            }
            break;
        case kTown: {
            const int which = t.number - 2145;
            if (which == 1) {  // a castle
                L.Fill(Box(6, 12, 26, 27), kInk);
                L.Emboss(Box(7, 13, 25, 26), C(0xB4B0A8), 2, 0.5f);
                for (float x : {5.5f, 22.5f}) {
                    L.Fill(Box(x, 6, x + 5, 27), kInk);
                    L.Emboss(Box(x + 1, 7, x + 4, 26), C(0xC4C0B8), 1.5f, 0.5f);
                    L.Fill(Poly{{{x, 7}, {x + 2.5f, 2}, {x + 5, 7}}}, C(0xA02C24));
                }
                L.Fill(Box(14, 19, 18, 26, 2), C(0x2A1A10));
            } else {  // a village or a town
                const int houses = which == 0 ? 3 : 5;
                for (int i = 0; i < houses; ++i) {
                    float x = 5 + float(i % 3) * 9 + (i >= 3 ? 4.5f : 0), y = i >= 3 ? 25 : 15;
                    L.Fill(Box(x - 4, y - 3, x + 4, y + 4), kInk);
                    L.Fill(Box(x - 3, y - 2, x + 3, y + 3), C(0xE0D4B4));
                    L.Fill(Poly{{{x - 4.5f, y - 2}, {x, y - 7}, {x + 4.5f, y - 2}}}, C(0xA0442A));
                    L.Fill(Box(x - 1, y, x + 1, y + 3), C(0x4A2C18));
                }
            }
            break;
        }
        case kForest:
        case kPines:
        case kJungle: {
            const Col leaf = kind == kPines ? C(0x2E6A3A) : kind == kJungle ? C(0x2E8A2A) : C(0x3E7E2E);
            // a staggered grove whose rows continue across tiles, the ground showing between
            for (int row = 0; row < 3; ++row)
                for (int col = 0; col < 3; ++col) {
                    float x = 5 + 10.5f * float(col) + (row % 2) * 5 + r.Range(-1.0f, 1.0f);
                    float y = 7 + 10.5f * float(row) + r.Range(-1, 1);
                    if (x > 30) x -= 31;
                    SmallTree(L, x, y, r.Range(5.5f, 6.5f), Lighten(leaf, r.Range(-0.1f, 0.15f)), kind == kPines);
                }
            break;
        }
        case kMountain:
        case kSnowPeak:
        case kVolcano: {
            const Col rock = kind == kVolcano ? C(0x5A4A44) : C(0x8A8074);
            Peak(L, 11, 20, 10, 16, rock, kind != kVolcano, false);
            Peak(L, 22, 30, 11, 19, Lighten(rock, 0.08f), kind != kVolcano, kind == kVolcano);
            break;
        }
        case kLake:
        case kSeaCoast: {
            // Grass along the shore sides: a lake piece's from its table, a coast's one side.
            // The shoreline's wobble wraps at the tile's edge, so that shores of pieces laid
            // side by side run on.
            const int shore = kind == kLake ? LakeShore(t.number) : 1 << (t.number % 4);
            auto wavy = [=](float x, float y) {
                float land = 1e9f;
                if (shore & kShoreNorth) land = std::min(land, Box(-1, -1, 33, 7)(x, y));
                if (shore & kShoreEast) land = std::min(land, Box(25, -1, 33, 33)(x, y));
                if (shore & kShoreSouth) land = std::min(land, Box(-1, 25, 33, 33)(x, y));
                if (shore & kShoreWest) land = std::min(land, Box(-1, -1, 7, 33)(x, y));
                return land + (ValueNoise(x / 4, y / 4, kShoreSeed, 8, 8) - 0.5f) * 3.0f;
            };
            if (shore == 0) break;
            Image turf(32, 32, 0);
            Grass(turf, kShoreSeed, grass, 0.3f);
            L.Fill(Grow(wavy, 1.5f), C(0xE4D8A8));
            L.Paint(wavy, [&](float x, float y) { return Rgb(turf.Get(int(x), int(y))); });
            break;
        }
        default:
            if (t.role == kRoleFloor && r.F() < 0.5f)
                for (int i = 0; i < 3; ++i) L.Fill(Circle(r.Range(4, 28), r.Range(4, 28), r.Range(1.0f, 2.0f)), C(0x4A7A32));
            break;
    }
    Put(img, L);
    const int road = WildRoad(t.number);
    if (road >= 0) RoadArms(img, road & 15, road & 16 ? 7 : 3.5f, C(0xB4966A), C(0x6A6A3A), s + 9, false);
}

// ---------------------------------------------------------------- overhangs

void PaintOverhang(Image& img, const Tile& t) {
    const Palette& p = PaletteOf(t.family);
    Layer L(32, 32);
    Rng r(t.seed);
    switch (t.family) {
        case kFamilyForest:
        case kFamilyMarsh:
        case kFamilyLife: {  // the edge of a canopy: leaves hanging from above, open below
            const Col leaf = t.family == kFamilyMarsh ? C(0x5A6A3A) : C(0x3C7A32);
            for (int i = 0; i < 14; ++i) {
                float x = r.Range(-2, 34), y = r.Range(-2, 12 + 4.0f * float(i % 3));
                float rad = r.Range(4, 7);
                L.Fill(Circle(x, y, rad + 0.8f), Darken(leaf, 0.55f));
                L.Emboss(Circle(x, y, rad), Lighten(leaf, r.Range(-0.1f, 0.15f)), rad * 0.7f, 0.35f);
            }
            if (t.family == kFamilyMarsh)
                for (int i = 0; i < 4; ++i) {
                    float x = r.Range(4, 28);
                    L.Fill(Seg(x, 8, x + r.Range(-2, 2), r.Range(18, 26), 0.7f), C(0x7A8A5A));
                }
            break;
        }
        case kFamilyCave:
        case kFamilyIce: {  // stalactites or icicles
            const Col c = t.family == kFamilyIce ? C(0xD8ECFA) : p.wall;
            L.Fill(Box(-1, -1, 33, 4), Darken(c, 0.2f));
            for (int i = 0; i < 6; ++i) {
                float x = 3 + 5.2f * float(i) + r.Range(-1, 1), len = r.Range(8, 20);
                Poly spike{{{x - 2.4f, 3}, {x + 2.4f, 3}, {x + 0.3f, 3 + len}}};
                L.Fill(Grow(spike, 0.7f), Darken(c, 0.55f));
                L.Emboss(spike, c, 2, 0.5f);
            }
            break;
        }
        case kFamilyDark: {  // hanging chains and cobwebs
            if (t.variant % 2 == 0) {
                for (float x : {8.0f, 24.0f})
                    for (int k = 0; k < 5; ++k) L.Fill(Ring(Ellipse(x, 2.5f + 4.0f * float(k), 1.6f, 2.4f), 0.6f), C(0x8A8A92));
                L.Fill(Box(5, 20, 27, 23, 1), C(0x5A5A62));
            } else {
                for (int k = 0; k < 6; ++k) L.Fill(Seg(0, 0, 30 - 4.0f * float(k), 4.0f * float(k) + 2, 0.4f), C(0xD0D0D8));
                for (float d : {8.0f, 14.0f, 20.0f}) L.Fill(Ring(Circle(0, 0, d), 0.35f), C(0xD0D0D8));
            }
            break;
        }
        case kFamilyAlien: {  // pipes across the ceiling
            for (int k = 0; k < 2; ++k) {
                float y = 5 + 8.0f * float(k);
                L.Fill(Box(-1, y - 2.6f, 33, y + 2.6f), C(0x1A2028));
                L.Emboss(Box(-1, y - 2, 33, y + 2), Lighten(p.wall, 0.1f), 2, 0.6f);
                L.Fill(Box(12, y - 3, 15, y + 3, 0.5f), p.trim);
            }
            break;
        }
        case kFamilyAraboria:
        case kFamilyKintara:
        case kFamilyOsirian: {  // an awning: striped cloth along the top
            const Col a = t.family == kFamilyKintara ? C(0x2A8A5A) : t.family == kFamilyOsirian ? C(0x2A4696) : C(0xB42A2A);
            L.Fill(Box(-1, -1, 33, 12), kInk);
            for (int k = 0; k < 4; ++k) L.Fill(Box(8.0f * float(k), 0, 8.0f * float(k) + 8, 11), k % 2 ? C(0xF0E8D4) : a);
            for (int k = 0; k < 4; ++k) L.Fill(Circle(4 + 8.0f * float(k), 11, 4), k % 2 ? C(0xF0E8D4) : a);
            break;
        }
        case kFamilyWild1:
        case kFamilyWild2: {
            Tile w = t;
            PaintWild(img, w);
            return;
        }
        default: {  // an arch: lintel and posts, open beneath
            Image stone(32, 32, 0);
            WallTexture(stone, t.family, t.seed, 0);
            auto arch = Sub(Box(-1, -1, 33, 33), Union(Box(6, 12, 26, 33), Circle(16, 13, 10)));
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) {
                    float d = arch(x + 0.5f, y + 0.5f);
                    if (d < -1.0f) L.Blend(x, y, Rgb(stone.Get(x, y)), 1);
                    else if (d < 0.5f) L.Blend(x, y, p.dark, 1);
                }
            L.Fill(Ring(Circle(16, 13, 10), 0.7f), Lighten(p.wall, 0.3f), 0.8f);
            break;
        }
    }
    Put(img, L);
}

// ---------------------------------------------------------------- decals one walks over

void PaintMark(Image& img, const Tile& t) {
    const Palette& p = PaletteOf(t.family);
    Layer L(32, 32);
    Rng r(t.seed);
    switch (t.family) {
        case kFamilyBodies: {  // blood and bones on the floor
            for (int i = 0; i < 4; ++i) L.Fill(Circle(r.Range(8, 24), r.Range(8, 24), r.Range(2, 5)), C(0x7A1410));
            for (int i = 0; i < 3; ++i) {
                float x = r.Range(6, 26), y = r.Range(6, 26), a = r.Range(0, 3.1f);
                L.Fill(Seg(x - 4 * std::cos(a), y - 4 * std::sin(a), x + 4 * std::cos(a), y + 4 * std::sin(a), 1.0f), p.floor);
            }
            break;
        }
        case kFamilyGround: {  // pebbles and a tuft of grass
            for (int i = 0; i < 5; ++i) {
                float x = r.Range(5, 27), y = r.Range(5, 27), rad = r.Range(1.2f, 2.4f);
                L.Fill(Circle(x, y, rad + 0.6f), kInk);
                L.Emboss(Circle(x, y, rad), C(0x9A948A), rad, 0.5f);
            }
            for (int i = 0; i < 7; ++i) {
                float x = 16 + r.Range(-4, 4);
                L.Fill(Seg(16, 24, x + r.Range(-5, 5), r.Range(12, 18), 0.6f), C(0x4E8030));
            }
            break;
        }
        case kFamilyDark:
        case kFamilyMarsh: {  // cracks and a puddle
            Path crack{{{4, 6}, {10, 12}, {9, 18}, {15, 22}, {24, 24}, {28, 29}}, 0.7f};
            L.Fill(crack, C(0x0A0808));
            L.Fill(Ellipse(20, 10, 6, 3.5f), t.family == kFamilyMarsh ? C(0x3A4A30) : C(0x3A1414));
            break;
        }
        case kFamilyIce: {  // shards of ice
            for (int i = 0; i < 6; ++i) {
                float x = r.Range(6, 26), y = r.Range(8, 26);
                L.Fill(Poly{{{x, y - 4}, {x + 3, y + 1}, {x - 1, y + 3}}}, C(0xC8E6FA));
            }
            break;
        }
        default: {  // shards and splinters
            for (int i = 0; i < 7; ++i) {
                float x = r.Range(6, 26), y = r.Range(8, 26), s = r.Range(2, 4);
                L.Fill(Grow(Poly{{{x, y - s}, {x + s, y + s * 0.5f}, {x - s * 0.6f, y + s}}}, 0.6f), kInk);
                L.Fill(Poly{{{x, y - s}, {x + s, y + s * 0.5f}, {x - s * 0.6f, y + s}}}, Mix(p.floor, p.wall, r.F()));
            }
            break;
        }
    }
    Put(img, L);
}

}  // namespace art::tiles
