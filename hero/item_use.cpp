#include "item_use.h"

#include <algorithm>
#include <string_view>

#include "adventure/adventure_loop.h"
#include "adventure/encounters.h"
#include "adventure/wilderness.h"
#include "combat/combat_report.h"
#include "combat/curses.h"
#include "combat/monster_lookup.h"
#include "combat/monster_path.h"
#include "combat/prayers.h"
#include "combat/spell_area.h"
#include "combat/spell_cursor.h"
#include "combat/wands.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/skill_bonus.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/equipment.h"
#include "hero/give_item.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_grids.h"
#include "hero/item_types.h"
#include "hero/item_use_screens.h"
#include "hero/level_advance.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "view/map_view.h"

int16_t ItemInUse = -1;

namespace {


// The item as it was when its use began.
struct ItemUse {
    int16_t item, x, y, page;
};

// An effect's answer: whether the hero screen closes, or kKeep to leave the answer as it was.
constexpr int kKeep = -1;
using Effect = int (*)(const ItemUse&);

void AddHitPoints(int32_t n) {
    GameStateRecord& g = GameState;
    g.HitPoints = int16_t(std::clamp<int32_t>(g.HitPoints + n, INT16_MIN, g.HitPointsMax));
}

void RestoreHitPointsAndEnergy() {
    GameState.HitPoints = GameState.HitPointsMax;
    GameState.Energy = GameState.EnergyMax;
}

// Sound, pause and the item used up: what most simple items do.
int Consume(const char* sound, uint32_t pauseMs = 0) {
    PlaySoundEffect(sound);
    if (pauseMs) Delay(pauseMs);
    RemoveCursorItem();
    return kKeep;
}

// The window square chosen on a target screen, as a map square.
void ToMapSquare(int16_t& x, int16_t& y) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    x = int16_t(x + originX);
    y = int16_t(y + originY);
}

// A spell aimed from an item; the item is used up once a target is chosen.
int AimedSpell(int16_t areaMode, const char* title, int16_t kind, int16_t count, int16_t sides, int16_t hitsHero,
               int chosenResult) {
    int16_t x = 6, y = 6;
    if (!TargetSpell(areaMode, x, y, title)) return kKeep;
    SpellArea(x, y, areaMode, kind, count, sides, 0, 0, hitsHero, 1, -1);
    RemoveCursorItem();
    return chosenResult;
}

// Type 12 and 31: a hint over the inventory page.
int Hint(const ItemUse& u, std::string_view line1, std::string_view line2) {
    DrawHeroScreen(u.page, 0);
    ShowMessage(200, 150, line1, line2);
    return kKeep;
}
int GemstoneHint(const ItemUse& u) { return Hint(u, "Use Gemlore powers via", "Activate Skill Button!"); }
int SpiritBonesHint(const ItemUse& u) { return Hint(u, "Use at a Bone forge to", "create bone items!"); }

int DrinkPotion(const ItemUse& u) {
    GameStateRecord& g = GameState;
    const bool undead = g.HeroIsUndead != 0;
    PlaySoundEffect(undead && u.item != 195 ? "Curse" : u.item == 201 ? "PowerUp" : "Drink");
    if (u.item >= 1 && u.item <= 3) {
        const int16_t heal = u.item == 1 ? 10 : u.item == 2 ? 30 : 50;
        if (undead)
            g.HitPoints = int16_t(std::max(g.HitPoints - heal, 1));
        else
            AddHitPoints(heal);
    }
    if (!undead && g.ActiveAura == kRegenerationAura)
        AddHitPoints(g.Skills[kAuras] * SkillBonus.AuraValues[kRegenerationAura]);
    switch (u.item) {
        case 4:
            g.Exhausted = 0;
            g.Energy = g.EnergyMax;
            break;
        case 5: g.Poisoned = 0; break;
        case 6: g.Diseased = 0; break;
        case 7: g.Drained = g.Aged = 0; break;
        case 8:
            g.PrayerCharges = DailyCharges(g.Skills[kPrayer]);
            g.CurseCharges = DailyCharges(g.Skills[kCurseSkill]);
            break;
        case 195:
            if (undead)
                AddHitPoints(25);
            else
                g.HitPoints = int16_t(std::max(g.HitPoints - 10, 1));
            break;
        case 201:
            g.SidePanelMode = 1;
            g.CombatBonusTurns = 50;
            break;
        case 688:
            if (u.x > 0) SetGameFlag(u.x, int16_t(uint16_t(GameFlag(u.x)) + 1));
            break;
        case 690: RunPotionOfStats(); break;
        default: break;
    }
    g.HitPoints = std::min(g.HitPoints, g.HitPointsMax);
    RemoveCursorItem();
    return kKeep;
}

int UseMagicDust(const ItemUse& u) {
    if (u.item == 9) {
        GameState.InvisibleTurns = 25;
        return Consume("Drink");
    }
    if (u.item == 10) return AimedSpell(1, "Devil's Ash:", kPhysicalSpell, 6, 6, 1, 1);
    return kKeep;
}

int PlaceBeacon() {
    const bool eventHere = EventAt(GameState.HeroX, GameState.HeroY) != nullptr;
    const bool battle = WildCombatMonsters != -1;
    if (!eventHere && !battle) {
        PlaySoundEffect("Elect");
        SetBeacon(GameState.HeroX, GameState.HeroY);
        RemoveCursorItem();
        return kKeep;
    }
    PlaySoundEffect("Curse");
    if (battle)
        ShowMessage(220, 180, "You cannot place a beacon in", "a random encounter area!");
    else
        ShowMessage(220, 180, "Mysterious energies prevent", "you setting a beacon here!");
    return kKeep;
}

int ReadScroll(const ItemUse& u) {
    GameStateRecord& g = GameState;
    const auto powerUp = [](uint32_t pauseMs) {
        PlaySoundEffect("PowerUp");
        Delay(pauseMs);
    };
    switch (u.item) {
        case 66:
            powerUp(300);
            g.Cursed = 0;
            DestroyCursedWornItems();
            break;
        case 67:
            powerUp(300);
            g.Feebleminded = 0;
            break;
        case 69:
            powerUp(300);
            g.WaterWalkTurns = 50;
            break;
        case 50:
            powerUp(0);
            g.GillsTurns = u.y;
            break;
        case 689:
            powerUp(0);
            if (u.x > 0) SetGameFlag(u.x, int16_t(uint16_t(GameFlag(u.x)) + 1));
            break;
        case 70:
        case 71:
            if (HeroZoneCondition(kNoTeleportZone)) {
                PlaySoundEffect("Curse");
                ShowMessage(100, 120, "   Teleportation magic", "   does not work here!");
                return kKeep;
            }
            if (u.item == 71) return PlaceBeacon();
            if (!PickTargetSquare(0)) return kKeep;
            RemoveCursorItem();
            return 1;
        case 51:
            PlaySoundEffect("Curse");
            return AimedSpell(1, "Scroll of Cancellingz:", kSilenceSpell, 0, 0, 0, kKeep);
        case 175: return AimedSpell(0, "Scroll of Deconstruction:", kDeconstructSpell, 0, 0, 1, 1);
        default: return kKeep;
    }
    RemoveCursorItem();
    return kKeep;
}

int ReadTome(const ItemUse& u) {
    GameStateRecord& g = GameState;
    switch (u.item) {
        case 72: g.BlessTurns = u.y; return Consume("Pray", 1500);
        case 73:
            g.Heroism[0] = u.x;
            g.Heroism[1] = u.y;
            return Consume("PowerUp", 1500);
        case 74: ++g.SkillPoints; return Consume("Pray", 1500);
        case 75: return AimedSpell(0, "Deathspell Grimoire:", kDeathSpell, 0, 0, 0, 1);
        default: return kKeep;
    }
}

int UseWandItem(const ItemUse&) { return UsePowerOnMonster(); }

int EatFood(const ItemUse& u) {
    if (u.item == 176) AddHitPoints(5);
    if (u.item == 186) GameState.MagicFoodTurns = 100;
    return Consume("Drink");
}

int TakePills(const ItemUse& u) {
    if (u.item == 64) GameState.RadiationImmune = 1;
    if (u.item == 65) GameState.BiohazardImmune = 1;
    return Consume("Drink");
}

int UseMedicalKit(const ItemUse& u) {
    if (u.item != 426) return kKeep;
    RestoreHitPointsAndEnergy();
    GameState.Poisoned = GameState.Diseased = GameState.Exhausted = 0;
    return Consume("PowerUp");
}

int ReadBookItem(const ItemUse& u) {
    ReadBook(u.item);
    return kKeep;
}

int UseFigurine(const ItemUse&) {
    GameStateRecord& g = GameState;
    if (g.CompactHud != 1) {
        PlaySoundEffect("No");
        return kKeep;
    }
    g.FigurinePlace[0] = g.CurrentLevelNumber;
    g.FigurinePlace[1] = g.HeroX;
    g.FigurinePlace[2] = g.HeroY;
    Consume("PowerUp");
    return 1;
}

// A cancelled target screen keeps the effigy, as it keeps every other aimed item.
int UseEffigy(const ItemUse& u) {
    int (*const curses[])(int16_t) = {CurseOfIncompetence, CurseOfVulnerability, CurseOfWeakness};
    if (u.item < 143 || u.item > 145 || !curses[u.item - 143](0)) return kKeep;
    RemoveCursorItem();
    return 1;
}

int SummonFromItem(const ItemUse& u) {
    struct Companion {
        int16_t item, monster;
    };
    constexpr Companion kCompanions[] = {{54, 194}, {55, 195}, {189, 197}, {190, 199}, {191, 198}};
    for (const Companion& c : kCompanions)
        if (c.item == u.item) return SummonCompanion(c.monster) ? 1 : kKeep;
    return kKeep;
}

int EatHealingItem(const ItemUse&) {
    AddHitPoints(25);
    return Consume("eat", 1000);
}

int ToggleDeviceFlag(const ItemUse& u) {
    const bool off = GameFlag(u.x) == -1;
    SetGameFlag(u.x, off ? 1 : -1);
    PlaySoundEffect(off ? "Bleep1" : "Bleep2");
    return kKeep;
}

int UseBarrier(const ItemUse& u) { return SummonBarrier(u.item, u.x) ? 1 : kKeep; }

int UseRestorative(const ItemUse&) {
    GameState.Diseased = GameState.Poisoned = 0;
    RestoreHitPointsAndEnergy();
    return Consume("PowerUp");
}

int UseGarlic(const ItemUse&) {
    int16_t x = 6, y = 6;
    if (TargetSpell(0, x, y, "Garlic:")) {
        ToMapSquare(x, y);
        const int16_t e = EncounterIndexAt(x, y);
        const MonsterRecord* m = LiveMonsterOf(e);
        if (m && m->MonsterType == kVampire) {
            Encounter& r = GameState.EncounterList[e];
            r.AttackPenalty = r.WeakenPercent = r.DefencePenalty = 5;
            Consume("Curse");
        }
    }
    return 0;
}

int SprayBreedingItems(const ItemUse&) {
    PlaySoundEffect("Spray");
    const auto spray = [](ItemGrid grid) {
        for (int16_t cell : grid) {
            ItemInstance* i = InstanceAt(cell);
            if (i && (i->ItemNumber == 182 || i->ItemNumber == 183)) i->ItemNumber = 184;
        }
    };
    spray(BackpackGrid());
    if (GameState.HasBagOfHolding) spray(BagGrid());
    return kKeep;
}

int EatPortalSightItem(const ItemUse&) {
    RemoveCursorItem();
    PlaySoundEffect("Eat");
    if (!GameState.PoisonImmune) GameState.Poisoned = 1;
    GameState.PortalSightTurns = 40;
    return 1;
}

int UseInertItem(const ItemUse&) {
    RemoveCursorItem();
    PlaySoundEffect("Curse");
    ShowMessage(100, 120, "Nothing appears to happen!", "");
    return 1;
}

int EatXpItem(const ItemUse& u) {
    PlaySoundEffect("Eat");
    AddXp(u.x);
    RemoveCursorItem();
    return 0;
}

int EatStrengthItem(const ItemUse& u) {
    PlaySoundEffect("Power");
    GameState.Stats[kStrength] = int16_t(GameState.Stats[kStrength] + u.x);
    GameState.BaseStats[kStrength] = int16_t(GameState.BaseStats[kStrength] + u.x);
    RemoveCursorItem();
    return 0;
}

int UseEndlessFood(const ItemUse&) {
    PlaySoundEffect("Eat");
    GameState.HeroFood = 10;
    return 0;
}

int UseComputer(const ItemUse&) {
    ConsultComputer();
    return kKeep;
}

int BreakLetterSeal(const ItemUse&) {
    if (!Confirm(300, 150, "  break the seal?")) return kKeep;
    PlaySoundEffect("Read");
    ShowMessage(50, 50, "    Greyshire. 16,32.", "");
    RemoveCursorItem();
    GiveItem(475, 0, 0, 0);
    return kKeep;
}

int ReadOpenedLetter(const ItemUse&) {
    PlaySoundEffect("Read");
    ShowMessage(50, 50, "    Greyshire. 16,32.", "");
    return kKeep;
}

int UseBrotherLetter(const ItemUse&) {
    ReadBrotherLetter();
    return 0;
}

int ReadNumberLetter(const ItemUse&) {
    PlaySoundEffect("Read");
    ShowMessage(50, 50, "50563958484748565937395656", "");
    return 0;
}

int UseThreatLetter(const ItemUse&) {
    ReadThreatLetter();
    return 0;
}

int EatRevivalItem(const ItemUse&) {
    GameState.Poisoned = 1;
    GameState.RevivalPending = 1;
    return Consume("eat", 1000);
}

// A row of the effect tables: by item type, or (type -1) by item numbers first..last.
struct UseRow {
    int16_t type, first, last;
    Effect effect;
};
constexpr UseRow Type(int16_t type, Effect effect) { return {type, 0, 0, effect}; }
constexpr UseRow Items(int16_t first, int16_t last, Effect effect) { return {-1, first, last, effect}; }
constexpr UseRow Item(int16_t item, Effect effect) { return {-1, item, item, effect}; }

constexpr UseRow kUseRows[] = {
    Item(196, EatPortalSightItem),
    Item(198, UseInertItem),
    Items(139, 141, ToggleDeviceFlag),
    Item(474, BreakLetterSeal),
    Item(475, ReadOpenedLetter),
    Item(156, UseRestorative),
    Item(142, UseBarrier),
    Item(593, EatRevivalItem),
    Type(kEffigy, UseEffigy),
    Type(kPills, TakePills),
    Type(kMedicalKit, UseMedicalKit),
    Type(kMagicTome, ReadTome),
    Type(kPotion, DrinkPotion),
    Item(120, EatHealingItem),
    Type(kMagicDust, UseMagicDust),
    Type(kFood, EatFood),
    Type(kScroll, ReadScroll),
    Type(kWand, UseWandItem),
    Type(kGemstone, GemstoneHint),
    Type(kBook, ReadBookItem),
    Type(kSpiritBones, SpiritBonesHint),
    Type(kMagicalFigurine, UseFigurine),
    Item(188, SprayBreedingItems),
    Item(422, UseComputer),
    Items(54, 55, SummonFromItem),
    Items(189, 191, SummonFromItem),
    Item(525, UseBrotherLetter),
    Item(536, ReadNumberLetter),
    Item(237, UseEndlessFood),
    Item(228, EatXpItem),
    Item(229, EatStrengthItem),
    Item(185, UseGarlic),
    Item(577, UseThreatLetter),
};

// Inside an antimagic field only these act, in this order.
constexpr UseRow kAntimagicRows[] = {
    Type(kPills, TakePills),
    Type(kMedicalKit, UseMedicalKit),
    Type(kBook, ReadBookItem),
    Type(kFood, EatFood),
    Item(188, SprayBreedingItems),
    Item(422, UseComputer),
    Item(120, EatHealingItem),
    Item(593, EatRevivalItem),
    Item(474, BreakLetterSeal),
    Item(475, ReadOpenedLetter),
    Items(139, 141, ToggleDeviceFlag),
    Item(525, UseBrotherLetter),
    Item(536, ReadNumberLetter),
    Item(228, EatXpItem),
    Item(229, EatStrengthItem),
    Item(185, UseGarlic),
    Item(577, UseThreatLetter),
    Item(196, EatPortalSightItem),
    Item(198, UseInertItem),
    Type(kPotion, DrinkPotion),
    Type(kSpiritBones, SpiritBonesHint),
};

// Magic the field refuses with words; everything else it stops silently.
bool RefusedByAntimagic(int16_t item, int16_t type) {
    constexpr int16_t kItems[] = {54, 55, 189, 190, 191, 237};
    constexpr int16_t kTypes[] = {kGemstone, kMagicDust, kScroll, kMagicTome, kWand};
    return std::find(std::begin(kItems), std::end(kItems), item) != std::end(kItems) ||
           std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

template <size_t N>
void RunEffects(const UseRow (&rows)[N], const ItemUse& u, int16_t type, int& result) {
    for (const UseRow& row : rows) {
        const bool matches = row.type != -1 ? type == row.type : u.item >= row.first && u.item <= row.last;
        if (!matches) continue;
        const int answer = row.effect(u);
        if (answer != kKeep) result = answer;
    }
}

void PlayInstrument(int16_t item) {
    if (item != 227) {
        ShowMessage(100, 100, "You play a little tune.", "");
    } else if (GameState.CurrentLevelNumber == 54) {
        PlaySoundEffect("Bell");
        if (GameState.HeroX < 25)
            ShowMessage(100, 100, "Fire and a deep resonant", "tone blasts from the horn!");
        else
            ShowMessage(100, 100, "A deep, resonant, tone", "blasts from the horn!");
    } else {
        ShowMessage(100, 100, "The horn produces a dull,", "muted tone.");
    }
    ReturnCursorItemToPack(item);
}

// The USE ITEM FROM BACKPACK EVENT of the hero's square answers the item; 1 when it fired and
// the item went where the event sends it.
int RunUseItemEventStep(int16_t page) {
    const EventRecord* ev = EventAt(GameState.HeroX, GameState.HeroY);
    if (!ev || ev->Word[0] != kUseItemFromBackpackEvent || !CheckFlagCondition(ev->Word[1], ev->Word[2], ev->Word[3]) ||
        ev->Word[8] != ItemInUse)
        return 0;
    const int16_t flag = ev->Word[5], keep = ev->Word[12];
    ChangeFlag(flag, ev->Word[6], ev->Word[7]);
    SpawnMonstersOfGroup(flag);
    // An item its own effect used up is gone: there is nothing left to put back or free.
    if (CursorItem != kNone) {
        if (!keep)
            RemoveCursorItem();
        else if (!ReturnUsedItem(page))
            return 0;
    }
    return 1;
}

int PlaceInstance(ItemGrid grid, int16_t instance, int16_t item) {
    return InstanceAt(instance) && PlaceInstanceFirstFree(grid, instance, item);
}

}  // namespace

int UseItem(int16_t page) {
    const int16_t instance = CursorItem;
    const ItemInstance* used = InstanceAt(instance);
    if (!used || used->ItemNumber == kNone) return 0;
    const ItemUse u{used->ItemNumber, used->X, used->Y, page};
    ItemInUse = u.item;
    const int16_t type = ItemTypeOf(u.item);
    int result = 0;
    if (type == kInstrument) {
        PlayInstrument(u.item);
        result = 1;
    }
    if (HeroZoneCondition(kAntimagicZone)) {
        if (RefusedByAntimagic(u.item, type))
            ShowMessage(200, 150, " Antimagic field prevents", " you from activating that!");
        RunEffects(kAntimagicRows, u, type, result);
    } else {
        RunEffects(kUseRows, u, type, result);
    }
    RecalcHero();
    // Every effect that closes the screen used the item up or put it back; one still on the
    // cursor found no room, and the screen stays open for the player to place it.
    if (result == 1) return CursorItem == instance ? 0 : 1;
    return RunUseItemEventStep(page);
}

int16_t HeroZone() {
    const int16_t x = GameState.HeroX, y = GameState.HeroY;
    const int16_t zone = OnMap(x, y) ? CurrentLevel.ZoneLayer[x * 50 + y] : int16_t{-1};
    return zone >= 0 && zone <= 5 ? zone : int16_t{-1};
}

int AntimagicExcused(int16_t zone) {
    const LevelRecord& l = CurrentLevel;
    if (zone != 3 && zone != 4) return 0;
    const int entry = zone - 3;
    const int16_t flag = l.ZoneConditionOffFlag[entry];
    return flag != -1 && GameFlag(flag) == l.ZoneConditionOffValue[entry] ? 1 : 0;
}

int HeroZoneCondition(int16_t condition) {
    const int16_t zone = HeroZone();
    return zone != -1 && CurrentLevel.ZoneConditions[zone] == condition && !AntimagicExcused(zone) ? 1 : 0;
}

void RemoveCursorItem() {
    if (CursorItem == kNone) return;
    ClearItemInstance(CursorItem);
    CursorItem = kNone;
}

int ReturnCursorItemToPack(int16_t item) {
    if (PlaceInstanceInBackpack(CursorItem, item) || PlaceInstanceInBag(CursorItem, item)) {
        CursorItem = kNone;
        return 1;
    }
    ShowMessage(50, 50, "Return item to pack", "error! Pack full!");
    return 0;
}

int ReturnUsedItem(int16_t page) {
    const int16_t item = InstanceItem(CursorItem);
    const bool fromBag = page == BagPage();
    const int placed = fromBag ? PlaceInstanceInBag(CursorItem, item) || PlaceInstanceInBackpack(CursorItem, item)
                               : PlaceInstanceInBackpack(CursorItem, item) || PlaceInstanceInBag(CursorItem, item);
    if (placed) CursorItem = kNone;
    return placed;
}

int PlaceInstanceInBackpack(int16_t instance, int16_t item) { return PlaceInstance(BackpackGrid(), instance, item); }

int PlaceInstanceInBag(int16_t instance, int16_t item) {
    return GameState.HasBagOfHolding ? PlaceInstance(BagGrid(), instance, item) : 0;
}

void SetBeacon(int16_t x, int16_t y) {
    GameStateRecord& g = GameState;
    g.Beacon[0] = g.CurrentLevelNumber;
    g.Beacon[1] = x;
    g.Beacon[2] = y;
    const int16_t zone = HeroZone();
    SetFieldText(g.BeaconName, zone != -1 ? FieldText(CurrentLevel.ZoneNames[zone]) : std::string_view(""));
    CombatPause();
}

void DestroyCursedWornItems() {
    for (int16_t slot = 0; slot < kEquipSlotCount; ++slot) UnbindSlot(slot);
}

int SummonCompanion(int16_t monster) {
    struct Offset {
        int16_t dx, dy;
    };
    constexpr Offset kCandidates[] = {{0, -3}, {2, 0}, {0, 2}, {-3, 0}};
    for (const Offset c : kCandidates) {
        const int16_t cx = int16_t(GameState.HeroX + c.dx), cy = int16_t(GameState.HeroY + c.dy);
        if (!OnMap(cx, cy) || !SummonSpaceFree(cx, cy, monster)) continue;
        PlaySoundEffect("Drop");
        if (!AddMonsterEncounter(monster, cx, cy, int16_t(Random15() & 1), 1)) return 0;
        RemoveCursorItem();
        return 1;
    }
    PlaySoundEffect("No");
    ShowMessage(100, 120, "Insufficient space. Try", " again in an open area!");
    return 0;
}

int SummonSpaceFree(int16_t cx, int16_t cy, int16_t monster) {
    const auto open = [](int32_t x, int32_t y) {
        return OnMap(x, y) && GameState.MonsterGrid[x * 50 + y] == -1 &&
               CurrentLevel.AccessLayer[x * 50 + y] == kFreeAccess;
    };
    if (!open(cx, cy) || !open(cx - 1, cy) || !open(cx, cy - 1) || !open(cx - 1, cy - 1)) return 0;
    int16_t w, h;
    FootprintSize(MonsterSizeClass(monster), w, h);
    for (int16_t i = 0; i < w; ++i)
        for (int16_t j = 0; j < h; ++j)
            if (!open(cx + i, cy + j)) return 0;
    return EventAt(cx, cy) ? 0 : 1;
}

int SummonBarrier(int16_t, int16_t power) {
    int16_t x = 6, y = 6;
    if (!TargetSpell(0, x, y, "Barrier Summon:")) return 0;
    ToMapSquare(x, y);
    if (GameState.MonsterGrid[x * 50 + y] != -1 || !AddBarrierEncounter(x, y, power)) {
        PlaySoundEffect("No");
        return 0;
    }
    Consume("PowerUp");
    return 1;
}

int AddBarrierEncounter(int16_t x, int16_t y, int16_t power) {
    if (!OnMap(x, y)) return 0;
    for (int16_t e = 0; e < kEncounterCount; ++e) {
        Encounter& r = GameState.EncounterList[e];
        if (r.Kind != -1) continue;
        r.Kind = kBarrierKind;
        r.Hp = r.HpMax = std::max<int16_t>(power, 10);
        r.Extra = r.Monster = r.KillFlag = -1;
        r.KilledSetFlag = r.KilledSetOp = r.KilledSetValue = -1;
        r.DormantFlag = r.DormantOp = r.DormantValue = -1;
        r.DisguiseItem = -1;
        r.Active = 0;
        r.AttackPenalty = r.WeakenPercent = r.Silenced = r.DefencePenalty = r.Paralysed = r.PowerUsed = 0;
        GameState.MonsterGrid[x * 50 + y] = e;
        return 1;
    }
    return 0;
}
