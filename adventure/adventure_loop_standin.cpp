// Until the adventure is built: the play screen, a plain notice, and the two ways out that
// the title relies on (Esc back to the title, Ctrl+Q out of the program).
#include "adventure_loop.h"

#include "frontend/title.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "view/play_screen.h"

namespace {

void DrawPlay() { DrawPlayScreen(1, 1, 0, -1, -1, 1); }

}  // namespace

uint32_t TestPlayMode = 0;
uint32_t ShowIdleThought = 0;

int AntimagicExcused(int16_t) { return 0; }

void AdventureLoop() {
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    ShowMessage(210, 175, "Play is not built yet.", "Esc: title, Ctrl+Q: quit");
    DrawPlay();
    for (;;) {
        LoopPass("adventure", DrawPlay);
        if (KeyDown(17) && KeyPressed('Q', 1, 0, 1)) {
            QuitProgram = 1;
            return;
        }
        if (KeyPressed(27, 1, 0, 3)) return;
    }
}
