// The journal (quests and awards) and the rune book.
#pragma once

void RunJournal();
void RunKnownSymbols();
