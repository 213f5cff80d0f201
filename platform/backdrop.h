// The parts of a screen that never change, drawn once and then copied whole: drawing a
// panel's pieces one by one costs several full frames.
#pragma once

#include <cstdint>

#include "platform/host/surface.h"

struct Backdrop {
    Surface picture{640, 480};
    int32_t variant = 0;  // which of the screen's fixed looks is kept
    bool kept = false;
};

// The kept picture into the back buffer when it is of `variant`; else drawFixed(variant) draws
// the parts, which are kept while the window has its surfaces (never a picture of lost ones).
void DrawBackdrop(Backdrop& backdrop, int32_t variant, void (*drawFixed)(int32_t variant));
inline void ForgetBackdrop(Backdrop& backdrop) { backdrop.kept = false; }
