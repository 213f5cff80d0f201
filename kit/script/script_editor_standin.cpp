// Until the script editor is built: the author is told plainly.
#include "script_editor.h"

#include "platform/message_boxes.h"

void RunScriptEditor(int16_t) { ShowMessage(210, 175, "The script editor", "is not built yet."); }
