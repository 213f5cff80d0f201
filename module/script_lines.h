// Script lines by what they do, named after their codes, for the scripts of the default module.
#pragma once

#include <cstdint>
#include <string_view>

#include "level_plan.h"

namespace lines {

enum Code : int16_t {
    kTXT = 1, kBTX = 2, kUSE = 4, kMRK = 5, kGOT = 7, kLSC = 8, kSFL = 10, kSQU = 11, kIFL = 13, kICA = 15,
    kIQU = 18, kIAN = 22, kGGP = 23, kGXP = 24, kGIT = 25, kTGP = 32, kTIT = 34, kWIN = 38, kSCO = 42,
    kGRH = 50, kPSO = 51,
};

inline Line Say(std::string_view text) { return {kTXT, {}, text}; }
inline Line Blue(std::string_view text) { return {kBTX, {}, text}; }
// Waits for the answer key 1..5 and jumps to the mark of that answer.
inline Line Ask(int16_t a, int16_t b, int16_t c = -1, int16_t d = -1, int16_t e = -1) {
    return {kUSE, {a, b, c, d, e}};
}
// A typed answer; several in a row are one question with several accepted answers.
inline Line Answer(std::string_view accepted, int16_t mark) { return {kIAN, {mark}, accepted}; }
inline Line Mark(int16_t mark) { return {kMRK, {mark}}; }
inline Line Goto(int16_t mark) { return {kGOT, {mark}}; }
inline Line Leave() { return {kLSC}; }
inline Line SetFlag(int16_t flag, int16_t op, int16_t value) { return {kSFL, {flag, op, value}}; }
inline Line IfFlag(int16_t flag, int16_t op, int16_t value, int16_t mark) { return {kIFL, {flag, op, value, mark}}; }
inline Line Quest(int16_t quest, int16_t state) { return {kSQU, {quest, state}}; }
inline Line IfQuest(int16_t quest, int16_t state, int16_t mark) { return {kIQU, {quest, state, mark}}; }
inline Line IfCarrying(int16_t item, int16_t mark) { return {kICA, {item, mark, -1, -1}}; }
inline Line GiveGold(int16_t gold) { return {kGGP, {gold}}; }
inline Line GiveXp(int16_t xp) { return {kGXP, {xp}}; }
inline Line GiveItem(int16_t item, int16_t x, int16_t y) { return {kGIT, {item, x, y}}; }
// Takes the gold and, when it was paid, jumps to the mark.
inline Line TakeGold(int16_t gold, int16_t paidMark) { return {kTGP, {gold, paidMark}}; }
inline Line TakeItem(int16_t item) { return {kTIT, {item, 0}}; }
inline Line Score(int16_t percent) { return {kSCO, {percent}}; }
inline Line TeachRune(int16_t rune) { return {kGRH, {0, rune}}; }
inline Line Sound(int16_t sound) { return {kPSO, {sound}}; }
// The victory: win text 0 or 1 with the final score.
inline Line Win(int16_t text) { return {kWIN, {text}}; }

}  // namespace lines
