// Until the zone names dialog is built: its table of tunes, which the event dialogs show.
#include "kit/level/zone_names_editor.h"

constinit const std::array<std::string_view, 19> TuneNames = {
    "None",    "Title",   "Quest",   "Ruins",   "Swamp",   "Rainstorm", "Dungeon", "Cavern",  "Lost Valley", "Underwater",
    "Metal Lotus", "Tension", "Ice", "Egypt", "Custom1", "Custom2",   "Custom3", "Custom4", "Custom5"};
