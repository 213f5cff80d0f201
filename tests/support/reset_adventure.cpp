#include "tests/support/global_state.h"

void KeepAdventureState() {}
