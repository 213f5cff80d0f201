// The screens an item opens: the teleport target, the Potion of Stats, the books, the letters
// and the computer.
#pragma once

#include <array>
#include <cstdint>

// The target screen of Dimension Door (isDimensionDoor 1) and the teleport scroll: 1 when the
// hero was moved to the chosen seen, free square, 0 on Cancel.
int PickTargetSquare(int16_t isDimensionDoor);
void DrawTargetSquare(int16_t column, int16_t row, int16_t isDimensionDoor);
// 1 when the event on (x, y) keeps a teleported hero out. The hero is judged as a mover that
// neither flies, walks through walls nor opens doors.
int TeleportBlockedByEvent(int16_t x, int16_t y);

// The level-up statistic points spent one by one on Strength .. Perception; no cancel.
void RunPotionOfStats();
// entryBase: the base values when the screen opened; a raised value shows green.
void DrawPotionOfStats(const std::array<int16_t, 7>& entryBase);

// Books are items 148..152; any other item opens nothing.
void ReadBook(int16_t item);
// Page pair 0, 2, 4 or 6 of book 0..4.
void DrawBookPages(int16_t book, int16_t pagePair);

void ConsultComputer();
void ReadBrotherLetter();
void DrawBrotherLetter();
void ReadThreatLetter();
void DrawThreatLetter();
