#include "hero/equipment.h"
#include "tests/support/global_state.h"

void KeepHeroState() {
    KeepInitial(CursorItem);
    KeepInitial(FormChangePending);
}
