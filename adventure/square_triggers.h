// Events that act when the hero steps onto their square (and two when he leaves it).
#pragma once

#include <array>
#include <cstdint>

struct EventRecord;

// The 26 sound effects events and scripts name by number; 0 "None!" is no sound.
extern const std::array<const char*, 26> SoundNames;
// Plays sound number n of SoundNames; nothing for 0 or a number outside the table.
void PlaySoundNumber(int16_t n);

// Draws Text[page] (0 or 1) of the event on (x, y) over the play screen without its side
// panel; no flip. Returns the y below the text, where the screen's buttons go.
int16_t DrawEventTextPage(int16_t x, int16_t y, int16_t page);

// The handlers, each for the event on (x, y); an event whose condition is false does nothing.
void RunTrapEvent(int16_t x, int16_t y);
void SpringTrap(int16_t x, int16_t y);
void TeleportTrap(int16_t x, int16_t y);
void RunPitEvent(int16_t x, int16_t y);
void RunTriggerEvent(int16_t x, int16_t y);
// A weight on the pad (the hero or a pushed object) and its release.
void RunPressurePadEvent(int16_t x, int16_t y);
void ReleasePressurePad(int16_t x, int16_t y);
void ReleasePressurePad(const EventRecord& pad);
void RunHideEvent(int16_t x, int16_t y, int16_t fromX, int16_t fromY);
void RunGhostTextEvent(int16_t x, int16_t y);
void RunFloorTextEvent(int16_t x, int16_t y);
void RunDmf2Event(int16_t x, int16_t y, int16_t mode);
void RunThinCrustEvent(int16_t x, int16_t y);
void ApplyCrustDamage(int16_t x, int16_t y);
void RunActivateScriptEvent(int16_t x, int16_t y);
// entering 1 when the hero steps on, 0 when he leaves the square.
void RunDanceEvent(int16_t x, int16_t y, int16_t entering);
void RunDanceEvent(const EventRecord& dance, int16_t entering);
// Walks the hero along the event's path, with a companion ahead or behind.
void RunAutoPilotEvent(int16_t x, int16_t y);
