#include "data/game_state.h"
#include "data/monster_records.h"
#include "encounters.h"
#include "platform/message_boxes.h"

void PopulateEncounters() {
    for (int16_t& cell : GameState.MonsterGrid) cell = -1;
    for (Encounter& e : GameState.EncounterList) {
        e = Encounter{};
        e.Kind = e.Extra = e.Monster = e.KillFlag = -1;
        e.KilledSetFlag = e.KilledSetOp = e.KilledSetValue = -1;
        e.DormantFlag = e.DormantOp = e.DormantValue = -1;
        e.DisguiseItem = e.X = e.Y = -1;
    }
}

int AddMonsterEncounter(int16_t monster, int16_t x, int16_t y, int16_t facing, int16_t) {
    if (monster < 0 || monster >= kMonsterCount || x < 0 || x > 49 || y < 0 || y > 49) return 0;
    for (int16_t n = 0; n < kEncounterCount; ++n) {
        Encounter& e = GameState.EncounterList[n];
        if (e.Kind != -1) continue;
        e = Encounter{};
        e.Kind = 3;
        e.Extra = -1;
        e.Monster = monster;
        e.Facing = int16_t(facing * 3);
        e.Hp = e.HpMax = MonsterTable[monster].MonsterHitPoints;
        e.KillFlag = e.KilledSetFlag = e.KilledSetOp = e.KilledSetValue = -1;
        e.DormantFlag = e.DormantOp = e.DormantValue = -1;
        e.DisguiseItem = e.X = e.Y = -1;
        MarkFootprint(x, y, PictureSizeClass(MonsterTable[monster].MonsterPicture), n);
        return 1;
    }
    ShowMessage(200, 200, "Encounter list full 4!", "");
    return 0;
}

void AddPushEncounter(int16_t, int16_t, int16_t, int16_t) {}
void SpawnMonsterAt(int16_t, int16_t) {}
void SpawnMonstersOfGroup(int16_t) {}
