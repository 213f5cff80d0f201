// Hiding in the shadows.
#pragma once

// Hides the hero or refuses.
void TryHide();
