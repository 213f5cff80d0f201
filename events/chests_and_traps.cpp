#include "events/chests_and_traps.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "events/event_screen.h"
#include "events/keyring.h"
#include "events/loot.h"
#include "events/saving_throws.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_names.h"
#include "hero/item_types.h"
#include "hero/level_advance.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "script/flags.h"
#include "view/map_view.h"

namespace {


struct TrapPage {
    std::string_view triggered1, triggered2;  // "You triggered a ..." in two lines
    std::string_view located;                 // "a blade trap!"
    std::string_view damageLine;              // empty for poison
    int16_t tile;                             // drawn at the hero's square
    std::string_view sound;
    uint32_t pause;
};
// By trap kind, blade first.
constexpr std::array<TrapPage, 8> kTrapPages = {{
    {"You triggered a blade", "trap!", "a blade trap!", "physical damage!", 1313, "Hit", 250},
    {"You triggered a spear", "trap!", "a spear trap!", "physical damage!", 1313, "Hit", 250},
    {"You triggered an acid", "spray trap!", "an acid spray trap!", "acid damage!", 1672, "Acid", 250},
    {"You triggered a cold", "blast trap!", "a cold blast trap!", "cold damage!", 1653, "Cold", 950},
    {"You triggered an electrical", "discharge trap!", "an electrical discharge trap!", "electrical damage!", 1654,
     "Elect", 550},
    {"You triggered a fire", "blast trap!", "a fire blast trap!", "fire damage!", 1655, "Fire", 550},
    {"You triggered a poison", "dart trap!", "a poison dart trap!", "", 2153, "Hit", 250},
    {"You triggered a poison", "cloud trap!", "a poison cloud trap!", "", 1672, "Acid", 250},
}};

bool IsPoisonTrap(int16_t kind) { return kind == kPoisonDartTrap || kind == kPoisonCloudTrap; }
// Blades and spears meet the armour, the rest the resist of their element.
bool IsPhysicalTrap(int16_t kind) { return kind == kBladeTrap || kind == kSpearTrap; }

void DrawTrapPage(int16_t kind, int16_t evaded, int16_t saved, int16_t damage, int16_t animate) {
    const TrapPage& k = kTrapPages[size_t(kind)];
    DrawEventBackground();
    if (animate) {
        int16_t ox, oy;
        ComputeViewOrigin(ox, oy);
        BltFast(BackSurface, CellPixel(GameState.HeroX - ox), CellPixel(GameState.HeroY - oy),
                WallTiles[size_t(k.tile)], TileRect, kBltKeyed);
    }
    std::vector<PageLine> lines{{120, k.triggered1}, {132, k.triggered2}};
    std::string taken;
    if (evaded) {
        lines.insert(lines.end(), {{156, "You evaded the trap and"}, {168, "incur NO damage!"}});
    } else if (IsPoisonTrap(kind)) {
        if (GameState.PoisonImmune) lines.push_back({156, "You are immune to poison!"});
        else if (saved) lines.push_back({156, "You resisted the poison!"});
        else lines.push_back({156, "You are poisoned!", kSmallRed});
    } else if (damage == 0) {
        if (IsPhysicalTrap(kind)) lines.insert(lines.end(), {{156, "Your armour absorbed all"}, {168, "the damage!"}});
        else lines.push_back({156, "You resisted all damage!"});
    } else {
        taken = "You take " + std::to_string(damage) + " points of";
        lines.insert(lines.end(), {{156, taken, kSmallRed}, {168, k.damageLine, kSmallRed}});
    }
    if (GameState.HitPoints <= 0) lines.push_back({192, "You have been slain!", kSmallRed});
    DrawPageLines(lines);
}

// The page of a Find Traps attempt; the experience for a disarm is given once, before it shows.
void RunFindTraps(int16_t kind, int16_t neededSkill, bool armed, int16_t trapFlag, int16_t disarmedValue) {
    if (GameState.Skills[kDisarmTraps] < neededSkill || !armed || !IsTrapKind(kind)) {
        PlaySoundEffect("No");
        ShowEventMessage({{120, "You did not find any"}, {132, "traps!"}});
        return;
    }
    // The kind on a line of its own, as on the other pages: in one line the longest runs off
    // the screen.
    if (!HasItem(kThievesToolsItem)) {
        ShowEventMessage({{120, "You located"},
                          {132, kTrapPages[size_t(kind)].located},
                          {144, "You are unable to"},
                          {156, "disarm it without tools."},
                          {178, "(Req. Thieves Tools)", kSmallBlue}});
        return;
    }
    SetGameFlag(trapFlag, disarmedValue);
    const int16_t reward = int16_t(std::clamp<int32_t>(2 * int32_t(neededSkill), 0, INT16_MAX));
    AddXp(reward);
    const std::string xp = "Xp reward: " + std::to_string(reward);
    ShowEventMessage(
        {{120, "You located and disarmed"}, {132, kTrapPages[size_t(kind)].located}, {156, xp, kSmallBlue}});
}

struct ContainerTrap {
    int16_t kind, count, sides, bonus, dodge;
    int16_t setFlag, setOp, setValue;  // changed when the trap hits (gems only)
};

// An armed trap goes off: it is spent first (spentValue into its flag), then the hero is hit
// and shown the result.
void SpringContainerTrap(const ContainerTrap& t, int16_t trapFlag, int16_t spentValue) {
    SetGameFlag(trapFlag, spentValue);
    const TrapOutcome o = SpringTrapOnHero(t.kind, t.count, t.sides, t.bonus, t.dodge);
    if (!o.evaded) ChangeFlag(t.setFlag, t.setOp, t.setValue);
    ShowChestTrapResult(t.kind, o.evaded, o.saved, o.damage);
}

// The six slots of a chest, or the three gems of a prise (the rest empty).
struct LootSlots {
    int16_t flags[6], items[6], powers[6], amounts[6];
    bool AnyLeft() const {
        for (int i = 0; i < 6; ++i)
            if (items[i] > 0 && IsItemNumber(items[i]) && IsFlagNumber(flags[i]) && GameFlag(flags[i]) != 1)
                return true;
        return false;
    }
};

enum ChestAction : int16_t { kLeaveChest, kInvestigate, kBash, kKnock, kPick, kUseKey, kFindTraps, kOpenChest };

void ShowChestPage(std::string_view line, const std::vector<EventButton>& buttons, int16_t& action) {
    Screen screen("chest");
    action = RunEventChoice(
        screen,
        [&] {
            DrawEventBackground();
            DrawPageLines({{120, line}});
        },
        buttons);
}

}  // namespace

TrapOutcome SpringTrapOnHero(int16_t kind, int16_t count, int16_t sides, int16_t bonus, int16_t dodge) {
    TrapOutcome o{0, 0, 0};
    if (!IsTrapKind(kind) || GameState.Stats[kAgility] >= dodge) {
        o.evaded = 1;
        return o;
    }
    if (IsPoisonTrap(kind)) {
        o.saved = int16_t(RollBodySave());
        if (!o.saved && !GameState.PoisonImmune) {
            GameState.Poisoned = 1;
            RecalcHero();
        }
        return o;
    }
    const int32_t reduction =
        IsPhysicalTrap(kind) ? GameState.DamageReduction : GameState.Resists[kind - kAcidSprayTrap];
    const int32_t damage = std::max<int32_t>(0, RollDice(count, sides, bonus) - reduction);
    o.damage = int16_t(std::min<int32_t>(damage, INT16_MAX));
    GameState.HitPoints = int16_t(std::max<int32_t>(0, GameState.HitPoints - damage));
    return o;
}

void DrawChestTrapResult(int16_t kind, int16_t evaded, int16_t saved, int16_t damage, int16_t animate) {
    if (!IsTrapKind(kind)) return;
    DrawTrapPage(kind, evaded, saved, damage, animate);
    DrawEventButtons(std::span(&kBackButton, 1));
    Flip();
    if (!animate) return;
    const TrapPage& k = kTrapPages[size_t(kind)];
    PlaySoundEffect(evaded ? "Miss" : k.sound);
    Delay(k.pause);
}

void ShowChestTrapResult(int16_t kind, int16_t evaded, int16_t saved, int16_t damage) {
    if (!IsTrapKind(kind)) return;
    DrawChestTrapResult(kind, evaded, saved, damage, 1);
    Delay(1000);
    Screen screen("trap");
    RunEventChoice(screen, [&] { DrawTrapPage(kind, evaded, saved, damage, 0); }, {kBackButton});
}

void DrawTrapResult(int16_t kind, int16_t avoided, int16_t saved, int16_t damage) {
    // The step-on trap has no poison cloud: its last kind teleports and shows no page.
    if (kind == kTeleportTrap) return;
    ShowChestTrapResult(kind, avoided, saved, damage);
}

void RunChestEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    result = 0;
    const int16_t statusFlag = w.Word[9];
    if (!IsFlagNumber(statusFlag)) return;  // a chest without a status flag stays shut
    PlaySoundEffect("Text");
    const int16_t kind = w.Word[32];
    LootSlots slots;
    for (int i = 0; i < 6; ++i) {
        slots.flags[i] = int16_t(w.Word[11] + i);
        slots.items[i] = w.Word[12 + i];
        slots.powers[i] = w.Word[18 + i];
        slots.amounts[i] = w.Word[24 + i];
    }
    auto isOpen = [&] {
        const int16_t status = GameFlag(statusFlag);
        return (kind == 0 && (status == 0 || status == 3)) || (kind == 1 && status == 0);
    };
    auto loot = [&] { RunLootScreen(x, y, slots.flags, slots.items, slots.powers, slots.amounts); };
    if (isOpen() && !slots.AnyLeft()) {
        ShowPassingPage({"There is nothing left", "to take."}, dx, dy);
        return;
    }
    const ContainerTrap trap{w.Word[5], w.Word[6], w.Word[7], w.Word[8], w.Word[10], -1, 0, 0};
    for (;;) {
        int16_t action = kLeaveChest;
        if (isOpen()) {
            ShowChestPage("The chest is open!",
                          {{.action = kInvestigate, .label = "Investigate", .y = 260, .hotkey1 = 'I'}, kLeaveButton},
                          action);
            if (action == kInvestigate) loot();
            return;
        }
        if (kind == 0) {
            const bool hasKnock = HasItem(kKnockItem),
                       hasPick = HasItem(kThievesToolsItem) && GameState.Skills[kPickLocks] > 0;
            const bool hasKey = IsItemNumber(w.Word[3]) && KeyringHas(w.Word[3]);
            std::vector<EventButton> buttons{kLeaveButton,
                                             {.action = kBash, .label = "Bash Lock", .y = 260, .hotkey1 = 'B'}};
            int16_t n = 0;
            auto add = [&](int16_t a, std::string_view label, int16_t key) {
                buttons.push_back({.action = a, .label = label, .y = StackY(238, n++), .hotkey1 = key});
            };
            if (hasKnock) add(kKnock, "Knock Spell", 'K');
            if (hasPick) add(kPick, "Pick Lock", 'P');
            if (hasKey) add(kUseKey, "Use key", 'U');
            ShowChestPage("The chest is locked!", buttons, action);
            switch (action) {
                case kBash:
                    if (GameState.Stats[kStrength] >= w.Word[1]) {
                        SetGameFlag(statusFlag, 3);
                        PlaySoundEffect("Crash");
                        break;
                    }
                    PlaySoundEffect("No");
                    ShowEventMessage({{120, "You are not strong"},
                                      {132, "enough to bash open"},
                                      {144, "the chest!"},
                                      {178, "(Req. Strength of " + std::to_string(w.Word[1]) + ")", kSmallBlue}});
                    break;
                case kKnock:
                    TakeItem(kKnockItem);
                    if (w.Word[4] != 0) {
                        PlaySoundEffect("Curse");
                        ShowEventMessage({{120, "An antimagic field"},
                                          {132, "protects this doors"},
                                          {144, "from magical attempts"},
                                          {156, "to open it!"}});
                        break;
                    }
                    SetGameFlag(statusFlag, 0);
                    PlaySoundEffect("Scroll");
                    break;
                case kPick:
                    if (GameState.Skills[kPickLocks] >= w.Word[2]) {
                        SetGameFlag(statusFlag, 0);
                        PlaySoundEffect("Creak");
                        break;
                    }
                    PlaySoundEffect("No");
                    ShowEventMessage({{120, "You are not skilled"},
                                      {132, "enough to pick the lock"},
                                      {144, "on this chest!"},
                                      {178, "(Req. Pick Locks of " + std::to_string(w.Word[2]) + ")", kSmallBlue}});
                    break;
                case kUseKey:
                    SetGameFlag(statusFlag, 0);
                    PlaySoundEffect("Creak");
                    loot();
                    return;
                default: return;
            }
            continue;
        }
        if (kind != 1) return;
        const bool armed = GameFlag(statusFlag) == -1;
        const bool canFind = GameState.Skills[kDisarmTraps] > 0;
        std::vector<EventButton> buttons{kLeaveButton,
                                         {.action = kOpenChest, .label = "Open Chest", .y = 260, .hotkey1 = 'O'}};
        if (canFind) buttons.push_back({.action = kFindTraps, .label = "Find Traps", .y = 238, .hotkey1 = 'F'});
        ShowChestPage("The chest is closed!", buttons, action);
        if (action == kFindTraps) {
            RunFindTraps(trap.kind, w.Word[31], armed, statusFlag, 0);
            continue;
        }
        if (action != kOpenChest) return;
        if (armed) SpringContainerTrap(trap, statusFlag, 0);
        PlaySoundEffect("Creak");
        if (GameState.HitPoints > 0) loot();
        return;
    }
}

void RunPriseEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const EventRecord w = *e;
    result = 0;
    const int16_t trapFlag = w.Word[5];
    if (!IsFlagNumber(trapFlag)) return;
    PlaySoundEffect("Text");
    const ContainerTrap trap{w.Word[1],  w.Word[2],  w.Word[3],  w.Word[4],
                             w.Word[21], w.Word[15], w.Word[16], w.Word[17]};
    LootSlots gems;
    for (int i = 0; i < 6; ++i) {
        gems.flags[i] = i < 3 ? int16_t(w.Word[18] + i) : int16_t(-1);
        gems.items[i] = i < 3 ? w.Word[6 + i] : int16_t(-1);
        gems.powers[i] = i < 3 ? w.Word[9 + i] : int16_t(0);
        gems.amounts[i] = i < 3 ? w.Word[12 + i] : int16_t(0);
    }
    enum : int16_t { kLeaveGems, kPrise, kFind };
    Screen screen("prise");
    for (;;) {
        const bool armed = GameFlag(trapFlag) != 1;
        std::vector<EventButton> buttons{{.action = kLeaveGems, .label = "Leave", .y = 286, .hotkey1 = 'L'},
                                         {.action = kPrise, .label = "Prise", .y = 264, .hotkey1 = 'P'}};
        if (GameState.Skills[kDisarmTraps] > 0 && armed)
            buttons.push_back({.action = kFind, .label = "Find Traps", .y = 242, .hotkey1 = 'F'});
        auto draw = [&] {
            DrawEventTextPage(x, y, 0);
            const EventRecord* now = EventAt(x, y);
            int16_t lineY = int16_t(142 + 12 * (now ? LastEventLine(*now, 0, 9) : -1));
            for (int i = 0; i < 3; ++i) {
                if (gems.items[i] < 1 || !IsItemNumber(gems.items[i]) || !IsFlagNumber(gems.flags[i]) ||
                    GameFlag(gems.flags[i]) != -1)
                    continue;
                std::array<char, kItemNameSize> name{};
                ItemDisplayName(gems.items[i], gems.powers[i], gems.amounts[i], 0, name);
                DrawSmallText(465, lineY, name.data(), kSmallBlue);
                lineY = int16_t(lineY + 12);
            }
        };
        const int16_t action = RunEventChoice(screen, draw, buttons);
        if (action == kFind) {
            RunFindTraps(trap.kind, w.Word[19], armed, trapFlag, 1);
            continue;
        }
        if (action != kPrise) return;
        if (armed) SpringContainerTrap(trap, trapFlag, 1);
        PlaySoundEffect("Click");
        if (GameState.HitPoints > 0) RunLootScreen(x, y, gems.flags, gems.items, gems.powers, gems.amounts);
        return;
    }
}
