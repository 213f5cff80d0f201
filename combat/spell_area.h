// The spell engine: an area of the window struck by a power, with its damage, status effects,
// the events it triggers and its pictures; and the small services of the hero's powers.
#pragma once

#include <cstdint>

// Power kinds: -1 physical, 0 Acid, 1 Cold, 2 Elect, 3 Fire, 4 Incompetence, 5 Weakness,
// 6 Silence, 7 Vulnerability, 8 Hold, 9 lily bridge, 10 Deathspell, 11 Frog, 12 Deconstruct.
enum SpellKind : int16_t {
    kPhysicalSpell = -1,
    kAcidSpell,
    kColdSpell,
    kElectSpell,
    kFireSpell,
    kIncompetenceSpell,
    kWeaknessSpell,
    kSilenceSpell,
    kVulnerabilitySpell,
    kHoldSpell,
    kLilySpell,
    kDeathSpell,
    kFrogSpell,
    kDeconstructSpell,
};

// Applies power kind to every monster of the area whose top-left window square is (x, y) (area
// mode 0 one square, 1 3 x 3, 2 5 x 5 without its corners), and to the hero when hitsHero and
// he stands in it; then shows the blast. No damage unless (count > 0 and sides > 0) or bonus > 0.
// spare is not read. viewMode non-zero draws the view in its spell mode. curseValue is the
// Incompetence penalty, -1 for the one of the hero's Curse skill.
void SpellArea(int16_t x, int16_t y, int16_t areaMode, int16_t kind, int16_t count, int16_t sides, int16_t bonus,
               int16_t spare, int16_t hitsHero, int16_t viewMode, int16_t curseValue);
// One monster on map square (mx, my); a large monster is struck once per square of the area.
void SpellHitsMonster(int16_t mx, int16_t my, int16_t encounter, int16_t kind, int16_t count, int16_t sides,
                      int16_t bonus, int16_t curseValue);
void SpellHitsHero(int16_t kind, int16_t count, int16_t sides, int16_t bonus);
// The USE SPELL and SMOKE SIGNAL events of the square answer the blast.
void SpellTriggersEvents(int16_t mx, int16_t my, int16_t kind);
// A cold blast freezes an ice bridge; a lily blast grows a lily bridge.
void FreezeBridge(int16_t mx, int16_t my);
void MarkBridgeType(int16_t mx, int16_t my);
void GrowLilyBridge(int16_t mx, int16_t my);

// Spends one gem of kind g (0 Emerald .. 8 Seastone).
void UseGem(int16_t g);
// The Evocation aura's bonus to a power's damage.
void AddEvocationBonus(int16_t& damage);
// The row number and separator of a row of the power menu.
void DrawMenuRowNumber(int16_t x, int16_t y, int16_t row);
