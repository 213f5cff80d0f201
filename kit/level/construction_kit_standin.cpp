// Until the construction kit is built: the title is told plainly that it is not there yet.
#include "construction_kit.h"

#include "platform/message_boxes.h"

void RunConstructionKit() { ShowMessage(210, 175, "The construction kit", "is not built yet."); }
