// The level editor's "Load Level" and "Save Level" screens over the level list, ten entries
// to a page on 13 pages, keeping the list and the level files in step. The cheat menu's
// teleport draws the same pages.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/field_kinds.h"

// The number of the level loaded or imported, or current when nothing was loaded.
int16_t RunLoadLevel(int16_t current);
// The number the level was saved under, or current.
int16_t RunSaveLevel(int16_t current);
// page 1..13; showDelete draws the delete icons of used entries.
void DrawLoadLevel(int16_t page, int16_t flip, int16_t showDelete);
void DrawSaveLevel(int16_t page, int16_t flip);

// Deletes level n's file and its entry; never the level being edited.
void EraseLevel(int16_t n, int16_t current);
// A listed level whose file is missing: said, and its entry removed.
void RemoveMissingLevel(int16_t page, int16_t n);
// An unlisted level without a file: said.
void ShowNoSuchLevel(int16_t page, int16_t n);
// Offers every unlisted level 0..128 for import; the number of levels it loaded.
int16_t ImportAllLevels();
// The level on the editor's screen from its file, or a new level when it has none.
void ReloadEditedLevel(int16_t level);

// Entry n marked used and named after zone name 0 of the level in memory (not written).
void ListLevel(int16_t n);
// The current level saved as level n, asking before overwriting when ask is set; listed and
// the list written only when the file was written. A save that fails for any reason but the
// author's No is said, over `behind` when given (the overwrite question is not left under
// it). 1 when written.
int SaveAndListLevel(int16_t n, uint32_t ask, const FieldRedraw& behind = {});
// A box about level n's file: "Level<n>.dat could not" and the second line.
void ShowLevelFileTrouble(int16_t n, std::string_view line2);
