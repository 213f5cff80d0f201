// Until the database editors are built: the author is told plainly.
#include "database_editors.h"

#include "platform/message_boxes.h"

namespace {

void NotBuilt() { ShowMessage(210, 175, "This editor", "is not built yet."); }

}  // namespace

void RunGameObjectiveEditor() { NotBuilt(); }
void RunSkillEditor() { NotBuilt(); }
void RunWinTextEditor() { NotBuilt(); }
