#pragma once

// The whole program between the window's creation and the release of the display.
void RunTitle();
