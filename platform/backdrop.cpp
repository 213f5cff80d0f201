#include "platform/backdrop.h"

#include "platform/display.h"
#include "platform/source_rects.h"

void DrawBackdrop(Backdrop& backdrop, int32_t variant, void (*drawFixed)(int32_t variant)) {
    if (backdrop.kept && backdrop.variant == variant && BackSurface) {
        CopyRect(BackSurface, 0, 0, &backdrop.picture, FullScreenRect, kBltOpaque);
        return;
    }
    backdrop.kept = false;
    drawFixed(variant);
    if (!BackSurface || SurfacesLost) return;
    CopyRect(&backdrop.picture, 0, 0, BackSurface, FullScreenRect, kBltOpaque);
    backdrop.variant = variant;
    backdrop.kept = true;
}
