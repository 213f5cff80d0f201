// The casino's event, its common page, and the games played at one click: cards, dice, empire,
// beads and the wheel of fortune.
#include "events/casino.h"

#include <algorithm>

#include "combat/monster_attacks.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

// By the event's word 6; any other value is no game.
constexpr std::array<void (*)(int16_t luck), 7> kCasinoGames = {
    [](int16_t) { PlayCards(); },  [](int16_t) { PlayDice(); },      [](int16_t) { PlayEmpire(); },
    [](int16_t) { PlayBeads(); },  PlayWheelOfFortune,               [](int16_t) { PlayCockFights(); },
    [](int16_t) { PlayRatRaces(); }};

// Pictures: card faces 0..4 for Playing Cards and 5..6 for Empire; a die is the panel piece
// with its number; beads are the ruby and the sapphire.
constexpr int16_t kEmpireCardFaces = 5;
constexpr int16_t kDiePiece = 16, kRedBead = 22, kBlueBead = 20;

constexpr std::string_view kCardsRules[] = {"Each time you play, 3 cards are dealt to you from a",
                                            "pool of 43. There are 10 'Castle' cards, 10 'Ship'",
                                            "cards, 10 'Sword' cards, 10 'Crown' cards and 3", "'Victory' cards."};
constexpr std::string_view kCardsPrizes[] = {"You win 20 gp for 3 of a kind, unless you get 3",
                                             "victory cards, in which case you earn 5000 gp!"};
constexpr CasinoRules kCards{"Playing Cards", " gold pieces.", "Cost: 1 casino chip per game.", kCardsRules,
                             kCardsPrizes};

constexpr std::string_view kDiceRules[] = {"Each time you play, you roll 5 dice. You win",
                                           "if you get 2 or more sixes."};
constexpr std::string_view kDicePrizes[] = {"5 x sixes = win 5000 gp", "4 x sixes = win 50 gp",
                                            "3 x sixes = win 25 gp", "2 x sixes = win 2 gp"};
constexpr CasinoRules kDice{"Playing Dice", " gp.", "Cost: 1 coin per game.", kDiceRules, kDicePrizes};

constexpr std::string_view kEmpireRules[] = {"Each time you play, pick 3 cards from a deck.",
                                             "Within the deck are 14 'Execution' cards and 6", "'Empire' cards."};
constexpr std::string_view kEmpirePrizes[] = {"3 execution cards 'Get the chop': lose 2 gp",
                                              "2 empire cards 'Win the Battle': win 5 gp",
                                              "3 empire cards 'Win the Empire': win 50 gp"};
constexpr CasinoRules kEmpire{"Playing Empire", " gp.", "Cost: 1 coin per game.", kEmpireRules, kEmpirePrizes};

constexpr std::string_view kBeadsRules[] = {"You randomly pull 10 beads from a bag containing",
                                            "50 beads, 40 of which are blue and 10 are red."};
constexpr std::string_view kBeadsPrizes[] = {"7+ red beads: win 5000gp", "6 red beads: win 500gp",
                                             "5 red beads: win 50gp", "4 red beads: win 5gp"};
constexpr CasinoRules kBeads{"Playing Beads", " gp.", "Cost: 1 coin per game.", kBeadsRules, kBeadsPrizes};

constexpr std::string_view kWheelRules[] = {"You spin the wheel. There are 100 positions on",
                                            "the wheel, labeled from 1 to 100."};
constexpr std::string_view kWheelPrizes[] = {
    "Spin a 'century'    (100)   : win 50gp", "Spin a 'lucky 69'   (69)    : win 50gp",
    "Spin a 'lucky low'  (0-5)   : win 5gp", "Spin a 'lucky high' (95-99) : win 5gp"};
constexpr CasinoRules kWheel{"Playing Wheel of Fortune", " gp.", "Cost: 1 coin per game.", kWheelRules,
                             kWheelPrizes};

// The page of a game played at one click: "Play game" (playUnits wide) plays it; "Leave" ends.
template <class Draw, class Play>
void RunOneClickGame(const char* name, int16_t playUnits, int16_t playSound, Draw&& draw, Play&& play) {
    Screen screen(name);
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(100, 380, playUnits, 'P', 0, 1, playSound)) {
            play();
            draw();
        } else if (CasinoLeaveClicked()) {
            return;
        }
    }
}

// The stake, or "No" when the gold in hand is short of what the game asks.
bool PayStake(int32_t needed, int32_t stake) {
    if (GameState.HeroGold < needed) {
        PlaySoundEffect("No");
        return false;
    }
    GameState.HeroGold -= stake;
    return true;
}

int32_t Credit(int32_t win) {
    GameState.HeroGold += win;
    if (win > 0) PlaySoundEffect("Buy");
    return win;
}

// Three cards shown face by face at x 80, 160, 240.
void DrawCards(const std::array<int16_t, 3>& faces, int16_t shown) {
    for (int16_t i = 0; i < shown; ++i)
        BltFast(BackSurface, 80 + 80 * i, 240, CardPictures[size_t(faces[size_t(i)])], PortraitRect, kBltKeyed);
}

// Deals the cards one by one, each with "Card" and a pause.
template <class Draw>
void ShowCards(int16_t& shown, Draw&& draw) {
    for (shown = 1; shown <= 3; ++shown) {
        draw();
        PlaySoundEffect("Card");
        Delay(450);
    }
    shown = 3;
}

}  // namespace

void DrawCasinoPage(const CasinoRules& r) {
    DrawServicePage(r.name);
    DrawSmallText(50, 100, "You currently have " + std::to_string(GameState.HeroGold) + std::string(r.goldUnit),
                  kSmallRed);
    DrawSmallText(50, 124, r.cost, kSmallBlue);
    int16_t y = 124;
    for (std::string_view line : r.rules) DrawSmallText(50, y = int16_t(y + 12), line, kSmallBlack);
    y = int16_t(y + 12);
    for (std::string_view line : r.prizes) DrawSmallText(50, y = int16_t(y + 12), line, kSmallBlue);
}

void DrawCasinoButtons() {
    DrawButton(100, 380, 5, "Play game");
    DrawButton(250, 380, 5, "Leave");
}

int CasinoLeaveClicked() { return ButtonClicked(250, 380, 10, 'L', kEsc, 1, 1); }

void CasinoOutcome::Draw() const {
    if (text.empty()) return;
    if (big)
        DrawBigText(x, y, text, colour);
    else
        DrawSmallText(x, y, text, colour);
}

CasinoOutcome WinOrLose(int32_t win, int16_t winY, int16_t loseY) {
    if (win > 0) return {"You win " + std::to_string(win) + " gp!", 50, winY, true, kBigRed};
    return {"You lose!", 50, loseY, false, kSmallBlue};
}

void DrawCasinoVerdict(std::string_view text) {
    DrawPanel(130, 200, 10, 3, 0, "");
    DrawBigText(170, 220, text, kBigBlue);
}

int32_t CardsPayout(const std::array<int16_t, 3>& cards) {
    if (cards[0] != cards[1] || cards[1] != cards[2]) return 0;
    return Credit(cards[0] == 4 ? 5000 : 20);
}

int32_t DicePayout(const std::array<int16_t, 5>& dice) {
    static constexpr int32_t kBySixes[] = {0, 0, 2, 25, 50, 5000};
    return kBySixes[std::count(dice.begin(), dice.end(), int16_t{6})];
}

int32_t EmpirePayout(const std::array<int16_t, 3>& cards) {
    const auto empires = std::count(cards.begin(), cards.end(), int16_t{1});
    static constexpr int32_t kByEmpires[] = {-2, 0, 5, 50};
    return Credit(kByEmpires[empires]);
}

int32_t BeadsPayout(const std::array<bool, 10>& red) {
    static constexpr int32_t kByRed[] = {0, 0, 0, 0, 5, 50, 500};
    const auto n = std::count(red.begin(), red.end(), true);
    return Credit(n >= 7 ? 5000 : kByRed[n]);
}

int32_t WheelPrize(int16_t spin) {
    if (spin == 100 || spin == 69) return 50;
    if (spin < 6 || (spin >= 95 && spin <= 99)) return 5;
    return 0;
}

void PlayCards() {
    std::array<int16_t, 3> cards{};
    int16_t shown = 0;
    CasinoOutcome outcome;
    const auto draw = [&] {
        DrawCasinoPage(kCards);
        DrawCards(cards, shown);
        outcome.Draw();
        DrawCasinoButtons();
        Flip();
    };
    RunOneClickGame("playing cards", 10, 0, draw, [&] {
        if (!PayStake(1, 1)) return;
        outcome = {};
        for (int16_t& c : cards) c = int16_t((Random15() % 43) / 10);  // 1..43 in tens, Victory 41..43
        ShowCards(shown, draw);
        outcome = WinOrLose(CardsPayout(cards), 345, 350);
    });
}

void PlayDice() {
    std::array<int16_t, 5> dice{};
    int16_t shown = 0;
    CasinoOutcome outcome;
    const auto draw = [&] {
        DrawCasinoPage(kDice);
        for (int16_t i = 0; i < shown; ++i) {
            DrawIcon(BackSurface, 80 + 30 * i, 240, kDiePiece);
            DrawSmallText(int16_t(87 + 30 * i), 246, NumberText(dice[size_t(i)]), kSmallBlack);
        }
        outcome.Draw();
        DrawCasinoButtons();
        Flip();
    };
    RunOneClickGame("playing dice", 6, 0, draw, [&] {
        if (!PayStake(1, 1)) return;
        outcome = {};
        for (int16_t& d : dice) d = int16_t(Random15() % 6 + 1);
        for (shown = 1; shown <= 5; ++shown) {
            draw();
            PlaySoundEffect("Dice");
            Delay(350);
        }
        shown = 5;
        outcome = WinOrLose(Credit(DicePayout(dice)), 280, 280);
    });
}

void PlayEmpire() {
    std::array<int16_t, 3> cards{};
    std::array<int16_t, 3> faces{};
    int16_t shown = 0;
    CasinoOutcome outcome;
    const auto draw = [&] {
        DrawCasinoPage(kEmpire);
        DrawCards(faces, shown);
        outcome.Draw();
        DrawCasinoButtons();
        Flip();
    };
    RunOneClickGame("playing empire", 6, 0, draw, [&] {
        if (!PayStake(6, 1)) return;  // 6 gp in hand for a game of 1
        outcome = {};
        for (size_t i = 0; i < 3; ++i) {
            cards[i] = Random15() % 20 + 1 < 15 ? 0 : 1;
            faces[i] = int16_t(kEmpireCardFaces + cards[i]);
        }
        ShowCards(shown, draw);
        switch (EmpirePayout(cards)) {
            case 50: outcome = {"You 'win the empire' (gain 50 gp)", 50, 345, false, kSmallRed}; break;
            case 5: outcome = {"You 'win the battle' (gain 5 gp)", 50, 345, false, kSmallRed}; break;
            case -2: outcome = {"You 'get the chop' (lose 2 more gp)!", 50, 350, false, kSmallRed}; break;
            default: outcome = {"You lose!", 50, 350, false, kSmallBlue};
        }
    });
}

void PlayBeads() {
    std::array<bool, 10> red{};
    int16_t shown = 0;
    CasinoOutcome outcome;
    const auto draw = [&] {
        DrawCasinoPage(kBeads);
        for (int16_t i = 0; i < shown; ++i)
            DrawIcon(BackSurface, 80 + 30 * i, 260, red[size_t(i)] ? kRedBead : kBlueBead);
        outcome.Draw();
        DrawCasinoButtons();
        Flip();
    };
    RunOneClickGame("playing beads", 6, 0, draw, [&] {
        if (!PayStake(1, 1)) return;
        outcome = {};
        for (bool& bead : red) bead = Random15() % 50 + 1 > 40;
        PlaySoundEffect("Dice");
        for (shown = 1; shown <= 10; ++shown) {
            draw();
            Delay(150);
        }
        shown = 10;
        outcome = WinOrLose(BeadsPayout(red), 300, 300);
    });
}

void PlayWheelOfFortune(int16_t luck) {
    int16_t stage = 0, spin = 0;
    CasinoOutcome outcome;
    const auto draw = [&] {
        DrawCasinoPage(kWheel);
        if (stage == 1) DrawSmallText(50, 243, "Spinning.....", kSmallBlue);
        if (stage >= 2) DrawBigText(150, 240, NumberText(spin), kBigBlack);
        outcome.Draw();
        DrawCasinoButtons();
        Flip();
    };
    RunOneClickGame("wheel of fortune", 6, 1, draw, [&] {
        if (GameState.HeroGold < 1) return;  // not even a sound
        GameState.HeroGold -= 1;
        outcome = {};
        spin = int16_t(Random15() % 100 + 1);
        if (spin > 5) spin = int16_t(spin + luck);
        PlaySoundEffect("Wheel");
        stage = 1;
        draw();
        Delay(2000);
        stage = 2;
        draw();
        Delay(250);
        outcome = WinOrLose(Credit(WheelPrize(spin)), 270, 270);
        stage = 3;
        draw();
        Delay(450);
    });
}

void RunCasinoEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const auto e = ActiveEvent(x, y);
    if (!e) return;
    BeginEventScreen(result);
    const int16_t luck = CountLuckCharms();
    const int16_t game = e->Word[6];
    if (game >= 0 && size_t(game) < kCasinoGames.size()) kCasinoGames[size_t(game)](luck);
}
