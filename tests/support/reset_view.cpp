#include "tests/support/global_state.h"
#include "view/map_view.h"

void KeepViewState() { KeepInitial(SightGrid); }
