// Until the forge editor is built: its table of forge types, which the event dialogs show.
#include "kit/db/forge_editor.h"

constinit const std::array<std::string_view, 4> ForgeTypeLabels = {"Witches' Cauldron", "Bone Forge", "Mystic Forge",
                                                                   "Forge of Deroz"};
