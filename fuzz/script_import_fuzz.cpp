// ScriptImport.txt of any bytes, imported onto a script with lines in use.
#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::CheckScriptImportInput({data, size})) __builtin_trap();
    return 0;
}
