// Whole-level tools of the level editor: the "Clear Functions" dialog, the wipe of the
// window, the "Shift Map" dialog and the "Replace Tile" dialog. The fill tile is the editor's
// current tile, whatever its kind.
#pragma once

#include <array>
#include <cstdint>

struct EditorState;

// A reset square: the fill tile at the bottom, nothing on top, free access, zone 0.
void ResetSquare(int16_t x, int16_t y, int16_t fillTile);

// Clearing the events empties the event clipboard, as every release of an event does.
void RunClearFunctions(int16_t fillTile, const EditorState& editor);
// choices: tiles, events, scripts.
void DrawClearFunctions(const std::array<uint32_t, 3>& choices, const EditorState& editor);
// Resets the 13 x 13 squares of the window; events stay.
void WipeScreen(int16_t viewX, int16_t viewY, int16_t fillTile);

void RunShiftMap(int16_t fillTile);
void DrawShiftMap();
// Every square takes the contents (four layers and event) of its neighbour below, above, to
// the right or to the left; the line moved off is lost with its events, the line moved in is reset.
void ShiftLevelUp(int16_t fillTile);
void ShiftLevelDown(int16_t fillTile);
void ShiftLevelLeft(int16_t fillTile);
void ShiftLevelRight(int16_t fillTile);

void RunReplaceTile(const EditorState& editor);
// layerChoice 0 bottom, 1 top, 2 both.
void DrawReplaceTile(int16_t fromTile, int16_t toTile, int16_t layerChoice, const EditorState& editor);
