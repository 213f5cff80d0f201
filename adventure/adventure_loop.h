// The adventure: play on the current level with the hero held in the game state.
#pragma once

#include <cstdint>
#include <string_view>

// Non-zero ends the adventure loop after its pass.
extern uint32_t QuitAdventure;
// 1 while the level editor's test play runs.
extern uint32_t TestPlayMode;
// 1 while the hero's idle thought is to be drawn.
extern uint32_t ShowIdleThought;
// Milliseconds of play without a turn; every turn sets it to 0.
extern int32_t IdleCounter;
// Set when a pushed object set an event's flag: the loop then plays the bump.
extern uint32_t BumpSoundPending;

// Runs until the adventure ends; Ctrl+Q also sets QuitProgram, which ends the program.
void AdventureLoop();
// "Flee from the battle?"; 1 for Yes.
int AskFleeBattle();
void BumpSound();
// The tune of the hero's zone, when the music is on.
void StartZoneMusic();
// The R button: a rest on a safe square.
void Rest();
// The question, and the beast form's end.
void RevertToHumanForm();

// What each HUD button does (view/hud_buttons.cpp holds the table that calls them); its sound,
// its wilderness refusal and the redraw after it are the loop's.
void BowButton();
void WandButton();
void HideButton();
void DisarmButton();
void DigButton();
void StatsButton();
void InventoryButton();
void QuestLogButton();
void WorldMapButton();
void TranslationsButton();
void RestButton();
void CloseDoorButton();
void ActivateButton();
void PushButton();
void OptionsButton();
void HumanFormButton();
// A refusal with words: the sound "no" and a box over the redrawn play screen.
void ShowRefusal(int16_t x, int16_t y, std::string_view line1, std::string_view line2);
