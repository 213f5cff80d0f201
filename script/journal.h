// The journal (the active quests and the awards) and the rune book (the known runes and
// hieroglyphs), both opened from the adventure loop.
#pragma once

#include <cstdint>

// Opens on the quest page; Done, D or Esc closes it.
void RunJournal();
// The quests of ActiveQuests from entry `first`, three at the most, with the buttons; flips.
void DrawActiveQuestsPage(int16_t first);
// Entries first..first+14 of Awards, with the buttons; flips.
void DrawAwardsPage(int16_t first);

// Opens on page 1: pages 1..4 are the runes, 5..8 the hieroglyphs.
void RunKnownSymbols();
void DrawKnownRunesPage(int16_t page);
void DrawKnownHieroglyphsPage(int16_t page);
