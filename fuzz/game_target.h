// The set-up the game's fuzz targets share: a working folder with the built module's pictures
// and no campaign, the headless back end, the display open and the state at start-up kept.
#pragma once

namespace fuzz {

void StartGameTarget(const char* name);

}  // namespace fuzz
