#include "hero/item_value.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>

#include "hero/item_instances.h"
#include "hero/item_types.h"

namespace {

// Wide enough that no product of 16-bit inputs overflows before the cap.
using Gold = int64_t;

bool OneOf(int16_t item, std::initializer_list<int16_t> items) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

bool InRange(int16_t item, int16_t first, int16_t last) { return item >= first && item <= last; }

// Fixed prices by item number, whatever the type (taken before the wands).
Gold FixedPriceByNumber(int16_t item, Gold value) {
    switch (item) {
        case 234: return 3;
        case 235: return 300;
        case 236: return 950;
        case 248: return 125;
        case 335: return 8;
        case 86: return 1;
        case 108: return 35;
        case 109: return 20;
        case 110: return 70;
        case 111: return 25;
        case 653: return 125;
        case 120: return 70;
        default: return value;
    }
}

Gold WeaponValue(int16_t item, Gold p, Gold y) {
    const ItemRecord* r = ItemRecordOf(item);
    if (!r) return 0;
    const Gold d = Gold{r->ItemDamage[0]} * r->ItemDamage[1] + r->ItemDamage[2] + p;
    const Gold e = Gold{r->ItemElementDamage[0]} * r->ItemElementDamage[1] + r->ItemElementDamage[2] + d;
    Gold value = e * 10;
    if (r->ItemSlayType > 0) value += 1500;
    if (y > 0) value += y * 2000;
    if (r->ItemGhostTouch) value *= 5;
    return value;
}

// Prices that hold whatever the type and the curse.
Gold FinalPriceByNumber(int16_t item, Gold p, Gold y, Gold value) {
    if (OneOf(item, {182, 183, 184, 187, 688, 689})) return 0;
    if (OneOf(item, {54, 55, 189, 190, 191})) return 350;
    if (InRange(item, 143, 145)) return 250;
    switch (item) {
        case 186: return 10;
        case 188: return 250;
        case 422: return 1500;
        case 357: return 15500;
        case 232: return y;
        case 114: return 2;
        case 115: return 10;
        case 116: return 60;
        case 476: return 45;
        case 487: return 260;
        case 488: return 140;
        case 489: return 5;
        case 237: return 2500;
        case 228: return p * 10;
        case 229: return p * 800;
        case 156: return 500;
        case 690: return 2500;
        case 56: return p == 0 ? 14 : value;
        case 60: return p == 0 ? 12 : value;
        default: return value;
    }
}

}  // namespace

int32_t ItemValue(int16_t type, int16_t item, int16_t x, int16_t y, uint32_t curseKnown) {
    // A curse the hero has not found does not lower the price.
    const Gold p = curseKnown ? x : std::abs(Gold{x});
    const Gold yy = y;
    Gold v = 0;
    if (OneOf(type, {kKeyringItem, kQuestItem, kPortalKey, kGemstoneBag})) v = -1;

    switch (type) {
        case kPotion:
            if (InRange(item, 1, 8)) v = std::array<Gold, 8>{30, 90, 150, 40, 100, 200, 250, 300}[item - 1];
            if (item == 195) v = 25;
            if (item == 201) v = 300;
            break;
        case kMagicDust:
            if (item == 9) v = 400;
            if (item == 10) v = 100;
            break;
        case kRingType:
            if (InRange(item, 11, 14)) v = p * 200;
            if (item == 15 || item == 16) v = p * 50;
            if (InRange(item, 17, 19)) v = 600;
            if (item == 93) v = p * 100;
            break;
        case kChemical: v = 20; break;
        case kGemstone:
            if (item == 20 || item == 21) v = 100;
            if (item == 22 || item == 23) v = 120;
            if (item == 24 || item == 25) v = 75;
            if (item == 26 || item == 27) v = 150;
            if (item == 28) v = 50;
            if (p > 0) v *= 3;
            break;
        case kGoldType: v = 750; break;
        case kAmuletType:
            if (InRange(item, 30, 35)) v = p * 1000;
            if (item == 36) v = p * 150;
            if (item == 37) v = p * 50;
            break;
        case kBeltType:
            if (InRange(item, 38, 48)) v = p * 1600;
            if (item > 48) v = p * 5000;
            break;
        case kArmourType:
        case kShieldType:
        case kHelmetType:
        case kBootsType:
        case kGlovesType: {
            const ItemRecord* r = ItemRecordOf(item);
            v = p * 100 + (r ? r->ItemArmourBonus : 0) * 100;
            break;
        }
        default: break;
    }
    if (InRange(item, 649, 652)) v += yy * 200;
    switch (type) {
        case kRobes:
            if (item == 440) v = p * 3200;
            if (item == 441) v = 65;
            break;
        case kPills:
            if (item == 64) v = 2500;
            if (item == 65) v = 1000;
            break;
        case kScroll:
            if (item == 50) v = 600;
            if (item == 51) v = 300;
            if (item == 66 || item == 70) v = 350;
            if (item == 67) v = 275;
            if (item == 68) v = 800;
            if (item == 69) v = 200;
            if (item == 71) v = 250;
            if (item == 175) v = 1500;
            break;
        case kMagicTome:
            if (item == 72) v = 250;
            if (item == 73) v = 150;
            if (item == 74) v = 2000;
            if (item == 75) v = 450;
            break;
        case kJunk: v = 0; break;
        case kGlasses:
            if (item == 89) v = p * 1500;
            break;
        case kMask:
            if (item == 147) v = p * 5000;
            break;
        case kMedicalKit: v = 1500; break;
        case kRope: v = 6; break;
        case kArrows:
        case kBolts:
            if (item == 251 || item == 256) v = yy * p;
            if (InRange(item, 252, 255) || InRange(item, 257, 260)) v = yy * 10 * p;
            break;
        default: break;
    }
    v = FixedPriceByNumber(item, v);
    if (type == kWand) {
        if (OneOf(item, {261, 263, 266, 267})) v = yy * p * 20;
        if (item == 262 || item == 264) v = yy * p * 40;
        if (item == 265) v = yy * p * 10;
        if (item == 268) v = yy * 750;
        if (item == 269) v = yy * 10;
        if (item == 270) v = yy * 50;
        if (item == 297) v = yy * 1000;
    }
    if (type == kTradeGoods) {
        switch (item) {
            case 416: v = 125; break;
            case 417: v = 625; break;
            case 418: v = 45; break;
            case 419: v = 120; break;
            case 420: v = 450; break;
            case 422: v = 350; break;
            case 423: v = 225; break;
            case 424: v = 75; break;
            case 425: v = 55; break;
            default: break;
        }
    }
    if (item == 421) v = 800;
    if (IsWeaponType(type)) v = WeaponValue(item, p, yy);
    switch (type) {
        case kHolySymbol: v = 250; break;
        case kRitualKnife: v = 200; break;
        case kNemesisStone: v = 2000; break;
        case kLuckyCharm: v = 25; break;
        case kLoadstone: v = 5; break;
        case kBook: v = 20; break;
        case kFood:
            if (OneOf(item, {176, 203, 205})) v = 1;
            if (item == 204) v = 2;
            break;
        case kMagicalFigurine: v = 20000; break;
        default: break;
    }
    if (curseKnown) v = 0;
    v = FinalPriceByNumber(item, p, yy, v);
    return static_cast<int32_t>(std::clamp(v, Gold{1}, Gold{kHighestPrice}));
}

int32_t ItemSellPrice(int32_t price, int16_t type) {
    const int32_t per = GameState.Stats[6];
    const int32_t share = (type == kGoldType || type == kTradeGoods) ? per + 89 : per + 9;
    const int32_t paid = static_cast<int32_t>(int64_t{price} * share / 100);
    return std::clamp(paid, int32_t{0}, std::max(price, int32_t{0}));
}
