// The HUD buttons right of the view and their three layouts: normal, beast form and compact.
// The drawing and the help boxes go by the same layout.
#pragma once

#include <cstdint>
#include <span>

enum HudButton : int16_t {
    kBowButton,
    kWandButton,
    kHideButton,
    kDisarmButton,
    kDigButton,
    kStatisticsButton,
    kInventoryButton,
    kQuestButton,
    kWorldMapButton,
    kTranslationsButton,
    kRestButton,
    kCloseButton,
    kActivateButton,
    kPushButton,
    kOptionsButton,
    kHumanFormButton,
    kHudButtonCount
};

struct HudButtonPlace {
    HudButton Button;
    int16_t X, Y;   // where its picture is drawn
    int16_t HelpX;  // where its help area starts (a pixel off in places)
};

// The layout of the moment: compact while CompactHud is set, else beast form while the hero is
// in one, else normal.
std::span<const HudButtonPlace> CurrentHudLayout();
