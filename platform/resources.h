// The art sheets and sounds embedded in the executable, found by name regardless of case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct ResourceSheet {
    int32_t width = 0, height = 0;
    const uint16_t* pixels = nullptr;  // RGB565, row-major
};

struct ResourceWave {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

bool FindSheet(std::string_view name, ResourceSheet& sheet);
bool FindWave(std::string_view name, ResourceWave& wave);
