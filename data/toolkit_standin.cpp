// Until the toolkit lands: the texts are recorded, Y/N answers a question, Enter or Esc
// closes a message.
#include "data/toolkit_standin.h"

#include "platform/input.h"

int Confirm(int16_t x, int16_t y, std::string_view text) {
    host::Get().TextDrawn(text, x + 50, y + 50, 0);
    for (;;) {
        TakeLoopMessage("confirm");
        if (KeyPressed('Y', 1, 0, 1)) return 1;
        if (KeyPressed('N', 1, 0, 1)) return 0;
    }
}

void ShowMessage(int16_t x, int16_t y, std::string_view line1, std::string_view line2) {
    host::Get().TextDrawn(line1, x + 30, y + 40, 0);
    host::Get().TextDrawn(line2, x + 30, y + 60, 0);
    for (;;) {
        TakeLoopMessage("message");
        if (KeyPressed(13, 1, 0, 1) || KeyPressed(27, 1, 0, 1)) return;
    }
}
