// The item types of the item table's ItemType field.
#pragma once

#include <cstdint>

enum ItemTypeCode : int16_t {
    kOneHandedWeapon = 0,
    kTwoHandedWeapon = 1,
    kSmallWeapon = 2,
    kArmourType = 3,
    kShieldType = 4,
    kHelmetType = 5,
    kAmuletType = 6,
    kBootsType = 7,
    kGlovesType = 8,
    kBeltType = 9,
    kRingType = 10,
    kKeyringItem = 11,
    kGemstone = 12,
    kGoldType = 13,
    kPotion = 14,
    kMagicDust = 15,
    kScroll = 16,
    kMagicTome = 17,
    kWand = 18,
    kBow = 19,
    kCrossbow = 20,
    kArrows = 21,
    kBolts = 22,
    kBedroll = 23,
    kRope = 24,
    kThievesTools = 25,
    kKey = 26,
    kQuestItem = 27,
    kTradeGoods = 28,
    kCoins = 29,
    kFood = 30,
    kSpiritBones = 31,
    kPortalKey = 32,
    kPills = 33,
    kJunk = 34,
    kTool = 35,
    kGlasses = 36,
    kRobes = 37,
    kMedicalKit = 38,
    kHolySymbol = 39,
    kRitualKnife = 40,
    kNemesisStone = 41,
    kLuckyCharm = 42,
    kLoadstone = 43,
    kBook = 44,
    kMask = 45,
    kMagicalFigurine = 46,
    kMiscType = 47,
    kLaserWeapon = 48,
    kChemical = 49,
    kEffigy = 50,
    kInstrument = 51,
    kGemstoneBag = 52,
};

// Melee weapons, bows and crossbows: the types with damage dice, power and combat bonus.
constexpr bool IsWeaponType(int16_t type) {
    return type == kOneHandedWeapon || type == kTwoHandedWeapon || type == kSmallWeapon || type == kBow ||
           type == kCrossbow;
}

// The pieces worn for damage reduction: armour, shield, helmet, boots, gloves and robes.
constexpr bool IsArmourPieceType(int16_t type) {
    return type == kArmourType || type == kShieldType || type == kHelmetType || type == kBootsType ||
           type == kGlovesType || type == kRobes;
}

// Special item numbers the rules name.
constexpr int16_t kGoldItem = 231;
constexpr int16_t kFoodItem = 232;
constexpr int16_t kFirstGem = 20, kLastGem = 28;
constexpr int16_t kFirstNemesisStone = 98, kLastNemesisStone = 103;
constexpr int16_t kKnockItem = 68;
constexpr int16_t kRopeItem = 94;
constexpr int16_t kThievesToolsItem = 248;
