#include "events/inn.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "adventure/rest.h"
#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "hero/derived_stats.h"
#include "hero/status_help.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view/play_screen.h"

namespace {

enum InnAction : int16_t { kLeave, kRentRoom, kBuyFood, kOrderDrink };

// The inn's buttons are 7 pieces drawn from x 465 and clicked 10 units wide from x 485.
EventButton InnButton(int16_t action, std::string_view label, int16_t y, int16_t hotkey1, int16_t hotkey2 = 0,
                      int16_t sound = 0) {
    return {.action = action,
            .label = label,
            .y = y,
            .hotkey1 = hotkey1,
            .hotkey2 = hotkey2,
            .sound = sound,
            .pieces = 7,
            .units = 10,
            .drawnX = 465};
}

constexpr std::array<std::string_view, 6> kAuraLabels = {"(E)vocation",    "(L)ooting",   "(O)vercharge",
                                                         "(R)egeneration", "(V)engeance", "(W)isdom"};
constexpr std::array<int16_t, 6> kAuraKeys = {'E', 'L', 'O', 'R', 'V', 'W'};
// Pictures of the aura rows: the aura effect, a coin, a bolt, a heart, crossed swords, a book.
constexpr std::array<int16_t, 6> kAuraIcons = {31, 11, 138, 141, 29, 27};

void DrawAuraChooser() {
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    DrawPanel(110, 100, 9, 12, 0, "");
    DrawSmallText(130, 130, "Activate a new Aura?", kSmallBlue);
    for (int16_t i = 0; i < 6; ++i) {
        DrawIcon(BackSurface, 130, 150 + 30 * i, kAuraIcons[size_t(i)]);
        DrawSmallText(180, int16_t(160 + 30 * i), kAuraLabels[size_t(i)], kSmallBlack);
    }
    Flip();
}

}  // namespace

int RunInnRoom(int16_t cost) {
    GameStateRecord& g = GameState;
    if (g.HeroGold < cost) {
        PlaySoundEffect("No");
        return 0;
    }
    g.HeroGold -= cost;
    RestRecover(1, 1);
    RestOneNight(1, 1);
    if (g.BaseSkills[kAuras] > 0) ChooseAura();
    return 1;
}

void BuyInnFood() {
    GameStateRecord& g = GameState;
    if (g.HeroGold < 2 || g.HeroFood >= 10) {
        PlaySoundEffect("No");
        return;
    }
    g.HeroGold -= 1;
    g.HeroFood = 10;
    PlaySoundEffect("Click");
    ShowEventMessage({{120, "You purchase food"}, {135, "rations and pack them"}, {150, "into your backpack."}},
                     InnButton(0, "Back", 282, 'B', kEsc, 1));
}

int OrderInnDrink(int16_t drinksToBrawl, int16_t cost, int16_t& counter, int16_t brawlFlag) {
    GameStateRecord& g = GameState;
    if (g.HeroGold < cost) return 0;
    g.HeroGold -= cost;
    if (drinksToBrawl != 0) {
        counter = int16_t(counter + 1);
        if (counter == drinksToBrawl && IsFlagNumber(brawlFlag) && GameFlag(brawlFlag) != 1) {
            SetGameFlag(brawlFlag, 1);
            PlaySoundEffect("Drink");
            ShowEventMessage({{120, "You drunk a little too"},
                              {135, "much and inadvertently"},
                              {150, "get involved in a drunken"},
                              {165, "bar brawl..."}},
                             InnButton(0, "Fight", 282, 'L', kEsc, 1));
            return 1;
        }
    }
    PlaySoundEffect("Drink");
    // One hit point a drink, when it is poured, however often the page is drawn.
    if (g.HitPoints < g.HitPointsMax) g.HitPoints = int16_t(g.HitPoints + 1);
    ShowEventMessage({{120, "Ah! There is nothing like"},
                      {135, "a good shot of alcohol"},
                      {150, "to put warmth back into"},
                      {165, "the belly!"}},
                     InnButton(0, "Back", 282, 'B', 0, 1));
    return 0;
}

void ChooseAura() {
    Screen screen("aura choice");
    DrawAuraChooser();
    for (;;) {
        LoopPass(screen, DrawAuraChooser);
        for (int16_t i = 0; i < 6; ++i) {
            const int16_t y = int16_t(150 + 30 * i);
            if (AreaClicked(140, y, 90, 30, kAuraKeys[size_t(i)], 1, 1, 0)) {
                GameState.ActiveAura = i;
                PlaySoundEffect("PowerUp");
                return;
            }
            if (AreaClicked(140, y, 90, 30, 0, 2, 0, 0)) {
                ShowAuraHelp(100, 140, i);
                DrawAuraChooser();
            }
        }
        if (KeyPressed(kEsc, 1, 0, 0)) {
            GameState.ActiveAura = -1;
            return;
        }
    }
}

void RunInnEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const auto e = ActiveEvent(x, y);
    if (!e) return;
    BeginEventScreen(result);
    const int16_t cost = std::max<int16_t>(e->Word[5], 0);
    const std::string rent = "Rent Room (" + std::to_string(cost) + " Gp)";
    std::vector<EventButton> buttons;
    if (e->Word[8] == 1) buttons.push_back(InnButton(kRentRoom, rent, 216, 'R'));
    buttons.push_back(InnButton(kBuyFood, "Buy Food (1 Gp)", 238, 'B'));
    buttons.push_back(InnButton(kOrderDrink, "Order Drink (1 Gp)", 260, 'O'));
    buttons.push_back(InnButton(kLeave, "Leave", 282, 'L', kEsc, 1));
    int16_t drinks = 0;
    Screen screen("inn");
    for (;;) {
        switch (RunEventChoice(screen, [&] { DrawEventTextPage(x, y, 0); }, buttons)) {
            case kRentRoom:
                if (RunInnRoom(cost)) return;
                break;
            case kBuyFood: BuyInnFood(); break;
            case kOrderDrink:
                if (OrderInnDrink(e->Word[6], 1, drinks, e->Word[7])) return;
                break;
            default: return;
        }
    }
}
