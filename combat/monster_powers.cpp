#include "monster_powers.h"

#include <algorithm>
#include <string_view>

#include "adventure/encounters.h"
#include "combat/missile_flight.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "combat/monster_path.h"
#include "combat/monster_turn.h"
#include "combat/spell_area.h"
#include "data/level.h"
#include "data/square_kinds.h"
#include "hero/item_use.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

// The zones 3 and 4 may hold an antimagic condition that a flag lifts; the others never stop a
// monster's power.
bool AntimagicBlocks(int16_t x, int16_t y) {
    const int16_t zone = CurrentLevel.ZoneLayer[x * 50 + y];
    if (zone != 3 && zone != 4) return false;
    return CurrentLevel.ZoneConditions[zone] == kAntimagicZone && !AntimagicExcused(zone);
}

void Announce(int16_t x, int16_t y, int16_t e, std::string_view line) {
    ShowPowerMessage(x, y, e);
    DrawSmallText(475, 120, line, kSmallBlack);
    PlayPowerSound();
}

// The record of the monster using a power, the power announced; null, and nothing shown, for a
// number outside the table.
const MonsterRecord* AnnouncePower(int16_t monster, int16_t x, int16_t y, int16_t e, std::string_view line) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (m) Announce(x, y, e, line);
    return m;
}

// The 3 x 3 of the window centred on map square (cx, cy), as SpellArea takes it.
void BlastAround(int16_t cx, int16_t cy, int16_t element, const int16_t (&dice)[3]) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    SpellArea(int16_t(cx - 1 - originX), int16_t(cy - 1 - originY), 1, element, dice[0], dice[1], dice[2], 0, 1, 0,
              -1);
}

// The four blasts differ by their line, bolt and element only.
uint32_t RunBlast(int16_t monster, int16_t x, int16_t y, int16_t e, int16_t power) {
    static constexpr std::string_view kLines[] = {"Acid Blast....", "Ice Blast....", "Lightning Blast....",
                                                  "Fire Blast...."};
    const MonsterRecord* m = AnnouncePower(monster, x, y, e, kLines[power - 1]);
    if (!m) return 0;
    DrawMonsterBolt(x, y, power);
    BlastAround(GameState.HeroX, GameState.HeroY, int16_t(power - 1), m->MonsterMissileDamage);
    return 1;
}

using PowerRun = uint32_t (*)(int16_t monster, int16_t x, int16_t y, int16_t e);
struct PowerEntry {
    int16_t power;
    PowerRun run;
    bool needsAdjacent;
};
constexpr PowerEntry kPowers[] = {
    {1, RunAcidBlast, false},     {2, RunIceBlast, false},     {3, RunLightningBlast, false},
    {4, RunFireBlast, false},     {5, RunDrainCharges, false}, {6, RunMonsterSuicide, false},
    {7, RunPsionicBlast, false},  {8, RunSummoning, false},    {9, RunStealFood, true},
};

}  // namespace

uint32_t UseMonsterPower(int16_t monster, int16_t x, int16_t y, int16_t e, int16_t adjacent) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m || x < 0 || x > 49 || y < 0 || y > 49 || AntimagicBlocks(x, y)) return 0;
    for (const PowerEntry& p : kPowers)
        if (p.power == m->MonsterPower) return p.needsAdjacent && !adjacent ? 0 : p.run(monster, x, y, e);
    return 0;
}

uint32_t RunAcidBlast(int16_t monster, int16_t x, int16_t y, int16_t e) { return RunBlast(monster, x, y, e, 1); }
uint32_t RunIceBlast(int16_t monster, int16_t x, int16_t y, int16_t e) { return RunBlast(monster, x, y, e, 2); }
uint32_t RunLightningBlast(int16_t monster, int16_t x, int16_t y, int16_t e) {
    return RunBlast(monster, x, y, e, 3);
}
uint32_t RunFireBlast(int16_t monster, int16_t x, int16_t y, int16_t e) { return RunBlast(monster, x, y, e, 4); }

uint32_t RunDrainCharges(int16_t, int16_t x, int16_t y, int16_t e) {
    Announce(x, y, e, "Drain Charges....");
    DrawMonsterBolt(x, y, 2);
    PlaySoundEffect("Curse");
    if (GameState.HeroForm == 0) {
        GameState.PrayerCharges = 0;
        GameState.CurseCharges = 0;
    }
    return 1;
}

uint32_t RunMonsterSuicide(int16_t monster, int16_t x, int16_t y, int16_t e) {
    const MonsterRecord* m = MonsterRecordOf(monster);
    if (!m || !IsMonsterAdjacent(monster, x, y)) return 0;
    Announce(x, y, e, "Monster suicides....");
    // Element 0 is a physical blast; elements beyond Fire blast nothing.
    if (m->MonsterElement >= 0 && m->MonsterElement <= 4)
        BlastAround(x, y, int16_t(m->MonsterElement - 1), m->MonsterMissileDamage);
    int16_t firstX = -1, firstY = -1;
    KillMonster(x, y, e, firstX, firstY);
    return 1;
}

uint32_t RunPsionicBlast(int16_t monster, int16_t x, int16_t y, int16_t e) {
    const MonsterRecord* m = AnnouncePower(monster, x, y, e, "Psionic Blast....");
    if (!m) return 0;
    PlaySoundEffect("Psionic");
    FlashScreen();
    const int16_t roll = RollDice(m->MonsterMissileDamage[0], m->MonsterMissileDamage[1], m->MonsterMissileDamage[2]);
    const int32_t damage = std::max(1, roll - GameState.Saves[0] / 5);
    // Not clamped here: the adventure loop ends the game below 1.
    GameState.HitPoints = int16_t(GameState.HitPoints - damage);
    return 1;
}

uint32_t RunSummoning(int16_t monster, int16_t x, int16_t y, int16_t e) {
    const MonsterRecord* m = AnnouncePower(monster, x, y, e, "Summoning....");
    if (!m) return 0;
    PlaySoundEffect("Power");
    int32_t wanted = Random15() % 3 + 1;
    for (int tries = 0; tries < 30 && wanted > 0; ++tries) {
        const int16_t cx = int16_t(x - 1 + Random15() % 3);
        const int16_t cy = int16_t(y - 1 + Random15() % 3);
        const int16_t facing = int16_t(Random15() & 1);
        if (FindSummonCell(m->MonsterSummonId, cx, cy)) {
            AddMonsterEncounter(m->MonsterSummonId, cx, cy, facing, 1);
            --wanted;
        }
    }
    return 1;
}

uint32_t RunStealFood(int16_t, int16_t, int16_t, int16_t) {
    if (GameState.HeroFood < 1) return 0;
    GameState.HeroFood = int16_t(std::max(0, GameState.HeroFood - (Random15() % 3 + 1)));
    PlaySoundEffect("eat");
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    ShowMessage(80, 80, "    Some of your food", "       was stolen!");
    return 1;
}

void ShowPowerMessage(int16_t x, int16_t y, int16_t e) {
    StrikingEncounter = e;
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    BltFast(BackSurface, (x - originX) * 32 + 25, (y - originY) * 32, UiIcons[59], IconRect, kBltKeyed);
}

void PlayPowerSound() {
    Flip();
    PlaySoundEffect("Power");
    Delay(2000);
    StrikingEncounter = -1;
}

void DrawMonsterBolt(int16_t x, int16_t y, int16_t kind) {
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    FlyMissile((x - originX) * 32 + 11, (y - originY) * 32 + 11, (GameState.HeroX - originX) * 32 + 11,
               (GameState.HeroY - originY) * 32 + 11, kind, 0);
}

void FlashScreen() {
    for (int n = 0; n < 6; ++n)
        for (int16_t tile : {1327, 1698}) {
            Delay(50);
            FillScreenWithTile(tile);
            Flip();
            Delay(50);
            DrawPlayScreen(1, 1, 0, -1, -1, 1);
        }
}

bool FindSummonCell(int16_t monster, int16_t x, int16_t y) {
    if (!MonsterRecordOf(monster)) return false;
    int16_t w, h;
    FootprintSize(MonsterSizeClass(monster), w, h);
    // The whole footprint must be free, a 3 x 3 one too: a summon never takes another's square.
    for (int16_t a = 0; a < w; ++a)
        for (int16_t b = 0; b < h; ++b) {
            const int32_t sx = x + a, sy = y + b;
            if (sx < 0 || sx > 49 || sy < 0 || sy > 49) return false;
            const int32_t square = sx * 50 + sy;
            if (GameState.MonsterGrid[square] != -1 || EventGrid[size_t(square)]) return false;
            if (sx == GameState.HeroX && sy == GameState.HeroY) return false;
            if (CurrentLevel.AccessLayer[square] != kFreeAccess) return false;
        }
    return true;
}
