#pragma once

#include <memory>

#include "host.h"

namespace host {
// The real window: full screen on the desktop, 640 x 480 scaled by nearest neighbour.
std::unique_ptr<Backend> MakeSdlBackend();
}
