// Until the map events are built: the buttons or the answer field, without the play screen
// and the event's text.
#include "get_answer.h"

#include "platform/display.h"
#include "platform/widgets.h"

void DrawGetAnswerScreen(int16_t, int16_t, int16_t answering, int16_t fieldY) {
    if (answering == 0) {
        DrawButton(485, 260, 5, "Answer");
        DrawButton(485, 282, 5, "Leave");
    } else {
        DrawTextField(485, fieldY, 5, "");
    }
    Flip();
}
