// The cheat menu's Functions page: teleport, quests, flags, the flag monitor, the encounters,
// the frog, frozen monsters and the two browsers; and its level chooser.
#include <array>
#include <string>
#include <string_view>

#include "cheat_menu.h"
#include "cheat_menu_controls.h"
#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/level.h"
#include "encounters.h"
#include "kit/level/level_files.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/sound.h"
#include "script/quests.h"
#include "teleport.h"
#include "wilderness.h"

namespace {

using Kind = CheatControlKind;

constexpr std::array<std::string_view, 4> kQuestStateNames = {"Inactive", "Active", "Complete", "Cancelled"};
constexpr int16_t kFrog = 196;
constexpr int16_t kLevelPages = 13;

int Teleport(CheatMenuState& m) {
    PlaySoundEffect("PowerUp");
    TeleportHero(m.teleportLevel, GameState.CompactHud, m.teleportX, m.teleportY, 1);
    return 1;
}

int PickTeleportLevel(CheatMenuState& m) {
    m.teleportLevel = ChooseCheatLevel(m.teleportLevel);
    return 0;
}

// The state of the quest the page names; a number outside the table shows none.
int32_t ShownQuestState(const CheatMenuState& m) {
    return m.questNumber >= 0 && m.questNumber < kQuestCount ? GameState.QuestStates[m.questNumber] : -1;
}

void SetShownQuestState(CheatMenuState& m, int32_t state) { SetQuestState(m.questNumber, int16_t(state)); }

int ResetEncounters(CheatMenuState&) {
    PopulateEncounters();
    return 0;
}

// A frog east of the hero, counted in a wilderness battle; the menu ends either way.
int SummonFrog(CheatMenuState&) {
    if (GameState.HeroX < 49) AddMonsterEncounter(kFrog, int16_t(GameState.HeroX + 1), GameState.HeroY, 0, 1);
    return 1;
}

int OpenEncounterList(CheatMenuState&) {
    ShowEncounterList();
    return 0;
}

int OpenCarryList(CheatMenuState&) {
    ShowHeroCarryList();
    return 0;
}

// The flag the page names, read and written through the flags' one gate.
int32_t CheatFlagValue(const CheatMenuState&) { return GameFlag(CheatFlagNumber); }
void SetCheatFlagValue(CheatMenuState&, int32_t v) { SetGameFlag(CheatFlagNumber, int16_t(v)); }

std::string WildMonstersLeft(const CheatControl&) { return std::to_string(WildCombatMonsters); }

CheatControlList FunctionsPage() {
    CheatControlList p;
    p.Add(CheatButton("Teleport", 60, 85, 4, Teleport));
    p.Add(CheatNumber("Map:          X:         Y:", 150, 90, 175, 85, 2, {.menu = &CheatMenuState::teleportLevel},
                      0, 129));
    p.Add({.kind = Kind::kIcon, .x = 215, .y = 84, .index = 35, .act = PickTeleportLevel});
    p.Add(CheatField(255, 85, 2, {.menu = &CheatMenuState::teleportX}, 0, 49));
    p.Add(CheatField(320, 85, 2, {.menu = &CheatMenuState::teleportY}, 0, 49));

    p.Add(CheatNumber("Quest:", 60, 125, 120, 120, 3, {.menu = &CheatMenuState::questNumber}, 0, 199));
    p.Add({.kind = Kind::kChoice, .label = "set to", .labelX = 190, .labelY = 125, .x = 235, .y = 120, .pieces = 5,
           .value = {.get = ShownQuestState, .set = SetShownQuestState}, .names = kQuestStateNames, .listPieces = 6,
           .units = 12});

    p.Add(CheatNumber("Flag: ", 60, 165, 120, 160, 3, {.i16 = &CheatFlagNumber}, 0, 7999));
    p.Add(CheatNumber("set to", 190, 165, 235, 160, 3, {.get = CheatFlagValue, .set = SetCheatFlagValue}, -1, 50));
    CheatControl monitor = CheatNumber("Set monitor Flag", 320, 165, 435, 160, 3, {.i16 = &MonitoredFlag}, -1, 7999);
    monitor.colour = kSmallBlue;
    p.Add(monitor);

    p.Add(CheatLabel("Reset Move Layer: ", 60, 195));
    p.Add(CheatButton("Reset", 170, 190, 2, ResetEncounters));
    p.Add(CheatLabel("Summon Frog: ", 60, 220));
    p.Add(CheatButton("Frog", 170, 215, 2, SummonFrog));
    p.Add(CheatButton("View Encounter List", 60, 260, 7, OpenEncounterList));
    p.Add(CheatButton("View Hero Carry List", 220, 260, 7, OpenCarryList));
    p.Add(CheatLabel("Freeze Monsters: ", 60, 300));
    p.Add(CheatCheck(160, 295, FreezeMonsters));
    p.Add({.kind = Kind::kText, .label = "WildMonstLeft flag: ", .labelX = 50, .labelY = 360, .x = 180, .y = 360,
           .colour = kSmallBlue, .text = WildMonstersLeft});
    return p;
}

}  // namespace

std::span<const CheatControl> FunctionsPageControls() {
    static const CheatControlList kPage = FunctionsPage();
    return kPage.Controls();
}

int16_t ChooseCheatLevel(int16_t current) {
    Screen screen("cheat level");
    int16_t page = 1;
    auto redraw = [&page] { DrawLoadLevel(page, 1, 0); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        int16_t next = page;
        if (KeyPressed(kHome, 1, 0, 1)) next = 1;
        if (KeyPressed(kEnd, 1, 0, 1)) next = kLevelPages;
        if (ButtonClicked(140, 418, 6, 'P', kPageUp, 1, 1) && page > 1) next = int16_t(page - 1);
        if (ButtonClicked(210, 418, 6, 'N', kPageDown, 1, 1) && page < kLevelPages) next = int16_t(page + 1);
        if (next != page) {
            page = next;
            redraw();
        }
        for (int16_t i = 0; i < 10; ++i) {
            if (!AreaClicked(180, int16_t(60 + 35 * i), 220, 32, 0, 1, 1, 1)) continue;
            const int16_t level = int16_t(10 * (page - 1) + i);
            if (level < kLevelCount && LevelList.LevelListUsed[level]) return level;
            redraw();
        }
        if (ButtonClicked(400, 418, 8, 'C', kEsc, 1, 1)) return current;
    }
}
