// The key model under any stream of input, reads, waits, passes, frames and screens.
#include "fuzz/key_taps_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::CheckKeyTapsInput({data, size})) __builtin_trap();
    return 0;
}
