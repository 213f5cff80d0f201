// Levels whose events and scripts are any bytes, each event met in turn.
#include "fuzz/game_checks.h"
#include "fuzz/game_target.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartGameTarget("events");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::CheckEventInput({data, size})) __builtin_trap();
    return 0;
}
