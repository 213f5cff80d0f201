#include "hero/item_names.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "data/text_field.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"

namespace {

constexpr std::array<std::string_view, 19> kMonsterTypeNames = {
    "None",     "Aberration", "Animal",   "Aquatic",           "Construct",       "Demon",   "Dragon",
    "Elemental", "Fantastical", "Giant",  "Humanoid",          "Insect",          "Lycanthrope", "Plant",
    "Robot",    "Slime",      "Cadaverous Undead", "Ethereal Undead", "Vampire",
};

bool ShowsPercent(int16_t item) { return item == 15 || item == 16; }

std::string Suffix(int16_t item, int16_t type, int32_t x, int32_t y, uint32_t curseKnown) {
    if (x < 0) {
        // A found curse shows by the name alone; a hidden one looks like a bonus.
        if (curseKnown) return {};
        return " + " + std::to_string(std::abs(x)) + (ShowsPercent(item) ? "%" : "");
    }
    if ((item >= 139 && item <= 141) || item == 688 || item == 689) return {};
    if (IsWeaponType(type)) {
        if (x > 0 || y > 0) return " +" + std::to_string(y) + "/+" + std::to_string(x);
        return {};
    }
    if (type == kWand) return " (" + std::to_string(y) + ")";
    if (x > 0 && !(item >= kFirstGem && item <= kLastGem))
        return " +" + std::to_string(x) + (ShowsPercent(item) || item == 36 ? "%" : "");
    return {};
}

}  // namespace

void ItemDisplayName(int16_t item, int16_t x, int16_t y, uint32_t curseKnown, std::span<char> name) {
    if (name.empty()) return;
    std::string shown;
    if (const ItemRecord* r = ItemRecordOf(item)) {
        if (x > 0 && r->ItemType == kGemstone) shown = "Flawless ";
        shown += FieldText(r->ItemName);
        shown += Suffix(item, r->ItemType, x, y, curseKnown);
    }
    const size_t n = std::min(shown.size(), name.size() - 1);
    shown.copy(name.data(), n);
    name[n] = '\0';
}

std::string_view MonsterTypeName(int32_t type) {
    return type >= 0 && type < int32_t(kMonsterTypeNames.size()) ? kMonsterTypeNames[type] : std::string_view{};
}
