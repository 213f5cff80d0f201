// The hero's current values, derived from the base values, level, difficulty, tattoos, worn
// items, afflictions and timed effects. Only RecalcHero writes the derived fields.
#pragma once

#include <array>
#include <cstdint>

enum StatIndex : int { kCombat, kStrength, kEndurance, kAgility, kDexterity, kWillpower, kPerception };
enum SkillIndex : int {
    kArmsmaster,
    kAuras,
    kCurseSkill,
    kCriticalHit,
    kDisarmTraps,
    kDualWeapons,
    kGemlore,
    kPickLocks,
    kPrayer,
    kResilience,
    kStealth,
    kTargeteer,
};

// Experience needed to leave level L (0..50).
extern const std::array<int32_t, 51> XpTable;
// No advance is offered from this level.
constexpr int16_t kTopLevel = 50;
// Whether the hero may advance a level now: below the top level with the experience to leave
// it. A level below 0 from a damaged save never may.
bool LevelUpOffered();
// The statistic that caps each skill.
extern const std::array<int16_t, 12> CapstatTable;

// A timed effect's turn count that means: while its item is worn.
constexpr int16_t kWhileWorn = 999;

void RecalcHero();

// The base of a save (0 Mind, 1 Body) as the next recalculation makes it: Willpower or
// Endurance x 4, those derived from their bases as they stand.
int16_t BaseSaveNow(int save);
// The lasting gain of a save (0 Mind, 1 Body) that fountains, altars, wishes and the cheat menu
// give, added to Willpower or Endurance x 4. Outside -99..99 (a damaged save) it counts as 0.
constexpr int32_t kMaxSaveBonus = 99;
int16_t LastingSaveBonus(int save);
// Stores a lasting gain, held to -99..99.
void SetLastingSaveBonus(int save, int32_t bonus);
// Adds to a save's lasting gain and its current value alike.
void GainLastingSave(int save, int32_t amount);
// The Prayer or Curse charges a night's rest gives at that skill: 3, one more at 8 and another at 16.
int16_t DailyCharges(int16_t skill);
// X of the amulet when it is that item, else 0.
int16_t AmuletStatBonus(int16_t item);
// Sum of X of the rings of that item: which 1 ring 1, 2 ring 2, 3 both.
int16_t RingBonus(int16_t item, int16_t which);
// Armour bonus + X of a worn armour piece whose curse is not known; else 0.
int16_t ArmourPieceDR(int16_t slot);
// 1 when no weapon is held in the weapon slot and no small weapon in the off hand.
int IsUnarmed();
