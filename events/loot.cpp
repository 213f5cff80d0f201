#include "events/loot.h"

#include <algorithm>
#include <array>
#include <string>

#include "data/game_state.h"
#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "events/keyring.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/item_instances.h"
#include "hero/item_names.h"
#include "hero/item_types.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kFoodButNotRations = 176;

struct LootSlot {
    int16_t flag, item, power;
    int32_t amount;  // gold raised by the aura may pass 16 bits
};

// A slot counts while it names a flag and an item of the table and its flag is not 1.
bool SlotOpen(const LootSlot& s, int16_t minItem) {
    return IsFlagNumber(s.flag) && s.item >= minItem && IsItemNumber(s.item) && GameFlag(s.flag) != 1;
}

std::string SlotLabel(const LootSlot& s) {
    const int16_t type = ItemTypeOf(s.item);
    const std::string name(FieldText(ItemTable[size_t(s.item)].ItemName));
    if (s.item == kFoodButNotRations && type == kFood) return name;
    if (type == kFood || type == kCoins) return name + " (" + std::to_string(s.amount) + ")";
    std::array<char, kItemNameSize> shown{};
    ItemDisplayName(s.item, s.power, int16_t(s.amount), 0, shown);
    return std::string(shown.data());  // written zero-terminated
}

void DrawLootScreen(const std::array<LootSlot, 6>& slots, int16_t minItem) {
    DrawEventBackground();
    DrawSmallText(465, 120, "Investigating...", kSmallBlack);
    BltFast(BackSurface, 120, 100, MediumScroll, MediumScrollRect, kBltKeyed);
    BltFast(BackSurface, 100, 100, MediumScroll, MediumScrollLeftRect, kBltKeyed);
    BltFast(BackSurface, 270, 100, MediumScroll, MediumScrollRightRect, kBltKeyed);
    for (int16_t i = 0; i < 6; ++i) {
        DrawSmallText(113, int16_t(145 + 25 * i), NumberText(i + 1), kSmallBlack);
        DrawButton(125, int16_t(140 + 25 * i), 8,
                   SlotOpen(slots[size_t(i)], minItem) ? SlotLabel(slots[size_t(i)]) : "");
    }
    DrawButton(225, 300, 3, "Done");
    Flip();
}

// Hands the slot's thing over; 1 when the slot is now taken.
int TakeLootSlot(const LootSlot& s) {
    switch (ItemTypeOf(s.item)) {
        case kFood:
            if (s.item == kFoodButNotRations) break;
            if (GameState.HeroFood >= 10) {
                PlaySoundEffect("No");
                return 0;
            }
            GameState.HeroFood = int16_t(std::min<int32_t>(GameState.HeroFood + s.amount, 10));
            PlaySoundEffect("Click");
            return 1;
        case kCoins:
            GameState.HeroGold += s.amount;
            PlaySoundEffect("Buy");
            Delay(150);
            return 1;
        case kKey:
            // A full keyring takes nothing: the slot keeps the key.
            if (!AddKeyToKeyring(s.item)) {
                PlaySoundEffect("No");
                return 0;
            }
            PlaySoundEffect("Click");
            Delay(150);
            return 1;
        default: break;
    }
    if (!GiveItem(s.item, s.power, int16_t(s.amount), 0)) {
        PlaySoundEffect("No");
        return 0;
    }
    PlaySoundEffect("Click");
    return 1;
}

void RunLootSlots(std::array<LootSlot, 6>& slots, int16_t minItem) {
    Screen screen("loot");
    if (GameState.ActiveAura == kLootingAura) {
        const int32_t auras = GameState.Skills[kAuras], percent = SkillBonus.AuraValues[kLootingAura];
        for (LootSlot& s : slots)
            if (SlotOpen(s, minItem) && ItemTypeOf(s.item) == kCoins) s.amount += s.amount * auras * percent / 100;
    }
    auto draw = [&] { DrawLootScreen(slots, minItem); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t i = 0; i < 6; ++i) {
            LootSlot& s = slots[size_t(i)];
            if (!ButtonClicked(125, int16_t(140 + 25 * i), 16, int16_t('1' + i), 0, 1, 0)) continue;
            if (SlotOpen(s, minItem) && TakeLootSlot(s)) SetGameFlag(s.flag, 1);
            draw();
        }
        if (ButtonClicked(225, 300, 6, 'D', kEsc, 1, 1)) return;
    }
}

}  // namespace

void RunLootScreen(int16_t, int16_t, const int16_t flags[6], const int16_t items[6], const int16_t powers[6],
                   const int16_t amounts[6]) {
    std::array<LootSlot, 6> slots;
    for (size_t i = 0; i < 6; ++i) slots[i] = {flags[i], items[i], powers[i], amounts[i]};
    RunLootSlots(slots, 1);
}

void RunOneItemLoot(int16_t, int16_t, int16_t flag, int16_t item, int16_t power, int16_t amount) {
    std::array<LootSlot, 6> slots;
    slots.fill({-1, -1, 0, 0});
    slots[0] = {flag, item, power, amount};
    RunLootSlots(slots, 0);
}
