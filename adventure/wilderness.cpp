#include "wilderness.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "adventure_loop.h"
#include "combat/monster_turn.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "hero/derived_stats.h"
#include "platform/message_boxes.h"
#include "platform/music.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "teleport.h"
#include "view/play_screen.h"

int16_t WildCombatMonsters = -1;
int16_t BattleReturnPlace[3] = {-1, -1, -1};
int16_t VictoryFlagChange[3] = {0, 0, 0};
int16_t FlightFlagChange[3] = {0, 0, 0};
int16_t BattleTune = -1;
int16_t FleeChance = 0;

namespace {

bool IsMonsterNumber(int16_t m) { return m >= 0 && m < kMonsterCount; }

void ChangeFlagBy(const int16_t change[3]) {
    if (change[0] > 0) ChangeFlag(change[0], change[1], change[2]);
}

}  // namespace

void RunWildernessCombatEvent(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    const EventRecord* event = EventAt(x, y);
    if (event && CheckFlagCondition(event->Word[1], event->Word[2], event->Word[3]))
        RollWildernessEncounter(x, y, dx, dy);
}

void RollWildernessEncounter(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    const EventRecord* event = EventAt(x, y);
    if (!event) return;
    const int16_t* w = event->Word;
    // Words 9..11 the three monsters, 12..14 their least and 15..17 their most.
    int16_t chance = w[4];
    const int32_t roll = 1 + Random15() % 100;
    if (!IsMonsterNumber(w[9]) && !IsMonsterNumber(w[10]) && !IsMonsterNumber(w[11])) chance = 0;
    if (roll > chance) return;
    int k = 0;
    do {
        k = Random15() % 3;
    } while (!IsMonsterNumber(w[9 + k]));
    const int32_t range = std::max(1, w[15 + k] - w[12 + k] + 1);
    const int32_t count = w[12 + k] + (range > 1 ? Random15() % range : 0);
    AnnounceEncounter(x, y, w[9 + k], int16_t(count), dx, dy);
}

namespace {

// English plurals of the names monsters go by: a bare "s" would show "Wolfs" and "Flys".
std::string Plural(std::string name) {
    auto endsWith = [&](std::string_view end) { return name.ends_with(end); };
    auto vowel = [](char c) { return std::string_view("aeiouAEIOU").find(c) != std::string_view::npos; };
    const size_t n = name.size();
    if (endsWith("man")) return name.replace(n - 3, 3, "men");
    if (endsWith("lf") || endsWith("arf")) return name.replace(n - 1, 1, "ves");
    if (endsWith("ife")) return name.replace(n - 2, 2, "ves");
    if (n >= 2 && endsWith("y") && !vowel(name[n - 2])) return name.replace(n - 1, 1, "ies");
    if (endsWith("s") || endsWith("x") || endsWith("z") || endsWith("ch") || endsWith("sh")) return name + "es";
    return name + "s";
}

}  // namespace

std::string EncounterLine(int16_t monster, int16_t count) {
    if (!IsMonsterNumber(monster)) return std::to_string(count) + ".";
    const std::string name(FieldText(MonsterTable[size_t(monster)].MonsterName));
    return std::to_string(count) + " " + (count == 1 ? name : Plural(name)) + ".";
}

void AnnounceEncounter(int16_t x, int16_t y, int16_t monster, int16_t count, int16_t dx, int16_t dy) {
    if (!IsMonsterNumber(monster)) return;
    PlaySoundEffect("Text");
    const std::string line = EncounterLine(monster, count);
    constexpr EventButton kCombat{.action = 0, .label = "Combat", .y = 282, .hotkey1 = 'C'};
    const auto page = [&] {
        DrawEventBackground();
        DrawLineStack({"You have encountered", line});
    };
    Screen screen("encounter");
    RunEventChoice(screen, page, {kCombat});
    StartWildernessCombat(x, y, monster, count, dx, dy);
}

void StartWildernessCombat(int16_t x, int16_t y, int16_t monster, int16_t count, int16_t dx, int16_t dy) {
    const EventRecord* event = EventAt(x, y);
    if (!event) return;
    const int16_t* w = event->Word;
    std::copy(w + 20, w + 23, VictoryFlagChange);
    std::copy(w + 23, w + 26, FlightFlagChange);
    BattleReturnPlace[0] = GameState.CurrentLevelNumber;
    BattleReturnPlace[1] = GameState.HeroX;
    BattleReturnPlace[2] = GameState.HeroY;
    const int16_t terrain =
        OnMap(GameState.HeroX, GameState.HeroY) ? CurrentLevel.TopLayer[GameState.HeroX * 50 + GameState.HeroY] : 0;
    BattleTune = w[26];
    FleeChance = w[19];
    if (FleeChance != 0) FleeChance = int16_t(std::min(99, FleeChance + GameState.Stats[kAgility]));
    BuildWildernessArena(x, y, terrain);  // frees the event
    PlaceArenaExits(dx, dy);
    PlaceArenaMonsters(x, y, dx, dy, monster, count);
    RepairArenaObjects();
    if (BattleTune > -1) {
        StopTune();
        PlayTune(BattleTune, 0);
        GameState.CurrentTune = BattleTune;
    }
}

void AskFleeCombat(int16_t victory) {
    const std::string question = "Flee combat? (" + std::to_string(FleeChance) + "%)";
    PlaySoundEffect("Text");
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    if (victory) {
        if (!Confirm(100, 120, "Victory! Leave area?")) return;
        ChangeFlagBy(VictoryFlagChange);
        ReturnFromBattle();
        return;
    }
    if (FleeChance == 0) {
        ShowMessage(100, 120, "      You cannot flee.", "");
        return;
    }
    if (!Confirm(100, 120, question)) return;
    ChangeFlagBy(FlightFlagChange);
    if (FleeChance >= 1 + Random15() % 100) {
        ReturnFromBattle();
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
        ShowMessage(100, 120, "       You escaped!", "");
        return;
    }
    ShowMessage(100, 120, "You were unable to flee!", "");
    FleeChance = 0;
    RunMonsterTurns(0);
}

void ReturnFromBattle() {
    TeleportHero(BattleReturnPlace[0], 0, BattleReturnPlace[1], BattleReturnPlace[2], 1);
    LeaveBattleState();
}

void LeaveBattleState() {
    WildCombatMonsters = -1;
    std::fill(VictoryFlagChange, VictoryFlagChange + 3, int16_t{0});
    std::fill(FlightFlagChange, FlightFlagChange + 3, int16_t{0});
    FleeChance = 0;
    if (BattleTune > -1) {
        StopTune();
        StartZoneMusic();
        BattleTune = -1;
    }
}

void ClearBattleReturn() {
    std::fill(BattleReturnPlace, BattleReturnPlace + 3, int16_t{-1});
    WildCombatMonsters = -1;
    std::fill(VictoryFlagChange, VictoryFlagChange + 3, int16_t{0});
    std::fill(FlightFlagChange, FlightFlagChange + 3, int16_t{0});
    FleeChance = 0;
}
