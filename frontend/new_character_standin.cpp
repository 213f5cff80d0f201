// Until character creation is built: the title is told plainly that it is not there yet.
#include "new_character.h"

#include "platform/message_boxes.h"

uint32_t NewCharacter() {
    ShowMessage(210, 175, "New Character is", "not available yet.");
    return 0;
}
