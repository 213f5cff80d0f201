#include "hero/equipment.h"
#include "hero/item_stash.h"
#include "hero/item_use.h"
#include "tests/support/global_state.h"

void KeepHeroState() {
    KeepInitial(CursorItem);
    KeepInitial(FormChangePending);
    KeepInitial(CursorFromStash);
    KeepInitial(ItemInUse);
}
