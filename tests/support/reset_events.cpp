#include "events/push_objects.h"
#include "tests/support/global_state.h"

void KeepEventsState() { KeepInitial(ObjectSprangTrap); }
