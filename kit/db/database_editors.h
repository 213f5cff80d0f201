// The editors of the database files that the level editor's pages open (the item editor
// has its own header). Each edits its table in place and saves or reloads its file.
#pragma once

void RunGameObjectiveEditor();
void RunQuestTextEditor();
void RunMonsterEditor();
void RunModuleEditor();
void RunBookEditor();
void RunPentaEditor();
void RunForgeEditor();
void RunSkillEditor();
void RunWinTextEditor();
void RunCustomCampaignEditor();
