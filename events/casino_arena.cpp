// The casino's games in the arena: cock fights and rat races.
#include <array>
#include <string>

#include "data/game_state.h"
#include "events/casino.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr std::array<std::string_view, 3> kBreedNames = {"Midshire", "Dunheim", "Buckeye"};
// Per cent that the first cock wins, by (first, second) breed: each breed beats one other.
constexpr int16_t kBreedChances[3][3] = {{50, 60, 40}, {40, 50, 60}, {60, 40, 50}};

// Pictures: each breed is a bird's set of four monster pictures (facing left, striking left,
// striking right, facing right); the rats are a rat's set; the chosen roster's mark.
constexpr std::array<int16_t, 3> kBreedPictureSets = {37, 38, 149};
constexpr int16_t kRatPictureSet = 24;
constexpr int16_t kBetMarkPiece = 57;
constexpr int16_t kArenaGround = 1, kStartLine = 1201;

enum CockStage : int16_t {
    kFacing = 1,
    kFirstStrikes = 2,
    kSecondStrikes = 3,
    kSecondHits = 4,
    kFirstHits = 5,
    kStanding = 8
};

constexpr std::string_view kCockRules[] = {"Bet on the Chicken of your choice. If it wins,",
                                           "you get 4gp back. If it loses, you get nothing."};
constexpr CasinoRules kCockFights{"Cock Fights", " gp.", "Cost: 2 gp per game.", kCockRules, {}};
constexpr std::string_view kRatRules[] = {"Bet on the Rat of your choice. If it wins the", "race, you win 6gp."};
constexpr CasinoRules kRatRaces{"Rat Races", " gp.", "Cost: 2 gp per game.", kRatRules, {}};

void DrawTile(int16_t tile, int32_t x, int32_t y) {
    BltFast(BackSurface, x, y, WallTiles[size_t(tile)], TileRect, kBltKeyed);
}

void DrawMonsterPicture(int16_t picture, int32_t x, int32_t y) {
    BltFast(BackSurface, x, y, MonsterPictures[size_t(picture)], ViewPieceRects[0], kBltKeyed);
}

// A frame of tiles over the ground: `inner` gives the tile of an inner column's inner row.
template <class Inner>
void DrawArena(int16_t x, int16_t y, int16_t columns, int16_t rows, Inner&& inner) {
    for (int16_t i = 0; i < columns; ++i)
        for (int16_t j = 0; j < rows; ++j) {
            const int32_t px = x + 32 * i, py = y + 32 * j;
            BltFast(BackSurface, px, py, WallTiles[kArenaGround], TileRect, kBltOpaque);
            const bool left = i == 0, right = i == columns - 1, top = j == 0, bottom = j == rows - 1;
            const int16_t column = left ? 0 : right ? 2 : 1;
            int16_t tile = 0;
            if (top)
                tile = int16_t(960 + column);
            else if (bottom)
                tile = int16_t(1000 + column);
            else if (left || right)
                tile = int16_t(980 + column);
            else
                tile = inner(i);
            if (tile > 0) DrawTile(tile, px, py);
        }
}

struct CockFightView {
    CockBreeds breeds;
    int16_t state = 0;  // 0 waiting for "Play game", 1 betting or fighting
    int16_t bet = -1;
    int16_t stage = kFacing;
    std::string verdict{};
};

void DrawCockFight(const CockFightView& v) {
    DrawCasinoPage(kCockFights);
    DrawArena(145, 180, 5, 4, [](int16_t) { return int16_t{0}; });
    if (v.state == 1) {
        const int16_t first = int16_t(4 * kBreedPictureSets[size_t(v.breeds.first)]);
        const int16_t second = int16_t(4 * kBreedPictureSets[size_t(v.breeds.second)]);
        const bool firstStrikes = v.stage == kFirstStrikes || v.stage == kFirstHits;
        const bool secondStrikes = v.stage == kSecondStrikes || v.stage == kSecondHits;
        DrawMonsterPicture(int16_t(first + (firstStrikes ? 2 : 3)), 177, 212);
        DrawMonsterPicture(int16_t(second + (secondStrikes ? 1 : 0)), 241, 244);
        const int16_t breeds[2] = {v.breeds.first, v.breeds.second};
        for (int16_t k = 0; k < 2; ++k) {
            const int16_t x = k == 0 ? 50 : 330;
            DrawSmallText(x, 200, k == 0 ? "Roster 1" : "Roster 2", kSmallBlue);
            DrawSmallText(x, 240, "Breed:", kSmallBlack);
            DrawSmallText(x, 260, kBreedNames[size_t(breeds[k])], kSmallBlack);
            if (v.bet == k + 1) DrawIcon(BackSurface, x, 210, kBetMarkPiece);
        }
    }
    if (!v.verdict.empty()) DrawCasinoVerdict(v.verdict);
    if (v.state == 1 && v.bet < 0) {
        DrawButton(100, 380, 5, "Bet on 1");
        DrawButton(250, 380, 5, "Bet on 2");
    } else if (v.state == 0) {
        DrawCasinoButtons();
    }
    Flip();
}

struct RatRaceView {
    int16_t state = 0;  // 0 waiting, 1 betting, 2 racing, 3 result
    int16_t bet = -1;
    std::array<int16_t, 3> positions{};
    std::string verdict{};
};

void DrawRatRace(const RatRaceView& v) {
    DrawCasinoPage(kRatRaces);
    DrawArena(80, 180, 9, 5, [](int16_t i) { return i == 1 || i == 7 ? kStartLine : int16_t{0}; });
    for (int16_t k = 0; k < 3; ++k) {
        DrawSmallText(40, int16_t(225 + 32 * k), "Rat " + std::to_string(k + 1), kSmallBlack);
        DrawMonsterPicture(int16_t(4 * kRatPictureSet + 3), 107 + v.positions[size_t(k)], 207 + 32 * k);
    }
    if (v.state == 2) DrawSmallText(170, 350, "Bet on rat " + std::to_string(v.bet + 1) + " !", kSmallBlack);
    if (!v.verdict.empty()) DrawCasinoVerdict(v.verdict);
    if (v.state == 0) DrawCasinoButtons();
    if (v.state == 1)
        for (int16_t k = 0; k < 3; ++k)
            DrawButton(int16_t(60 + 110 * k), 380, 5, "Bet on Rat " + std::to_string(k + 1));
    Flip();
}

// The rat bet on (0..2) this pass, or -1.
int16_t RatBetClicked() {
    for (int16_t k = 0; k < 3; ++k)
        if (ButtonClicked(int16_t(60 + 110 * k), 380, 10, int16_t('1' + k), 0, 1, 1)) return k;
    return -1;
}

// The stake of the arena games: 2 gp, with "Buy".
bool PayArenaStake() {
    if (GameState.HeroGold < 2) {
        PlaySoundEffect("No");
        return false;
    }
    PlaySoundEffect("Buy");
    GameState.HeroGold -= 2;
    return true;
}

// The pay of a won bet, or "You lose!", shown for a moment.
template <class Draw>
void SettleBet(bool won, int32_t win, std::string& verdict, Draw&& draw) {
    if (won) {
        GameState.HeroGold += win;
        PlaySoundEffect("Info");
        verdict = "You win " + std::to_string(win) + "gp!";
    } else {
        PlaySoundEffect("No");
        verdict = "You lose!";
    }
    draw();
    Delay(1500);
    verdict.clear();
}

}  // namespace

CockBreeds PickCockBreeds() {
    CockBreeds b{int16_t(Random15() % 3), 0};
    do b.second = int16_t(Random15() % 3);
    while (b.second == b.first);
    return b;
}

int16_t CockWinChance(const CockBreeds& b) { return kBreedChances[b.first][b.second]; }

int16_t RunCockFight(const CockBreeds& breeds, int16_t bet) {
    CockFightView v{.breeds = breeds, .state = 1, .bet = bet};
    const auto show = [&](const char* sound, int16_t stage) {
        if (sound) PlaySoundEffect(sound);
        v.stage = stage;
        DrawCockFight(v);
        Delay(500);
    };
    const int16_t winner = Random15() % 100 + 1 > CockWinChance(breeds) ? 2 : 1;
    const int16_t exchanges = int16_t(Random15() % 2 + 1);
    for (int16_t i = 0; i < exchanges; ++i) {
        show("Miss", kFirstStrikes);
        show(nullptr, kStanding);
        show("Miss", kSecondStrikes);
        show(nullptr, kStanding);
    }
    if (winner == 1) {
        show("Hit", kFirstHits);
    } else {
        show("Miss", kFirstStrikes);
        show(nullptr, kStanding);
        show("Hit", kSecondHits);
    }
    SettleBet(bet == winner, 4, v.verdict, [&] { DrawCockFight(v); });
    return winner;
}

int16_t RunRatRace(int16_t favourite, int16_t bet) {
    RatRaceView v{.state = 2, .bet = bet};
    std::array<int16_t, 3> slowness = {25, 25, 25};
    int16_t slowed;
    do slowed = int16_t(Random15() % 3);
    while (slowed == bet);
    slowness[size_t(slowed)] = int16_t(slowness[size_t(slowed)] + 10);
    if (favourite >= 0 && favourite < 3) slowness[size_t(favourite)] = int16_t(slowness[size_t(favourite)] - 10);
    if (Random15() % 3 == 0) slowness[size_t(slowed)] = int16_t(slowness[size_t(slowed)] + 20);
    int16_t winner = -1;
    while (winner < 0) {
        for (size_t k = 0; k < 3; ++k)
            if (slowness[k] <= Random15() % 100 + 1) ++v.positions[k];
        DrawRatRace(v);
        Delay(10);
        // Several at the line in one step: the highest-numbered wins.
        for (int16_t k = 0; k < 3; ++k)
            if (v.positions[size_t(k)] >= 190) winner = k;
    }
    v.state = 3;
    SettleBet(bet == winner, 6, v.verdict, [&] { DrawRatRace(v); });
    return winner;
}

void PlayCockFights() {
    Screen screen("cock fights");
    CockFightView v{.breeds = PickCockBreeds()};
    const auto draw = [&] { DrawCockFight(v); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (v.state == 0) {
            if (ButtonClicked(100, 380, 10, 'P', 0, 1, 0)) {
                if (PayArenaStake()) v.state = 1;
            } else if (CasinoLeaveClicked()) {
                return;
            } else {
                continue;
            }
        } else {
            // Nothing but a bet until the fight is over.
            int16_t bet = 0;
            if (ButtonClicked(100, 380, 10, '1', 0, 1, 1))
                bet = 1;
            else if (ButtonClicked(250, 380, 10, '2', 0, 1, 1))
                bet = 2;
            else
                continue;
            RunCockFight(v.breeds, bet);
            v.state = 0;
        }
        draw();
    }
}

void PlayRatRaces() {
    Screen screen("rat races");
    RatRaceView v;
    int16_t favourite = int16_t(Random15() % 3);
    const auto draw = [&] { DrawRatRace(v); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (v.state == 0 && ButtonClicked(100, 380, 10, 'P', 0, 1, 0)) {
            if (PayArenaStake()) {
                v.state = 1;
                v.positions = {0, 0, 0};
            }
        } else if (const int16_t bet = v.state == 1 ? RatBetClicked() : -1; bet >= 0) {
            RunRatRace(favourite, bet);
            v.state = 0;
            favourite = int16_t(Random15() % 3);
        } else if (CasinoLeaveClicked()) {
            return;  // while betting, the stake is lost
        } else {
            continue;
        }
        draw();
    }
}
