// Until the database editors are built: the author is told plainly.
#include "database_editors.h"

#include "platform/message_boxes.h"

namespace {

void NotBuilt() { ShowMessage(210, 175, "This editor", "is not built yet."); }

}  // namespace

void RunGameObjectiveEditor() { NotBuilt(); }
void RunQuestTextEditor() { NotBuilt(); }
void RunModuleEditor() { NotBuilt(); }
void RunBookEditor() { NotBuilt(); }
void RunPentaEditor() { NotBuilt(); }
void RunForgeEditor() { NotBuilt(); }
void RunSkillEditor() { NotBuilt(); }
void RunWinTextEditor() { NotBuilt(); }
void RunCustomCampaignEditor() { NotBuilt(); }
