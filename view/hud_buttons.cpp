#include "hud_buttons.h"

#include <array>

#include "adventure/adventure_loop.h"
#include "data/game_state.h"

namespace {

// In HudButton order: picture, hotkey, sound, wilderness refusal, action and help box.
const std::array<HudButtonRecord, kHudButtonCount> kHudButtons = {{
    {1380, 'B', "click", true, BowButton,
     {"Bow Button", "Bow Button", 1380, 9,
         {"Shoots the weapon of your bow slot. A",
          "shot needs a bow in the bow slot, its",
          "ammunition in the ammunition slot, and",
          "no monster close enough for melee."},
         210}},
    {1381, 'W', "click", true, WandButton,
     {"Wand Button", "Wand Button", 1381, 9,
         {"Uses the wand in your wand slot. The",
          "wand needs at least one charge left",
          "to be used."},
         205}},
    {1382, 'H', "Click", false, HideButton,
     {"Hide Button", "Hide Button", 1382, 11,
         {"Hides you in the shadows. Hiding needs",
          "at least 1 point of the Stealth skill,",
          "and no monster may be in sight when",
          "you try it.",
          "A hidden hero is spotted only by the",
          "monsters whose awareness is higher",
          "than his Stealth skill."},
         254}},
    {1383, 'D', "click", true, DisarmButton,
     {"Disarm Button", "Disarm Trap Button", 1383, 14,
         {"Disarms a trap next to you: choose the",
          "direction in which the trap lies.",
          "A trap is spotted by itself, and shown",
          "as a red 'X', when your Disarm Traps",
          "skill or your Perception is higher",
          "than the trap's concealment.",
          "The disarm succeeds when your Disarm",
          "Traps skill is at least the trap's",
          "difficulty. Used on a pit, it looks",
          "for the pit's hidden shaft."},
         306}},
    {1384, 'G', "click", true, DigButton,
     {"Dig Button", "Dig Button", 1384, 9,
         {"Digs for buried treasure, or through a",
          "collapsed tunnel, next to you. You need",
          "a shovel to dig."},
         205}},
    {1385, 'S', "Click", false, StatsButton,
     {"Statistics Button", "Stats Button", 1385, 8,
         {"Opens the character sheet at the",
          "statistics tab."},
         186}},
    {1386, 'I', "Click", false, InventoryButton,
     {"Inventory Button", "Inventory Button", 1386, 8,
         {"Opens the character sheet at the",
          "inventory tab."},
         186}},
    {1387, 'Q', "Click", false, QuestLogButton,
     {"Quest Button", "Quest Log Button", 1387, 8,
         {"Shows the state of your ongoing and",
          "completed quests."},
         186}},
    {1388, 'M', "Read", false, WorldMapButton,
     {"World Map Button", "World Map Button", 1388, 8,
         {"To view maps of the VX2 world, and its",
          "major locations."},
         186}},
    {1389, 'T', "Click", false, TranslationsButton,
     {"Translations Button", "Translate Runes and Hieroglyphs", 1389, 9,
         {"Shows the meanings of the runes and",
          "hieroglyphs you know. You learn their",
          "meanings as you find them on your",
          "travels."},
         210}},
    {1390, 'R', "Click", false, RestButton,
     {"Rest Button", "Rest Button", 1390, 9,
         {"Rests to recover Hit Points and Energy.",
          "You can rest only in the places made",
          "for it, and only while no monster is",
          "in sight."},
         210}},
    {1391, 'C', "click", true, CloseDoorButton,
     {"Close Button", "Close Door Button", 1391, 8,
         {"Closes a door next to you: choose its",
          "direction. A shut door keeps in the",
          "monsters that cannot open doors."},
         194}},
    {1392, 'A', "Click", false, ActivateButton,
     {"Activate Button", "Activate Skill Button", 1392, 8,
         {"Opens the menu of the powers of your",
          "Curse, Prayer and Gemlore skills, to",
          "use one of them."},
         194}},
    {1604, 'P', "click", true, PushButton,
     {"Push Button", "Push enemy button", 1604, 8,
         {"Forces a suitable enemy next to you",
          "back by one square."},
         194}},
    {1393, 'O', "Click", false, OptionsButton,
     {"Options Button", "Options Button", 1394, 8,
         {"The functions around the game: load,",
          "save, audio, difficulty and quit."},
         186}},
    {1699, 'H', "Click", false, HumanFormButton,
     {"Human Form Button", "Human Form Button", 1394, 8,
         {"Returns you from your beast form to",
          "your human form, at any time."},
         186}},
}};

constexpr HudButtonPlace kNormalLayout[] = {
    {kBowButton, 455, 355, 456, 455},          {kWandButton, 490, 355, 490, 490},
    {kHideButton, 525, 355, 525, 525},         {kDisarmButton, 560, 355, 560, 560},
    {kDigButton, 595, 355, 595, 595},          {kStatisticsButton, 455, 390, 456, 455},
    {kInventoryButton, 490, 390, 490, 490},    {kQuestButton, 525, 390, 525, 525},
    {kWorldMapButton, 560, 390, 560, 560},     {kTranslationsButton, 595, 390, 595, 595},
    {kRestButton, 455, 425, 455, 455},         {kCloseButton, 490, 425, 490, 490},
    {kActivateButton, 525, 425, 525, 525},     {kPushButton, 560, 425, 560, 560},
    {kOptionsButton, 595, 425, 595, 590},
};
constexpr HudButtonPlace kBeastLayout[] = {
    {kRestButton, 455, 355, 456, 455},         {kQuestButton, 490, 355, 490, 490},
    {kWorldMapButton, 525, 355, 525, 525},     {kTranslationsButton, 560, 355, 560, 560},
    {kOptionsButton, 595, 355, 595, 595},      {kHumanFormButton, 455, 390, 456, 455},
};
constexpr HudButtonPlace kCompactLayout[] = {
    {kStatisticsButton, 455, 355, 455, 455},   {kInventoryButton, 490, 355, 490, 490},
    {kQuestButton, 525, 355, 525, 525},        {kWorldMapButton, 560, 355, 560, 560},
    {kTranslationsButton, 595, 355, 595, 595}, {kRestButton, 455, 390, 455, 455},
    {kActivateButton, 490, 390, 490, 490},     {kOptionsButton, 525, 390, 525, 525},
};

}  // namespace

const HudButtonRecord& HudButtonOf(HudButton button) { return kHudButtons[size_t(button)]; }

std::span<const HudButtonPlace> CurrentHudLayout() {
    if (GameState.CompactHud != 0) return kCompactLayout;
    if (GameState.HeroForm > 0) return kBeastLayout;
    return kNormalLayout;
}
