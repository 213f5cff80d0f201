// The map screen: the level's automap of the squares the hero has seen in his own zone, with
// markers, the player's notes, NPC information and the ways to the city and world maps.
#pragma once

#include <cstdint>

void MapScreen();
void DrawAutomap(uint32_t flip);
void DrawAutomapFrame();
void DrawAutomapLegend();
// Zone 5 has no automap: blank squares and a line saying so.
void DrawNoMapOverview();
// The notes of the current level.
void DrawMapNotes();
// One shown square at (px, py), 8 pixels a square.
void DrawAutomapCell(int16_t x, int16_t y, int16_t px, int16_t py, int16_t hideTop);
void DrawAutomapMarkers(int16_t x, int16_t y, int16_t px, int16_t py);
void DrawAutomapSecretDoor(int16_t x, int16_t y, int16_t px, int16_t py);
void DrawAutomapToggle(int16_t x, int16_t y, int16_t px, int16_t py);
void DrawAutomapAltTile(int16_t x, int16_t y, int16_t px, int16_t py);
void DrawAutomapCrack(int16_t x, int16_t y, int16_t px, int16_t py);
// The box of the NPC of the SCRIPT EVENT on (x, y), with the quest it has given, while the
// right button is held.
void ShowNpcInfo(int16_t x, int16_t y);
// The first active quest that script slot gives (code SQU), or -1.
int16_t FindNpcQuest(int16_t slot);
// The first free map note, or -1 when all 500 are in use.
int16_t FindFreeNote();
// Frees the notes of the current level around (x, y); 1 when any was.
int DeleteNotesAt(int16_t x, int16_t y);
