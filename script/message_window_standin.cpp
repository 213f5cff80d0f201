// Until the script interpreter is built: no lines, only the answer field.
#include "message_window.h"

#include "platform/display.h"
#include "platform/widgets.h"

int16_t MessageLineCount = 0;

void ShowMessageLines(int16_t, uint32_t flip) {
    if (flip) Flip();
}

void RedrawScriptAnswer(int16_t script) {
    ShowMessageLines(script, 0);
    DrawTextField(100, int16_t(80 + 15 * MessageLineCount), 9, "");
    Flip();
}
