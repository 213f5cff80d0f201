// The construction kit's item editor, which also serves as the item picker.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 10> PcIconLabels;
// Shared with the monster editor.
extern const std::array<std::string_view, 5> ElementLabels;

// selectMode 0 edits the items and ends with Save or Cancel; 1 picks one: Select (which
// saves Item.dat) or, on a list page, a click on a picture gives the item shown. The result
// is the item picked, 0 when none was.
int16_t RunItemEditor(int16_t selectMode);
// The screen in select mode for the kit's item fields: the item picked, or `current` when
// the author cancels, so that a field keeps its item.
int16_t PickItemInEditor(int16_t current);

// The whole screen for a category and its shown item (on a list page the first item of the
// block); flip 1 presents it.
void DrawItemEditor(int16_t category, int16_t item, int16_t selectMode, int16_t flip);
// The screen's frame is kept between drawings; this draws it afresh next time.
void ForgetItemEditorBackdrop();
