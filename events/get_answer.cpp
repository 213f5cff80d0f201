#include "events/get_answer.h"

#include "adventure/square_triggers.h"
#include "platform/display.h"
#include "platform/widgets.h"

void DrawGetAnswerScreen(int16_t x, int16_t y, int16_t answering, int16_t fieldY) {
    DrawEventTextPage(x, y, 0);
    if (answering == 0) {
        DrawButton(485, 260, 5, "Answer");
        DrawButton(485, 282, 5, "Leave");
    } else {
        DrawTextField(485, fieldY, 5, "");
    }
    Flip();
}
