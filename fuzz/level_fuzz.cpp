// Level files of any bytes.
#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::CheckLevelInput({data, size})) __builtin_trap();
    return 0;
}
