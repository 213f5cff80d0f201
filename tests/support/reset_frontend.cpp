#include "frontend/title.h"
#include "tests/support/global_state.h"

void KeepFrontendState() {
    KeepInitial(QuitProgram);
    KeepInitial(GuardWords);
}
