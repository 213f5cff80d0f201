// Codes through which a character rewards the hero, each reporting what it gave.
#include <algorithm>
#include <string>

#include "data/game_state.h"
#include "data/text_field.h"
#include "events/keyring.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/hero_names.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "hero/level_advance.h"
#include "script_codes.h"
#include "symbol_names.h"

namespace {

std::string Num(int32_t n) { return std::to_string(n); }

// The lowest free entry takes the item owed on the run's square; 0 when all 20 are in use.
int OweItem(const ScriptRun& run, int16_t item, int16_t x, int16_t y) {
    for (PendingItem& p : GameState.PendingItems) {
        if (p.Level != -1) continue;
        p = {GameState.CurrentLevelNumber, run.x, run.y, item, x, y};
        return 1;
    }
    return 0;
}

// What a GST kind changes, and the words of its two messages.
struct StatGift {
    // Both null for a save, whose gain is kept beside its base.
    int16_t* base;
    int16_t* current;
    std::string_view name;
    std::string_view bonus, penalty;  // after the name
    std::string_view sign;            // after the number
};

bool StatGiftOf(int16_t kind, StatGift& gift) {
    GameStateRecord& g = GameState;
    if (kind >= 0 && kind < 7) {
        gift = {&g.BaseStats[kind], &g.Stats[kind], StatNames[size_t(kind)], " bonus! >", " penalty! >", " "};
    } else if (kind >= 7 && kind < 11) {
        const int i = kind - 7;
        gift = {&g.BaseResists[i], &g.Resists[i], ElementNames[size_t(i)], " resistance bonus! >",
                " resistance penalty! >", " "};
    } else if (kind >= 11 && kind < 13) {
        const int i = kind - 11;
        gift = {nullptr, nullptr, SaveNames[size_t(i)], " bonus! >", " penalty! >", "% "};
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::string_view ItemRecordName(int16_t item) {
    const ItemRecord* r = ItemRecordOf(item);
    return r ? FieldText(r->ItemName) : std::string_view();
}

int GiveScriptItem(int16_t item, int16_t x, int16_t y) {
    switch (ItemTypeOf(item)) {
        case kKey: return AddKeyToKeyring(item);
        case kCoins: GameState.HeroGold += y; return 1;
        case kFood: GameState.HeroFood = Wrap16(GameState.HeroFood + y); return 1;
        default: return GiveItem(item, x, y, 0);
    }
}

void GiveGoldCode(ScriptRun& run) {
    const int16_t gold = LineOperands(run)[0];
    GameState.HeroGold += gold;
    AppendReport("<You receive " + Num(gold) + " gold pieces!>");
}

void GiveXpCode(ScriptRun& run) {
    const int16_t xp = LineOperands(run)[0];
    AddXp(xp);
    AppendReport("<You receive " + Num(xp) + " experience points!>");
}

void GiveItemCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t item = op[0];
    if (!ItemRecordOf(item)) return;
    if (GiveScriptItem(item, op[1], op[2])) AppendReport("<Gained item: " + std::string(ItemRecordName(item)) + "!>");
    else if (OweItem(run, item, op[1], op[2])) AppendReport("<Your backpack is full! I'll give it to you later>");
    else AppendReport("<Your backpack is full! You cannot keep it!>");
}

void GiveFoodCode(ScriptRun& run) {
    const int16_t n = std::min<int16_t>(LineOperands(run)[0], int16_t(10 - GameState.HeroFood));
    if (n > 0) {
        GameState.HeroFood = int16_t(GameState.HeroFood + n);
        AppendReport("< You receive " + Num(n) + " units of food! >");
    } else {
        AppendReport("< You already have plenty of food! >");
    }
}

void GiveStatCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t kind = op[0], n = op[1];
    if (kind == 13 || kind == 14) {
        int16_t& points = kind == 13 ? GameState.SkillPoints : GameState.StatPoints;
        points = Wrap16(points + n);
        AppendReport("< You receive " + Num(n) + (kind == 13 ? " Skill Points! >" : " Stat Points! >"));
        return;
    }
    StatGift gift;
    if (!StatGiftOf(kind, gift)) return;
    if (gift.base) {
        *gift.base = Wrap16(*gift.base + n);
        *gift.current = Wrap16(*gift.current + n);
    } else {
        GainLastingSave(kind - 11, n);
    }
    RecalcHero();
    const std::string amount = Num(n) + std::string(gift.sign) + std::string(gift.name);
    if (n >= 0) AppendReport("< You receive a +" + amount + std::string(gift.bonus));
    else AppendReport("< You suffer a permanent " + amount + std::string(gift.penalty));
}

void GiveSkillCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t skill = op[0], n = op[1];
    if (skill < 0 || skill >= 12) return;
    GameState.BaseSkills[skill] = Wrap16(GameState.BaseSkills[skill] + n);
    GameState.Skills[skill] = Wrap16(GameState.Skills[skill] + n);
    RecalcHero();
    AppendReport("< You receive a +" + Num(n) + " " + std::string(SkillNames[size_t(skill)]) + " bonus! >");
}

void CalcGiveGoldCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    // In 32 bits: a large flag times a large multiplier is still the gold it says.
    const int32_t gold = int32_t(GameFlag(op[0])) * int32_t(op[1]);
    GameState.HeroGold += gold;
    AppendReport("<You receive " + Num(gold) + " gold pieces!>");
}

void GiveTattooCode(ScriptRun& run) {
    const int16_t tattoo = LineOperands(run)[0];
    if (tattoo < 0 || tattoo >= 10) return;
    const std::string name(TattooNames[size_t(tattoo)]);
    if (GameState.Tattoos[tattoo]) {
        AppendReport("< You already have a " + name + " >");
        return;
    }
    GameState.Tattoos[tattoo] = 1;
    RecalcHero();
    AppendReport("< You receive a " + name + " >");
}

void GiveLoreCode(ScriptRun& run) {
    const int16_t lore = LineOperands(run)[0];
    if (lore < 0 || lore >= 13) return;
    GameState.LoreKnown[lore] = 1;
    AppendReport("< You have learnt new lore! >");
}

void BagOfHoldingCode(ScriptRun&) {
    GameState.HasBagOfHolding = 1;
    AppendReport("<You receive the Bag of Holding!>");
}

void GiveSymbolCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const bool rune = op[0] == 0;
    const int16_t s = int16_t(op[1] - 1);
    if (s < 0 || s > kAllSymbols - 1) return;
    uint32_t* known = rune ? GameState.KnownRunes : GameState.KnownHieroglyphs;
    std::string message;
    if (s == kAllSymbols - 1) {
        std::fill_n(known, kAllSymbols, 1u);
        message = rune ? "< You learnt all the runes! >" : "< You learnt all the hieroglyphs! >";
    } else {
        const std::string name(rune ? RuneName(s + 1) : HieroglyphName(s + 1));
        const std::string kind = rune ? "' rune! >" : "' Hieroglyph! >";
        message = (known[s] ? "< You already know the '" : "< You learnt the '") + name + kind;
        known[s] = 1;
    }
    AppendRedBlank();
    AppendReport(message);
}

void PowerUpItemCode(ScriptRun& run) {
    const int16_t bonus = LineOperands(run)[0];
    ItemInstance* weapon = InstanceAt(GameState.EquipSlots[kWeaponSlot]);
    if (!weapon || weapon->ItemNumber == kNone) {
        AppendReport("<You are not wielding a weapon!> ");
        return;
    }
    weapon->X = Wrap16(weapon->X + bonus);
    AppendReport("<Weapon: " + std::string(ItemRecordName(weapon->ItemNumber)) + " gains a plus " + Num(bonus) +
                 " damage bonus!>");
}

void ScoreCode(ScriptRun& run) {
    const int16_t percent = LineOperands(run)[0];
    GameState.Score = Wrap16(GameState.Score + percent);
    AppendReport("<Your score increases by +" + Num(percent) + "%>");
}
