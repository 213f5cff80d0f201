#include "hero/item_info.h"

#include <cstdlib>
#include <string_view>

#include "hero/item_instances.h"
#include "hero/item_names.h"
#include "hero/item_types.h"
#include "hero/item_value.h"
#include "platform/fonts.h"
#include "platform/number_entry.h"
#include "platform/widgets.h"
#include "platform/display.h"
#include "platform/source_rects.h"

namespace {

using std::to_string;

std::string_view MiscTypeLine(int16_t item) {
    switch (item) {
        case 422: return "Type: Computer";
        case 188: return "Type: Spray Can";
        case 182:
        case 183:
        case 184: return "Type: Alien Parasite!";
        case 142:
        case 229:
        case 237: return "Type: Misc";
        case 120: return "Type: Healing Herb";
        case 139:
        case 140:
        case 141: return "Type: Device";
        case 196: return "Type: Mushroom";
        case 228: return "Type: Pills";
        default: return {};
    }
}

std::string_view FoodTypeLine(int16_t item) {
    switch (item) {
        case 176:
        case 186: return "Type: Magical Food";
        case 232: return "Type: Standard Food";
        case 185:
        case 203:
        case 204:
        case 205: return "Type: Herb";
        default: return {};
    }
}

// The type line; empty for the types that have none.
std::string_view TypeLine(int16_t type, int16_t item) {
    static constexpr std::array<std::string_view, 53> kTypeLines = {
        "Type: One handed weapon", "Type: Two handed weapon", "Type: One handed weapon", "Type: Armour",
        "Type: Shield",            "Type: Helmet",            "Type: Amulet",            "Type: Boots",
        "Type: Gloves",            "Type: Belt",              "Type: Ring",              "Type: Keyring",
        "Type: Gemstone",          "Type: Gold",              "Type: Potion",            "Type: Magic Dust",
        "Type: Scroll",            "Type: Magic Tome",        "Type: Wand",              "Type: Bow",
        "Type: Crossbow",          "Type: Arrows",            "Type: Bolts",             "Type: Bedroll",
        "Type: Tool",              "Type: Thieves Tools",     "Type: Key",               "Type: Quest item",
        "Type: Trade goods",       "",                        "",                        "Type: Spirit Bones",
        "Type: Portal Key",        "Type: Pills",             "Type: Junk",              "Type: Tool",
        "Type: Glasses",           "Type: Robes",             "Type: Medical Kit",       "",
        "",                        "Type: Nemesis Stone",     "Type: Lucky Charm",       "Type: Loadstone",
        "Type: Book",              "Type: Mask",              "Type: Magical Figurine",  "",
        "Type: Laser Weapon",      "",                        "Type: Effigy",            "Type: Musical Instrament",
        "Type: Gemstone Bag",
    };
    if (item == 198 || item == 199) return "Type: ???";
    if (type == kArmourType && item >= 435 && item <= 439) return "Type: Heavy Armour";
    if (type == kFood) return FoodTypeLine(item);
    if (type == kMiscType) return MiscTypeLine(item);
    return type >= 0 && type < int16_t(kTypeLines.size()) ? kTypeLines[type] : std::string_view{};
}

std::string_view SingleItemLine(int16_t item) {
    switch (item) {
        case 655: return "Special: +5 to all resists!";
        case 314: return "Special: +25% to both saves!";
        case 433: return "Special: +50 hit points!";
        case 112: return "Special: +1 dexterity!";
        case 113: return "Special: +1 agility!";
        default: return {};
    }
}

void DrawLines(int16_t x, const ItemText& t) {
    for (int i = 0; i < t.count; ++i)
        if (!t.lines[i].text.empty()) DrawSmallText(x, t.lines[i].y, t.lines[i].text, t.lines[i].colour);
}

}  // namespace

int WriteItemNotes(int16_t type, int16_t item, int16_t x, int16_t y, int16_t X, int16_t Y) {
    ItemText t;
    const int count = ItemNoteLines(type, item, y, X, Y, t);
    DrawLines(x, t);
    return count;
}

void ShowItemInfo(int16_t x, int16_t y, int16_t item, int16_t X, int16_t Y, uint32_t curseKnown,
                  int16_t drawBackground, int16_t showSell, int16_t showPrice, int16_t percent,
                  int16_t rechargeMode) {
    if (drawBackground) {
        // The scroll is widened to 217 pixels by its own rolled ends.
        BltFast(BackSurface, x, y, MediumScroll, MediumScrollRect, kBltKeyed);
        BltFast(BackSurface, x - 20, y, MediumScroll, MediumScrollLeftRect, kBltKeyed);
        BltFast(BackSurface, x + 160, y, MediumScroll, MediumScrollRightRect, kBltKeyed);
    }
    ItemText t;
    ItemInfoLines(y, item, X, Y, curseKnown, showSell, showPrice, percent, rechargeMode, t);
    DrawLines(static_cast<int16_t>(x + kItemInfoTextInset), t);
}

void ItemInfoLines(int16_t y, int16_t item, int16_t X, int16_t Y, uint32_t curseKnown, int16_t showSell,
                   int16_t showPrice, int16_t percent, int16_t rechargeMode, ItemText& out) {
    const ItemRecord* r = ItemRecordOf(item);
    const int16_t type = ItemTypeOf(item);
    const bool hidden = curseKnown == 0;
    const int32_t absX = std::abs(int32_t{X});
    int32_t line = y;
    auto next = [&](int32_t step, int16_t colour, std::string text) {
        line += step;
        out.Add(static_cast<int16_t>(line), colour, std::move(text));
    };

    char name[kItemNameSize];
    ItemDisplayName(item, X, Y, curseKnown, name);
    next(30, kHighlightText, name);
    next(24, kPlainText, std::string(TypeLine(type, item)));
    if (type == kSmallWeapon) next(15, kPlainText, "(Light weapon)");
    if (type == kQuestItem && item == 536) next(24, kHighlightText, "There's writing on it!");

    if (type >= kOneHandedWeapon && type <= kSmallWeapon && r && r->ItemGhostTouch) {
        next(15, kHighlightText, "Ghost touch weapon!");
        if (X == 0 && Y == 0) next(15, kPlainText, {});
    }
    if (IsWeaponType(type)) {
        bool wrote = false;
        if (Y > 0) {
            next(15, kHighlightText, "Special: +" + to_string(Y) + " Combat Skill");
            wrote = true;
        }
        if (X != 0 && hidden) {
            next(15, kHighlightText, "Special: +" + to_string(absX) + " Damage");
            wrote = true;
        }
        if (wrote) next(15, kPlainText, {});
    }
    if (type == kArrows || type == kBolts) {
        if (X >= 1) {
            next(15, kHighlightText, "Special: +" + to_string(X) + " Damage");
            next(15, kPlainText, {});
        } else if (Y >= 1) {
            next(15, kPlainText, {});
        }
    }
    if (IsArmourPieceType(type) && X != 0 && hidden) {
        next(15, kHighlightText, "Special: +" + to_string(absX) + " Armour");
        next(15, kPlainText, {});
    }
    if (const std::string_view single = SingleItemLine(item); !single.empty()) {
        next(15, kHighlightText, std::string(single));
        next(15, kPlainText, {});
    }

    line += 15;
    if (hidden) {
        line += 15 * ItemNoteLines(type, item, static_cast<int16_t>(line), X, Y, out);
    } else {
        out.Add(static_cast<int16_t>(line), kWarningText, "This item is cursed!");
        next(15, kWarningText, type == kLoadstone ? "(You cannot drop it)" : "(You cannot unequip it)");
    }

    if (item >= 649 && item <= 652) {
        static constexpr std::array<std::string_view, 4> kResists = {"Acid Resist bonus + ", "Cold Resist bonus + ",
                                                                      "Elect Resist bonus + ", "Fire Resist bonus + "};
        next(15, kHighlightText, std::string(kResists[item - 649]) + to_string(Y));
    }
    if (r && r->ItemReqStrength > 0) {
        const int16_t colour = GameState.Stats[1] < r->ItemReqStrength ? kWarningText : kHighlightText;
        next(15, colour, "Req strength: " + to_string(r->ItemReqStrength));
    }
    if (!showPrice) return;
    const int32_t value = ItemValue(type, item, X, Y, curseKnown);
    const int32_t price = percent == -1 ? value : percent * value / 100;
    if (price == -1) {
        next(30, kHighlightText, "Not for sale!");
    } else if (!rechargeMode) {
        if (type == kQuestItem) {
            next(30, kPlainText, "Item not for sale!");
        } else {
            next(30, kPlainText, "Buy: " + to_string(price) + " Gp");
            if (showSell) next(15, kPlainText, "Sell: " + to_string(ItemSellPrice(price, type)) + " Gp");
        }
    } else {
        next(30, kPlainText, "Recharge: " + to_string(ItemValue(type, item, X, 1, curseKnown)) + " Gp");
    }
}
