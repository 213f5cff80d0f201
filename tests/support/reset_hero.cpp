#include "hero/item_use.h"
#include "tests/support/global_state.h"

void KeepHeroState() { KeepInitial(ItemInUse); }
