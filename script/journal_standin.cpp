#include "journal.h"

void RunJournal() {}
void RunKnownSymbols() {}
