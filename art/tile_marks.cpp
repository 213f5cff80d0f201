// Marks, effects and the pictures of the screens that live among the wall tiles: fog, fills,
// zone tints, event and access marks of the editor, cursors, missiles, blasts, splashes, beams,
// the HUD buttons, the hero's overlays and the skill icons.
#include "symbols.h"
#include "tile_art.h"

namespace art::tiles {
namespace {

using namespace sdf;

// ---------------------------------------------------------------- fills and fog

// The unseen square and the background of the full screens: a dark slate mist.
void Fog(Image& img) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float n = Fbm(float(x) / 8.0f, float(y) / 8.0f, 1327, 3, 4, 4);
            const float v = 24 + n * 30;
            img.Set(x, y, ToRgb(Col{v * 0.85f, v * 0.9f, v * 1.15f}));
        }
}

void Flash(Image& img, Col a, Col b, uint32_t seed) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) img.Set(x, y, ToRgb(Mix(a, b, Fbm(float(x) / 8.0f, float(y) / 8.0f, seed, 2, 4, 4))));
}

// ---------------------------------------------------------------- the editor's marks

void ZoneTint(Image& img, int zone) {
    const Col colours[6] = {C(0xE03030), C(0xF0D020), C(0x3050F0), C(0x30C040), C(0x30D0D0), C(0xA040E0)};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if ((x + y) % 4 == 0 || x == 0 || y == 0 || x == 31 || y == 31) img.Set(x, y, ToRgb(colours[zone]));
}

struct EventMark {
    int16_t type;
    int8_t page;
    const char* code;
};

const EventMark kEventMarks[] = {
    {1226, 0, "PUSH"}, {1227, 0, "STEP"}, {1279, 0, "GHST"}, {1230, 0, "RUNE"}, {1231, 0, "HIER"}, {1232, 0, "HERA"},
    {1283, 0, "FLTX"}, {1336, 0, "CTXT"}, {1339, 0, "VISN"}, {1233, 1, "DOOR"}, {1234, 1, "LOCK"}, {1235, 1, "SECR"},
    {1236, 2, "PORT"}, {1237, 2, "DIG"},  {1238, 2, "MOD"},  {1239, 2, "PENT"}, {1290, 2, "ELEV"}, {1399, 2, "TLXY"},
    {1664, 2, "COCH"}, {2139, 2, "WPRT"}, {1240, 3, "ITEM"}, {1241, 3, "CACH"}, {1242, 3, "CHST"}, {1243, 3, "SRCH"},
    {1244, 3, "FOOD"}, {1245, 3, "PRIS"}, {1287, 3, "LAMP"}, {1282, 3, "BURY"}, {1246, 4, "NPC"},  {1247, 4, "MON"},
    {1333, 4, "SPWN"}, {1330, 4, "ACTS"}, {256, 4, "WILD"},  {1248, 5, "SHOP"}, {1249, 5, "INN"},  {1250, 5, "BANK"},
    {1251, 5, "VALT"}, {1252, 5, "TMPL"}, {1253, 5, "TRN"},  {1254, 5, "SEER"}, {1255, 5, "CSNO"}, {1328, 5, "RCHG"},
    {1256, 6, "TRAP"}, {1257, 6, "PIT"},  {1289, 6, "CRST"}, {1288, 6, "ELEM"}, {1258, 7, "TRIG"}, {1259, 7, "PAD"},
    {1260, 7, "SWCH"}, {1261, 7, "TOGL"}, {1264, 7, "ANS"},  {1265, 7, "SLP"},  {1335, 7, "DNCE"}, {1286, 7, "DMF2"},
    {1332, 7, "SPLT"}, {1262, 8, "SPEL"}, {1228, 8, "BKPK"}, {1263, 8, "USE"},  {1269, 8, "IFGT"}, {1266, 9, "CRAK"},
    {1267, 9, "CLMB"}, {1268, 9, "HIDE"}, {1270, 9, "BRDG"}, {1271, 9, "MUSH"}, {1280, 9, "PUZL"}, {1337, 9, "CHOP"},
    {1628, 9, "RIDL"}, {1272, 10, "STAT"}, {1273, 10, "FRGE"}, {1284, 10, "SWAP"}, {1285, 10, "BED"}, {1274, 11, "BOAT"},
    {1275, 11, "MOVE"}, {1276, 11, "RSET"}, {1229, 11, "AUTO"}, {1277, 12, "BEAM"}, {1278, 12, "LENS"}, {1281, 13, "ALT"},
    {1334, 13, "ROOT"}, {1329, 13, "RTRV"}, {1331, 13, "SMOK"}, {1338, 13, "LOOP"},
};

// The glyph of a picker page, drawn in the upper half of the badge.
void PageGlyph(Layer& L, int page) {
    switch (page) {
        case 0: L.Fill(Box(11, 5, 21, 14, 1), kWhite); for (float y : {7.5f, 10.0f, 12.5f}) L.Fill(Seg(13, y, 19, y, 0.4f), C(0x303030)); break;
        case 1: L.Fill(Box(12, 4, 20, 15, 3), kWhite); L.Fill(Circle(18, 10, 0.9f), C(0x303030)); break;
        case 2: L.Fill(Ring(Circle(16, 10, 4.5f), 1.0f), kWhite); L.Fill(Circle(16, 10, 1.5f), kWhite); break;
        case 3: sym::Coin(L, 16, 10, 10); break;
        case 4: L.Fill(Circle(16, 7.5f, 2.6f), kWhite); L.Fill(Ellipse(16, 14, 5, 3.2f), kWhite); break;
        case 5: L.Fill(Seg(11, 8, 21, 8, 0.7f), kWhite); L.Fill(Seg(16, 5, 16, 14, 0.7f), kWhite);
                L.Fill(Ellipse(12, 11, 2.4f, 1.2f), kWhite); L.Fill(Ellipse(20, 11, 2.4f, 1.2f), kWhite); break;
        case 6: L.Fill(Poly{{{16, 4}, {22, 15}, {10, 15}}}, kWhite); L.Fill(Seg(16, 8, 16, 11.5f, 0.6f), C(0x802010)); break;
        case 7: L.Fill(Seg(13, 15, 19, 5, 0.9f), kWhite); L.Fill(Circle(19, 5.5f, 2), kWhite); break;
        case 8: L.Fill(Box(12, 8, 20, 15, 2), kWhite); L.Fill(Box(12, 4, 14, 10, 1), kWhite); break;
        case 9: L.Fill(Box(10, 9, 22, 15), kWhite); L.Fill(Box(13, 5, 19, 9), kWhite); break;
        case 10: L.Fill(Box(15, 4, 17, 15), kWhite); L.Fill(Box(10.5f, 8.5f, 21.5f, 10.5f), kWhite); break;
        case 11: L.Fill(Poly{{{10, 8}, {17, 8}, {17, 5}, {22, 10}, {17, 15}, {17, 12}, {10, 12}}}, kWhite); break;
        case 12: L.Fill(Seg(9, 13, 23, 6, 1.0f), kWhite); L.Fill(Circle(9, 13, 2), kWhite); break;
        default: L.Fill(Circle(12, 10, 2), kWhite); L.Fill(Circle(16, 10, 2), kWhite); L.Fill(Circle(20, 10, 2), kWhite); break;
    }
}

void EventBadge(Image& img, const EventMark& e) {
    const Col pages[14] = {C(0x4A6AA8), C(0x8A5A2A), C(0x7A3AA0), C(0xB08A20), C(0x2A8A5A), C(0x2A7A9A), C(0xB02A2A),
                           C(0xC0602A), C(0x5A7A2A), C(0x6A6A6A), C(0x2A9A2A), C(0x2A5AB0), C(0xA0A020), C(0x8A4A6A)};
    Layer L(32, 32);
    const Col c = pages[e.page];
    L.Fill(Box(2, 2, 30, 30, 5), kInk);
    L.Emboss(Box(3, 3, 29, 29, 4.5f), c, 3, 0.5f);
    PageGlyph(L, e.page);
    Put(img, L);
    const int w = Text3x5Width(e.code);
    DrawText3x5(img, 16 - w / 2, 19, e.code, ToRgb(kWhite));
}

void AccessMark(Image& img, int tile) {
    Layer L(32, 32);
    const Col red = C(0xE02828), blue = C(0x3070E0), green = C(0x30B040);
    auto cross = [&](Col c, float w) {
        L.Fill(Seg(8, 8, 24, 24, w + 0.8f), kInk);
        L.Fill(Seg(24, 8, 8, 24, w + 0.8f), kInk);
        L.Fill(Seg(8, 8, 24, 24, w), c);
        L.Fill(Seg(24, 8, 8, 24, w), c);
    };
    auto waves = [&](Col c, int n) {
        for (int k = 0; k < n; ++k) {
            const float y = 11 + 5.0f * float(k);
            Path w{{{7, y}, {11, y - 2.5f}, {16, y}, {21, y - 2.5f}, {25, y}}, 1.2f};
            L.Fill(Grow(w, 0.8f), kInk);
            L.Fill(w, c);
        }
    };
    switch (tile) {
        case 1291: sym::Potion(L, 16, 16, 16, C(0x40C0F0)); L.Fill(Poly{RegularPoly(16, 16, 7, 6, 0)}, C(0x40E0E0)); break;
        case 1292: sym::Skull(L, 16, 16, 18, kBone); break;
        case 1293: L.Fill(Box(6, 14, 26, 22, 2), kInk); L.Fill(Box(7, 15, 25, 21, 2), C(0x5A80C0)); L.Fill(Box(7, 12, 12, 18, 2), kWhite); break;
        case 1294: L.Fill(Grow(Poly{{{6, 13}, {18, 13}, {18, 8}, {27, 16}, {18, 24}, {18, 19}, {6, 19}}}, 0.8f), kInk);
                   L.Fill(Poly{{{6, 13}, {18, 13}, {18, 8}, {27, 16}, {18, 24}, {18, 19}, {6, 19}}}, C(0xF0D030)); break;
        case 1295: L.Fill(Circle(16, 16, 3.5f), kInk); L.Fill(Circle(16, 16, 2.5f), green); break;
        case 1296: L.Fill(Ring(Inter(Circle(16, 18, 9), Box(0, 0, 32, 18)), 1.4f), kInk); L.Fill(Ring(Inter(Circle(16, 18, 9), Box(0, 0, 32, 18)), 0.8f), green);
                   L.Fill(Box(6, 17, 9, 26), green); L.Fill(Box(23, 17, 26, 26), green); break;
        case 1297: cross(red, 1.3f); L.Fill(Ellipse(16, 16, 4, 2.5f), kWhite); L.Fill(Circle(16, 16, 1.3f), kInk); break;
        case 1298: L.Fill(Box(6, 6, 26, 26, 2), kInk); L.Fill(Box(7, 7, 25, 25, 2), red); cross(kWhite, 1.2f); break;
        case 1299: waves(blue, 3); break;
        case 1300: waves(C(0x80C8F0), 2); break;
        case 1301: cross(C(0x303030), 1.6f); break;
        case 1312: L.Fill(Circle(16, 16, 9), kInk); L.Fill(Circle(16, 16, 8), C(0xE08030)); L.Fill(Seg(10, 22, 22, 10, 1.6f), kInk);
                   L.Fill(Circle(13, 14, 1.2f), kInk); L.Fill(Circle(19, 14, 1.2f), kInk); break;
        case 407:
        case 408:
        case 409: {
            L.Fill(Circle(16, 16, 10), kInk);
            L.Emboss(Circle(16, 16, 9), kGold, 2, 0.5f);
            L.Fill(Circle(16, 16, 7), C(0xF4ECD8));
            L.Fill(Poly{{{16, 9}, {18, 16}, {16, 23}, {14, 16}}}, red);
            for (int k = 0; k <= tile - 407; ++k) L.Fill(Ring(Circle(16, 16, 11.5f + 2.2f * float(k)), 0.6f), red);
            break;
        }
        case 1959:
            L.Fill(Ellipse(16, 17, 11, 7), C(0x3A0A0A));
            for (int k = 0; k < 5; ++k) {
                const float x = 8 + 4.0f * float(k);
                L.Fill(Poly{{{x - 1.8f, 11}, {x + 1.8f, 11}, {x, 16}}}, kWhite);
                L.Fill(Poly{{{x - 1.8f, 23}, {x + 1.8f, 23}, {x, 18}}}, kWhite);
            }
            break;
        case 1979: L.Fill(Ellipse(16, 16, 9, 5), kInk); L.Fill(Ellipse(16, 16, 8, 4), kWhite); L.Fill(Circle(16, 16, 2.5f), blue);
                   L.Fill(Seg(7, 25, 25, 7, 1.3f), red); break;
        default: break;
    }
    Put(img, L);
}

// ---------------------------------------------------------------- cursors and frames

void Brackets(Layer& L, Col c, bool tl, bool tr, bool bl, bool br, float inset) {
    auto corner = [&](float x, float y, float dx, float dy) {
        L.Fill(Seg(x, y, x + 8 * dx, y, 1.6f), kInk);
        L.Fill(Seg(x, y, x, y + 8 * dy, 1.6f), kInk);
        L.Fill(Seg(x, y, x + 8 * dx, y, 0.9f), c);
        L.Fill(Seg(x, y, x, y + 8 * dy, 0.9f), c);
    };
    const float a = inset, b = 32 - inset;
    if (tl) corner(a, a, 1, 1);
    if (tr) corner(b, a, -1, 1);
    if (bl) corner(a, b, 1, -1);
    if (br) corner(b, b, -1, -1);
}

void Frame(Image& img, Col c, int width) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int d = std::min(std::min(x, y), std::min(31 - x, 31 - y));
            if (d < width) img.Set(x, y, ToRgb(d == 0 ? Darken(c, 0.4f) : (d == width - 1 ? Lighten(c, 0.3f) : c)));
        }
}

// ---------------------------------------------------------------- effects

void Burst(Layer& L, Col outer, Col inner, int points, float r0, float r1) {
    L.Fill(Grow(Poly{Star(16, 16, r1, r0, points, 11)}, 1.0f), Darken(outer, 0.5f));
    L.Fill(Poly{Star(16, 16, r1, r0, points, 11)}, outer);
    L.Fill(Poly{Star(16, 16, r1 * 0.55f, r0 * 0.55f, points, 0)}, inner);
}

void Blast(Image& img, int kind) {
    Layer L(32, 32);
    Rng r(uint32_t(kind) + 1318);
    switch (kind) {
        case 0:  // acid
            for (int i = 0; i < 9; ++i) L.Fill(Circle(r.Range(6, 26), r.Range(6, 26), r.Range(3, 6)), Mix(C(0x50C030), C(0xB0F060), r.F()));
            for (int i = 0; i < 5; ++i) L.Fill(Circle(r.Range(6, 26), r.Range(6, 26), 1.3f), C(0xE0FFB0));
            break;
        case 1: Burst(L, C(0x90D0F8), kWhite, 8, 5, 14); sym::Snowflake(L, 16, 16, 12, C(0x4080D0)); break;
        case 2:
            for (int k = 0; k < 4; ++k) {
                const float a = float(k) * 1.5708f + 0.4f;
                Path bolt{{{16, 16}, {16 + 6 * std::cos(a) + 3 * std::sin(a), 16 + 6 * std::sin(a) - 3 * std::cos(a)}, {16 + 13 * std::cos(a), 16 + 13 * std::sin(a)}}, 1.3f};
                L.Fill(Grow(bolt, 1), C(0x806010));
                L.Fill(bolt, C(0xF8F060));
            }
            L.Fill(Circle(16, 16, 5), C(0xFFFFC0));
            break;
        case 3: Burst(L, C(0xE04010), C(0xFFD040), 9, 6, 15); break;
        default:  // curses and the other powers: a violet swirl
            for (int k = 0; k < 3; ++k) L.Fill(Ring(Circle(16, 16, 4.0f + 4.5f * float(k)), 1.3f), Mix(C(0x9030D0), C(0xE0A0FF), float(k) / 2));
            sym::StarShape(L, 16, 16, 9, 4, kWhite);
            break;
    }
    Put(img, L);
}

// 1340 + 8 * kind + direction; directions from up-left clockwise to left.
void Missile(Image& img, int kind, int dir) {
    static const float kAngles[8] = {-135, -90, -45, 0, 45, 90, 135, 180};
    const float deg = kAngles[dir];
    Layer L(32, 32);
    auto rot = [&](auto shape) { return Rotate(shape, 16, 16, deg); };
    switch (kind) {
        case 0: {  // an arrow
            L.Fill(rot(Seg(4, 16, 24, 16, 1.4f)), kInk);
            L.Fill(rot(Seg(4, 16, 24, 16, 0.7f)), C(0xA07844));
            L.Fill(rot(Grow(Poly{{{29, 16}, {22, 12}, {23, 16}, {22, 20}}}, 0.7f)), kInk);
            L.Fill(rot(Poly{{{29, 16}, {22, 12}, {23, 16}, {22, 20}}}), C(0xC8CCD4));
            L.Fill(rot(Poly{{{3, 12}, {9, 15}, {9, 17}, {3, 20}, {5, 16}}}), C(0xE0E0D8));
            break;
        }
        case 1:
        case 2:
        case 4: {  // a glob, a shard or a fireball with its trail
            const Col a = kind == 1 ? C(0x60D030) : kind == 2 ? C(0xA0D8F8) : C(0xF06A18);
            const Col b = kind == 1 ? C(0xD0FF90) : kind == 2 ? kWhite : C(0xFFE060);
            for (int k = 0; k < 4; ++k) L.Fill(rot(Circle(6 + 4.0f * float(k), 16, 1.2f + float(k) * 0.7f)), Mix(a, b, 0.3f), 0.9f);
            if (kind == 2) {
                L.Fill(rot(Grow(Poly{{{29, 16}, {20, 11}, {14, 16}, {20, 21}}}, 0.8f)), C(0x204A80));
                L.Fill(rot(Poly{{{29, 16}, {20, 11}, {14, 16}, {20, 21}}}), a);
                L.Fill(rot(Seg(18, 14, 26, 16, 0.5f)), b);
            } else {
                L.Fill(rot(Circle(22, 16, 6)), Darken(a, 0.4f));
                L.Fill(rot(Circle(22, 16, 5)), a);
                L.Fill(rot(Circle(23, 15, 2.5f)), b);
            }
            break;
        }
        default: {  // a bolt of lightning
            Path bolt{{{3, 16}, {10, 11}, {15, 19}, {21, 12}, {29, 16}}, 1.2f};
            L.Fill(rot(Grow(bolt, 1.2f)), C(0x806010));
            L.Fill(rot(bolt), C(0xFFF470));
            L.Fill(rot(Seg(10, 11, 15, 19, 0.4f)), kWhite);
            break;
        }
    }
    Put(img, L);
}

// A light beam that runs through the square and joins the next one.
void Beam(Image& img, Col c, bool vertical) {
    Layer L(32, 32);
    auto outer = vertical ? Box(12, -1, 20, 33) : Box(-1, 12, 33, 20);
    auto core = vertical ? Box(14.5f, -1, 17.5f, 33) : Box(-1, 14.5f, 33, 17.5f);
    L.Fill(outer, Mix(c, C(0x202020), 0.2f), 0.55f);
    L.Fill(Grow(core, 1.2f), c);
    L.Fill(core, Lighten(c, 0.7f));
    Put(img, L);
}

// ---------------------------------------------------------------- the HUD and the kit's buttons

void ButtonBase(Layer& L) {
    L.Fill(Circle(16, 16, 15), kInk);
    L.Emboss(Circle(16, 16, 14), C(0xB48A44), 3, 0.6f);
    L.Fill(Circle(16, 16, 11), C(0x2A1E14));
    L.Emboss(Circle(16, 16, 10.5f), C(0x3E3024), 2, -0.35f);
}

void HudButton(Image& img, int tile) {
    Layer L(32, 32);
    ButtonBase(L);
    const Col ink = C(0xF0DCA8);
    switch (tile) {
        case 1380: {  // bow
            L.Fill(Ring(Inter(Circle(10, 16, 9), Box(10, 0, 32, 32)), 0.9f), ink);
            L.Fill(Seg(10, 7, 10, 25, 0.4f), ink);
            L.Fill(Seg(8, 16, 23, 16, 0.6f), ink);
            L.Fill(Poly{{{24, 16}, {20, 14}, {20, 18}}}, ink);
            break;
        }
        case 1381: L.Fill(Seg(9, 23, 21, 11, 1.1f), ink); sym::StarShape(L, 22, 10, 7, 5, C(0x80D0FF)); break;   // wand
        case 1382: L.Fill(Poly{{{16, 7}, {24, 25}, {8, 25}}}, C(0x5A6A8A)); L.Fill(Circle(16, 12, 3), C(0x1A1E2A)); break;  // hide: a cloak
        case 1383: L.Fill(Poly{{{16, 8}, {24, 23}, {8, 23}}}, ink); L.Fill(Seg(16, 12, 16, 18, 0.8f), C(0x8A2A1A)); L.Fill(Circle(16, 20.5f, 0.9f), C(0x8A2A1A)); break;
        case 1384: L.Fill(Seg(10, 9, 19, 20, 0.9f), C(0xA07844)); L.Fill(Poly{{{17, 19}, {24, 18}, {23, 25}, {18, 24}}}, C(0xB4B8C0)); break;  // dig
        case 1385: L.Fill(Box(9, 8, 23, 24, 1), ink); for (int k = 0; k < 4; ++k) L.Fill(Box(11, 20 - 3.0f * float(k) - float(k * k) * 0.5f, 13.5f + 3 * float(k), 22), C(0x8A2A1A)); break;
        case 1386: L.Fill(Box(9, 10, 23, 24, 3), C(0x9A6A3A)); L.Fill(Ring(Box(12, 6, 20, 12, 2), 0.8f), C(0x9A6A3A)); L.Fill(Box(13, 14, 19, 18, 1), ink); break;  // backpack
        case 1387: L.Fill(Box(10, 8, 22, 24, 1), C(0x7A2A2A)); L.Fill(Box(12, 10, 20, 22), ink); L.Fill(Seg(16, 12, 16, 17, 0.9f), C(0x7A2A2A)); L.Fill(Circle(16, 19.5f, 0.9f), C(0x7A2A2A)); break;  // quest
        case 1388: L.Fill(Poly{{{7, 10}, {13, 8}, {19, 10}, {25, 8}, {25, 23}, {19, 25}, {13, 23}, {7, 25}}}, ink);
                   L.Fill(Seg(13, 8, 13, 23, 0.4f), C(0x8A7A5A)); L.Fill(Seg(19, 10, 19, 25, 0.4f), C(0x8A7A5A)); L.Fill(Circle(16, 16, 1.5f), C(0xC02020)); break;
        case 1389: L.Fill(Box(8, 9, 24, 23, 1), ink); L.Fill(Seg(11, 20, 13, 12, 0.6f), C(0x3A2A1A)); L.Fill(Seg(13, 12, 15, 20, 0.6f), C(0x3A2A1A));
                   L.Fill(Seg(17, 12, 21, 20, 0.6f), C(0x3A2A1A)); L.Fill(Seg(21, 12, 17, 20, 0.6f), C(0x3A2A1A)); break;  // translations
        case 1390: sym::Moon(L, 15, 16, 14, ink); break;                                   // rest
        case 1391: L.Fill(Box(10, 8, 22, 25, 5), C(0x9A6A3A)); L.Fill(Seg(16, 9, 16, 25, 0.4f), C(0x5A3A1A)); L.Fill(Circle(19.5f, 17, 1), ink); break;  // close door
        case 1392: sym::StarShape(L, 16, 16, 14, 8, C(0xF8D860)); break;                    // activate
        case 1393: {  // options: a cog
            L.Fill(Poly{Star(16, 16, 10, 7.5f, 8, 0)}, ink);
            L.Fill(Circle(16, 16, 3), C(0x2A1E14));
            break;
        }
        case 1394: L.Fill(Box(10, 7, 22, 25, 1), ink); L.Fill(Seg(13, 11, 19, 11, 0.5f), C(0x3A2A1A)); L.Fill(Seg(13, 14, 19, 14, 0.5f), C(0x3A2A1A));
                   L.Fill(Seg(18, 24, 25, 9, 0.8f), C(0x2A4A8A)); break;  // a page and a quill: keep
        case 1604: L.Fill(Box(15, 10, 25, 22, 1), C(0x8A7A6A)); L.Fill(Poly{{{7, 16}, {13, 12}, {13, 14}, {15, 14}, {15, 18}, {13, 18}, {13, 20}}}, ink); break;  // push
        case 1699: L.Fill(Circle(16, 10, 3.2f), ink); L.Fill(Poly{{{11, 14}, {21, 14}, {20, 21}, {18, 21}, {18, 26}, {14, 26}, {14, 21}, {12, 21}}}, ink); break;  // human form
        default: break;
    }
    Put(img, L);
}

// The kit's tile-picker buttons and frames.
void KitButton(Image& img, int tile) {
    Layer L(32, 32);
    L.Fill(Box(1, 1, 31, 31, 3), kInk);
    L.Emboss(Box(2, 2, 30, 30, 3), C(0xC8B48A), 3, 0.5f);
    switch (tile) {
        case 1629:  // walls
            for (int r = 0; r < 4; ++r)
                for (int k = 0; k < 3; ++k) L.Fill(Box(6 + 7.0f * float(k) - (r % 2) * 3.5f, 7 + 5.0f * float(r), 12 + 7.0f * float(k) - (r % 2) * 3.5f, 11 + 5.0f * float(r)), C(0xA45436));
            break;
        case 1630: L.Fill(Seg(8, 8, 24, 24, 1.5f), C(0xE02828)); L.Fill(Seg(24, 8, 8, 24, 1.5f), C(0xE02828)); break;  // access
        case 1631:  // zones
            L.Fill(Box(6, 6, 16, 16), C(0xE03030)); L.Fill(Box(16, 6, 26, 16), C(0xF0D020));
            L.Fill(Box(6, 16, 16, 26), C(0x3050F0)); L.Fill(Box(16, 16, 26, 26), C(0x30C040)); break;
        case 1632: sym::StarShape(L, 16, 16, 20, 5, C(0xF0A020)); break;  // events
        default: break;
    }
    Put(img, L);
}

// ---------------------------------------------------------------- skill rows, curses, traps

void SkillIcon(Image& img, int tile) {
    Layer L(32, 32);
    L.Fill(Box(2, 2, 30, 30, 6), kInk);
    const bool prayer = (tile >= 1648 && tile <= 1650) || tile == 1659 || tile == 1660 || tile == 1673 || tile == 1674;
    L.Emboss(Box(3, 3, 29, 29, 5.5f), prayer ? C(0xE8DCB0) : C(0x3A4A6A), 3, 0.5f);
    switch (tile) {
        case 1640: for (int k = 0; k < 5; ++k) L.Fill(Circle(10 + 3.0f * float(k), 14 + float(k % 2) * 4, 4), C(0x70D040)); break;  // acid cloud
        case 1641: sym::Snowflake(L, 16, 16, 18, C(0xD0F0FF)); break;                        // ice storm
        case 1642: sym::Flame(L, 16, 16, 20); break;                                         // inferno
        case 1643: sym::Bolt(L, 16, 16, 20, C(0xF8F060)); break;                             // lightning
        case 1644: L.Fill(Ring(Circle(16, 16, 8), 1.5f), C(0xB070F0)); L.Fill(Ring(Circle(16, 16, 4), 1.2f), C(0xE0C0FF)); break;  // dimension door
        case 1645: sym::Sword(L, 16, 16, 20, 0); break;                                      // heroism
        case 1646: sym::HeaterShield(L, 16, 16, 18, C(0x60A0F0)); break;                     // magic shield
        case 1647: sym::Drop(L, 16, 16, 16, C(0x60A0F0)); L.Fill(Seg(8, 24, 24, 24, 0.8f), kWhite); break;  // waterwalk
        case 1648: sym::Heart(L, 16, 16, 18, C(0xD02030)); break;                            // healing
        case 1649: sym::Heart(L, 16, 16, 18, C(0xD02030)); L.Fill(Box(14.5f, 10, 17.5f, 22), kWhite); L.Fill(Box(10, 14.5f, 22, 17.5f), kWhite); break;  // cure
        case 1650: sym::Sun(L, 16, 16, 20, C(0xF8D040)); break;                              // blessing
        case 1651: sym::Eye(L, 16, 16, 18, C(0x40A0E0)); break;
        case 1659: L.Fill(Ring(Circle(12, 16, 5), 1.3f), kIron); L.Fill(Ring(Circle(20, 16, 5), 1.3f), kIron); L.Fill(Seg(16, 6, 16, 26, 0.8f), C(0xC02020)); break;  // unbind
        case 1660: L.Fill(Seg(16, 4, 16, 28, 2), C(0xF8E880)); L.Fill(Seg(8, 12, 24, 12, 2), C(0xF8E880)); break;  // smite
        case 1665: sym::Eye(L, 16, 16, 20, C(0xF0C040)); break;                              // true sight
        case 1666: sym::Drop(L, 16, 16, 16, C(0x70D040)); break;
        case 1667: sym::Snowflake(L, 16, 16, 16, C(0xC0E8FF)); break;
        case 1668: sym::Bolt(L, 16, 16, 16, C(0xF8F060)); break;
        case 1669: sym::Flame(L, 16, 16, 16); break;
        case 1673: sym::Eye(L, 16, 16, 18, C(0xA060E0)); L.Fill(Ring(Circle(16, 16, 11), 1), C(0xA060E0)); break;  // mind shield
        case 1674: sym::Heart(L, 16, 16, 16, C(0xD06040)); L.Fill(Ring(Circle(16, 16, 11), 1), C(0xD06040)); break;  // body shield
        default: sym::StarShape(L, 16, 16, 14, 5, C(0xC0C0C0)); break;
    }
    Put(img, L);
}

void CurseIcon(Image& img, int tile) {
    Layer L(32, 32);
    L.Fill(Box(2, 2, 30, 30, 6), kInk);
    L.Emboss(Box(3, 3, 29, 29, 5.5f), C(0x4A2A3A), 3, 0.5f);
    switch (tile) {
        case 1656: sym::Sword(L, 16, 16, 18, 180); L.Fill(Seg(8, 8, 24, 24, 1), C(0xE04040)); break;  // incompetence
        case 1657: sym::HeaterShield(L, 16, 16, 16, C(0x8A8A8A)); L.Fill(Seg(10, 8, 22, 24, 1.1f), kInk); break;  // vulnerable
        case 1658: L.Fill(Seg(10, 22, 22, 10, 2.2f), C(0xC8A890)); L.Fill(Seg(12, 14, 18, 20, 0.9f), kInk); break;  // weakness: a broken arm
        case 1661: L.Fill(Ellipse(16, 18, 10, 6), C(0x140808)); for (int k = 0; k < 4; ++k) L.Fill(Poly{{{9 + 4.5f * float(k), 13}, {12 + 4.5f * float(k), 13}, {10.5f + 4.5f * float(k), 18}}}, kWhite); break;
        case 1676: sym::Heart(L, 16, 14, 14, C(0x8A1020)); L.Fill(Seg(16, 20, 16, 27, 1), C(0x8A1020)); break;  // life drain
        case 1677: L.Fill(Box(10, 8, 22, 24, 2), C(0xB0B0C0)); for (float x : {13.0f, 16.0f, 19.0f}) L.Fill(Seg(x, 6, x, 26, 0.7f), kIron); break;  // paralysed
        default: sym::Skull(L, 16, 16, 16, kBone); break;
    }
    Put(img, L);
}

// A trap that has been seen: a warning triangle with its kind.
void TrapMark(Image& img, int kind) {
    Layer L(32, 32);
    if (kind == 0) {
        L.Fill(Seg(6, 6, 26, 26, 2.6f), kInk);
        L.Fill(Seg(26, 6, 6, 26, 2.6f), kInk);
        L.Fill(Seg(6, 6, 26, 26, 1.8f), C(0xE02020));
        L.Fill(Seg(26, 6, 6, 26, 1.8f), C(0xE02020));
    } else {
        L.Fill(Grow(Poly{{{16, 3}, {30, 28}, {2, 28}}}, 1), kInk);
        L.Fill(Poly{{{16, 3}, {30, 28}, {2, 28}}}, C(0xE02020));
        L.Fill(Poly{{{16, 8}, {26, 26}, {6, 26}}}, C(0xF8E8C0));
        switch (kind) {
            case 1: sym::Snowflake(L, 16, 19, 10, C(0x3070C0)); break;
            case 2: sym::Bolt(L, 16, 19, 10, C(0xD0A010)); break;
            case 3: sym::Flame(L, 16, 19, 10); break;
            case 4: sym::Drop(L, 16, 19, 10, C(0x50B020)); break;
            default: L.Fill(Seg(10, 21, 22, 17, 0.7f), kInk); L.Fill(Poly{{{22, 17}, {19, 15.5f}, {20, 19}}}, kInk); break;  // a dart
        }
    }
    Put(img, L);
}

// ---------------------------------------------------------------- the hero's overlays

void ShallowWater(Image& img) {
    Layer L(32, 32);
    auto water = [](float x, float y) { return 19.0f + std::sin(x * 0.6f) * 1.2f - y; };
    L.Fill(water, C(0x3C7AB0), 0.85f);
    for (int k = 0; k < 3; ++k) L.Fill(Seg(3 + 10.0f * float(k), 20.5f + float(k % 2), 9 + 10.0f * float(k), 20.5f + float(k % 2), 0.5f), C(0xC0E0F8));
    Put(img, L);
    // the water is see-through: only every other pixel of it is painted
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (y > 21 && (x + y) % 2 == 1) img.Set(x, y, kKeyColour);
}

void Aura(Image& img) {
    Layer L(32, 32);
    L.Fill(Ring(Circle(16, 16, 14), 1.3f), C(0xF8E070));
    L.Fill(Ring(Circle(16, 16, 11.5f), 0.6f), C(0xFFF8C0));
    for (int k = 0; k < 8; ++k) {
        const float a = float(k) * 0.785f;
        L.Fill(Circle(16 + 14 * std::cos(a), 16 + 14 * std::sin(a), 1.7f), kWhite);
    }
    Put(img, L);
}

void HurtMark(Image& img) {
    Layer L(32, 32);
    L.Fill(Grow(Poly{Star(16, 16, 10, 4.5f, 7, 0)}, 1), kInk);
    L.Fill(Poly{Star(16, 16, 10, 4.5f, 7, 0)}, C(0xE02020));
    L.Fill(Poly{Star(16, 16, 5, 2.5f, 7, 20)}, C(0xFFD0A0));
    Put(img, L);
}

void CompassAlert(Image& img, int level) {
    Layer L(32, 32);
    L.Fill(Circle(16, 16, 9), kInk);
    L.Emboss(Circle(16, 16, 8), kGold, 2, 0.5f);
    L.Fill(Circle(16, 16, 6), C(0xF4ECD8));
    L.Fill(Poly{{{16, 10}, {18, 16}, {16, 22}, {14, 16}}}, C(0xD02020));
    for (int k = 0; k <= level; ++k) {
        const float r = 10.5f + 2.2f * float(k);
        L.Fill(Ring(Inter(Circle(16, 16, r), Box(0, 0, 32, 9)), 0.6f), C(0xF0C040));
    }
    Put(img, L);
}

void Thought(Image& img, int which) {
    Layer L(32, 32);
    switch (which) {
        case 0: L.Fill(Box(8, 8, 20, 24, 2), C(0xC8962A)); L.Fill(Box(9, 6, 19, 10, 2), kWhite); L.Fill(Ring(Box(19, 11, 24, 19, 2), 1), C(0xC8962A)); break;  // ale
        case 1: L.Fill(Ellipse(14, 16, 8, 6), C(0xB8702A)); L.Fill(Seg(20, 18, 25, 23, 1.2f), kBone); break;  // a roast leg
        case 2: sym::Sword(L, 16, 16, 18, 45); break;
        case 3: L.Fill(Seg(16, 14, 16, 26, 0.6f), C(0x3A8A2A)); for (int k = 0; k < 5; ++k) L.Fill(Circle(16 + 3 * std::cos(float(k) * 1.25f), 11 + 3 * std::sin(float(k) * 1.25f), 2.4f), C(0xE060A0));
                L.Fill(Circle(16, 11, 1.5f), C(0xF8D040)); break;  // a flower
        case 4: L.Fill(Box(8, 14, 24, 24, 1), C(0xE8C8A0)); L.Fill(Box(8, 12, 24, 16, 1), C(0xF8F0F0)); L.Fill(Circle(16, 10, 2), C(0xD02030)); break;  // cake
        default: L.Fill(Ring(Circle(16, 14, 7), 0.8f), kGold); L.Fill(Poly{RegularPoly(16, 21, 3.5f, 4, 0)}, C(0x40C0F0)); break;  // necklace
    }
    Put(img, L);
}

// ---------------------------------------------------------------- other pictures of the screens

void WaterJar(Image& img, int piece) {
    Layer L(32, 32);
    const bool bottom = piece == 0 || piece == 2, full = piece <= 1;
    auto glass = bottom ? Box(7, -1, 25, 28, 5) : Box(7, -1, 25, 33);
    if (full) L.Fill(Inter(glass, Box(0, bottom ? 4 : -1, 32, 33)), C(0x3C7CC8));
    L.Fill(Ring(glass, 1.0f), C(0xC8E0F0));
    L.Fill(Seg(10, 2, 10, bottom ? 22 : 33, 0.6f), kWhite);
    Put(img, L);
}

void DeviceArrow(Layer& L, float ang, Col c) {
    L.Fill(Rotate(Grow(Poly{{{26, 16}, {17, 8}, {17, 12}, {7, 12}, {7, 20}, {17, 20}, {17, 24}}}, 1), 16, 16, ang), kInk);
    L.Fill(Rotate(Poly{{{26, 16}, {17, 8}, {17, 12}, {7, 12}, {7, 20}, {17, 20}, {17, 24}}}, 16, 16, ang), c);
}

void Device(Image& img, int tile) {
    Layer L(32, 32);
    Solid(L, Box(2, 2, 30, 30, 3), C(0x5A606A), 3);
    switch (tile) {
        case 1684: L.Fill(Circle(16, 16, 7), C(0x30A0D0)); break;
        case 1689: L.Fill(Circle(16, 16, 7), C(0x40D060)); break;
        case 1690: L.Fill(Circle(16, 16, 7), C(0xD03030)); L.Fill(Seg(11, 11, 21, 21, 1), kWhite); break;
        case 1685: DeviceArrow(L, 0, C(0xE0E0E0)); break;
        case 1686: DeviceArrow(L, 180, C(0xE0E0E0)); break;
        case 1687: DeviceArrow(L, 90, C(0xE0E0E0)); break;
        case 1688: DeviceArrow(L, -90, C(0xE0E0E0)); break;
        case 1691: L.Fill(Circle(16, 16, 8), C(0x3A3020)); L.Fill(Circle(14, 14, 2), C(0x6A6050)); break;
        case 1692: L.Fill(Circle(16, 16, 10), C(0xFFF0A0), 0.6f); L.Fill(Circle(16, 16, 8), C(0xFFE050)); L.Fill(Circle(14, 14, 2.5f), kWhite); break;
        default: break;
    }
    Put(img, L);
}

// The stone tablet's signs 1..4 (1693..1696) and 0 (1697).
void TabletSign(Image& img, int sign) {
    Layer L(32, 32);
    Solid(L, Box(3, 3, 29, 29, 4), C(0x8A8880), 3);
    const Col cut = C(0x2A2824);
    switch (sign) {
        case 0: L.Fill(Ring(Circle(16, 16, 7), 1.3f), cut); break;
        case 1: L.Fill(Seg(16, 8, 16, 24, 1.3f), cut); break;
        case 2: L.Fill(Seg(10, 9, 22, 23, 1.3f), cut); L.Fill(Seg(22, 9, 10, 23, 1.3f), cut); break;
        case 3: L.Fill(Ring(Poly{{{16, 8}, {24, 23}, {8, 23}}}, 1.1f), cut); break;
        default: L.Fill(Ring(Box(9, 9, 23, 23), 1.1f), cut); L.Fill(Circle(16, 16, 2), cut); break;
    }
    Put(img, L);
}

// The magic barrier: a wall of force, cracking as it is hurt.
void Barrier(Image& img, int stage) {
    Layer L(32, 32);
    const Col c = stage == 2 ? C(0x70B0F8) : stage == 1 ? C(0x9090E0) : C(0xB070C0);
    L.Fill(Box(1, 1, 31, 31, 4), Darken(c, 0.5f));
    L.Fill(Box(3, 3, 29, 29, 3), c, 0.8f);
    for (int k = 0; k < 4; ++k) L.Fill(Seg(5, 7 + 6.0f * float(k), 27, 5 + 6.0f * float(k), 0.5f), Lighten(c, 0.6f));
    if (stage <= 1) L.Fill(Path{{{8, 3}, {14, 12}, {11, 18}, {17, 29}}, 0.8f}, C(0x101020));
    if (stage == 0) {
        L.Fill(Path{{{27, 4}, {20, 13}, {24, 20}, {19, 29}}, 0.8f}, C(0x101020));
        L.Fill(Path{{{3, 20}, {11, 18}, {20, 13}}, 0.7f}, C(0x101020));
    }
    Put(img, L);
}

void CarefulStep(Image& img, bool on) {
    Layer L(32, 32);
    L.Fill(Circle(16, 16, 13), kInk);
    L.Emboss(Circle(16, 16, 12), on ? C(0x4A9A3A) : C(0x6A6A6A), 3, 0.5f);
    const Col foot = on ? C(0xF0F8E0) : C(0xA8A8A8);
    L.Fill(Ellipse(12, 19, 3, 5), foot);
    L.Fill(Ellipse(20, 13, 3, 5), foot);
    for (int k = 0; k < 3; ++k) {
        L.Fill(Circle(10 + 2.0f * float(k), 13, 0.9f), foot);
        L.Fill(Circle(18 + 2.0f * float(k), 7, 0.9f), foot);
    }
    Put(img, L);
}

// The wilderness hero marker: an arrow in the way he faces, dimmed while hidden.
void WildArrow(Image& img, int facing, bool hidden) {
    static const float kAngles[4] = {-90, 90, 0, 180};
    Layer L(32, 32);
    const Col c = hidden ? C(0x8A8A9A) : C(0xF0D030);
    auto arrow = Rotate(Poly{{{29, 16}, {17, 5}, {17, 11}, {4, 11}, {4, 21}, {17, 21}, {17, 27}}}, 16, 16, kAngles[facing]);
    L.Fill(Grow(arrow, 1.3f), kInk);
    L.Fill(arrow, c);
    if (!hidden) L.Fill(Rotate(Poly{{{26, 16}, {18, 8}, {18, 12}, {7, 12}, {7, 15}, {20, 15}}}, 16, 16, kAngles[facing]), Lighten(c, 0.5f));
    Put(img, L);
    if (hidden)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if ((x + y) % 2 && img.Get(x, y) != kKeyColour) img.Set(x, y, kKeyColour);
}

void Maw(Image& img, bool hint) {
    Layer L(32, 32);
    if (hint) {
        for (int k = 0; k < 5; ++k) {
            const float x = 7 + 4.5f * float(k);
            L.Fill(Poly{{{x - 1.5f, 14}, {x + 1.5f, 14}, {x, 18}}}, C(0xC8C0B0), 0.9f);
        }
        L.Fill(Ring(Ellipse(16, 16, 12, 7), 0.5f), C(0x3A2020));
    } else {
        L.Fill(Ellipse(16, 17, 14, 10), C(0x5A0A0A));
        L.Fill(Ellipse(16, 17, 11, 7), C(0x140404));
        for (int k = 0; k < 6; ++k) {
            const float x = 6 + 4.0f * float(k);
            L.Fill(Poly{{{x - 2, 10}, {x + 2, 10}, {x, 16}}}, kBone);
            L.Fill(Poly{{{x - 2, 24}, {x + 2, 24}, {x, 18}}}, kBone);
        }
    }
    Put(img, L);
}

void Pit(Image& img, int kind) {
    Layer L(32, 32);
    if (kind == 2) {  // not found yet: a faint ring of cracks
        for (int k = 0; k < 8; ++k) {
            const float a = float(k) * 0.785f;
            L.Fill(Seg(16 + 7 * std::cos(a), 16 + 7 * std::sin(a), 16 + 11 * std::cos(a + 0.2f), 16 + 11 * std::sin(a + 0.2f), 0.5f), C(0x2A2018));
        }
    } else if (kind == 0) {  // an open pit
        L.Fill(Circle(16, 16, 13), C(0x3A2E22));
        L.Fill(Circle(16, 17, 10.5f), C(0x050404));
        L.Fill(Ring(Circle(16, 16, 12), 0.7f), C(0x6A5A48));
    } else {  // the pit's bottom, seen from in it: rubble and the light from above
        L.Fill(Circle(16, 16, 13), C(0x4A3E30));
        L.Fill(Circle(16, 16, 7), C(0xE0D0A0), 0.7f);
        Rng r(1398);
        for (int i = 0; i < 8; ++i) L.Fill(Circle(r.Range(6, 26), r.Range(6, 26), r.Range(1, 2.2f)), C(0x6A5A48));
    }
    Put(img, L);
}

void Beacon(Image& img, bool icon) {
    Layer L(32, 32);
    if (!icon) L.Fill(Ellipse(16, 25, 9, 3.5f), C(0x60C0FF), 0.7f);
    L.Fill(Grow(Poly{Star(16, icon ? 16.0f : 12.0f, 11, 4, 4, 0)}, 1), C(0x1A3A6A));
    L.Fill(Poly{Star(16, icon ? 16.0f : 12.0f, 11, 4, 4, 0)}, C(0x90D8FF));
    L.Fill(Circle(16, icon ? 16.0f : 12.0f, 3), kWhite);
    Put(img, L);
}

void Smoke(Image& img, bool large) {
    Layer L(32, 32);
    const float s = large ? 1.0f : 0.6f;
    for (int k = 0; k < 5; ++k) {
        const float a = float(k) * 1.256f;
        L.Fill(Circle(16 + 7 * s * std::cos(a), 16 + 6 * s * std::sin(a), 6 * s + 0.8f), C(0x6A6A66));
        L.Fill(Circle(16 + 7 * s * std::cos(a), 16 + 6 * s * std::sin(a), 6 * s), C(0xC8C8C2));
    }
    L.Fill(Circle(16, 16, 7 * s), C(0xDCDCD6));
    Put(img, L);
}

// Blood, acid, fire and the other things left on the floor.
void Splash(Image& img, int tile) {
    Layer L(32, 32);
    Rng r{uint32_t(tile)};
    auto blot = [&](Col c, float size) {
        L.Fill(Ellipse(16, 17, size, size * 0.7f), c);
        for (int i = 0; i < 8; ++i) {
            const float a = r.Range(0, 6.28f), d = r.Range(size * 0.6f, size * 1.4f);
            L.Fill(Circle(16 + std::cos(a) * d, 17 + std::sin(a) * d * 0.7f, r.Range(1, 2.6f)), c);
        }
    };
    if (tile >= 1160 && tile <= 1164) blot(Mix(C(0x8A1410), C(0x5A0A08), r.F()), r.Range(5, 8));
    else if (tile >= 1165 && tile <= 1167) {  // the acid dries up over three stages
        const float size = 10.0f - 2.5f * float(tile - 1165);
        blot(C(0x5AB028), size);
        L.Fill(Ellipse(14, 15, size * 0.4f, size * 0.25f), C(0xC8F890));
    } else if (tile == 1168) {
        L.Fill(Ellipse(16, 24, 11, 4), C(0x2A1A12));
        sym::Flame(L, 11, 18, 12);
        sym::Flame(L, 20, 16, 15);
    } else {
        switch (tile - 1169) {
            case 0: blot(C(0x6AA03A), 8); break;          // slime
            case 1: blot(C(0x1E1A16), 9); break;          // scorch
            case 2: blot(C(0xC8E8F8), 9); break;          // frost
            case 3:  // web
                for (int k = 0; k < 6; ++k) L.Fill(Seg(16, 16, 16 + 14 * std::cos(float(k) * 1.05f), 16 + 14 * std::sin(float(k) * 1.05f), 0.4f), C(0xE0E0E8));
                for (float d : {5.0f, 9.0f, 13.0f}) L.Fill(Ring(Poly{RegularPoly(16, 16, d, 6, 0)}, 0.35f), C(0xE0E0E8));
                break;
            case 4: blot(C(0x8A8A86), 8); break;          // ash
            case 5: blot(C(0x2A2430), 9); L.Fill(Ellipse(13, 15, 3, 1.5f), C(0x6A5AA0)); break;  // oil
            case 6: for (int k = 0; k < 6; ++k) L.Fill(Circle(r.Range(6, 26), r.Range(6, 26), 1.2f), C(0xF8F080)); break;  // sparks
            default: L.Fill(Circle(16, 16, 9), C(0xA8A8A0), 0.8f); break;  // smoke
        }
    }
    Put(img, L);
}

void CityLink(Image& img, bool horizontal) {
    Layer L(32, 32);
    auto road = horizontal ? Box(-1, 11, 33, 21) : Box(11, -1, 21, 33);
    L.Fill(Grow(road, 1), kInk);
    L.Fill(road, C(0xB4A080));
    L.Fill(horizontal ? Box(-1, 15.5f, 33, 16.5f) : Box(15.5f, -1, 16.5f, 33), C(0x8A7A5A));
    Put(img, L);
}

void ChargeSlot(Image& img, bool full) {
    Layer L(32, 32);
    L.Fill(Circle(16, 16, 9), kInk);
    if (full) {
        L.Emboss(Circle(16, 16, 8), C(0xF0C040), 3, 0.6f);
        L.Fill(Circle(13, 13, 2), kWhite);
    } else {
        L.Fill(Circle(16, 16, 8), C(0x3A3026));
    }
    Put(img, L);
}

// A selection pointer stands just outside the end of its row (the row starts 6 pixels into
// the left one and ends 5 pixels before the right one's edge), so it never covers the row.
void Pointer(Image& img, bool pointsRight) {
    Layer L(32, 32);
    const Poly p = pointsRight ? Poly{{{5.6f, 16}, {0.4f, 8.5f}, {0.4f, 23.5f}}} : Poly{{{26.6f, 16}, {31.6f, 8.5f}, {31.6f, 23.5f}}};
    L.Fill(p, kInk);
    L.Fill(Grow(p, -0.9f), C(0xD83030));
    Put(img, L);
}

// The outline of a secret door the hero has spotted, traced in dashes along the square's edges:
// it stays over the doorway once the door is open, so it reads as the door's frame then and
// leaves the middle, where the hero stands, clear.
void SecretDoorTrace(Layer& L) {
    std::vector<V2> arch{{5, 30}, {5, 13}};
    for (int i = 1; i < 16; ++i) {
        const float a = 3.14159265f * float(i) / 16.0f;
        arch.push_back({16 - 11 * std::cos(a), 13 - 10 * std::sin(a)});
    }
    arch.push_back({27, 13});
    arch.push_back({27, 30});
    // dashes of 4 pixels with gaps of 3, measured along the outline
    auto dashes = [&](float radius, Col colour) {
        float along = 0;
        for (size_t i = 0; i + 1 < arch.size(); ++i) {
            const V2 a = arch[i], b = arch[i + 1];
            const float len = Len(b.x - a.x, b.y - a.y);
            for (float t = 0; t < len; t += 0.5f, along += 0.5f)
                if (std::fmod(along, 7.0f) < 4.0f)
                    L.Fill(Circle(a.x + (b.x - a.x) * t / len, a.y + (b.y - a.y) * t / len, radius), colour);
        }
    };
    dashes(1.3f, kInk);
    dashes(0.6f, C(0xF0E040));
}

void SmallIcon(Image& img, int tile) {
    Layer L(32, 32);
    switch (tile) {
        case 1595: L.Fill(Box(5, 9, 27, 26, 2), kInk); L.Fill(Box(6, 10, 26, 25, 2), C(0xD8B050)); L.Fill(Box(6, 8, 14, 12, 1), C(0xD8B050)); break;  // load: folder
        case 1596: L.Fill(Seg(8, 8, 24, 24, 2.5f), kInk); L.Fill(Seg(24, 8, 8, 24, 2.5f), kInk); L.Fill(Seg(8, 8, 24, 24, 1.6f), C(0xD02020)); L.Fill(Seg(24, 8, 8, 24, 1.6f), C(0xD02020)); break;
        case 1395: L.Fill(Grow(Poly{{{16, 26}, {8, 14}, {13, 14}, {13, 5}, {19, 5}, {19, 14}, {24, 14}}}, 1), kInk); L.Fill(Poly{{{16, 26}, {8, 14}, {13, 14}, {13, 5}, {19, 5}, {19, 14}, {24, 14}}}, C(0xF0C040)); break;
        case 1396: L.Fill(Grow(Poly{{{26, 16}, {14, 8}, {14, 13}, {5, 13}, {5, 19}, {14, 19}, {14, 24}}}, 1), kInk); L.Fill(Poly{{{26, 16}, {14, 8}, {14, 13}, {5, 13}, {5, 19}, {14, 19}, {14, 24}}}, C(0xF0C040)); break;
        case 1316:
            L.Fill(Ring(Circle(16, 16, 10), 1.2f), C(0xE02020));
            L.Fill(Ring(Circle(16, 16, 4), 1.0f), C(0xE02020));
            for (int k = 0; k < 4; ++k) L.Fill(Rotate(Seg(16, 2, 16, 9, 0.9f), 16, 16, 90.0f * float(k)), C(0xE02020));
            break;
        case 1315: SecretDoorTrace(L); break;
        case 1317: Burst(L, C(0xF8F0E0), C(0xE02020), 8, 5, 14); break;
        case 1187: L.Fill(Poly{{{16, 28}, {8, 16}, {13, 16}, {13, 4}, {19, 4}, {19, 16}, {24, 16}}}, C(0xF0E040)); break;
        case 1529: Beacon(img, false); return;
        case 1678: Beacon(img, true); return;
        case 970: Brackets(L, C(0xF0E040), true, true, true, true, 2); L.Fill(Ring(Box(3, 3, 29, 29, 2), 0.7f), C(0xF0E040)); break;
        case 1307:  // the shield slot's blocked cells: grey hatching
            for (int k = -32; k < 32; k += 6) L.Fill(Seg(float(k), 32, float(k) + 32, 0, 1.2f), C(0x6A6A6A));
            break;
        case 1308: L.Fill(Ring(Box(1, 1, 31, 31, 2), 0.6f), C(0x8A7A5A)); break;
        case 1309: L.Fill(Circle(16, 16, 5), C(0xF0E040)); break;
        case 1314: L.Fill(Ring(Circle(16, 16, 11), 1.0f), C(0x40E040)); break;
        case 1704: DrawText3x5(img, 8, 8, "ZZ", ToRgb(kWhite), 2); return;
        case 1705: DrawText3x5(img, 12, 6, "!", ToRgb(C(0xF04030)), 4); return;
        case 1795: Splash(img, 1160); return;
        default: sym::StarShape(L, 16, 16, 14, 5, C(0xA0A0A0)); break;
    }
    Put(img, L);
}

using Painter = void (*)(Image&, const Tile&, int);
struct MarkSpecial {
    int16_t first, last;
    Painter paint;
};

const MarkSpecial kMarks[] = {
    {1327, 1327, [](Image& i, const Tile&, int) { Fog(i); }},
    {320, 320, [](Image& i, const Tile&, int) { Flash(i, C(0x050506), C(0x0C0C10), 320); }},
    {400, 400, [](Image& i, const Tile&, int) { Flash(i, C(0xF8F4E8), C(0xFFFFFF), 400); }},
    {1698, 1698, [](Image& i, const Tile&, int) { Flash(i, C(0xC070F0), C(0xF0D0FF), 1698); }},
    {1220, 1225, [](Image& i, const Tile&, int k) { ZoneTint(i, k); }},
    {1291, 1301, [](Image& i, const Tile& t, int) { AccessMark(i, t.number); }},
    {1312, 1312, [](Image& i, const Tile& t, int) { AccessMark(i, t.number); }},
    {407, 409, [](Image& i, const Tile& t, int) { AccessMark(i, t.number); }},
    {1959, 1959, [](Image& i, const Tile& t, int) { AccessMark(i, t.number); }},
    {1979, 1979, [](Image& i, const Tile& t, int) { AccessMark(i, t.number); }},
    {1302, 1302, [](Image& i, const Tile&, int) { Layer L(32, 32); Brackets(L, C(0xF0E040), true, true, true, true, 2); Put(i, L); }},
    {1303, 1306, [](Image& i, const Tile&, int k) { Layer L(32, 32); Brackets(L, C(0xF0E040), k == 0, k == 1, k == 2, k == 3, 2); Put(i, L); }},
    {1310, 1311, [](Image& i, const Tile&, int k) { Pointer(i, k == 0); }},
    {1313, 1313, [](Image& i, const Tile&, int) { TrapMark(i, 0); }},
    {1653, 1655, [](Image& i, const Tile&, int k) { TrapMark(i, k + 1); }},
    {1672, 1672, [](Image& i, const Tile&, int) { TrapMark(i, 4); }},
    {2153, 2153, [](Image& i, const Tile&, int) { TrapMark(i, 5); }},
    {1318, 1322, [](Image& i, const Tile&, int k) { Blast(i, k); }},
    {1340, 1379, [](Image& i, const Tile&, int k) { Missile(i, k / 8, k % 8); }},
    {1380, 1394, [](Image& i, const Tile& t, int) { HudButton(i, t.number); }},
    {1604, 1604, [](Image& i, const Tile& t, int) { HudButton(i, t.number); }},
    {1699, 1699, [](Image& i, const Tile& t, int) { HudButton(i, t.number); }},
    {1397, 1398, [](Image& i, const Tile&, int k) { Pit(i, k); }},
    {2138, 2138, [](Image& i, const Tile&, int) { Pit(i, 2); }},
    {1200, 1211, [](Image& i, const Tile&, int k) {
         const Col colours[6] = {C(0xF8F8F0), C(0x4070F8), C(0xF8E040), C(0xF03030), C(0x40D040), C(0xB050F0)};
         Beam(i, colours[k / 2], k % 2 == 1);
     }},
    {1216, 1217, [](Image& i, const Tile&, int k) { Beam(i, C(0x40E0E0), k == 1); }},
    {1160, 1176, [](Image& i, const Tile& t, int) { Splash(i, t.number); }},
    {1629, 1632, [](Image& i, const Tile& t, int) { KitButton(i, t.number); }},
    {1633, 1634, [](Image& i, const Tile&, int k) { Frame(i, k == 0 ? C(0x8A7A5A) : C(0x6A5A40), 2); }},
    {1652, 1652, [](Image& i, const Tile&, int) {
         Flash(i, C(0xE8D8B0), C(0xF4EAD0), 1652);
         Frame(i, C(0x8A6A3A), 3);
     }},
    {1010, 1010, [](Image& i, const Tile&, int) { Frame(i, C(0xE0E0E0), 1); }},
    {1640, 1651, [](Image& i, const Tile& t, int) { SkillIcon(i, t.number); }},
    {1659, 1660, [](Image& i, const Tile& t, int) { SkillIcon(i, t.number); }},
    {1665, 1669, [](Image& i, const Tile& t, int) { SkillIcon(i, t.number); }},
    {1673, 1674, [](Image& i, const Tile& t, int) { SkillIcon(i, t.number); }},
    {1656, 1658, [](Image& i, const Tile& t, int) { CurseIcon(i, t.number); }},
    {1661, 1663, [](Image& i, const Tile& t, int) { CurseIcon(i, t.number); }},
    {1675, 1677, [](Image& i, const Tile& t, int) { CurseIcon(i, t.number); }},
    {1679, 1679, [](Image& i, const Tile& t, int) { CurseIcon(i, t.number); }},
    {1670, 1671, [](Image& i, const Tile&, int k) { ChargeSlot(i, k == 0); }},
    {1684, 1692, [](Image& i, const Tile& t, int) { Device(i, t.number); }},
    {1693, 1696, [](Image& i, const Tile&, int k) { TabletSign(i, k + 1); }},
    {1697, 1697, [](Image& i, const Tile&, int) { TabletSign(i, 0); }},
    {1551, 1554, [](Image& i, const Tile&, int k) { WaterJar(i, k); }},
    {1830, 1830, [](Image& i, const Tile&, int) { Barrier(i, 0); }},
    {1850, 1850, [](Image& i, const Tile&, int) { Barrier(i, 1); }},
    {1870, 1870, [](Image& i, const Tile&, int) { Barrier(i, 2); }},
    {1922, 1923, [](Image& i, const Tile&, int k) { CarefulStep(i, k == 1); }},
    {2196, 2199, [](Image& i, const Tile&, int k) { WildArrow(i, k, false); }},
    {2216, 2219, [](Image& i, const Tile&, int k) { WildArrow(i, k, true); }},
    {1940, 1940, [](Image& i, const Tile&, int) { Maw(i, true); }},
    {2160, 2160, [](Image& i, const Tile&, int) { Maw(i, false); }},
    {390, 390, [](Image& i, const Tile&, int) { ShallowWater(i); }},
    {2394, 2394, [](Image& i, const Tile&, int) { Aura(i); }},
    {1734, 1734, [](Image& i, const Tile&, int) { HurtMark(i); }},
    {1735, 1737, [](Image& i, const Tile&, int k) { CompassAlert(i, k); }},
    {1706, 1711, [](Image& i, const Tile&, int k) { Thought(i, k); }},
    {1607, 1608, [](Image& i, const Tile&, int k) { Smoke(i, k == 0); }},
    {288, 289, [](Image& i, const Tile&, int k) { CityLink(i, k == 1); }},
    {284, 284, [](Image& i, const Tile&, int) {
         Layer L(32, 32);
         L.Fill(Poly{{{6, 10}, {14, 5}, {25, 8}, {27, 19}, {19, 27}, {8, 24}}}, C(0x0A0606));
         L.Fill(Ring(Poly{{{6, 10}, {14, 5}, {25, 8}, {27, 19}, {19, 27}, {8, 24}}}, 1.2f), C(0xD8E8F0));
         for (int k = 0; k < 5; ++k) L.Fill(Seg(16, 16, 16 + 15 * std::cos(float(k) * 1.3f), 16 + 15 * std::sin(float(k) * 1.3f), 0.4f), C(0xD8E8F0));
         Put(i, L);
     }},
    {1595, 1596, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1395, 1396, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1307, 1309, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1314, 1317, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1187, 1187, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1529, 1529, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1678, 1678, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {970, 970, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1704, 1705, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
    {1795, 1795, [](Image& i, const Tile& t, int) { SmallIcon(i, t.number); }},
};

}  // namespace

static_assert(sizeof kEventMarks / sizeof kEventMarks[0] == 82, "one mark per event type");

int PaintMarkSpecial(Image& img, const Tile& t) {
    for (const EventMark& e : kEventMarks)
        if (e.type == t.number) {
            EventBadge(img, e);
            return 1;
        }
    for (const MarkSpecial& m : kMarks)
        if (t.number >= m.first && t.number <= m.last) {
            m.paint(img, t, t.number - m.first);
            return 1;
        }
    return 0;
}

}  // namespace art::tiles
