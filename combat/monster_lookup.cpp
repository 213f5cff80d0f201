#include "monster_lookup.h"

#include "adventure/encounters.h"
#include "data/text_field.h"
#include "script/flags.h"

int16_t EncounterIndexAt(int32_t x, int32_t y) {
    if (x < 0 || x > 49 || y < 0 || y > 49) return -1;
    const int16_t e = GameState.MonsterGrid[x * 50 + y];
    return e >= 0 && e < kEncounterCount ? e : int16_t{-1};
}

Encounter* EncounterOf(int32_t e) { return e >= 0 && e < kEncounterCount ? &GameState.EncounterList[e] : nullptr; }

const MonsterRecord* MonsterRecordOf(int32_t monster) {
    return monster >= 0 && monster < kMonsterCount ? &MonsterTable[size_t(monster)] : nullptr;
}

const MonsterRecord* LiveMonsterOf(int32_t e) {
    const Encounter* r = EncounterOf(e);
    return r && r->Kind == kMonsterKind ? MonsterRecordOf(r->Monster) : nullptr;
}

LiveMonster LiveMonsterIn(int32_t e) {
    const MonsterRecord* m = LiveMonsterOf(e);
    if (!m) return {};
    return {int16_t(e), &GameState.EncounterList[size_t(e)], m};
}

LiveMonster LiveMonsterAt(int32_t x, int32_t y) { return LiveMonsterIn(EncounterIndexAt(x, y)); }

bool IsDormant(const Encounter& r) {
    return r.DormantFlag >= 1 && CheckFlagCondition(r.DormantFlag, r.DormantOp, r.DormantValue);
}

int16_t MonsterSizeClass(int32_t monster) {
    const MonsterRecord* r = MonsterRecordOf(monster);
    return r ? PictureSizeClass(r->MonsterPicture) : int16_t{0};
}

void RemarkFootprint(int16_t mx, int16_t my, int16_t e) {
    const Encounter* r = EncounterOf(e);
    if (!r) return;
    int16_t anchorX = -1, anchorY = -1;
    ForEachSquareOfEncounter(mx, my, e, [&](int16_t sx, int16_t sy) {
        if (anchorX == -1) anchorX = sx, anchorY = sy;
        GameState.MonsterGrid[sx * 50 + sy] = -1;
    });
    if (anchorX != -1) MarkFootprint(anchorX, anchorY, MonsterSizeClass(r->Monster), e);
}

std::string MonsterNameText(const MonsterRecord& r) { return std::string(FieldText(r.MonsterName)); }

std::string TheMonsterName(const MonsterRecord& r) {
    return (r.MonsterUnique ? std::string() : std::string("The ")) + MonsterNameText(r);
}
