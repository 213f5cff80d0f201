// VMONST: the monsters in sets of four (facing left, striking left, striking right, facing
// right), grouped by kind; the large ones; the hero in every pose with his shields; the people
// of the towns in pairs facing left and right; and the module's default custom monsters.
#include "creatures.h"
#include "play_art.h"
#include "symbols.h"

namespace art {
namespace {

// ---------------------------------------------------------------- looks

Look Make(BodyPlan plan, uint32_t skin, uint32_t cloth, uint32_t detail, uint8_t head = 0, uint8_t weapon = 0,
        uint16_t extras = 0, float bulk = 1.0f, float height = 1.0f) {
    Look k;
    k.plan = plan;
    k.skin = C(skin);
    k.cloth = C(cloth);
    k.detail = C(detail);
    k.head = head;
    k.weapon = weapon;
    k.extras = extras;
    k.bulk = bulk;
    k.height = height;
    return k;
}

// The one-square monster sets, grouped by kind. Fixed sets: 36 snake, 72 bear, 93 wolf,
// 100 frog (what the frog spell makes), 144 falcon (the hero's beast forms).
struct Species {
    int count;
    Look look;
};

std::vector<Species> SingleSpecies() {
    return {
        // people and their kin (sets 0..23)
        {2, Make(kPlanBiped, 0x7AA040, 0x6A5030, 0x2A2010, kHeadGoblin, kWeaponDagger, kRags, 0.9f, 0.8f)},
        {1, Make(kPlanBiped, 0x7AA040, 0x5A6A30, 0x2A2010, kHeadGoblin, kWeaponBow, 0, 0.9f, 0.8f)},
        {1, Make(kPlanBiped, 0xC06A30, 0x6A4A30, 0xE0C040, kHeadLizard, kWeaponSpear, kTail, 0.9f, 0.8f)},
        {2, Make(kPlanBiped, 0x5A7A3A, 0x4A3A2A, 0x202020, kHeadOrc, kWeaponAxe, kTusks, 1.2f)},
        {1, Make(kPlanBiped, 0x5A7A3A, 0x3A3A40, 0x202020, kHeadHelm, kWeaponBigAxe, kHorns | kArmour, 1.25f)},
        {1, Make(kPlanBiped, 0xD8A880, 0x4A4A3A, 0x2A2420, kHeadHood, kWeaponDagger, kCape)},
        {1, Make(kPlanBiped, 0xD8A880, 0x7A3A2A, 0x3A2A1A, kHeadHuman, kWeaponSword, kShield | kBeard)},
        {1, Make(kPlanBiped, 0xD8A880, 0x8A1A1A, 0x601010, kHeadHood, kWeaponDagger, kRobe)},
        {1, Make(kPlanBiped, 0xD0B090, 0x4A2A6A, 0x9AE0FF, kHeadHood, kWeaponStaff, kRobe | kGlow)},
        {1, Make(kPlanBiped, 0xD8A880, 0x5A5A6A, 0xB04020, kHeadHelm, kWeaponSpear, kShield)},
        {1, Make(kPlanBiped, 0xD8A880, 0xA0A4B0, 0x2A4A9A, kHeadHelm, kWeaponSword, kShield | kArmour | kCape)},
        {1, Make(kPlanBiped, 0xC8906A, 0x7A5030, 0x8A5020, kHeadHuman, kWeaponBigAxe, kLongHair, 1.15f)},
        {1, Make(kPlanBiped, 0xD8A880, 0x2A2A3A, 0x1A1A1A, kHeadHuman, kWeaponSword, kHat | kBeard)},
        {1, Make(kPlanBiped, 0xD8A880, 0x1A1A20, 0xC02020, kHeadHood, kWeaponDagger, kGlow)},
        {1, Make(kPlanBiped, 0xB08A50, 0x6A5A30, 0x2A2010, kHeadWolf, kWeaponSpear, kTail)},
        {1, Make(kPlanBiped, 0x4A8A5A, 0x5A6A3A, 0xE0C040, kHeadLizard, kWeaponTrident, kTail | kShield)},
        {1, Make(kPlanBiped, 0x6A4A30, 0x4A3020, 0xE0D0B0, kHeadBull, kWeaponBigAxe, 0, 1.3f)},
        {1, Make(kPlanBiped, 0xC08A40, 0x7A4A20, 0xE0A020, kHeadBird, kWeaponSpear, kWings)},
        {1, Make(kPlanBiped, 0xD8A880, 0x6A4A2A, 0x8A4A20, kHeadHelm, kWeaponHammer, kBeard | kArmour, 1.2f, 0.78f)},
        {1, Make(kPlanBiped, 0x8A8AA0, 0x2A2040, 0xE0E0F0, kHeadHuman, kWeaponSword, kLongHair | kCape)},
        {1, Make(kPlanBiped, 0xC8906A, 0x8A6A40, 0x4A3020, kHeadHuman, kWeaponClub, kRags | kBeard, 1.1f)},
        {1, Make(kPlanBiped, 0x9AB080, 0x2A2A2A, 0x40E040, kHeadHuman, kWeaponWand, kHat | kRobe)},
        // beasts (24..47)
        {2, Make(kPlanQuadruped, 0x8A8078, 0, 0x202020, kBeastRat, 0, 0, 0.8f)},
        {1, Make(kPlanBat, 0x4A3A3A, 0x2A2020, 0xE0D0C0)},
        {1, Make(kPlanQuadruped, 0x7A4A2A, 0, 0x202020, kBeastBoar, 0, kTusks, 1.1f)},
        {1, Make(kPlanQuadruped, 0x2A2A2E, 0, 0xE0E040, kBeastCat, 0, kGlow)},
        {1, Make(kPlanQuadruped, 0xC8A050, 0x8A5A20, 0x202020, kBeastCat, 0, kMane, 1.1f)},
        {1, Make(kPlanQuadruped, 0xA0744A, 0, 0x202020, kBeastDeer, 0, kHorns)},
        {1, Make(kPlanQuadruped, 0x5A4030, 0, 0x202020, kBeastBull, 0, 0, 1.25f)},
        {1, Make(kPlanQuadruped, 0x8A6A4A, 0x3A2A1A, 0x202020, kBeastHorse)},
        {1, Make(kPlanQuadruped, 0x5A7A3A, 0, 0xE0C020, kBeastLizard, 0, 0, 0.9f)},
        {1, Make(kPlanSerpent, 0x3A6A2A, 0xC0C070, 0xE8D020)},
        {1, Make(kPlanSerpent, 0x8A6A3A, 0xE0C080, 0xE8D020, 0, 0, kSpots, 1.2f)},
        {1, Make(kPlanBird, 0x3A3A40, 0x2A2A30, 0xE0A020)},
        {1, Make(kPlanBird, 0x8A6A5A, 0x5A4030, 0xE0A020)},
        {1, Make(kPlanQuadruped, 0x6A6A6E, 0, 0x202020, kBeastDog)},
        // (36 is the snake)
        {1, Make(kPlanSerpent, 0xA02020, 0xF0D0A0, 0xE8D020)},
        {1, Make(kPlanQuadruped, 0x9A8A6A, 0, 0x202020, kBeastRat, 0, kSpots, 0.9f)},
        {1, Make(kPlanBat, 0x6A4A3A, 0x4A3020, 0xE0D0C0)},
        {1, Make(kPlanQuadruped, 0x4A6A8A, 0, 0xE0E040, kBeastLizard, 0, kSpots)},
        {1, Make(kPlanQuadruped, 0xB07A4A, 0, 0x202020, kBeastDog, 0, kSpots)},
        // crawlers (48..59)
        {2, Make(kPlanSpider, 0x2A2A2A, 0, 0xC02020)},
        {1, Make(kPlanSpider, 0x8A5A2A, 0, 0xE0C040)},
        {2, Make(kPlanScorpion, 0x6A4A20, 0, 0x202020)},
        {2, Make(kPlanInsect, 0x2A5A3A, 0, 0x202020)},
        {2, Make(kPlanInsect, 0x8A2A1A, 0, 0x202020)},
        {2, Make(kPlanInsect, 0xD0B020, 0, 0x202020, 0, 0, kWings)},
        {1, Make(kPlanWorm, 0xB08070, 0xD0A090, 0x202020)},
        // of the water (60..71)
        {2, Make(kPlanFish, 0x6A8AA0, 0xE0E8F0, 0x202020)},
        {1, Make(kPlanFish, 0x6A7078, 0xE0E0E0, 0x202020, 0, 0, 0, 1.2f)},
        {1, Make(kPlanSerpent, 0x3A4A3A, 0x8A9A6A, 0xE8D020, 0, 0, 0, 0.8f)},
        {2, Make(kPlanCrab, 0xC04A2A, 0, 0x202020)},
        {2, Make(kPlanOctopus, 0x9A4A8A, 0, 0xE0C020)},
        {2, Make(kPlanBiped, 0x3A8A7A, 0x3A5A4A, 0xE0E040, kHeadLizard, kWeaponTrident, kTail)},
        {2, Make(kPlanBlob, 0x80C0E8, 0, 0x2040A0)},
        // shapeshifters (72..83; 72 is the bear)
        {2, Make(kPlanBiped, 0x6A5A4A, 0x4A3A2A, 0xE0E040, kHeadWolf, kWeaponClaws, kTail | kRags | kGlow, 1.15f)},
        {1, Make(kPlanBiped, 0x8A8078, 0x4A3A2A, 0xE02020, kHeadCat, kWeaponClaws, kTail | kRags, 0.9f)},
        {2, Make(kPlanBiped, 0x6A4A2A, 0x4A3A2A, 0x202020, kHeadCat, kWeaponClaws, kRags, 1.35f)},
        {2, Make(kPlanBiped, 0x7A4A2A, 0x4A3A2A, 0x202020, kHeadPig, kWeaponClub, kTusks, 1.2f)},
        {2, Make(kPlanBiped, 0xD0A040, 0x4A3A2A, 0x202020, kHeadCat, kWeaponClaws, kTail | kSpots, 1.1f)},
        {2, Make(kPlanQuadruped, 0x4A4A50, 0, 0xE02020, kBeastDog, 0, kGlow, 1.2f)},
        // the dead that walk (84..92; 93 is the wolf)
        {2, Make(kPlanBiped, 0xE0D8C0, 0xE0D8C0, 0x60E0FF, kHeadSkull, kWeaponSword, kShield, 0.75f)},
        {1, Make(kPlanBiped, 0xE0D8C0, 0xE0D8C0, 0x60E0FF, kHeadSkull, kWeaponBow, 0, 0.75f)},
        {2, Make(kPlanBiped, 0x8AA070, 0x5A5040, 0xE0E040, kHeadHuman, kWeaponClaws, kRags)},
        {1, Make(kPlanBiped, 0xD8CCB0, 0xD8CCB0, 0x40E0A0, kHeadWrapped, kWeaponNone, kGlow)},
        {1, Make(kPlanBiped, 0x7A8A6A, 0x3A3A2A, 0xE0E0E0, kHeadHuman, kWeaponClaws, kRags, 0.85f)},
        {1, Make(kPlanBiped, 0xE0D8C0, 0x3A2A5A, 0xA060FF, kHeadSkull, kWeaponStaff, kRobe | kGlow, 0.75f)},
        {1, Make(kPlanBiped, 0xE0D8C0, 0x2A2A30, 0xE02020, kHeadSkull, kWeaponBigSword, kArmour | kCape | kGlow)},
        // spirits (94..99)
        {2, Make(kPlanGhost, 0xD8E8F0, 0, 0x60C0FF)},
        {1, Make(kPlanGhost, 0x6A6A7A, 0, 0xE02020, 0, 0, kRags)},
        {1, Make(kPlanBiped, 0x3A3A48, 0x2A2A38, 0x80F0FF, kHeadHood, kWeaponScythe, kRobe | kGlow)},
        {1, Make(kPlanGhost, 0xB0E8C0, 0, 0x40FF80, 0, 0, kRags)},
        {1, Make(kPlanWhirl, 0x9AD0F0, 0, 0xFFFFFF)},
        // vampires (101..107; 100 is the frog)
        {2, Make(kPlanBiped, 0xE8E0E0, 0x1A1A22, 0xA01020, kHeadHuman, kWeaponClaws, kCape | kGlow)},
        {2, Make(kPlanBiped, 0xE8E0E0, 0x5A1020, 0x1A1A1A, kHeadHuman, kWeaponDagger, kLongHair | kRobe)},
        {2, Make(kPlanBat, 0x5A1A1A, 0x3A0A0A, 0xE02020)},
        {1, Make(kPlanBiped, 0xC8C0C8, 0x2A2A2A, 0xC02020, kHeadHuman, kWeaponSword, kCape | kCrown)},
        // demons (108..119)
        {2, Make(kPlanBiped, 0xC03A2A, 0x8A2A1A, 0xFFE040, kHeadHorned, kWeaponClaws, kWings | kTail | kGlow, 0.8f, 0.7f)},
        {2, Make(kPlanBiped, 0xB0302A, 0x5A1A14, 0xFFE040, kHeadHorned, kWeaponTrident, kWings | kTail)},
        {2, Make(kPlanBiped, 0xD08A90, 0x6A1A3A, 0x2A1A2A, kHeadHuman, kWeaponClaws, kWings | kLongHair | kHorns)},
        {2, Make(kPlanQuadruped, 0x6A2A1A, 0, 0xFFA020, kBeastDog, 0, kGlow | kSpots, 1.1f)},
        {2, Make(kPlanBiped, 0x5A2A4A, 0x3A1A2A, 0xFF6020, kHeadHorned, kWeaponBigSword, kWings | kTail | kGlow, 1.3f)},
        {2, Make(kPlanBiped, 0x2A2430, 0x1A1620, 0xFF3020, kHeadHorned, kWeaponClaws, kTail | kGlow, 1.1f)},
        // elementals (120..131)
        {3, Make(kPlanFlame, 0xF06A20, 0, 0xFFF0A0)},
        {3, Make(kPlanWave, 0x3A8AD0, 0, 0xFFFFFF)},
        {3, Make(kPlanWhirl, 0xC8E0F0, 0, 0xFFFFFF)},
        {3, Make(kPlanBiped, 0x8A7A6A, 0x8A7A6A, 0xF0C040, kHeadBlock, kWeaponNone, kGlow, 1.35f)},
        // slimes (132..143)
        {3, Make(kPlanBlob, 0x6AC040, 0, 0x202020)},
        {2, Make(kPlanBlob, 0x4A80D0, 0, 0xFFFFFF)},
        {2, Make(kPlanBlob, 0xD04A3A, 0, 0xFFE040, 0, 0, kSpots)},
        {2, Make(kPlanBlob, 0x2A2A30, 0, 0xE0E0E0)},
        {2, Make(kPlanBlob, 0xD0C040, 0, 0x202020, 0, 0, kSpots)},
        {1, Make(kPlanBlob, 0xB06AD0, 0, 0xFFFFFF)},
        // beasts of legend (145..155; 144 is the falcon)
        {1, Make(kPlanQuadruped, 0xF0F0F4, 0xE0D0A0, 0x202020, kBeastHorse, 0, kHorns | kMane)},
        {1, Make(kPlanBird, 0xC8A050, 0xA07030, 0xE0A020, 0, 0, 0, 1.3f)},
        {2, Make(kPlanBiped, 0xD8A880, 0x6A5040, 0xE0A020, kHeadBird, kWeaponClaws, kWings | kLongHair)},
        {1, Make(kPlanBiped, 0xF0D0E0, 0x80E0A0, 0xFFFFFF, kHeadHuman, kWeaponWand, kWings | kLongHair | kGlow, 0.7f, 0.6f)},
        {1, Make(kPlanBiped, 0xC8906A, 0x6A4A2A, 0xE0D0B0, kHeadHorned, kWeaponClub, kTail | kBeard)},
        {1, Make(kPlanQuadruped, 0x6A8A4A, 0, 0xE02020, kBeastLizard, 0, kGlow | kSpots, 1.1f)},
        {1, Make(kPlanBird, 0xD0A040, 0xB03020, 0xE0A020)},
        {1, Make(kPlanDragon, 0x4AA070, 0xE0D0A0, 0xA0FF80)},
        {2, Make(kPlanQuadruped, 0xE8E8F0, 0, 0x202020, kBeastDog, 0, kMane, 1.3f)},
        // made things (156..167)
        {2, Make(kPlanBiped, 0x8A8680, 0x8A8680, 0x40E0FF, kHeadBlock, kWeaponNone, kGlow, 1.4f)},
        {2, Make(kPlanBiped, 0x5A5E66, 0x5A5E66, 0xFF6020, kHeadBlock, kWeaponHammer, kGlow | kArmour, 1.35f)},
        {2, Make(kPlanBiped, 0xA0A4B0, 0xA0A4B0, 0x60C0FF, kHeadHelm, kWeaponSword, kShield | kArmour | kGlow)},
        {2, Make(kPlanBiped, 0x7A7A78, 0x6A6A68, 0xE02020, kHeadHorned, kWeaponClaws, kWings | kGlow)},
        {2, Make(kPlanBiped, 0xD0B070, 0x6A5A3A, 0x202020, kHeadHuman, kWeaponScythe, kHat | kRags)},
        {2, Make(kPlanBiped, 0xB08050, 0xB08050, 0x202020, kHeadBlock, kWeaponClub, 0, 1.0f, 0.85f)},
        // machines (168..179)
        {3, Make(kPlanRobot, 0x9AA0AA, 0, 0x40E0FF)},
        {3, Make(kPlanRobot, 0xC0A040, 0, 0xFF4020)},
        {2, Make(kPlanSpider, 0x8A909A, 0, 0x40E0FF)},
        {2, Make(kPlanEye, 0x8A909A, 0, 0xFF3020)},
        {2, Make(kPlanRobot, 0x4A6A4A, 0, 0x60FF60)},
        // plants (180..191)
        {3, Make(kPlanPlant, 0x60A040, 0, 0xE02020, 0, 0, kSpots)},
        {2, Make(kPlanPlant, 0xC04A6A, 0, 0xF0E040)},
        {2, Make(kPlanTreant, 0x6A4A2A, 0x3C7A2E, 0xE0E040)},
        {2, Make(kPlanBiped, 0xE0D0B0, 0xB03A2A, 0x202020, kHeadHood, kWeaponClub, kRobe, 1.1f, 0.8f)},
        {2, Make(kPlanSerpent, 0x4A8A2A, 0x8AC060, 0xE02020, 0, 0, 0, 0.8f)},
        {1, Make(kPlanBlob, 0x6A9A3A, 0, 0xF0E040, 0, 0, kSpots)},
        // the strange (192..203)
        {3, Make(kPlanEye, 0xB06A7A, 0, 0x40C040)},
        {2, Make(kPlanOctopus, 0x6A3A7A, 0, 0xF0E040)},
        {2, Make(kPlanBiped, 0x9A7AA0, 0x3A2A4A, 0xF0F0F0, kHeadInsect, kWeaponClaws, kRobe)},
        {2, Make(kPlanBlob, 0xC0808A, 0, 0xF0E040, 0, 0, kSpots)},
        {2, Make(kPlanEye, 0x4A6A8A, 0, 0xE0A020)},
        {1, Make(kPlanWorm, 0x8A5A7A, 0xB08AA0, 0x202020)},
        // giants (204..209)
        {2, Make(kPlanBiped, 0xB08060, 0x6A5030, 0x3A2A1A, kHeadHuman, kWeaponClub, kRags, 1.45f)},
        {2, Make(kPlanBiped, 0x5A8A5A, 0x4A3A2A, 0x202020, kHeadOrc, kWeaponClub, kTusks | kRags, 1.4f)},
        {2, Make(kPlanBiped, 0xC8C8D8, 0xE8E8F0, 0x4080E0, kHeadHuman, kWeaponHammer, kBeard | kLongHair, 1.4f)},
        // dragons (210..215)
        {2, Make(kPlanDragon, 0xB02A1A, 0xE0C080, 0xFF8020)},
        {2, Make(kPlanDragon, 0x2A7A3A, 0xC0D080, 0x90FF40)},
        {2, Make(kPlanDragon, 0x2A4AA0, 0xB0C8E0, 0xA0E8FF)},
    };
}

Look FixedSet(int set) {
    switch (set) {
        case 36: return Make(kPlanSerpent, 0x4A7A2A, 0xD0C070, 0xE8D020);                          // snake
        case 72: return Make(kPlanQuadruped, 0x6A4A2E, 0, 0x202020, kBeastBear, 0, 0, 1.4f);      // bear
        case 93: return Make(kPlanQuadruped, 0x8A8A90, 0, 0xE0D040, kBeastDog, 0, 0, 1.0f);       // wolf
        case 100: return Make(kPlanFrog, 0x5AA03A, 0xE0E0A0, 0x202020, 0, 0, kSpots);             // frog
        default: return Make(kPlanBird, 0x8A6A4A, 0x6A4A30, 0xE0C020);                            // falcon
    }
}

// Colour shifts that tell apart the sets of one species.
Look Varied(Look k, int n) {
    if (n == 0) return k;
    const float shift = n == 1 ? 0.18f : -0.15f;
    k.skin = shift > 0 ? Lighten(k.skin, shift) : Darken(k.skin, -shift);
    k.cloth = Mix(k.cloth, Hsv(float(n) * 97.0f, 0.5f, 0.55f), 0.45f);
    return k;
}

// ---------------------------------------------------------------- drawing into pictures

Image Figure(const Look& k, int w, int h, bool striking) {
    Layer L(w, h);
    DrawCreature(L, k, 0, 0, float(w), float(h), striking);
    Image img(w, h, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// The four pictures of a set from a figure facing right.
void PutSet(std::vector<Image>& pics, int base, const Look& k, int w, int h) {
    const Image stand = Figure(k, w, h, false), strike = Figure(k, w, h, true);
    pics[size_t(base)] = Mirrored(stand);
    pics[size_t(base + 1)] = Mirrored(strike);
    pics[size_t(base + 2)] = strike;
    pics[size_t(base + 3)] = stand;
}

// Every other pixel left out: the see-through look of the invisible and the hidden.
Image Dithered(Image img) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if ((x + y) % 2) img.Set(x, y, kKeyColour);
    return img;
}

// ---------------------------------------------------------------- large monsters

std::vector<Look> WideSets() {  // 33 sets of 61 x 30
    return {
        Make(kPlanSerpent, 0x3A6A2A, 0xD0C070, 0xE8D020, 0, 0, 0, 1.4f),       Make(kPlanQuadruped, 0x4A6A3A, 0, 0xE0C020, kBeastLizard, 0, kSpots, 1.2f),
        Make(kPlanWorm, 0xC09070, 0xE0B090, 0x202020),                         Make(kPlanQuadruped, 0x6A4A2A, 0x2A1A10, 0x202020, kBeastHorse, 0, 0, 1.2f),
        Make(kPlanQuadruped, 0x5A3A22, 0, 0x202020, kBeastBear, 0, 0, 1.4f),    Make(kPlanQuadruped, 0x6A6A70, 0, 0xE0D040, kBeastDog, 0, 0, 1.2f),
        Make(kPlanQuadruped, 0x3A3A40, 0, 0xFF4020, kBeastDog, 0, kGlow, 1.3f), Make(kPlanQuadruped, 0xC8A050, 0x8A5A20, 0x202020, kBeastCat, 0, kMane, 1.2f),
        Make(kPlanQuadruped, 0xD0B080, 0, 0x202020, kBeastCat, 0, kTusks, 1.2f), Make(kPlanDragon, 0x8A3A2A, 0xE0C080, 0xFF8020),
        Make(kPlanDragon, 0x4A6A3A, 0xC0D080, 0x90FF40),                       Make(kPlanSpider, 0x2A2A2A, 0, 0xC02020),
        Make(kPlanScorpion, 0x6A3A1A, 0, 0x202020),                            Make(kPlanWorm, 0x6A3A2A, 0xB06040, 0x202020),
        Make(kPlanFish, 0x6A7078, 0xE0E0E0, 0x202020),                         Make(kPlanFish, 0x3A5A8A, 0xD0E0F0, 0x202020, 0, 0, 0, 1.4f),
        Make(kPlanSerpent, 0x2A5A7A, 0x9AC0D0, 0xE8D020, 0, 0, 0, 1.5f),       Make(kPlanCrab, 0xB0402A, 0, 0x202020),
        Make(kPlanQuadruped, 0x8A8A8E, 0, 0x202020, kBeastBull, 0, kTusks, 1.5f), Make(kPlanQuadruped, 0x6A6A72, 0, 0x202020, kBeastBull, 0, kHorns, 1.4f),
        Make(kPlanQuadruped, 0x7A5A3A, 0x5A3A20, 0x202020, kBeastBoar, 0, kTusks | kMane, 1.5f), Make(kPlanQuadruped, 0xA0744A, 0, 0x202020, kBeastDeer, 0, kHorns, 1.1f),
        Make(kPlanQuadruped, 0x2A2A2E, 0, 0xE0E040, kBeastCat, 0, kGlow, 1.1f), Make(kPlanQuadruped, 0xE8E8F0, 0xE0D0A0, 0x202020, kBeastHorse, 0, kHorns | kMane),
        Make(kPlanQuadruped, 0x6A2A1A, 0, 0xFFA020, kBeastDog, 0, kGlow, 1.3f), Make(kPlanBlob, 0x6AC040, 0, 0x202020),
        Make(kPlanSerpent, 0xA02020, 0xF0D0A0, 0xE8D020, 0, 0, kSpots, 1.3f),  Make(kPlanInsect, 0x2A5A3A, 0, 0x202020),
        Make(kPlanOctopus, 0x9A4A8A, 0, 0xE0C020),                             Make(kPlanQuadruped, 0x8AA070, 0, 0xE0E040, kBeastLizard, 0, kGlow, 1.2f),
        Make(kPlanDragon, 0x2A4AA0, 0xB0C8E0, 0xA0E8FF),                       Make(kPlanRobot, 0x9AA0AA, 0, 0x40E0FF),
        Make(kPlanWorm, 0xD8D0B0, 0xE8E0C0, 0x202020),
    };
}

std::vector<Look> TallSets() {  // 24 sets of 30 x 61
    return {
        Make(kPlanBiped, 0xB08060, 0x6A5030, 0x3A2A1A, kHeadHuman, kWeaponClub, kRags | kBeard, 1.3f),
        Make(kPlanBiped, 0x5A8A5A, 0x4A3A2A, 0x202020, kHeadOrc, kWeaponClub, kTusks | kRags, 1.3f),
        Make(kPlanBiped, 0xC8C8D8, 0xE8E8F0, 0x4080E0, kHeadHuman, kWeaponHammer, kBeard | kLongHair, 1.3f),
        Make(kPlanBiped, 0xE8E8F0, 0xE8E8F0, 0x4080E0, kHeadCat, kWeaponClaws, 0, 1.4f),
        Make(kPlanTreant, 0x6A4A2A, 0x3C7A2E, 0xE0E040),
        Make(kPlanGhost, 0xD8E8F0, 0, 0x60C0FF),
        Make(kPlanBiped, 0x3A3A48, 0x2A2A38, 0x80F0FF, kHeadHood, kWeaponScythe, kRobe | kGlow),
        Make(kPlanBiped, 0x8A8680, 0x8A8680, 0x40E0FF, kHeadBlock, kWeaponNone, kGlow, 1.3f),
        Make(kPlanBiped, 0xB0302A, 0x5A1A14, 0xFFE040, kHeadHorned, kWeaponTrident, kWings | kTail, 1.2f),
        Make(kPlanFlame, 0xF06A20, 0, 0xFFF0A0),
        Make(kPlanWave, 0x3A8AD0, 0, 0xFFFFFF),
        Make(kPlanWhirl, 0xC8E0F0, 0, 0xFFFFFF),
        Make(kPlanPlant, 0x60A040, 0, 0xE02020, 0, 0, kSpots),
        Make(kPlanBiped, 0xE0D8C0, 0xE0D8C0, 0x60E0FF, kHeadSkull, kWeaponBigSword, kGlow, 1.0f),
        Make(kPlanBiped, 0x6A4A30, 0x4A3020, 0xE0D0B0, kHeadBull, kWeaponBigAxe, 0, 1.3f),
        Make(kPlanBiped, 0x5A5E66, 0x5A5E66, 0xFF6020, kHeadBlock, kWeaponHammer, kGlow | kArmour, 1.3f),
        Make(kPlanBiped, 0xD8CCB0, 0xD8CCB0, 0x40E0A0, kHeadWrapped, kWeaponNone, kGlow, 1.1f),
        Make(kPlanBiped, 0x7AA040, 0x4A3A2A, 0x202020, kHeadGoblin, kWeaponClub, kRags, 1.4f),
        Make(kPlanBiped, 0xE8E0E0, 0x1A1A22, 0xA01020, kHeadHuman, kWeaponClaws, kCape | kGlow),
        Make(kPlanBiped, 0x9A7AA0, 0x3A2A4A, 0xF0F0F0, kHeadInsect, kWeaponClaws, kRobe),
        Make(kPlanRobot, 0xC0A040, 0, 0xFF4020),
        Make(kPlanBiped, 0x2A2430, 0x1A1620, 0xFF3020, kHeadHorned, kWeaponClaws, kTail | kGlow | kWings, 1.2f),
        Make(kPlanTreant, 0x4A3A2A, 0x6A8A3A, 0xFF4020),
        Make(kPlanBiped, 0xA0A4B0, 0xA0A4B0, 0x60C0FF, kHeadHelm, kWeaponBigSword, kArmour | kGlow | kCape, 1.2f),
    };
}

std::vector<Look> HugeSets() {  // 30 sets of 61 x 61; sets 6..10 are the orb dragons
    return {
        Make(kPlanDragon, 0xB02A1A, 0xE0C080, 0xFF8020),  Make(kPlanSpider, 0x2A2A2A, 0, 0xC02020),
        Make(kPlanBiped, 0xB0302A, 0x5A1A14, 0xFFE040, kHeadHorned, kWeaponBigAxe, kWings | kTail | kGlow, 1.3f),
        Make(kPlanOctopus, 0x9A4A8A, 0, 0xE0C020),        Make(kPlanEye, 0xB06A7A, 0, 0x40C040),
        Make(kPlanBiped, 0xB08060, 0x6A5030, 0x3A2A1A, kHeadHuman, kWeaponClub, kRags | kBeard, 1.3f),
        // the five orb dragons
        Make(kPlanDragon, 0xC03020, 0xE8C890, 0xFF7020), Make(kPlanDragon, 0x3A5AB0, 0xC8D8F0, 0x80D8FF),
        Make(kPlanDragon, 0x3A8A3A, 0xD0E0A0, 0x90FF40), Make(kPlanDragon, 0xD0B040, 0xF0E0B0, 0xFFF080),
        Make(kPlanDragon, 0x4A3A5A, 0xB0A0C8, 0xC080FF),
        Make(kPlanQuadruped, 0x5A3A22, 0, 0x202020, kBeastBear, 0, 0, 1.4f),
        Make(kPlanTreant, 0x6A4A2A, 0x3C7A2E, 0xE0E040),  Make(kPlanBlob, 0x6AC040, 0, 0x202020),
        Make(kPlanBird, 0xC8A050, 0xA07030, 0xE0A020, 0, 0, 0, 1.2f),
        Make(kPlanWorm, 0xC09070, 0xE0B090, 0x202020),
        Make(kPlanBiped, 0x8A8680, 0x8A8680, 0x40E0FF, kHeadBlock, kWeaponNone, kGlow, 1.4f),
        Make(kPlanScorpion, 0x6A3A1A, 0, 0x202020),      Make(kPlanCrab, 0xC04A2A, 0, 0x202020),
        Make(kPlanFlame, 0xF06A20, 0, 0xFFF0A0),          Make(kPlanRobot, 0x9AA0AA, 0, 0x40E0FF),
        Make(kPlanQuadruped, 0x8A8A8E, 0, 0x202020, kBeastBull, 0, kTusks, 1.5f),
        Make(kPlanBiped, 0xE0D8C0, 0x2A2A30, 0xE02020, kHeadSkull, kWeaponBigSword, kArmour | kCape | kGlow, 1.2f),
        Make(kPlanGhost, 0x6A6A7A, 0, 0xE02020, 0, 0, kRags),
        Make(kPlanQuadruped, 0x3A3A40, 0, 0xFF4020, kBeastDog, 0, kGlow, 1.3f),
        Make(kPlanPlant, 0xC04A6A, 0, 0xF0E040),          Make(kPlanBiped, 0x5A2A4A, 0x3A1A2A, 0xFF6020, kHeadHorned, kWeaponBigSword, kWings | kTail | kGlow, 1.3f),
        Make(kPlanDragon, 0x2A7A3A, 0xC0D080, 0x90FF40),  Make(kPlanFish, 0x6A7078, 0xE0E0E0, 0x202020, 0, 0, 0, 1.3f),
        Make(kPlanDragon, 0xE0E0E8, 0xC0D0E0, 0xA0E8FF),
    };
}

// An orb dragon clutches its orb, glowing in the dragon's colour.
void OrbInClaws(Image& img, Col glow) {
    Layer L(img.width, img.height);
    const float x = float(img.width) * 0.62f, y = float(img.height) * 0.8f, r = float(img.width) * 0.09f;
    L.Fill(sdf::Circle(x, y, r + 1), kInk);
    L.Emboss(sdf::Circle(x, y, r), glow, r, 0.7f);
    L.Fill(sdf::Circle(x - r * 0.35f, y - r * 0.35f, r * 0.3f), kWhite);
    Stamp(L, img, 0, 0);
}

// ---------------------------------------------------------------- the hero

Look HeroLook(bool female) {
    Look k = Make(kPlanBiped, 0xE0B08A, female ? 0x9A2A3A : 0x2A5AA0, female ? 0xA8502A : 0x5A3A1E, kHeadHuman, kWeaponNone,
                female ? uint16_t(kLongHair) : uint16_t(0));
    return k;
}

Image HeroPicture(bool female, Pose pose, int weapon, bool striking = false) {
    Look k = HeroLook(female);
    k.weapon = uint8_t(weapon);
    if (pose == kPoseHidden) {
        k.head = kHeadHood;
        k.cloth = C(0x3A4048);
        k.extras |= kCape;
        k.detail = C(0x2A2E34);
    }
    if (pose == kPoseStripped) {
        k.cloth = C(0xE8E0D0);
        k.weapon = kWeaponNone;
    }
    if (pose == kPoseRadiant) {
        k.skin = C(0xF8D878);
        k.cloth = C(0xE0A830);
        k.extras |= kGlow;
        k.detail = C(0xFFF0A0);
    }
    if (pose == kPoseShrunk) k.height = 0.5f;
    Layer L(30, 30);
    if (pose == kPoseRadiant) L.Fill(sdf::Circle(15, 15, 14), C(0xFFF0A0), 0.6f);
    if (pose == kPoseDanger) {  // the ground gives way under him
        L.Fill(sdf::Ellipse(15, 28, 13, 3), C(0x140C08));
    }
    const Pose drawn = pose == kPoseHidden || pose == kPoseStripped || pose == kPoseShrunk ? kPoseStand : pose;
    DrawBipedPose(L, k, 0, 0, 30, 30, drawn == kPoseRadiant ? (striking ? kPoseStrike : kPoseStand) : drawn);
    Image img(30, 30, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// The undead overlay, drawn 16 pixels above the hero's cell: a pale skull over his face and
// the grave's mist rising from it.
Image UndeadOverlay() {
    Layer L(30, 30);
    for (int k = 0; k < 4; ++k) L.Fill(sdf::Circle(10.0f + 3.0f * float(k % 2) + float(k), 14.0f - 3.5f * float(k), 2.5f + 0.4f * float(k)), C(0xA8E8B0), 0.8f);
    sym::Skull(L, 16, 22, 9, C(0xC8F0C8));
    Image img(30, 30, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

// The off-hand shields, drawn over the figure facing right, where the left arm holds them.
Image ShieldPicture(int kind) {
    Layer L(30, 30);
    DrawShield(L, kind, 11.5f, 16, 14);
    Image img(30, 30, kKeyColour);
    Stamp(L, img, 0, 0);
    return img;
}

void PutHero(std::vector<Image>& pics) {
    // right-facing pictures; the left one before each is its mirror
    auto pair = [&](int left, const Image& right) {
        pics[size_t(left)] = Mirrored(right);
        pics[size_t(left + 1)] = right;
    };
    for (int female = 0; female < 2; ++female) {
        const int b = female ? 864 : 912;
        const bool f = female == 1;
        pair(b, HeroPicture(f, kPoseStand, kWeaponNone));
        const struct {
            int offset;
            int weapon;
        } attacks[] = {{20, kWeaponDagger}, {2, kWeaponSword}, {12, kWeaponAxe}, {16, kWeaponMace}, {28, kWeaponFlail},
                       {14, kWeaponBigAxe}, {18, kWeaponHammer}, {22, kWeaponBigSword}, {40, kWeaponNone}};
        for (const auto& a : attacks) pair(b + a.offset, HeroPicture(f, kPoseStrike, a.weapon));
        // staff and polearm: one figure, its weapon reaching to the square's edge
        {
            const Image fig = HeroPicture(f, kPoseStrike, kWeaponStaff);
            pics[size_t(b + 25)] = Mirrored(fig);
            pics[size_t(b + 26)] = fig;
            Layer reach(30, 30);
            DrawPolearmReach(reach, 0, 0, 30, 30);
            Image head(30, 30, kKeyColour);
            Stamp(reach, head, 0, 0);
            pics[size_t(b + 27)] = head;
            pics[size_t(b + 24)] = Mirrored(head);
        }
        pair(b + 6, HeroPicture(f, kPoseCast, kWeaponNone));
        pair(b + 8, HeroPicture(f, kPoseAim, kWeaponBow));
        pair(b + 10, HeroPicture(f, kPoseShoot, kWeaponBow));
        pair(b + 30, HeroPicture(f, kPoseHidden, kWeaponNone));
        pair(b + 32, Dithered(HeroPicture(f, kPoseStand, kWeaponNone)));
        pair(b + 36, HeroPicture(f, kPoseDanger, kWeaponNone));
        pair(b + 38, HeroPicture(f, kPoseStripped, kWeaponNone));
        pair(b + 4, HeroPicture(f, kPoseStand, kWeaponSword));  // unused by the game: the hero at rest, armed
    }
    pair(946, HeroPicture(false, kPoseShrunk, kWeaponNone));
    pair(898, HeroPicture(true, kPoseShrunk, kWeaponNone));
    pair(954, HeroPicture(false, kPoseRadiant, kWeaponNone));
    pair(956, HeroPicture(false, kPoseRadiant, kWeaponNone, true));
    pair(906, HeroPicture(true, kPoseRadiant, kWeaponNone));
    pair(908, HeroPicture(true, kPoseRadiant, kWeaponNone, true));
    pair(958, HeroPicture(false, kPoseStand, kWeaponBow));
    pair(910, UndeadOverlay());
    for (int s = 0; s < 12; ++s) {
        const Image shield = ShieldPicture(s);
        pics[size_t(960 + 2 * s)] = shield;
        pics[size_t(961 + 2 * s)] = Mirrored(shield);
        pics[size_t(984 + 2 * s)] = Dithered(shield);
        pics[size_t(985 + 2 * s)] = Dithered(Mirrored(shield));
    }
}

// ---------------------------------------------------------------- the people of the towns

std::vector<Look> Townsfolk() {
    // trades in the order of the pairs; each repeats with other colours and the other sex
    return {
        Make(kPlanBiped, 0xE0B08A, 0x8A6A3A, 0x5A3A1E, kHeadHuman, kWeaponNone, kBeard),              // shopkeeper
        Make(kPlanBiped, 0xE0B08A, 0xE8E0D0, 0x7A4A2A, kHeadHuman, kWeaponNone, 0, 1.2f),            // innkeeper
        Make(kPlanBiped, 0xE0B08A, 0x2A2A32, 0x3A3A3A, kHeadHuman, kWeaponNone, kHat),               // banker
        Make(kPlanBiped, 0xE0B08A, 0xE8E4D8, 0xD8B040, kHeadHuman, kWeaponStaff, kRobe),             // priest
        Make(kPlanBiped, 0xD0A078, 0xA0A4B0, 0x4A3020, kHeadHuman, kWeaponSword, kArmour | kBeard),  // trainer
        Make(kPlanBiped, 0xE0B08A, 0x4A2A6A, 0x9AE0FF, kHeadHood, kWeaponWand, kRobe | kGlow),       // seer
        Make(kPlanBiped, 0xE0B08A, 0x8A1A1A, 0x1A1A1A, kHeadHuman, kWeaponNone, kHat),               // croupier
        Make(kPlanBiped, 0xD8A47C, 0xB8905A, 0x5A3A1E, kHeadHuman, kWeaponWhip, kHat | kBeard),       // coachman
        Make(kPlanBiped, 0xE0B08A, 0x5A5A6A, 0xB04020, kHeadHelm, kWeaponSpear, kShield),            // guard
        Make(kPlanBiped, 0xD0A078, 0x7A8A4A, 0xC8A050, kHeadHuman, kWeaponSpear, kHat),              // farmer
        Make(kPlanBiped, 0xE8C0A0, 0x6A2A8A, 0xD8B040, kHeadHuman, kWeaponNone, kCape | kLongHair),  // noble
        Make(kPlanBiped, 0xE0B08A, 0xB02A2A, 0xD8B040, kHeadHuman, kWeaponStaff, kCrown | kCape | kBeard),  // king
        Make(kPlanBiped, 0xE0B08A, 0x3A6A9A, 0xE8E0D0, kHeadHuman, kWeaponNone, kHat),               // sailor
        Make(kPlanBiped, 0xE0B08A, 0x7A5A3A, 0x5A3A1E, kHeadHood, kWeaponNone, kRobe),               // monk
        Make(kPlanBiped, 0xE0B08A, 0x2A3A8A, 0xE0E0E0, kHeadHuman, kWeaponStaff, kHat | kRobe | kBeard),  // wizard
        Make(kPlanBiped, 0xC8906A, 0x4A3A30, 0x2A2A2A, kHeadHuman, kWeaponHammer, kBeard, 1.25f),    // smith
        Make(kPlanBiped, 0xE0B08A, 0x6A9A4A, 0xC08040, kHeadHuman, kWeaponNone, 0, 0.9f, 0.68f),     // child
        Make(kPlanBiped, 0xD8B090, 0x6A6A5A, 0xE0E0E0, kHeadHuman, kWeaponStaff, kBeard | kRobe),    // elder
        Make(kPlanBiped, 0xE0B08A, 0xC06A8A, 0x8A4A20, kHeadHuman, kWeaponNone, kLongHair | kRobe),  // townswoman
        Make(kPlanBiped, 0xE0B08A, 0x3A7A3A, 0xC08030, kHeadHuman, kWeaponBow, kHat | kCape),        // hunter
        Make(kPlanBiped, 0xE0B08A, 0xD08A30, 0x6A3A1A, kHeadHuman, kWeaponWand, kLongHair),          // bard
        Make(kPlanBiped, 0xD8A880, 0x8A8A6A, 0x6A6A5A, kHeadHood, kWeaponNone, kRags),               // beggar
        Make(kPlanBiped, 0xE0B08A, 0x6A4AA0, 0x70E070, kHeadHuman, kWeaponWand, kRobe),              // alchemist
        Make(kPlanBiped, 0xE0B08A, 0xA0A4B0, 0x2A4A9A, kHeadHelm, kWeaponSword, kShield | kArmour | kCape),  // knight
        Make(kPlanBiped, 0xE8D0B0, 0x3A8A5A, 0xE8E0A0, kHeadHuman, kWeaponBow, kLongHair),           // elf
        Make(kPlanBiped, 0xD8A880, 0x6A4A2A, 0xA04A20, kHeadHuman, kWeaponAxe, kBeard, 1.2f, 0.75f), // dwarf
        Make(kPlanBiped, 0x6A4A30, 0xE0D0A0, 0x1A1A1A, kHeadHuman, kWeaponNone, kRobe),              // merchant of the south
        Make(kPlanBiped, 0xE0B08A, 0x2A2A2A, 0x8A1A1A, kHeadHood, kWeaponDagger, kCape),             // thief
    };
}

void PutTownsfolk(std::vector<Image>& pics) {
    const std::vector<Look> trades = Townsfolk();
    for (int pair = 0; pair < 168; ++pair) {
        const int trade = pair % int(trades.size()), round = pair / int(trades.size());
        Look k = trades[size_t(trade)];
        if (round > 0) {
            k.cloth = Mix(k.cloth, Hsv(float(round * 61 + trade * 23), 0.5f, 0.6f), 0.5f);
            k.skin = Mix(k.skin, C(round % 3 == 2 ? 0x8A5A3A : 0xE8C8A8), 0.4f);
            k.detail = round % 2 ? C(0x3A2A1A) : Mix(k.detail, C(0xB08040), 0.4f);
        }
        if (round % 2 == 1 && !(k.extras & kBeard) && k.head != kHeadHelm) {  // the women of the trade
            static const uint32_t kHair[4] = {0x3A2414, 0xA8502A, 0xD8B060, 0x1A1A1A};
            k.extras |= kLongHair;
            if (k.head == kHeadHuman && !(k.extras & kGlow)) k.detail = C(kHair[(pair / 2) % 4]);
        }
        const Image fig = Figure(k, 30, 30, false);
        pics[size_t(1364 + 2 * pair)] = Mirrored(fig);
        pics[size_t(1365 + 2 * pair)] = fig;
    }
}

// ---------------------------------------------------------------- the module's default monsters

// The first sets are the default campaign's own: a knight in black armour who stands on one
// square however tall he looks, and a giant spider pale enough to see on a crypt's dark floor.
void PutCustomMonsters(std::vector<Image>& pics) {
    const std::vector<Species> species = SingleSpecies();
    PutSet(pics, 1700, Make(kPlanBiped, 0x3A3E4A, 0x6A1A1A, 0x70D8FF, kHeadHelm, kWeaponBigSword, kArmour | kCape | kGlow, 1.25f),
           30, 30);
    for (int s = 1; s < 12; ++s) PutSet(pics, 1700 + 4 * s, Varied(species[size_t(s * 7 % species.size())].look, 1), 30, 30);
    const std::vector<Look> wide = WideSets(), tall = TallSets(), huge = HugeSets();
    PutSet(pics, 1748, Make(kPlanSpider, 0xC8A070, 0x8A5A30, 0xFF3020, 0, 0, kSpots, 1.2f), 61, 30);
    for (int s = 0; s < 4; ++s) {
        if (s > 0) PutSet(pics, 1748 + 4 * s, Varied(wide[size_t(s * 5 + 1)], 2), 61, 30);
        PutSet(pics, 1764 + 4 * s, Varied(tall[size_t(s * 5 + 2)], 2), 30, 61);
        PutSet(pics, 1780 + 4 * s, Varied(huge[size_t(s * 7 + 2)], 2), 61, 61);
    }
}

}  // namespace

std::vector<Image> BuildMonsterPictures() {
    std::vector<Image> pics(1796);
    // one-square sets
    const std::vector<Species> species = SingleSpecies();
    size_t next = 0;
    int used = 0;
    for (int set = 0; set < 216; ++set) {
        if (set == 36 || set == 72 || set == 93 || set == 100 || set == 144) {
            PutSet(pics, 4 * set, FixedSet(set), 30, 30);
            continue;
        }
        if (used >= species[next].count) {
            next = (next + 1) % species.size();
            used = 0;
        }
        PutSet(pics, 4 * set, Varied(species[next].look, used), 30, 30);
        ++used;
    }
    PutHero(pics);
    const std::vector<Look> wide = WideSets(), tall = TallSets(), huge = HugeSets();
    for (int s = 0; s < 33; ++s) PutSet(pics, 1008 + 4 * s, wide[size_t(s) % wide.size()], 61, 30);
    for (int s = 0; s < 24; ++s) PutSet(pics, 1140 + 4 * s, tall[size_t(s) % tall.size()], 30, 61);
    for (int s = 0; s < 30; ++s) {
        PutSet(pics, 1236 + 4 * s, huge[size_t(s) % huge.size()], 61, 61);
        if (s >= 6 && s <= 10)
            for (int k = 0; k < 4; ++k) OrbInClaws(pics[size_t(1236 + 4 * s + k)], huge[size_t(s)].detail);
    }
    // the two greatest: a dragon and a kraken over three squares each way
    PutSet(pics, 1356, Make(kPlanDragon, 0x8A1A14, 0xE8C080, 0xFF9020), 92, 92);
    PutSet(pics, 1360, Make(kPlanOctopus, 0x3A5A6A, 0, 0xF0E040), 92, 92);
    PutTownsfolk(pics);
    PutCustomMonsters(pics);
    for (Image& img : pics) KeepOffKey(img);
    return pics;
}

Image BuildMonsterSheet(const std::vector<Image>& pics) {
    return GridSheet(745, 3039, pics, {
        {0, 42, 24, 31, 31, 1, 1},      {1008, 11, 12, 62, 31, 1, 1303}, {1140, 4, 24, 31, 62, 1, 1644},
        {1236, 10, 12, 62, 62, 1, 1892}, {1356, 1, 8, 93, 0, 1, 2512},   {1364, 14, 24, 31, 31, 1, 2605},
    });
}

}  // namespace art
