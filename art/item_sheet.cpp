// VEQUIP: picture i shows built-in item i as what it is (potions by colour, rings, gems,
// weapons by class, armour, shields, helmets, books, keys, tools, goods...), at the size class
// its number gives it, and the module's default custom quest items.
#include "creatures.h"
#include "play_art.h"
#include "symbols.h"

namespace art {
namespace {

using namespace sdf;

enum Kind : uint8_t {
    kPotion, kDust, kRing, kGem, kPearl, kAmulet, kBelt, kScroll, kKey, kPortalKey, kOrb, kBoots, kGloves, kPills,
    kTome, kKeyring, kJunk, kGlasses, kRope, kBones, kHolySymbol, kNemesis, kLute, kFlute, kDrum, kHarp, kHorn,
    kHerb, kGarlic, kGoods, kLens, kDragonPart, kDevice, kDeviceLight, kRod, kEffigy, kMask, kBook, kCharm,
    kBottle, kDagger, kSword, kAxe, kMace, kFlail, kStaff, kSpear, kPolearm, kPick, kShovel, kStake, kLockpicks,
    kArrows, kBolts, kWand, kHelmet, kCirclet, kBedroll, kKnife, kBow, kCrossbow, kShield, kChainMail, kPlate,
    kLeather, kRobe, kLetter, kSkull, kIdol, kMap, kCoins, kFood, kMushroomItem, kSprayCan, kParasite,
    kCapacitor, kConduitSlot, kConduitEnd, kSelectFrame, kChip, kFlask, kMedKit, kComputer, kBarPiece, kBasket,
    kLaserBow, kFigurine, kCrystal, kHammer, kClub, kTrident, kScythe, kGreatSword, kGreatAxe, kLodestone, kBag,
    kPelt, kMisc,
};

struct ItemLook {
    Kind kind;
    Col colour;
    int variant;
    int item = 0;
};

// The items that have a fixed look, by runs of numbers; a later run overrides an earlier one.
struct Run {
    int16_t first, last;
    Kind kind;
    uint32_t colour;  // 0: from the variant
};

const Run kRuns[] = {
    // the generic fill of each size class, overridden below
    {0, 713, kMisc, 0},
    {247, 324, kSword, 0}, {325, 350, kSpear, 0}, {351, 376, kPolearm, 0}, {377, 402, kPolearm, 0},
    {403, 428, kGoods, 0}, {429, 441, kRobe, 0}, {442, 454, kChainMail, 0}, {455, 610, kMisc, 0},
    // potions, dust, rings, gems
    {1, 3, kPotion, 0xD02828}, {4, 4, kPotion, 0x2A60E0}, {5, 5, kPotion, 0x30B040}, {6, 6, kPotion, 0xE0C020},
    {7, 7, kPotion, 0x9030D0}, {8, 8, kPotion, 0x20C0D0}, {9, 9, kDust, 0xD8E8F0}, {10, 10, kDust, 0x3A2A2A},
    {11, 11, kRing, 0x50C030}, {12, 12, kRing, 0x60B0F0}, {13, 13, kRing, 0xF0E040}, {14, 14, kRing, 0xE04020},
    {15, 15, kRing, 0xA050E0}, {16, 16, kRing, 0xE08030}, {17, 17, kRing, 0x9A9A9A}, {18, 18, kRing, 0xF0F0F0},
    {19, 19, kRing, 0x2A6A2A}, {93, 93, kRing, 0xD02040},
    {20, 20, kGem, 0x20B050}, {21, 21, kGem, 0x2050D0}, {22, 22, kGem, 0xF0F8FF}, {23, 23, kGem, 0xD01830},
    {24, 24, kGem, 0x70C8F0}, {25, 25, kGem, 0x9040C0}, {26, 26, kGem, 0xE8B830}, {27, 27, kGem, 0x40A080},
    {28, 28, kGem, 0x20A0A0}, {29, 29, kPearl, 0xF0ECE0}, {123, 123, kGem, 0xE8E8E8},
    // worn things
    {30, 37, kAmulet, 0}, {92, 92, kAmulet, 0xF0E080}, {521, 521, kAmulet, 0}, {555, 555, kAmulet, 0},
    {584, 585, kAmulet, 0}, {587, 588, kAmulet, 0}, {590, 591, kAmulet, 0}, {593, 593, kCharm, 0xE0C040},
    {38, 49, kBelt, 0}, {180, 180, kBelt, 0x6A4A2A},
    {56, 59, kBoots, 0}, {104, 105, kBoots, 0}, {112, 112, kBoots, 0}, {91, 91, kBoots, 0x3A7AC0},
    {60, 63, kGloves, 0}, {106, 107, kGloves, 0}, {113, 113, kGloves, 0}, {90, 90, kGloves, 0x9A9EA8},
    {89, 89, kGlasses, 0}, {147, 147, kMask, 0}, {224, 226, kCirclet, 0},
    // scrolls, books, tomes
    {50, 51, kScroll, 0}, {66, 71, kScroll, 0}, {175, 175, kScroll, 0xC04040}, {187, 187, kScroll, 0x808080},
    {689, 689, kScroll, 0x40A0E0}, {72, 74, kTome, 0}, {75, 75, kTome, 0x1A1A1A}, {148, 152, kBook, 0},
    // keys
    {52, 53, kKey, 0}, {125, 137, kKey, 0}, {146, 146, kKey, 0}, {179, 179, kKey, 0}, {181, 181, kKey, 0},
    {206, 207, kKey, 0}, {230, 230, kKey, 0}, {76, 76, kKeyring, 0}, {77, 81, kPortalKey, 0},
    // orbs and the dragon's things
    {54, 55, kOrb, 0}, {189, 191, kOrb, 0}, {124, 124, kDragonPart, 0}, {178, 178, kDragonPart, 0},
    {192, 194, kDragonPart, 0}, {511, 513, kDragonPart, 0}, {554, 554, kDragonPart, 0}, {609, 610, kDragonPart, 0},
    {557, 560, kOrb, 0},
    // pills, junk, tools, charms
    {64, 65, kPills, 0}, {228, 228, kPills, 0xF0C020}, {82, 88, kJunk, 0}, {121, 122, kJunk, 0}, {197, 200, kJunk, 0},
    {94, 94, kRope, 0}, {95, 95, kBones, 0}, {96, 96, kHolySymbol, 0}, {98, 103, kNemesis, 0},
    {143, 145, kEffigy, 0}, {153, 155, kCharm, 0}, {43, 43, kBelt, 0},
    // instruments, pelts, goods, herbs, lenses
    {108, 108, kLute, 0}, {109, 109, kFlute, 0}, {110, 110, kDrum, 0}, {111, 111, kHarp, 0}, {227, 227, kHorn, 0},
    {114, 114, kPelt, 0x9A6A42}, {115, 115, kPelt, 0x8A8A86}, {116, 116, kPelt, 0xE4E0D6}, {203, 205, kHerb, 0}, {120, 120, kHerb, 0x40A030}, {185, 185, kGarlic, 0},
    {117, 117, kLens, 0xE03030}, {118, 118, kLens, 0x30C040}, {119, 119, kLens, 0x3060E0},
    // devices and the puzzle pieces
    {138, 138, kDeviceLight, 0}, {139, 141, kDevice, 0}, {142, 142, kRod, 0}, {156, 156, kBottle, 0xE0B040},
    {157, 157, kDagger, 0}, {158, 162, kCapacitor, 0}, {163, 163, kConduitSlot, 0}, {164, 164, kConduitEnd, 0},
    {165, 165, kSelectFrame, 0}, {166, 174, kChip, 0}, {176, 176, kFood, 0xE0A020}, {182, 183, kParasite, 0},
    {184, 184, kParasite, 0x6A6A5A}, {186, 186, kFood, 0xF0D040}, {188, 188, kSprayCan, 0},
    {195, 195, kPotion, 0x3A5A2A}, {201, 201, kPotion, 0xF08020}, {202, 202, kPotion, 0xE060A0},
    {196, 196, kMushroomItem, 0}, {208, 223, kFlask, 0}, {229, 229, kFigurine, 0}, {231, 231, kCoins, 0},
    {232, 232, kFood, 0}, {688, 688, kPotion, 0x60E0E0}, {690, 690, kPotion, 0xF0F0F0}, {233, 233, kBag, 0},
    {0, 0, kBag, 0}, {97, 97, kLodestone, 0},
    // two wide
    {234, 235, kBedroll, 0}, {236, 236, kKnife, 0}, {237, 237, kBasket, 0}, {238, 243, kGoods, 0},
    {244, 245, kWand, 0}, {246, 246, kBarPiece, 0},
    // one wide and two tall: weapons, ammunition, wands, helmets, tools
    {248, 248, kLockpicks, 0}, {249, 250, kRod, 0}, {251, 255, kArrows, 0}, {256, 260, kBolts, 0},
    {261, 270, kWand, 0}, {271, 272, kRod, 0}, {273, 276, kSword, 0}, {277, 277, kPick, 0}, {278, 281, kAxe, 0},
    {282, 285, kMace, 0}, {286, 286, kFlail, 0}, {287, 287, kStake, 0}, {288, 289, kDagger, 0}, {290, 290, kWand, 0x8040C0},
    {291, 292, kHammer, 0}, {293, 294, kClub, 0}, {295, 296, kSword, 0}, {297, 297, kWand, 0x40C040},
    {298, 298, kFlail, 0}, {299, 313, kHelmet, 0}, {314, 314, kHelmet, 0xE0C040}, {315, 316, kMisc, 0},
    {317, 317, kAxe, 0}, {318, 318, kHelmet, 0}, {319, 319, kRod, 0}, {320, 323, kHelmet, 0}, {324, 324, kCrystal, 0},
    // longer weapons
    {325, 334, kGreatSword, 0}, {335, 335, kShovel, 0}, {336, 341, kSpear, 0}, {342, 347, kGreatAxe, 0},
    {348, 350, kTrident, 0}, {351, 356, kStaff, 0}, {357, 357, kLaserBow, 0}, {358, 366, kPolearm, 0},
    {367, 376, kSpear, 0}, {377, 397, kPolearm, 0}, {398, 398, kLaserBow, 0}, {399, 400, kStaff, 0},
    {401, 401, kRod, 0}, {402, 402, kScythe, 0},
    // two by two: crossbows, shields, big weapons, goods, the medical kit
    {403, 404, kCrossbow, 0}, {643, 643, kCrossbow, 0}, {405, 410, kShield, 0}, {414, 415, kShield, 0},
    {427, 427, kShield, 0}, {644, 652, kShield, 0}, {655, 655, kShield, 0}, {411, 411, kGreatAxe, 0},
    {412, 412, kHammer, 0}, {413, 413, kScythe, 0}, {416, 421, kGoods, 0}, {422, 422, kComputer, 0},
    {423, 425, kGoods, 0}, {426, 426, kMedKit, 0}, {428, 428, kSkull, 0}, {653, 653, kLute, 0}, {654, 654, kHarp, 0},
    // bows and armour
    {429, 432, kBow, 0}, {433, 433, kPlate, 0}, {434, 434, kLeather, 0}, {435, 439, kPlate, 0},
    {440, 440, kRobe, 0x4A3AA0}, {441, 441, kRobe, 0xA05A30}, {442, 446, kChainMail, 0}, {447, 450, kLeather, 0},
    {451, 454, kPlate, 0},
    // quest items
    {455, 470, kLetter, 0}, {471, 486, kIdol, 0}, {487, 502, kFlask, 0}, {503, 518, kMap, 0}, {519, 534, kKey, 0},
    {535, 550, kLetter, 0}, {551, 566, kCrystal, 0}, {567, 582, kIdol, 0}, {583, 598, kCharm, 0}, {599, 610, kSkull, 0},
    {474, 475, kLetter, 0}, {498, 498, kFlask, 0x60B0F0}, {525, 525, kLetter, 0}, {528, 528, kCirclet, 0xE0C040},
    {536, 536, kLetter, 0}, {458, 458, kHerb, 0x60A030}, {557, 560, kOrb, 0}, {577, 577, kLetter, 0xC03030},
    {591, 591, kAmulet, 0x8A6A4A}, {593, 593, kCharm, 0xE0C040}, {604, 608, kSkull, 0},
    {521, 521, kAmulet, 0}, {555, 555, kAmulet, 0}, {584, 585, kAmulet, 0}, {587, 588, kAmulet, 0}, {590, 590, kAmulet, 0},
    {554, 554, kDragonPart, 0}, {609, 610, kDragonPart, 0}, {511, 513, kDragonPart, 0},
    // the module's custom quest items, and the last numbers
    {611, 642, kMisc, 0}, {656, 687, kMisc, 0}, {691, 713, kMisc, 0},
};

ItemLook LookOf(int item) {
    ItemLook look{kMisc, Hsv(float(item) * 47.0f, 0.55f, 0.75f), 0, item};
    int first = 0;
    for (const Run& r : kRuns)
        if (item >= r.first && item <= r.last) {
            look.kind = r.kind;
            first = r.first;
            look.colour = r.colour ? C(r.colour) : Hsv(float(item - r.first) * 67.0f + float(r.kind) * 31.0f, 0.55f, 0.72f);
        }
    look.variant = item - first;
    return look;
}

// A box laid out in units, like the creatures'.
struct Fr {
    float x0, y0, w, h;
    float X(float u) const { return x0 + u * w; }
    float Y(float v) const { return y0 + v * h; }
    float S(float r) const { return r * std::min(w, h); }
    auto Ci(float u, float v, float r) const { return Circle(X(u), Y(v), S(r)); }
    auto El(float u, float v, float ru, float rv) const { return Ellipse(X(u), Y(v), ru * w, rv * h); }
    auto Sg(float u0, float v0, float u1, float v1, float r) const { return Seg(X(u0), Y(v0), X(u1), Y(v1), S(r)); }
    auto Bx(float u0, float v0, float u1, float v1, float r = 0) const { return Box(X(u0), Y(v0), X(u1), Y(v1), S(r)); }
    Poly Pg(std::initializer_list<V2> pts) const {
        Poly p;
        for (V2 v : pts) p.v.push_back({X(v.x), Y(v.y)});
        return p;
    }
};

template <class S>
void P(Layer& L, const Fr& f, const S& s, Col c, float bevel = 0.1f, float strength = 0.5f) {
    L.Fill(Grow(s, 1.0f), kInk);
    L.Emboss(s, c, std::max(1.2f, f.S(bevel)), strength);
}

const Col kSteel{200, 206, 216};
const Col kHaft{130, 88, 48};
const Col kLeatherBrown{130, 84, 46};
const Col kParchment{236, 222, 180};

// A long weapon along the picture's height: blade or head at the top, grip at the bottom.
void Blade(Layer& L, const Fr& f, float top, float bottom, float half, Col c) {
    P(L, f, f.Pg({{0.5f, top}, {0.5f + half, top + half * f.w / f.h * 2}, {0.5f + half, bottom}, {0.5f - half, bottom},
                  {0.5f - half, top + half * f.w / f.h * 2}}),
      c, 0.05f, 0.6f);
    L.Fill(f.Sg(0.5f, top + 0.03f, 0.5f, bottom - 0.01f, 0.012f), Lighten(c, 0.5f));
}
void Haft(Layer& L, const Fr& f, float top, float bottom, Col c = kHaft) { P(L, f, f.Bx(0.45f, top, 0.55f, bottom, 0.04f), c, 0.04f); }

void DrawItem(Layer& L, const Fr& f, const ItemLook& k) {
    const Col c = k.colour;
    const bool tall = f.h > f.w * 1.5f;
    switch (k.kind) {
        case kPotion:
            P(L, f, Union(f.Ci(0.5f, 0.64f, 0.28f), f.Bx(0.42f, 0.18f, 0.58f, 0.44f, 0.03f)), C(0xD8E8F0), 0.1f, 0.3f);
            L.Fill(Inter(f.Ci(0.5f, 0.64f, 0.24f), f.Bx(0, 0.52f - 0.06f * float(k.variant), 1, 1)), c);
            L.Fill(f.El(0.42f, 0.58f, 0.05f, 0.08f), Lighten(c, 0.6f));
            P(L, f, f.Bx(0.4f, 0.1f, 0.6f, 0.2f, 0.03f), C(0x9A6A3A), 0.05f);
            break;
        case kBottle:
        case kFlask:
            P(L, f, Union(f.Bx(0.3f, 0.38f, 0.7f, 0.9f, 0.08f), f.Bx(0.42f, 0.12f, 0.58f, 0.4f)), C(0xD0E4EC), 0.1f, 0.3f);
            L.Fill(f.Bx(0.33f, 0.55f, 0.67f, 0.87f, 0.06f), c);
            P(L, f, f.Bx(0.4f, 0.06f, 0.6f, 0.14f, 0.02f), C(0x9A6A3A), 0.04f);
            break;
        case kDust:
            P(L, f, Union(f.El(0.5f, 0.64f, 0.28f, 0.26f), f.Pg({{0.38f, 0.4f}, {0.62f, 0.4f}, {0.68f, 0.2f}, {0.32f, 0.2f}})), C(0xB08A5A), 0.1f);
            L.Fill(f.Sg(0.36f, 0.38f, 0.64f, 0.38f, 0.03f), C(0x6A4A20));
            for (int i = 0; i < 5; ++i) L.Fill(f.Ci(0.3f + 0.1f * float(i), 0.14f - 0.03f * float(i % 2), 0.035f), c);
            break;
        case kRing:
            L.Fill(Ring(f.El(0.5f, 0.6f, 0.26f, 0.2f), f.S(0.06f) + 0.8f), kInk);
            L.Fill(Ring(f.El(0.5f, 0.6f, 0.26f, 0.2f), f.S(0.06f)), kGold);
            P(L, f, Poly{RegularPoly(f.X(0.5f), f.Y(0.36f), f.S(0.14f), 6, 0)}, c, 0.06f, 0.6f);
            L.Fill(f.Ci(0.46f, 0.32f, 0.04f), kWhite);
            break;
        case kGem:
            P(L, f, f.Pg({{0.5f, 0.82f}, {0.14f, 0.4f}, {0.3f, 0.2f}, {0.7f, 0.2f}, {0.86f, 0.4f}}), c, 0.12f, 0.6f);
            L.Fill(f.Pg({{0.3f, 0.22f}, {0.5f, 0.4f}, {0.7f, 0.22f}}), Lighten(c, 0.35f));
            L.Fill(f.Sg(0.16f, 0.4f, 0.84f, 0.4f, 0.01f), Darken(c, 0.3f));
            L.Fill(f.Ci(0.36f, 0.3f, 0.04f), kWhite);
            break;
        case kPearl: P(L, f, f.Ci(0.5f, 0.52f, 0.26f), c, 0.2f, 0.5f); L.Fill(f.Ci(0.42f, 0.44f, 0.06f), kWhite); break;
        case kCrystal:
            for (int i = 0; i < 3; ++i) {
                const float x = 0.32f + 0.18f * float(i), top = 0.15f + 0.12f * float(i % 2);
                P(L, f, f.Pg({{x - 0.09f, 0.88f}, {x - 0.09f, top + 0.12f}, {x, top}, {x + 0.09f, top + 0.12f}, {x + 0.09f, 0.88f}}), c, 0.05f, 0.6f);
            }
            break;
        case kAmulet:
            L.Fill(Ring(f.El(0.5f, 0.36f, 0.26f, 0.26f), f.S(0.025f) + 0.5f), kGold);
            P(L, f, f.Ci(0.5f, 0.66f, 0.17f), kGold, 0.05f);
            P(L, f, f.Ci(0.5f, 0.66f, 0.11f), c, 0.05f, 0.6f);
            break;
        case kCharm:
            if (k.variant % 3 == 0) {  // a four-leafed clover
                for (int i = 0; i < 4; ++i) P(L, f, f.Ci(0.5f + 0.13f * std::cos(float(i) * 1.57f), 0.45f + 0.13f * std::sin(float(i) * 1.57f), 0.13f), C(0x40A040), 0.05f);
                L.Fill(f.Sg(0.5f, 0.5f, 0.62f, 0.88f, 0.03f), C(0x2A7A2A));
            } else if (k.variant % 3 == 1) {  // a horseshoe
                L.Fill(Inter(Ring(f.Ci(0.5f, 0.5f, 0.26f), f.S(0.07f) + 0.8f), f.Bx(0, 0, 1, 0.78f)), kInk);
                L.Fill(Inter(Ring(f.Ci(0.5f, 0.5f, 0.26f), f.S(0.07f)), f.Bx(0, 0, 1, 0.78f)), C(0xA0A4AC));
            } else {
                P(L, f, f.El(0.5f, 0.55f, 0.16f, 0.28f), c, 0.1f);
                L.Fill(Ring(f.Ci(0.5f, 0.2f, 0.08f), f.S(0.025f)), kGold);
            }
            break;
        case kBelt:
            P(L, f, f.Bx(0.05f, 0.4f, 0.95f, 0.6f, 0.04f), Mix(kLeatherBrown, c, 0.3f), 0.05f);
            P(L, f, f.Bx(0.38f, 0.34f, 0.62f, 0.66f, 0.03f), kGold, 0.05f, 0.6f);
            L.Fill(f.Bx(0.44f, 0.42f, 0.56f, 0.58f), Mix(kLeatherBrown, c, 0.3f));
            break;
        case kScroll:
            P(L, f, f.Bx(0.2f, 0.22f, 0.8f, 0.78f, 0.04f), kParchment, 0.06f, 0.3f);
            P(L, f, f.El(0.2f, 0.5f, 0.08f, 0.32f), Darken(kParchment, 0.1f), 0.05f);
            P(L, f, f.El(0.8f, 0.5f, 0.08f, 0.32f), Darken(kParchment, 0.1f), 0.05f);
            L.Fill(f.Bx(0.44f, 0.2f, 0.56f, 0.8f), c);
            break;
        case kTome:
        case kBook:
            P(L, f, f.Bx(0.18f, 0.14f, 0.82f, 0.86f, 0.05f), k.kind == kTome ? Darken(c, 0.2f) : c, 0.06f);
            L.Fill(f.Bx(0.74f, 0.18f, 0.8f, 0.82f), C(0xF0E8D0));
            L.Fill(f.Bx(0.18f, 0.14f, 0.26f, 0.86f, 0.03f), Darken(c, 0.45f));
            if (k.kind == kTome) sym::StarShape(L, f.X(0.5f), f.Y(0.48f), f.S(0.36f), 5, kGold);
            else L.Fill(f.Bx(0.36f, 0.3f, 0.66f, 0.4f), kGold);
            break;
        case kKey:
        case kPortalKey:
            sym::Key(L, f.X(0.5f), f.Y(0.5f), f.S(0.9f), k.kind == kPortalKey ? C(0xC0C8FF) : Mix(kGold, c, 0.3f));
            if (k.kind == kPortalKey) sym::StarShape(L, f.X(0.3f), f.Y(0.28f), f.S(0.3f), 5, Hsv(float(k.variant) * 72, 0.7f, 1));
            break;
        case kKeyring:
            L.Fill(Ring(f.Ci(0.5f, 0.4f, 0.22f), f.S(0.03f) + 0.6f), C(0xB0B4BC));
            for (int i = 0; i < 3; ++i) sym::Key(L, f.X(0.35f + 0.15f * float(i)), f.Y(0.66f), f.S(0.45f), Hsv(float(i) * 40 + 30, 0.5f, 0.85f));
            break;
        case kOrb: {
            const Col orbs[5] = {C(0xE04020), C(0x3070E0), C(0x30B040), C(0xE0C030), C(0x9040D0)};
            const Col oc = orbs[k.variant % 5];
            P(L, f, f.Bx(0.3f, 0.74f, 0.7f, 0.88f, 0.03f), kGold, 0.05f);
            P(L, f, f.Ci(0.5f, 0.45f, 0.3f), oc, 0.25f, 0.65f);
            L.Fill(f.Ci(0.4f, 0.35f, 0.07f), kWhite);
            break;
        }
        case kBoots:
            P(L, f, f.Pg({{0.3f, 0.12f}, {0.56f, 0.12f}, {0.56f, 0.66f}, {0.86f, 0.72f}, {0.86f, 0.88f}, {0.3f, 0.88f}}), Mix(kLeatherBrown, c, 0.4f), 0.08f);
            L.Fill(f.Bx(0.3f, 0.12f, 0.56f, 0.2f), Darken(Mix(kLeatherBrown, c, 0.4f), 0.3f));
            break;
        case kGloves:
            P(L, f, Union(f.Bx(0.26f, 0.36f, 0.7f, 0.88f, 0.08f), Union(f.Bx(0.26f, 0.12f, 0.36f, 0.5f, 0.05f), f.Bx(0.6f, 0.3f, 0.78f, 0.58f, 0.06f))),
              Mix(kLeatherBrown, c, 0.4f), 0.08f);
            for (float u : {0.42f, 0.52f}) P(L, f, f.Bx(u - 0.05f, 0.08f, u + 0.05f, 0.4f, 0.05f), Mix(kLeatherBrown, c, 0.4f), 0.04f);
            break;
        case kGlasses:
            for (float u : {0.3f, 0.7f}) {
                L.Fill(Ring(f.Ci(u, 0.5f, 0.16f), f.S(0.03f) + 0.6f), kInk);
                L.Fill(f.Ci(u, 0.5f, 0.14f), C(0xC8E0F0));
            }
            L.Fill(f.Sg(0.44f, 0.48f, 0.56f, 0.48f, 0.03f), kInk);
            break;
        case kMask:
            P(L, f, Sub(f.El(0.5f, 0.48f, 0.36f, 0.22f), Union(f.El(0.35f, 0.46f, 0.09f, 0.06f), f.El(0.65f, 0.46f, 0.09f, 0.06f))), C(0x2A2A30), 0.08f);
            break;
        case kCirclet:
            L.Fill(Ring(f.El(0.5f, 0.6f, 0.34f, 0.18f), f.S(0.05f) + 0.7f), kInk);
            L.Fill(Ring(f.El(0.5f, 0.6f, 0.34f, 0.18f), f.S(0.05f)), kGold);
            if (k.colour.r > 200 && k.colour.g > 150) sym::Crown(L, f.X(0.5f), f.Y(0.45f), f.S(0.8f), kGold);
            else P(L, f, Poly{RegularPoly(f.X(0.5f), f.Y(0.42f), f.S(0.1f), 4, 0)}, c, 0.04f, 0.6f);
            break;
        case kPills:
            for (int i = 0; i < 3; ++i) {
                P(L, f, Rotate(f.Bx(0.22f + 0.2f * float(i), 0.36f + 0.1f * float(i % 2), 0.38f + 0.2f * float(i), 0.54f + 0.1f * float(i % 2), 0.08f), f.X(0.3f + 0.2f * float(i)), f.Y(0.45f), 30),
                  i % 2 ? kWhite : c, 0.05f);
            }
            break;
        case kJunk:
            switch (k.variant % 4) {
                case 0: L.Fill(f.Sg(0.25f, 0.8f, 0.45f, 0.2f, 0.04f), C(0x9A9EA8)); L.Fill(f.Sg(0.55f, 0.8f, 0.75f, 0.2f, 0.04f), C(0x9A9EA8));
                        L.Fill(f.El(0.46f, 0.22f, 0.06f, 0.08f), C(0x9A9EA8)); break;  // cutlery
                case 1: P(L, f, f.Pg({{0.2f, 0.7f}, {0.4f, 0.3f}, {0.7f, 0.4f}, {0.8f, 0.75f}}), C(0x8A6A4A), 0.06f); break;  // a shard of pot
                case 2: P(L, f, f.El(0.5f, 0.6f, 0.3f, 0.18f), C(0x7A7A6A), 0.06f); L.Fill(f.Sg(0.3f, 0.55f, 0.7f, 0.6f, 0.02f), kInk); break;  // a cracked plate
                default: P(L, f, f.Bx(0.3f, 0.3f, 0.7f, 0.8f, 0.06f), C(0x8A7050), 0.06f); L.Fill(f.Bx(0.3f, 0.3f, 0.7f, 0.4f), C(0x5A4030)); break;  // a tin
            }
            break;
        case kRope:
            for (int i = 0; i < 3; ++i) L.Fill(Ring(f.El(0.5f, 0.5f + 0.04f * float(i - 1), 0.3f - 0.04f * float(i), 0.2f - 0.02f * float(i)), f.S(0.05f)), i % 2 ? C(0xC8A870) : C(0xA8884A));
            L.Fill(f.Sg(0.7f, 0.55f, 0.85f, 0.85f, 0.05f), C(0xC8A870));
            break;
        case kBones:
            for (int i = 0; i < 3; ++i) {
                const float a = float(i) * 1.0f - 0.6f;
                L.Fill(Rotate(f.Sg(0.2f, 0.5f, 0.8f, 0.5f, 0.05f), f.X(0.5f), f.Y(0.5f), a * 57.3f), kBone);
            }
            sym::Skull(L, f.X(0.5f), f.Y(0.3f), f.S(0.4f), kBone);
            break;
        case kSkull: sym::Skull(L, f.X(0.5f), f.Y(0.5f), f.S(0.8f), Mix(kBone, c, 0.2f)); break;
        case kHolySymbol:
            P(L, f, Union(f.Bx(0.42f, 0.1f, 0.58f, 0.9f, 0.03f), f.Bx(0.2f, 0.3f, 0.8f, 0.45f, 0.03f)), kGold, 0.06f, 0.6f);
            L.Fill(f.Ci(0.5f, 0.38f, 0.06f), C(0xE02030));
            break;
        case kNemesis: {
            P(L, f, f.Pg({{0.3f, 0.85f}, {0.2f, 0.4f}, {0.4f, 0.15f}, {0.7f, 0.2f}, {0.8f, 0.6f}, {0.65f, 0.85f}}), C(0x6A6A78), 0.12f);
            const Col glyph = Hsv(float(k.variant) * 60, 0.7f, 1);
            L.Fill(f.Sg(0.5f, 0.3f, 0.5f, 0.7f, 0.03f), glyph);
            L.Fill(f.Sg(0.38f, 0.45f, 0.62f, 0.55f, 0.03f), glyph);
            break;
        }
        case kLute:
        case kHarp:
        case kFlute:
        case kDrum:
        case kHorn:
            if (k.kind == kLute) {
                P(L, f, Union(f.El(0.42f, 0.62f, 0.24f, 0.26f), f.Bx(0.55f, 0.12f, 0.65f, 0.5f, 0.02f)), C(0xB07A3A), 0.1f);
                L.Fill(f.Ci(0.42f, 0.6f, 0.07f), kInk);
                for (float d : {-0.02f, 0.02f}) L.Fill(f.Sg(0.6f + d, 0.14f, 0.42f + d, 0.8f, 0.006f), C(0xE0E0D0));
            } else if (k.kind == kHarp) {
                P(L, f, f.Pg({{0.25f, 0.85f}, {0.25f, 0.15f}, {0.75f, 0.45f}, {0.7f, 0.85f}}), kGold, 0.05f);
                L.Fill(f.Pg({{0.32f, 0.78f}, {0.32f, 0.3f}, {0.64f, 0.5f}, {0.62f, 0.78f}}), C(0x3A2A1A));
                for (int i = 0; i < 4; ++i) L.Fill(f.Sg(0.36f + 0.07f * float(i), 0.35f + 0.04f * float(i), 0.36f + 0.07f * float(i), 0.78f, 0.006f), C(0xE0E0D0));
            } else if (k.kind == kFlute) {
                P(L, f, f.Sg(0.15f, 0.8f, 0.85f, 0.2f, 0.06f), C(0xC8A060), 0.04f);
                for (int i = 0; i < 4; ++i) L.Fill(f.Ci(0.35f + 0.1f * float(i), 0.63f - 0.086f * float(i), 0.025f), kInk);
            } else if (k.kind == kDrum) {
                P(L, f, f.Bx(0.2f, 0.35f, 0.8f, 0.82f, 0.06f), C(0xA04030), 0.06f);
                P(L, f, f.El(0.5f, 0.35f, 0.3f, 0.1f), C(0xE8D8B0), 0.04f);
            } else {
                P(L, f, f.Pg({{0.15f, 0.75f}, {0.6f, 0.35f}, {0.85f, 0.2f}, {0.8f, 0.45f}, {0.25f, 0.85f}}), C(0xD8C8A0), 0.06f);
            }
            break;
        case kHerb:
        case kGarlic:
            if (k.kind == kGarlic) {
                P(L, f, f.El(0.5f, 0.6f, 0.28f, 0.26f), C(0xF0ECE0), 0.1f, 0.3f);
                for (float u : {0.4f, 0.6f}) L.Fill(f.Sg(u, 0.4f, u, 0.8f, 0.01f), C(0xC8C0B0));
                L.Fill(f.Sg(0.5f, 0.35f, 0.5f, 0.15f, 0.03f), C(0x8A9A5A));
            } else {
                L.Fill(f.Sg(0.5f, 0.9f, 0.5f, 0.3f, 0.025f), C(0x3A6A2A));
                for (int i = 0; i < 4; ++i) P(L, f, f.El(0.5f + (i % 2 ? 0.14f : -0.14f), 0.3f + 0.15f * float(i), 0.14f, 0.06f), c, 0.04f);
            }
            break;
        case kGoods:
            switch (k.variant % 4) {
                case 0: P(L, f, Union(f.El(0.5f, 0.62f, 0.3f, 0.28f), f.El(0.5f, 0.28f, 0.12f, 0.1f)), C(0xC8AA70), 0.12f); L.Fill(f.Sg(0.4f, 0.35f, 0.6f, 0.35f, 0.025f), C(0x6A4A20)); break;
                case 1: P(L, f, f.Bx(0.15f, 0.3f, 0.85f, 0.8f, 0.03f), Lighten(kWood, 0.1f), 0.06f); L.Fill(f.Sg(0.15f, 0.55f, 0.85f, 0.55f, 0.02f), Darken(kWood, 0.4f)); break;
                case 2: P(L, f, f.El(0.5f, 0.5f, 0.32f, 0.24f), c, 0.12f); for (float v : {0.4f, 0.5f, 0.6f}) L.Fill(f.Sg(0.2f, v, 0.8f, v, 0.012f), Darken(c, 0.3f)); break;  // a bolt of cloth
                default: P(L, f, f.Bx(0.25f, 0.25f, 0.75f, 0.8f, 0.1f), C(0x9A6A3A), 0.08f); L.Fill(f.El(0.5f, 0.25f, 0.25f, 0.06f), c); break;  // a jar of spice
            }
            break;
        case kPelt: {  // a hide laid flat: four legs, a tail, the head at the top, fur along it
            auto hide = Union(Union(f.El(0.5f, 0.52f, 0.26f, 0.32f), f.El(0.5f, 0.16f, 0.12f, 0.1f)),
                              Union(Union(f.Sg(0.3f, 0.32f, 0.1f, 0.2f, 0.07f), f.Sg(0.7f, 0.32f, 0.9f, 0.2f, 0.07f)),
                                    Union(f.Sg(0.3f, 0.72f, 0.1f, 0.86f, 0.07f), f.Sg(0.7f, 0.72f, 0.9f, 0.86f, 0.07f))));
            P(L, f, Union(hide, f.Sg(0.5f, 0.8f, 0.56f, 0.97f, 0.06f)), c, 0.12f);
            L.Fill(f.El(0.5f, 0.52f, 0.12f, 0.22f), Lighten(c, 0.35f));
            for (int i = 0; i < 7; ++i) {
                const float v = 0.3f + 0.07f * float(i);
                L.Fill(f.Sg(0.34f, v, 0.4f, v + 0.03f, 0.012f), Darken(c, 0.35f));
                L.Fill(f.Sg(0.66f, v, 0.6f, v + 0.03f, 0.012f), Darken(c, 0.35f));
            }
            for (float u : {0.44f, 0.56f}) L.Fill(f.Sg(u, 0.1f, u + (u < 0.5f ? -0.03f : 0.03f), 0.04f, 0.025f), Darken(c, 0.2f));
            break;
        }
        case kLens:
            L.Fill(Ring(f.Ci(0.5f, 0.45f, 0.28f), f.S(0.05f) + 0.7f), kInk);
            L.Fill(f.Ci(0.5f, 0.45f, 0.27f), Mix(c, kWhite, 0.25f));
            L.Fill(Ring(f.Ci(0.5f, 0.45f, 0.28f), f.S(0.05f)), kGold);
            L.Fill(f.Sg(0.5f, 0.73f, 0.5f, 0.92f, 0.04f), kGold);
            L.Fill(f.Ci(0.42f, 0.36f, 0.06f), kWhite);
            break;
        case kDragonPart:
            switch (k.variant % 3) {
                case 0: P(L, f, f.Pg({{0.5f, 0.1f}, {0.85f, 0.45f}, {0.5f, 0.9f}, {0.15f, 0.45f}}), c, 0.1f, 0.6f); break;  // a scale
                case 1: P(L, f, f.El(0.5f, 0.55f, 0.26f, 0.34f), Lighten(c, 0.2f), 0.15f); for (int i = 0; i < 3; ++i) L.Fill(f.Ci(0.4f + 0.1f * float(i), 0.45f + 0.1f * float(i % 2), 0.05f), Darken(c, 0.3f)); break;  // an egg
                default: P(L, f, f.Pg({{0.3f, 0.85f}, {0.45f, 0.2f}, {0.75f, 0.1f}, {0.55f, 0.3f}, {0.5f, 0.85f}}), kBone, 0.06f); break;  // a claw
            }
            break;
        case kDevice:
            P(L, f, f.Bx(0.15f, 0.2f, 0.85f, 0.85f, 0.06f), C(0x6A707A), 0.08f, 0.6f);
            L.Fill(f.Bx(0.3f, 0.35f, 0.7f, 0.55f, 0.03f), C(0x1A2028));
            L.Fill(f.Sg(0.3f, 0.72f, 0.55f, 0.72f, 0.04f), kIron);
            L.Fill(f.Ci(0.65f, 0.72f, 0.06f), Hsv(float(k.variant) * 100, 0.7f, 0.9f));
            break;
        case kDeviceLight:  // drawn over a device whose flag is on: the light lit
            L.Fill(f.Ci(0.5f, 0.45f, 0.2f), C(0xFFF0A0), 0.6f);
            L.Fill(f.Bx(0.3f, 0.35f, 0.7f, 0.55f, 0.03f), C(0x60FF90));
            L.Fill(f.Ci(0.65f, 0.72f, 0.07f), C(0x60FF60));
            break;
        case kRod:
            P(L, f, f.Sg(0.5f, 0.9f, 0.5f, 0.2f, 0.05f), C(0x8A8AA0), 0.04f, 0.6f);
            P(L, f, Poly{RegularPoly(f.X(0.5f), f.Y(0.15f), f.S(0.12f), 6, 0)}, Hsv(float(k.variant) * 80 + 180, 0.6f, 0.95f), 0.05f, 0.6f);
            break;
        case kEffigy:
            P(L, f, Union(f.Ci(0.5f, 0.25f, 0.13f), f.Bx(0.38f, 0.36f, 0.62f, 0.7f, 0.04f)), C(0xD0B070), 0.06f, 0.3f);
            L.Fill(f.Sg(0.2f, 0.45f, 0.8f, 0.45f, 0.05f), C(0xD0B070));
            L.Fill(f.Sg(0.42f, 0.7f, 0.36f, 0.92f, 0.05f), C(0xD0B070));
            L.Fill(f.Sg(0.58f, 0.7f, 0.64f, 0.92f, 0.05f), C(0xD0B070));
            L.Fill(f.Sg(0.4f, 0.35f, 0.62f, 0.7f, 0.02f), Hsv(float(k.variant) * 110, 0.8f, 0.8f));  // the pin
            break;
        case kDagger:
        case kKnife:
        case kSword:
        case kGreatSword: {
            const float half = k.kind == kGreatSword ? 0.16f : k.kind == kSword ? 0.13f : 0.1f;
            if (tall || k.kind == kKnife) {
                Fr g = f;
                if (k.kind == kKnife) g = Fr{f.x0, f.y0 + f.h * 0.2f, f.w, f.h * 0.6f};
                if (!tall && k.kind != kKnife) g = f;
                Blade(L, g, 0.04f, 0.72f, half * 0.5f, kSteel);
                P(L, g, g.Bx(0.2f, 0.71f, 0.8f, 0.77f, 0.02f), kGold, 0.03f, 0.6f);
                P(L, g, g.Bx(0.44f, 0.77f, 0.56f, 0.92f, 0.02f), C(0x5A3A1C), 0.03f);
                P(L, g, g.Ci(0.5f, 0.95f, 0.06f), kGold, 0.03f);
            } else {  // a short blade laid across the square
                L.Fill(Rotate(Grow(f.Bx(0.45f, 0.1f, 0.55f, 0.62f, 0.04f), 1), f.X(0.5f), f.Y(0.5f), 45), kInk);
                L.Fill(Rotate(f.Bx(0.45f, 0.1f, 0.55f, 0.62f, 0.04f), f.X(0.5f), f.Y(0.5f), 45), kSteel);
                L.Fill(Rotate(f.Bx(0.3f, 0.62f, 0.7f, 0.68f), f.X(0.5f), f.Y(0.5f), 45), kGold);
                L.Fill(Rotate(f.Bx(0.46f, 0.68f, 0.54f, 0.9f), f.X(0.5f), f.Y(0.5f), 45), C(0x5A3A1C));
            }
            break;
        }
        case kAxe:
        case kGreatAxe: {
            Haft(L, f, 0.08f, 0.96f);
            const bool dbl = k.kind == kGreatAxe;
            auto blade = [&](float s) {
                return f.Pg({{0.5f, 0.08f}, {0.5f + s * 0.44f, tall ? 0.03f : 0.1f}, {0.5f + s * 0.48f, tall ? 0.24f : 0.45f}, {0.5f, tall ? 0.2f : 0.4f}});
            };
            P(L, f, blade(1), kSteel, 0.05f, 0.6f);
            if (dbl) P(L, f, blade(-1), kSteel, 0.05f, 0.6f);
            break;
        }
        case kMace:
        case kHammer:
        case kClub:
            Haft(L, f, tall ? 0.2f : 0.35f, 0.96f, k.kind == kClub ? C(0x8A5A30) : kHaft);
            if (k.kind == kMace) {
                L.Fill(Poly{Star(f.X(0.5f), f.Y(tall ? 0.14f : 0.25f), f.S(0.36f), f.S(0.24f), 8, 0)}, kInk);
                L.Fill(Poly{Star(f.X(0.5f), f.Y(tall ? 0.14f : 0.25f), f.S(0.3f), f.S(0.2f), 8, 0)}, kSteel);
            } else if (k.kind == kHammer) {
                P(L, f, f.Bx(0.12f, tall ? 0.06f : 0.12f, 0.88f, tall ? 0.2f : 0.38f, 0.03f), C(0x8A8A92), 0.06f, 0.6f);
            } else {
                P(L, f, f.El(0.5f, tall ? 0.2f : 0.3f, 0.22f, tall ? 0.16f : 0.24f), C(0x8A5A30), 0.1f);
            }
            break;
        case kFlail:
            Haft(L, f, 0.55f, 0.96f);
            L.Fill(f.Sg(0.5f, 0.55f, 0.5f, 0.3f, 0.015f), C(0x6A6A6A));
            L.Fill(Poly{Star(f.X(0.5f), f.Y(0.22f), f.S(0.32f), f.S(0.2f), 8, 0)}, kInk);
            L.Fill(Poly{Star(f.X(0.5f), f.Y(0.22f), f.S(0.27f), f.S(0.17f), 8, 0)}, kSteel);
            break;
        case kStaff:
            Haft(L, f, 0.1f, 0.98f, C(0x7A5030));
            P(L, f, f.Ci(0.5f, 0.07f, 0.2f), Hsv(float(k.variant) * 50 + 190, 0.6f, 0.95f), 0.08f, 0.6f);
            break;
        case kSpear:
        case kTrident:
        case kPolearm:
        case kScythe:
            Haft(L, f, 0.1f, 0.99f);
            if (k.kind == kTrident) {
                for (float u : {0.3f, 0.5f, 0.7f}) P(L, f, f.Pg({{u, 0.0f}, {u + 0.08f, 0.1f}, {u - 0.08f, 0.1f}}), kSteel, 0.02f);
                L.Fill(f.Bx(0.28f, 0.09f, 0.72f, 0.12f), kSteel);
                for (float u : {0.3f, 0.7f}) L.Fill(f.Bx(u - 0.04f, 0.08f, u + 0.04f, 0.15f), kSteel);
            } else if (k.kind == kScythe) {
                P(L, f, f.Pg({{0.5f, 0.1f}, {0.1f, 0.0f}, {0.05f, 0.1f}, {0.4f, 0.16f}}), kSteel, 0.03f, 0.6f);
            } else {
                P(L, f, f.Pg({{0.5f, 0.0f}, {0.8f, 0.1f}, {0.5f, 0.16f}, {0.2f, 0.1f}}), kSteel, 0.03f, 0.6f);
                if (k.kind == kPolearm) P(L, f, f.Pg({{0.5f, 0.12f}, {0.95f, 0.14f}, {0.95f, 0.22f}, {0.5f, 0.2f}}), kSteel, 0.03f, 0.6f);
            }
            break;
        case kPick:
            Haft(L, f, 0.15f, 0.96f);
            P(L, f, f.Pg({{0.0f, 0.22f}, {0.5f, 0.1f}, {1.0f, 0.22f}, {0.5f, 0.17f}}), kIron, 0.03f, 0.6f);
            break;
        case kShovel:
            Haft(L, f, 0.08f, 0.75f);
            P(L, f, f.Bx(0.3f, 0.72f, 0.7f, 0.98f, 0.1f), kIron, 0.05f, 0.6f);
            L.Fill(f.Bx(0.35f, 0.03f, 0.65f, 0.08f, 0.02f), C(0x5A3A1C));
            break;
        case kStake:
            P(L, f, f.Pg({{0.42f, 0.05f}, {0.58f, 0.05f}, {0.58f, 0.8f}, {0.5f, 0.98f}, {0.42f, 0.8f}}), C(0xB08A5A), 0.05f);
            break;
        case kLockpicks:
            P(L, f, f.Bx(0.2f, 0.5f, 0.8f, 0.95f, 0.08f), C(0x4A3A2A), 0.06f);
            for (int i = 0; i < 4; ++i) L.Fill(f.Sg(0.3f + 0.13f * float(i), 0.55f, 0.3f + 0.13f * float(i) + 0.03f, 0.1f, 0.02f), C(0xB0B4BC));
            break;
        case kArrows:
        case kBolts: {
            const Col tip = k.variant == 0 ? kSteel : Hsv(float(k.variant) * 90 + 30, 0.7f, 0.95f);
            const int n = k.kind == kArrows ? 3 : 2;
            for (int i = 0; i < n; ++i) {
                const float u = 0.5f + (float(i) - float(n - 1) / 2) * 0.25f;
                L.Fill(f.Sg(u, 0.12f, u, 0.9f, 0.03f), kInk);
                L.Fill(f.Sg(u, 0.12f, u, 0.9f, 0.018f), C(0xA07844));
                L.Fill(f.Pg({{u, 0.02f}, {u + 0.1f, 0.12f}, {u - 0.1f, 0.12f}}), tip);
                L.Fill(f.Pg({{u, 0.82f}, {u + 0.1f, 0.96f}, {u - 0.1f, 0.96f}}), k.kind == kArrows ? C(0xE8E8E0) : C(0x6A6A6A));
            }
            break;
        }
        case kWand: {
            const Col tip = Hsv(float(k.variant) * 37 + 200, 0.65f, 1);
            if (f.w > f.h * 1.5f) {  // the two wide wands lie across
                P(L, f, f.Sg(0.1f, 0.7f, 0.82f, 0.3f, 0.08f), C(0x6A4A8A), 0.04f);
                sym::StarShape(L, f.X(0.86f), f.Y(0.28f), f.S(0.5f), 5, tip);
            } else {
                P(L, f, f.Bx(0.44f, 0.2f, 0.56f, 0.96f, 0.04f), k.colour.r + k.colour.g + k.colour.b > 0 ? Mix(C(0x6A4A8A), c, 0.4f) : C(0x6A4A8A), 0.04f);
                sym::StarShape(L, f.X(0.5f), f.Y(0.12f), f.S(0.5f), 5, tip);
            }
            break;
        }
        case kHelmet: {
            const Col metal = Mix(C(0xA8ACB8), c, 0.25f);
            const int style = k.variant % 4;
            Fr g = tall ? Fr{f.x0, f.y0 + f.h * 0.22f, f.w, f.w * 1.1f} : f;
            P(L, g, Union(Inter(g.Ci(0.5f, 0.55f, 0.38f), g.Bx(0, 0, 1, 0.6f)), g.Bx(0.12f, 0.5f, 0.88f, 0.86f, 0.06f)), metal, 0.1f, 0.6f);
            L.Fill(g.Bx(0.22f, 0.6f, 0.78f, 0.68f), kInk);
            if (style == 1) L.Fill(g.Bx(0.46f, 0.6f, 0.54f, 0.86f), metal);
            if (style == 2)
                for (float s : {-1.0f, 1.0f}) P(L, g, g.Pg({{0.5f + s * 0.3f, 0.35f}, {0.5f + s * 0.5f, 0.0f}, {0.5f + s * 0.2f, 0.25f}}), kBone, 0.03f);
            if (style == 3) P(L, g, g.Pg({{0.45f, 0.18f}, {0.55f, 0.18f}, {0.6f, -0.15f}, {0.4f, -0.15f}}), C(0xC02020), 0.03f);
            break;
        }
        case kBedroll:
            P(L, f, f.Bx(0.08f, 0.3f, 0.84f, 0.82f, 0.2f), Mix(C(0x6A7A4A), c, 0.3f), 0.12f);
            P(L, f, f.El(0.84f, 0.56f, 0.1f, 0.26f), Darken(Mix(C(0x6A7A4A), c, 0.3f), 0.15f), 0.06f);
            for (float u : {0.3f, 0.6f}) L.Fill(f.Bx(u, 0.28f, u + 0.05f, 0.84f), C(0x5A3A1C));
            break;
        case kBasket:
            P(L, f, f.Pg({{0.15f, 0.4f}, {0.85f, 0.4f}, {0.75f, 0.9f}, {0.25f, 0.9f}}), C(0xC09A5A), 0.08f);
            for (int i = 0; i < 4; ++i) L.Fill(f.Ci(0.3f + 0.13f * float(i), 0.36f, 0.1f), Hsv(float(i) * 40, 0.7f, 0.85f));
            break;
        case kBarPiece:
            // The plate behind a row of the Activate Skill menu, laid piece by piece (the pieces
            // overlap) under the power's name: it runs through both sides, so no seam shows.
            P(L, f, f.Bx(-0.2f, 0.1f, 1.2f, 0.9f, 0.0f), kParchment, 0.1f, 0.4f);
            L.Fill(f.Sg(-0.2f, 0.18f, 1.2f, 0.18f, 0.02f), C(0x8A6A3A));
            L.Fill(f.Sg(-0.2f, 0.82f, 1.2f, 0.82f, 0.02f), C(0x8A6A3A));
            break;
        case kBow:
        case kLaserBow: {
            const Col wood = k.kind == kLaserBow ? C(0x6A7080) : C(0x8A5A2A);
            Path bow{{{f.X(0.35f), f.Y(0.03f)}, {f.X(0.75f), f.Y(0.3f)}, {f.X(0.8f), f.Y(0.5f)}, {f.X(0.75f), f.Y(0.7f)}, {f.X(0.35f), f.Y(0.97f)}}, f.S(0.07f)};
            L.Fill(Grow(bow, 1), kInk);
            L.Fill(bow, wood);
            L.Fill(f.Sg(0.35f, 0.03f, 0.35f, 0.97f, 0.012f), k.kind == kLaserBow ? C(0xFF4040) : C(0xE8E8E0));
            break;
        }
        case kCrossbow:
            P(L, f, f.Bx(0.42f, 0.2f, 0.58f, 0.95f, 0.04f), C(0x7A4A22), 0.05f);
            L.Fill(Inter(Ring(f.El(0.5f, 0.45f, 0.42f, 0.25f), f.S(0.05f) + 0.8f), f.Bx(0, 0, 1, 0.45f)), kInk);
            L.Fill(Inter(Ring(f.El(0.5f, 0.45f, 0.42f, 0.25f), f.S(0.05f)), f.Bx(0, 0, 1, 0.45f)), C(0x5A5A62));
            L.Fill(f.Sg(0.08f, 0.45f, 0.92f, 0.45f, 0.01f), C(0xE8E8E0));
            L.Fill(f.Sg(0.5f, 0.1f, 0.5f, 0.5f, 0.02f), C(0xA07844));
            break;
        case kShield: {
            // the same shield the hero's figure carries, and the element of the resisting ones
            const int kind = std::max(0, ShieldOfItem(k.item));
            DrawShield(L, kind, f.X(0.5f), f.Y(0.5f), f.S(0.9f));
            switch (k.item) {
                case 649: sym::Drop(L, f.X(0.5f), f.Y(0.45f), f.S(0.35f), C(0x60D040)); break;
                case 650: sym::Snowflake(L, f.X(0.5f), f.Y(0.45f), f.S(0.35f), C(0xD0F0FF)); break;
                case 651: sym::Bolt(L, f.X(0.5f), f.Y(0.45f), f.S(0.35f), C(0xF8F060)); break;
                case 652: sym::Flame(L, f.X(0.5f), f.Y(0.45f), f.S(0.35f)); break;
                default: break;
            }
            break;
        }
        case kChainMail:
        case kPlate:
        case kLeather:
        case kRobe: {
            const Col cloth = k.kind == kPlate ? C(0xB4B8C2) : k.kind == kChainMail ? C(0x9A9EA8) : k.kind == kLeather ? C(0x8A5A30) : c;
            auto body = k.kind == kRobe ? f.Pg({{0.3f, 0.05f}, {0.7f, 0.05f}, {0.95f, 0.25f}, {0.82f, 0.35f}, {0.72f, 0.28f}, {0.9f, 0.97f}, {0.1f, 0.97f}, {0.28f, 0.28f}, {0.18f, 0.35f}, {0.05f, 0.25f}})
                                        : f.Pg({{0.3f, 0.05f}, {0.7f, 0.05f}, {0.97f, 0.18f}, {0.88f, 0.4f}, {0.76f, 0.32f}, {0.76f, 0.9f}, {0.24f, 0.9f}, {0.24f, 0.32f}, {0.12f, 0.4f}, {0.03f, 0.18f}});
            P(L, f, body, cloth, 0.12f, 0.55f);
            L.Fill(f.El(0.5f, 0.06f, 0.12f, 0.04f), kInk);  // the neck
            if (k.kind == kChainMail)
                for (int i = 0; i < 40; ++i) L.Fill(Ring(f.Ci(0.3f + 0.1f * float(i % 5), 0.2f + 0.08f * float(i / 5), 0.03f), 0.3f), Darken(cloth, 0.35f));
            if (k.kind == kPlate) {
                L.Fill(f.Sg(0.5f, 0.1f, 0.5f, 0.85f, 0.015f), Lighten(cloth, 0.4f));
                L.Fill(f.Bx(0.24f, 0.55f, 0.76f, 0.58f), Darken(cloth, 0.35f));
            }
            if (k.kind == kRobe) L.Fill(f.Bx(0.3f, 0.4f, 0.7f, 0.45f), kGold);
            if (k.kind == kLeather) for (float v : {0.4f, 0.6f}) L.Fill(f.Bx(0.24f, v, 0.76f, v + 0.03f), Darken(cloth, 0.4f));
            break;
        }
        case kLetter:
            P(L, f, f.Bx(0.12f, 0.25f, 0.88f, 0.75f, 0.02f), kParchment, 0.05f, 0.3f);
            L.Fill(f.Pg({{0.12f, 0.27f}, {0.5f, 0.52f}, {0.88f, 0.27f}}), Darken(kParchment, 0.15f));
            L.Fill(f.Ci(0.5f, 0.52f, 0.08f), Mix(C(0xB02020), c, k.variant % 2 ? 0.0f : 0.4f));
            break;
        case kIdol:
            P(L, f, f.Bx(0.3f, 0.8f, 0.7f, 0.95f, 0.02f), kStone, 0.04f);
            P(L, f, Union(f.Ci(0.5f, 0.3f, 0.18f), f.El(0.5f, 0.62f, 0.2f, 0.2f)), Mix(kGold, c, 0.35f), 0.1f, 0.6f);
            L.Fill(f.Ci(0.44f, 0.28f, 0.04f), kInk);
            L.Fill(f.Ci(0.56f, 0.28f, 0.04f), kInk);
            break;
        case kMap:
            P(L, f, f.Pg({{0.1f, 0.2f}, {0.37f, 0.14f}, {0.63f, 0.2f}, {0.9f, 0.14f}, {0.9f, 0.82f}, {0.63f, 0.88f}, {0.37f, 0.82f}, {0.1f, 0.88f}}), kParchment, 0.05f, 0.3f);
            L.Fill(f.Sg(0.2f, 0.7f, 0.45f, 0.4f, 0.015f), C(0x8A5A2A));
            L.Fill(f.Sg(0.45f, 0.4f, 0.75f, 0.55f, 0.015f), C(0x8A5A2A));
            L.Fill(f.Sg(0.68f, 0.5f, 0.8f, 0.62f, 0.02f), C(0xC02020));
            L.Fill(f.Sg(0.8f, 0.5f, 0.68f, 0.62f, 0.02f), C(0xC02020));
            break;
        case kCoins:
            for (int i = 0; i < 5; ++i) sym::Coin(L, f.X(0.3f + 0.2f * float(i % 3)), f.Y(0.65f - 0.22f * float(i / 3)), f.S(0.36f));
            break;
        case kFood:
            if (k.colour.r > 200 && k.colour.g > 150) {  // magic fruit, glowing
                L.Fill(f.Ci(0.5f, 0.55f, 0.4f), C(0xFFF0A0), 0.6f);
                P(L, f, f.Ci(0.5f, 0.58f, 0.26f), c, 0.15f, 0.6f);
                L.Fill(f.Sg(0.5f, 0.32f, 0.56f, 0.16f, 0.025f), C(0x5A3A1C));
            } else {  // a loaf and a joint
                P(L, f, f.El(0.42f, 0.55f, 0.3f, 0.2f), C(0xC8904A), 0.1f);
                for (float u : {0.3f, 0.42f, 0.54f}) L.Fill(f.Sg(u, 0.45f, u + 0.04f, 0.62f, 0.015f), C(0x8A5A2A));
                P(L, f, f.El(0.7f, 0.72f, 0.18f, 0.14f), C(0xB05A3A), 0.08f);
                L.Fill(f.Sg(0.8f, 0.78f, 0.92f, 0.88f, 0.03f), kBone);
            }
            break;
        case kMushroomItem:
            P(L, f, f.Bx(0.42f, 0.45f, 0.58f, 0.9f, 0.04f), C(0xE6DCC4), 0.04f);
            P(L, f, Inter(f.Ci(0.5f, 0.5f, 0.34f), f.Bx(0, 0, 1, 0.5f)), C(0x8A4AC0), 0.08f);
            for (int i = 0; i < 3; ++i) L.Fill(f.Ci(0.35f + 0.15f * float(i), 0.3f + 0.05f * float(i % 2), 0.04f), kWhite);
            break;
        case kSprayCan:
            P(L, f, f.Bx(0.32f, 0.3f, 0.68f, 0.92f, 0.06f), C(0xD03A3A), 0.08f, 0.6f);
            P(L, f, f.Bx(0.42f, 0.18f, 0.58f, 0.3f, 0.02f), C(0xB0B4BC), 0.03f);
            L.Fill(f.Bx(0.32f, 0.5f, 0.68f, 0.62f), kWhite);
            break;
        case kParasite:
            P(L, f, f.El(0.5f, 0.6f, 0.18f + 0.08f * float(k.variant), 0.14f + 0.05f * float(k.variant)), k.colour.r > 90 ? C(0x9A6A8A) : c, 0.1f);
            for (int i = 0; i < 4; ++i) L.Fill(f.Sg(0.4f + 0.07f * float(i), 0.7f, 0.35f + 0.1f * float(i), 0.9f, 0.015f), C(0x6A3A5A));
            if (k.colour.r > 90) L.Fill(f.Ci(0.62f, 0.55f, 0.04f), kInk);
            break;
        case kCapacitor: {
            static const int kVolts[5] = {11, 9, 3, 7, 5};
            P(L, f, f.Bx(0.25f, 0.15f, 0.75f, 0.85f, 0.08f), Hsv(float(k.variant) * 60, 0.6f, 0.75f), 0.08f, 0.6f);
            L.Fill(f.Sg(0.4f, 0.02f, 0.4f, 0.15f, 0.025f), kIron);
            L.Fill(f.Sg(0.6f, 0.02f, 0.6f, 0.15f, 0.025f), kIron);
            // its megavolts, in bars
            for (int i = 0; i < kVolts[k.variant % 5] / 2 + 1; ++i) L.Fill(f.Bx(0.32f, 0.75f - 0.1f * float(i), 0.68f, 0.78f - 0.1f * float(i)), kWhite);
            break;
        }
        case kConduitSlot: L.Fill(Ring(f.Bx(0.1f, 0.1f, 0.9f, 0.9f, 0.05f), f.S(0.04f)), C(0x5A606A)); L.Fill(f.Bx(0.15f, 0.15f, 0.85f, 0.85f, 0.04f), C(0x1A1E24)); break;
        case kConduitEnd: P(L, f, f.Bx(0.0f, 0.38f, 0.6f, 0.62f, 0.02f), C(0xC08030), 0.05f); P(L, f, f.Ci(0.7f, 0.5f, 0.2f), C(0x5A606A), 0.08f); break;
        case kSelectFrame: L.Fill(Ring(f.Bx(0.04f, 0.04f, 0.96f, 0.96f, 0.05f), f.S(0.04f)), C(0xF0E040)); break;
        case kChip:
            P(L, f, f.Bx(0.2f, 0.2f, 0.8f, 0.8f, 0.04f), C(0x2A2E36), 0.06f, 0.4f);
            for (int i = 0; i < 4; ++i) {
                L.Fill(f.Bx(0.28f + 0.13f * float(i), 0.08f, 0.34f + 0.13f * float(i), 0.2f), kGold);
                L.Fill(f.Bx(0.28f + 0.13f * float(i), 0.8f, 0.34f + 0.13f * float(i), 0.92f), kGold);
            }
            for (int i = 0; i <= k.variant; ++i) L.Fill(f.Ci(0.32f + 0.09f * float(i % 4), 0.36f + 0.1f * float(i / 4), 0.03f), C(0x60FF90));
            break;
        case kMedKit:
            P(L, f, f.Bx(0.1f, 0.25f, 0.9f, 0.88f, 0.06f), kWhite, 0.08f, 0.3f);
            L.Fill(f.Bx(0.42f, 0.38f, 0.58f, 0.78f), C(0xD02020));
            L.Fill(f.Bx(0.3f, 0.5f, 0.7f, 0.66f), C(0xD02020));
            L.Fill(f.Bx(0.35f, 0.15f, 0.65f, 0.25f, 0.04f), C(0x6A6A6A));
            break;
        case kComputer:
            P(L, f, f.Bx(0.12f, 0.12f, 0.88f, 0.7f, 0.05f), C(0x9AA0AA), 0.06f, 0.5f);
            L.Fill(f.Bx(0.2f, 0.2f, 0.8f, 0.6f, 0.03f), C(0x103020));
            for (int i = 0; i < 3; ++i) L.Fill(f.Sg(0.26f, 0.3f + 0.1f * float(i), 0.4f + 0.12f * float(i), 0.3f + 0.1f * float(i), 0.012f), C(0x60FF90));
            P(L, f, f.Bx(0.2f, 0.75f, 0.8f, 0.9f, 0.02f), C(0x6A707A), 0.04f);
            break;
        case kFigurine:
            P(L, f, f.Bx(0.25f, 0.78f, 0.75f, 0.92f, 0.02f), kStone, 0.04f);
            P(L, f, Union(f.Bx(0.3f, 0.3f, 0.7f, 0.78f), f.Bx(0.25f, 0.2f, 0.75f, 0.32f)), C(0xA8A49A), 0.06f);
            for (float u : {0.3f, 0.5f, 0.7f}) L.Fill(f.Bx(u - 0.06f, 0.12f, u + 0.06f, 0.2f), C(0xA8A49A));
            break;
        case kLodestone: P(L, f, f.El(0.5f, 0.55f, 0.32f, 0.26f), C(0x3A3A42), 0.12f, 0.6f); L.Fill(f.Sg(0.3f, 0.3f, 0.7f, 0.3f, 0.02f), C(0xC03030)); break;
        case kBag:
            P(L, f, Union(f.El(0.5f, 0.62f, 0.3f, 0.28f), f.El(0.5f, 0.3f, 0.12f, 0.1f)), C(0x8A6A4A), 0.12f);
            L.Fill(f.Sg(0.38f, 0.36f, 0.62f, 0.36f, 0.025f), C(0xC8A050));
            break;
        default: {  // a curio: a small box with a sign, in its own colour
            const int style = k.variant % 4;
            if (style == 0) {
                P(L, f, f.Bx(0.2f, 0.3f, 0.8f, 0.85f, 0.05f), c, 0.08f);
                sym::StarShape(L, f.X(0.5f), f.Y(0.57f), f.S(0.3f), 5, Lighten(c, 0.6f));
            } else if (style == 1) {
                P(L, f, f.Ci(0.5f, 0.55f, 0.3f), c, 0.2f, 0.6f);
            } else if (style == 2) {
                P(L, f, Poly{RegularPoly(f.X(0.5f), f.Y(0.52f), f.S(0.32f), 5, 0)}, c, 0.1f, 0.6f);
            } else {
                P(L, f, f.Bx(0.3f, 0.15f, 0.7f, 0.85f, 0.15f), c, 0.1f);
                L.Fill(f.Bx(0.3f, 0.45f, 0.7f, 0.5f), kGold);
            }
            break;
        }
    }
}

}  // namespace

// The sizes of the item pictures by number.
static void ItemPictureSize(int item, int& w, int& h) {
    w = 30, h = 30;
    if (item >= 234 && item <= 246) w = 61;
    else if (item >= 247 && item <= 324) h = 61;
    else if (item >= 325 && item <= 350) h = 92;
    else if (item >= 351 && item <= 376) h = 123;
    else if (item >= 377 && item <= 402) h = 185;
    else if ((item >= 403 && item <= 428) || (item >= 643 && item <= 655)) w = h = 61;
    else if (item >= 429 && item <= 441) w = 61, h = 123;
    else if (item >= 442 && item <= 454) w = 61, h = 92;
}

std::vector<Image> BuildItemPictures() {
    std::vector<Image> pics;
    pics.reserve(714);
    for (int item = 0; item < 714; ++item) {
        int w, h;
        ItemPictureSize(item, w, h);
        Layer L(w, h);
        ItemLook look = LookOf(item);
        look.item = item;
        // a small thing stays small in a big frame: a margin of one pixel all round
        DrawItem(L, Fr{1.5f, 1.5f, float(w) - 3, float(h) - 3}, look);
        Image img(w, h, kKeyColour);
        Stamp(L, img, 0, 0);
        KeepOffKey(img);
        pics.push_back(std::move(img));
    }
    return pics;
}

Image BuildEquipSheet(const std::vector<Image>& pics) {
    return GridSheet(807, 1520, pics, {
        {0, 9, 26, 31, 31, 1, 1},       {234, 1, 13, 62, 0, 1, 280},   {247, 3, 26, 31, 62, 1, 311},
        {325, 1, 26, 31, 0, 1, 497},    {351, 1, 26, 31, 0, 1, 590},   {377, 1, 26, 31, 0, 1, 714},
        {403, 2, 13, 62, 62, 1, 900},   {429, 1, 13, 62, 0, 1, 1024},  {442, 1, 13, 62, 0, 1, 1148},
        {455, 6, 26, 31, 31, 1, 1241},  {643, 1, 13, 62, 0, 1, 1427},  {688, 1, 26, 31, 0, 1, 1489},
    });
}

}  // namespace art
