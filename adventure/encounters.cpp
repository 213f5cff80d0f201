#include "encounters.h"

#include <algorithm>

#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/square_kinds.h"
#include "platform/message_boxes.h"
#include "script/flags.h"
#include "wilderness.h"

namespace {

// The first free slot, or -1.
int16_t FreeSlot() {
    for (int16_t n = 0; n < kEncounterCount; ++n)
        if (GameState.EncounterList[n].Kind == -1) return n;
    return -1;
}

void ListFull(const char* line1) { ShowMessage(50, 50, line1, ""); }

// A square an encounter may be put on: on the map and held by no other encounter.
bool SquareFree(int16_t x, int16_t y) { return OnMap(x, y) && GameState.MonsterGrid[x * 50 + y] == -1; }

bool IsMonsterNumber(int16_t monster) { return monster >= 0 && monster < kMonsterCount; }

// A monster at spawn: whole, passive, no spell effects, facing 0 left or 1 right.
void StartMonster(Encounter& e, int16_t monster, int16_t facing) {
    e.Kind = kMonsterKind;
    e.Extra = -1;
    e.Monster = monster;
    e.Hp = e.HpMax = MonsterTable[size_t(monster)].MonsterHitPoints;
    e.Active = 0;
    e.Facing = int16_t(facing * 3);
    e.AttackPenalty = e.WeakenPercent = e.Silenced = e.DefencePenalty = e.Paralysed = e.PowerUsed = 0;
}

// A push object or boat: no monster, hit points or flags.
void StartObject(Encounter& e, int16_t kind, int16_t tile) {
    e.Kind = kind;
    e.Extra = tile;
    e.Monster = e.Hp = e.HpMax = e.KillFlag = -1;
    e.KilledSetFlag = e.KilledSetOp = e.KilledSetValue = -1;
    e.Active = 0;
    e.AttackPenalty = e.WeakenPercent = e.Silenced = e.DefencePenalty = e.Paralysed = e.PowerUsed = 0;
    e.Reserved38 = 0;
    e.DisguiseItem = 0;
}

}  // namespace

void AddEventMonster(int16_t x, int16_t y, int16_t monster, int16_t slot) {
    const EventRecord* event = EventAt(x, y);
    if (!event || slot < 0 || slot >= kEncounterCount || !IsMonsterNumber(monster)) return;
    const int16_t* w = event->Word;
    ClearMonster(slot);
    Encounter& e = GameState.EncounterList[slot];
    StartMonster(e, monster, w[9]);
    e.KillFlag = w[5];
    e.KilledSetFlag = w[6];
    e.KilledSetOp = w[7];
    e.KilledSetValue = w[8];
    e.DormantFlag = w[10];
    e.DormantOp = w[11];
    e.DormantValue = w[12];
    e.DisguiseItem = w[15];
    // Shown as another monster while dormant; the footprint stays the first one's.
    if (e.DormantFlag >= 1 && CheckFlagCondition(w[10], w[11], w[12]) && IsMonsterNumber(w[14])) e.Monster = w[14];
    e.X = x;
    e.Y = y;
    MarkFootprint(x, y, MonsterSizeClass(monster), slot, 1);
}

void SpawnMonsterAt(int16_t x, int16_t y) {
    const EventRecord* event = EventAt(x, y);
    if (!event || !IsMonsterNumber(event->Word[4]) || !SquareFree(x, y)) return;
    const int16_t slot = FreeSlot();
    if (slot == -1) return ListFull("Encounter list full 5!");
    AddEventMonster(x, y, event->Word[4], slot);
}

int AddMonsterEncounter(int16_t monster, int16_t x, int16_t y, int16_t facing, int16_t countForBattle) {
    if (!IsMonsterNumber(monster) || !SquareFree(x, y)) return 0;
    const int16_t slot = FreeSlot();
    if (slot == -1) {
        ListFull("Encounter list full 4!");
        return 0;
    }
    if (countForBattle && WildCombatMonsters > 0) ++WildCombatMonsters;
    ClearMonster(slot);
    StartMonster(GameState.EncounterList[slot], monster, facing);
    MarkFootprint(x, y, MonsterSizeClass(monster), slot, 1);
    return 1;
}

void AddPushEncounter(int16_t kind, int16_t tile, int16_t x, int16_t y) {
    if (!SquareFree(x, y)) return;
    const int16_t slot = FreeSlot();
    if (slot == -1) return ListFull("Encounter list full 2!");
    ClearMonster(slot);
    StartObject(GameState.EncounterList[slot], kind, tile);
    GameState.MonsterGrid[x * 50 + y] = slot;
}

void AddBoatEncounter(int16_t kind, int16_t picture, int16_t x, int16_t y) {
    const EventRecord* event = EventAt(x, y);
    if (!event) return ShowMessage(50, 50, "Boat null error!", "");
    // The boat's flag and the two after it remember its picture and square across visits.
    const int16_t f = event->Word[5];
    int16_t bx = x, by = y;
    if (GameFlag(f) == -1) {
        SetGameFlag(f, picture);
        SetGameFlag(f + 1, x);
        SetGameFlag(f + 2, y);
    } else {
        picture = GameFlag(f);
        if (OnMap(GameFlag(f + 1), GameFlag(f + 2))) {
            bx = GameFlag(f + 1);
            by = GameFlag(f + 2);
        }
    }
    if (!SquareFree(bx, by)) return;
    const int16_t slot = FreeSlot();
    if (slot == -1) return ListFull("Encounter list full 1!");
    ClearMonster(slot);
    Encounter& e = GameState.EncounterList[slot];
    StartObject(e, kind, picture);
    e.X = x;
    e.Y = y;
    GameState.MonsterGrid[bx * 50 + by] = slot;
}

void RunSpawnEvent(int16_t x, int16_t y) {
    const EventRecord* event = EventAt(x, y);
    if (!event || !CheckFlagCondition(event->Word[1], event->Word[2], event->Word[3])) return;
    const int16_t group = event->Word[6];
    if (group <= 0) return;
    // The 13 x 13 window around the event, kept inside the map.
    const int ox = std::clamp(x - 6, 0, 37), oy = std::clamp(y - 6, 0, 37);
    for (int cx = ox; cx < ox + 13; ++cx)
        for (int cy = oy; cy < oy + 13; ++cy) {
            const EventRecord* m = EventAt(cx, cy);
            if (m && m->Word[0] == kMonsterEvent && m->Word[1] == group) SpawnMonsterAt(int16_t(cx), int16_t(cy));
        }
}

void PopulateEncounters() {
    std::fill(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), int16_t{-1});
    for (int16_t n = 0; n < kEncounterCount; ++n) ClearMonster(n);
    for (int16_t x = 0; x < 50; ++x)
        for (int16_t y = 0; y < 50; ++y) {
            const EventRecord* event = EventAt(x, y);
            if (!event) continue;
            const int16_t* w = event->Word;
            switch (w[0]) {
                case kMonsterEvent:
                    if (CheckFlagCondition(w[1], w[2], w[3]) && GameFlag(w[5]) == -1) SpawnMonsterAt(x, y);
                    break;
                case kPushEvent: AddPushEncounter(kPushObjectKind, w[1], x, y); break;
                case kBoatEvent: {
                    const int16_t access = CurrentLevel.AccessLayer[x * 50 + y];
                    if ((access == kWaterAccess || access == kChasmAccess) && CheckFlagCondition(w[1], w[2], w[3]))
                        AddBoatEncounter(kBoatKind, w[4], x, y);
                    break;
                }
                case kSpawnEvent: RunSpawnEvent(x, y); break;
                default: break;
            }
        }
    std::fill(std::begin(GameState.DamageFloor), std::end(GameState.DamageFloor), int16_t{-1});
    for (DamageFloorTimer& t : GameState.DamageFloorTimers) t = {-1, -1, -1};
}

void SpawnMonstersOfGroup(int16_t flag) {
    for (int16_t x = 0; x < 50; ++x)
        for (int16_t y = 0; y < 50; ++y) {
            const EventRecord* event = EventAt(x, y);
            if (!event) continue;
            const int16_t* w = event->Word;
            if (w[1] != flag || !CheckFlagCondition(flag, w[2], w[3])) continue;
            if (w[0] == kMonsterEvent && flag >= 1 && GameFlag(w[5]) == -1 && !IsFlagMonsterAlive(w[5]))
                SpawnMonsterAt(x, y);
            else if (w[0] == kBoatEvent && !IsBoatAt(x, y))
                AddBoatEncounter(kBoatKind, w[4], x, y);
        }
}

int IsFlagMonsterAlive(int16_t flag) {
    for (const Encounter& e : GameState.EncounterList)
        if (e.Kind == kMonsterKind && e.KillFlag > 0 && e.KillFlag == flag) return 1;
    return 0;
}

int IsBoatAt(int16_t x, int16_t y) {
    for (const Encounter& e : GameState.EncounterList)
        if (e.Kind == kBoatKind && e.X == x && e.Y == y) return 1;
    return 0;
}
