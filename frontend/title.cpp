#include "title.h"

#include "platform/display.h"
#include "platform/input.h"
#include "platform/source_rects.h"

namespace {

void DrawTitleBackground() {
    FillScreenWithTile(1327);
    Flip();
}

}  // namespace

// Until the title menu is built: the screen's background tile, left with Esc.
void RunTitle() {
    WriteSourceRects();
    host::Backend& h = host::Get();
    h.ShowCursor(true);
    host::Message skipped;
    h.PeekMessage(skipped);
    DrawTitleBackground();
    bool quit = false;
    while (!quit) {
        LoopPass("title", DrawTitleBackground);
        if (KeyPressed(27, 1, 0, 1)) quit = true;
    }
    FillScreenWithTile(1327);
    h.PostMessage(host::kMsgClose);
}
