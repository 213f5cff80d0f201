// Stand-in until the play screen is built: the slate, the covered view when asked, the
// side-panel scroll, and the flip. No map view, HUD or panel contents.
#include "view/play_screen.h"

#include "platform/display.h"
#include "platform/source_rects.h"

void DrawPlayScreen(int16_t, int16_t showView, int16_t, int16_t, int16_t, uint32_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    if (showView == 0) BltFast(BackSurface, 5, 5, BigScroll, BigScrollRect, kBltKeyed);
    BltFast(BackSurface, 445, 83, MediumScroll, MediumScrollRect, kBltKeyed);
    if (flip) Flip();
}
