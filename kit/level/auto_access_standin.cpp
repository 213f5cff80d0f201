#include "auto_access.h"

// Every tile gives free access until the tile roles are known.
const std::array<int16_t, 2395> AutoAccessTable = [] {
    std::array<int16_t, 2395> t{};
    t.fill(3);
    return t;
}();
