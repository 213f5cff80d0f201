// The heads-up display around the map view: vitals, experience bar, buttons, side panel and
// status icons. Everything draws into the back buffer without a flip.
#pragma once

#include <cstdint>
#include <string_view>

// The vitals panel: hit-point and energy gauges, damage reduction, gold and food.
void DrawVitals();
// A 40-row gauge growing upward from row y + 40; empty for a value or maximum of 0 or less,
// full at the maximum or above.
void DrawVerticalGauge(int16_t value, int16_t max, int16_t x, int16_t y, int16_t piece);
// Progress within the hero's level, with the level-up star once it is complete.
void DrawXpBar();
// A 40-pixel bar; empty for a maximum of 0 or less, full at the maximum or above.
void DrawHorizontalBar(int32_t value, int32_t max, int16_t x, int16_t y);
void DrawHudButtons();
// The hero's summary and, by SidePanelMode, the combat values, enhancements or location.
void DrawSidePanel();
// The hero's name, sex, level and experience lines.
void DrawHeroSummary(int16_t x, int16_t y);
// The seven statistics, those an affliction lowers in red.
void DrawCombatPanel(int16_t x, int16_t y);
void DrawEnhancementsPanel(int16_t x, int16_t y);
void DrawBeastFormPanel();
void DrawLocationPanel();
// The right edge of the parchment of the side panel's scroll (MediumScroll at x 445): text
// written on the scroll ends before it.
constexpr int16_t kSideScrollTextRight = 618;
// A report line on the side panel's scroll in the small font, from (x, y): a line too long for
// the parchment (a monster's name in it) goes on at a space, `step` pixels lower, and a word
// longer than the room is cut. Returns the y of the line after it.
int16_t DrawSideScrollText(int16_t x, int16_t y, std::string_view text, int16_t colour, int16_t step);
// The affliction row under the view, growing to the left from x 415.
void DrawStatusIcons();
