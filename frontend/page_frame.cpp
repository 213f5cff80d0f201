#include "page_frame.h"

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

void DrawBookPage() {
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
}

void DrawBackButton() {
    DrawSmallText(475, 395, "Back", kSmallBlack);
    DrawIcon(BackSurface, 520, 390, 87);
}

bool BackChosen() {
    return AreaClicked(470, 390, 70, 20, 27, 1, 1, 1) || KeyPressed('B', 1, 0, 1) || KeyPressed(13, 1, 0, 1);
}

void DrawCancelButton() {
    DrawSmallText(120, 395, "Cancel", kSmallBlack);
    DrawIcon(BackSurface, 90, 390, 86);
}
