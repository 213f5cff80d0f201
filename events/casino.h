// The casino: a gaming table that goes straight to one of seven games of chance. Every draw
// comes from the program's generator; stakes and winnings go straight to the hero's gold.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

void RunCasinoEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

// The games, each a page of its own that returns on "Leave".
void PlayCards();
void PlayDice();
void PlayEmpire();
void PlayBeads();
void PlayWheelOfFortune(int16_t luck);  // luck: the luck charms carried, 0..3
void PlayCockFights();
void PlayRatRaces();

// Card kinds: 0 Castle, 1 Ship, 2 Sword, 3 Crown, 4 Victory. Pays (into the gold) and returns
// 20 for three of a kind, 5000 for three Victories.
int32_t CardsPayout(const std::array<int16_t, 3>& cards);
// The win of five dice by their sixes; only counts.
int32_t DicePayout(const std::array<int16_t, 5>& dice);
// Card kinds 0 Execution, 1 Empire. Pays (or takes) and returns -2, 0, 5 or 50.
int32_t EmpirePayout(const std::array<int16_t, 3>& cards);
// Pays and returns the win of the red beads among ten.
int32_t BeadsPayout(const std::array<bool, 10>& red);
// The spin once luck is added: 50 for 100 and 69, 5 for 1..5 and 95..99.
int32_t WheelPrize(int16_t spin);

// The breeds of a visit's cock fights, 0 Midshire, 1 Dunheim, 2 Buckeye, never the same.
struct CockBreeds {
    int16_t first, second;
};
CockBreeds PickCockBreeds();
// The chance in per cent that the first cock beats the second.
int16_t CockWinChance(const CockBreeds& breeds);
// The fight on the bet (1 or 2), shown exchange by exchange and paid; returns the winner.
int16_t RunCockFight(const CockBreeds& breeds, int16_t bet);
// The race on the bet (rat 0..2), shown step by step and paid; returns the winning rat.
int16_t RunRatRace(int16_t favourite, int16_t bet);

// What every game page shows: its name, the hero's gold, the cost, the rules and the prizes.
struct CasinoRules {
    std::string_view name;
    std::string_view goldUnit;  // after the gold: " gp." or " gold pieces."
    std::string_view cost;
    std::span<const std::string_view> rules, prizes;
};
// The common page, without buttons or flip.
void DrawCasinoPage(const CasinoRules& rules);
// "Play game" and "Leave".
void DrawCasinoButtons();
int CasinoLeaveClicked();

// The line under a finished game.
struct CasinoOutcome {
    std::string text;  // empty: none yet
    int16_t x = 50, y = 0;
    bool big = false;
    int16_t colour = 0;
    void Draw() const;
};
// "You win N gp!" in the big font at winY, or "You lose!" in the small font at loseY.
CasinoOutcome WinOrLose(int32_t win, int16_t winY, int16_t loseY);
// The pays of cock fights and rat races: a panel with "You win N gp!" or "You lose!".
void DrawCasinoVerdict(std::string_view text);
