// The HUD buttons right of the view and their three layouts: normal, beast form and compact.
// One table serves the drawing, the help boxes and the adventure loop's clicks and hotkeys.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

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

// The box a right click on the button shows.
struct HudButtonHelpBox {
    std::string_view Title, Heading;
    int16_t Tile, Height;
    std::initializer_list<std::string_view> Lines;  // up to 42 characters each
    int16_t HotkeyY;
};

struct HudButtonRecord {
    int16_t Tile;  // its picture
    int16_t Hotkey;
    const char* Sound;
    bool NotInWilderness;  // there it only says "no"
    void (*Act)();
    HudButtonHelpBox Help;
};

struct HudButtonPlace {
    HudButton Button;
    int16_t X, Y;    // where its picture is drawn
    int16_t HelpX;   // where its help area starts (a pixel off in places)
    int16_t ClickX;  // where its click area starts (the normal Options button's lies 5 pixels left)
};

const HudButtonRecord& HudButtonOf(HudButton button);
// The layout of the moment: compact while CompactHud is set, else beast form while the hero is
// in one, else normal.
std::span<const HudButtonPlace> CurrentHudLayout();
