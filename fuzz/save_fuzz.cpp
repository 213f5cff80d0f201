// Save files and slot lists of any bytes.
#include <filesystem>

#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const auto folder = std::filesystem::temp_directory_path() / ("vexmoor-save-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "Mod/LevelData");
    std::filesystem::create_directories(folder / "Mod/SaveGames");
    std::filesystem::current_path(folder);
    fuzz::WriteSaveFuzzLevels();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!fuzz::CheckSaveInput({data, size})) __builtin_trap();
    return 0;
}
