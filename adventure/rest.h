// Resting: nights, healing, dreams.
#pragma once

#include <cstdint>

// The rest result: ends the timed effects, recalculates the hero, then heals and refills by
// full and extra.
void RestRecover(int16_t full, int16_t extra);
void RestOneNight(int16_t full, int16_t extra);
void RestWithFood(int16_t extra);
void RestWithoutFood();
// 1 when the hero may rest here now; called by the Rest button before its prompt.
int CheckRestSafety();

// The night ends the running timed effects (the shields of mind and body, the life drain and
// the combat bonus go on); the recalculation after it gives a worn item's lasting effect back.
void ClearTimedEffects();
// The two prompts over the play screen; flipped.
void DrawSafeRestPrompt();
void DrawNoFoodRestPrompt();

// The dream of DreamStage 1..4, page after page until "Done".
void ShowDream();
// One dream page (a page of the game objective); flipped.
void DrawDreamPage(int16_t page);
// The IF ASLEEP EVENT on the hero's square: its text, its flag, its teleport.
void RunIfAsleepEvent();
void ShowIfAsleepText(int16_t x, int16_t y);
void DrawIfAsleepText(int16_t x, int16_t y);
