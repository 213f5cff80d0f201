// The game played from a level and a save of any bytes.
#include "fuzz/game_checks.h"
#include "fuzz/game_target.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::StartGameTarget("play");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::CheckPlayInput({data, size})) __builtin_trap();
    return 0;
}
