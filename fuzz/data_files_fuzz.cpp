// Data files of any bytes; the first byte picks the file.
#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::CheckDataFileInput({data, size})) __builtin_trap();
    return 0;
}
