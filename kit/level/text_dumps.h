// Plain-text dumps of the module's texts for proofreading: every used script line of every
// level (ScriptDump.txt) and every non-empty event text line (TxtDump.txt).
#pragma once

#include <cstdint>
#include <cstdio>

// The dump's file while a dump runs; null otherwise.
extern std::FILE* DumpFile;

// Each loads the levels one by one into the current level: 1 when levels were loaded, so
// the caller reloads its own. A file that cannot be opened is said before any level loads,
// one that could not be written whole after the levels.
int DumpScripts();
int DumpEventTexts();
// One level's block, for the level in memory.
void DumpLevelScripts(int16_t level);
void DumpLevelEventTexts(int16_t level);
void WriteDumpRule();
