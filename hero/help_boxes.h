// Help boxes for statistics, skills and the hero's values: a titled panel over the screen
// that stays while the right mouse button is held. The caller redraws afterwards.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Stats 0..6; another number draws no box but still flips and waits.
void ShowStatHelp(int16_t stat, int16_t x, int16_t y);
// Skills 0..11, or 999 for the lores; withValues 0 (character creation) hides the numbers.
void ShowSkillHelp(int16_t skill, int16_t x, int16_t y, int16_t withValues);
// 0 Capstats, 1 skill points, 2 charges, 3 bonus skill points.
void ShowSkillTermHelp(int16_t topic);
// 0 DR, 1 hit points, 2 energy, 4 gold, 5 food, 6 levels, 7 the level bar, 9 careful step.
void ShowStatusHelp(int16_t topic, int16_t x, int16_t y);
// 0 damage reduction, 1 hit points.
void ShowDrHelp(int16_t topic, int16_t x, int16_t y);
void ShowSaveHelp(int16_t save, int16_t x, int16_t y);
void ShowResistHelp(int16_t resist, int16_t x, int16_t y);
void ShowSexHelp(int16_t sex, int16_t x, int16_t y);

// A panel 14 pieces wide titled with the skill's name.
void DrawSkillPanel(int16_t x, int16_t y, int16_t heightPieces, int16_t skill);
// "Cap stat: " and the statistic's name with its current value, at (x + 20, y + dy).
void DrawCapstatLine(int16_t x, int16_t y, int16_t stat, int16_t dy, int16_t withValues);

// Small-font lines 12 pixels apart from (x, y); returns the y of the last line.
int16_t DrawTextLines(int16_t x, int16_t y, std::span<const std::string_view> lines, int16_t colour);
// Flips, then keeps what is shown while the mouse button (1 left, 2 right) is held.
void HoldBox(int32_t button);
