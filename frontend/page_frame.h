// Pieces that the screens of the front end share.
#pragma once

// The slate with the open book over it.
void DrawBookPage();
// "Back" at the bottom right with its icon.
void DrawBackButton();
// The bottom-right area, Esc, B or Enter.
bool BackChosen();
// "Cancel" at the bottom left with its icon.
void DrawCancelButton();
