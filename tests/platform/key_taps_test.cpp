// What reads of a key see of quick taps, held keys, waits for a release, modifiers, new
// screens and mouse clicks.
#include "platform/host/key_taps.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// One step of a case, at a time in milliseconds: 'D' down, 'U' up, 'T' the system's repeat of a
// key held, 'F' forget, 'C' clear,
// 'P' a new loop pass, 'S' a new screen drawn now, 'V' a frame shown, 'L' a loop polls (key 1:
// another screen than before), 'M' taps of the key until the queue is full; or what a read
// must give: 'R' a read, 'W' a wait for the
// release, 'O' whether an unseen press waits.
struct Step {
    char op;
    int32_t key;
    uint64_t ms;
    bool down = false;
};

struct Case {
    const char* name;
    std::vector<Step> steps;
};

constexpr int32_t kG = 'G', kO = 'O', kN = 'N', kU = 'U';

TEST(KeyTapsTest, ReadsSeeEveryPressOnce) {
    const Case cases[] = {
        {"a quick tap is seen once, then its release",
         {{'D', kRight, 0}, {'U', kRight, 5}, {'R', kRight, 120, true}, {'R', kRight, 121}, {'R', kRight, 122}}},
        {"two taps between reads are two presses",
         {{'D', kRight, 0},
          {'U', kRight, 5},
          {'D', kRight, 60},
          {'U', kRight, 65},
          {'R', kRight, 200, true},
          {'R', kRight, 201},
          {'R', kRight, 202, true},
          {'R', kRight, 203}}},
        {"a held key reads as it is",
         {{'D', kRight, 0}, {'R', kRight, 1, true}, {'R', kRight, 2, true}, {'U', kRight, 3}, {'R', kRight, 4}}},
        {"a tap, then a press that is held",
         {{'D', kRight, 0},
          {'U', kRight, 5},
          {'D', kRight, 10},
          {'R', kRight, 20, true},
          {'R', kRight, 21},
          {'R', kRight, 22, true},
          {'R', kRight, 23, true}}},
        {"a wait for the release leaves the press after it to the next read",
         {{'D', kRight, 0},
          {'R', kRight, 1, true},
          {'U', kRight, 2},
          {'D', kRight, 3},
          {'U', kRight, 4},
          {'W', kRight, 5},
          {'W', kRight, 6},
          {'R', kRight, 7, true},
          {'W', kRight, 8},
          {'R', kRight, 9}}},
        {"a wait takes no press of a key not seen down",
         {{'D', 'K', 0}, {'U', 'K', 1}, {'W', 'K', 2}, {'R', 'K', 3, true}, {'W', 'K', 4}, {'R', 'K', 5}}},
        {"a held key is waited for until it comes up",
         {{'D', kTab, 0}, {'R', kTab, 1, true}, {'W', kTab, 2, true}, {'U', kTab, 3}, {'W', kTab, 4}}},
        {"a tap no read asks for within a second is gone", {{'D', kRight, 0}, {'U', kRight, 5}, {'R', kRight, 1200}}},
        {"taps of a key read all along are kept, however long they wait",
         {{'R', kDown, 0},
          {'D', kDown, 1},
          {'U', kDown, 2},
          {'D', kDown, 3},
          {'U', kDown, 4},
          {'D', kDown, 5},
          {'U', kDown, 6},
          {'R', kDown, 600, true},
          {'R', kDown, 1200},
          {'R', kDown, 1800, true},
          {'R', kDown, 2400},
          {'R', kDown, 3000, true},
          {'R', kDown, 3600}}},
        {"a letter typed with Shift reads Shift, the next letter not, however late",
         {{'D', kShift, 0},
          {'D', kG, 1},
          {'U', kG, 2},
          {'U', kShift, 3},
          {'D', kO, 80},
          {'U', kO, 81},
          {'R', kG, 300, true},
          {'W', kG, 301},
          {'R', kShift, 302, true},
          {'P', 0, 303},
          {'R', kO, 304, true},
          {'W', kO, 305},
          {'R', kShift, 306}}},
        {"Shift held over two letters reads down for both",
         {{'D', kShift, 0},
          {'D', kG, 1},
          {'U', kG, 2},
          {'D', kO, 3},
          {'U', kO, 4},
          {'U', kShift, 5},
          {'R', kG, 100, true},
          {'R', kShift, 101, true},
          {'P', 0, 102},
          {'R', kO, 103, true},
          {'R', kShift, 104, true},
          {'P', 0, 105},
          {'R', kShift, 106}}},
        {"Ctrl tapped with a key reads down before that key is read, and after",
         {{'D', kCtrl, 0},
          {'D', kU, 1},
          {'U', kU, 2},
          {'U', kCtrl, 3},
          {'R', kCtrl, 200, true},
          {'R', kU, 201, true},
          {'R', kCtrl, 202, true},
          {'P', 0, 203},
          {'R', kCtrl, 204}}},
        {"Ctrl tapped on its own does not wait for a letter", {{'D', kCtrl, 0}, {'U', kCtrl, 5}, {'R', kCtrl, 100}}},
        {"keys are seen in the order they were pressed",
         {{'R', kEnter, 0},
          {'O', kG, 0},
          {'P', 0, 1},
          {'D', kG, 2},
          {'U', kG, 3},
          {'D', kEnter, 4},
          {'U', kEnter, 5},
          {'R', kEnter, 10},
          {'O', kG, 11, true},
          {'R', kG, 12, true},
          {'R', kEnter, 13, true}}},
        {"a tap of a key not read holds the next back for one read, and is passed over",
         {{'D', 'X', 0},
          {'U', 'X', 1},
          {'D', kEnter, 2},
          {'U', kEnter, 3},
          {'R', kEnter, 10},
          {'R', kEnter, 11, true},
          {'R', 'X', 12}}},
        {"a key held is not passed over",
         {{'D', 'X', 0}, {'D', kEnter, 2}, {'U', kEnter, 3}, {'R', kEnter, 10}, {'R', kEnter, 11, true},
          {'R', 'X', 12, true}}},
        {"a press read twice in a pass waits for each press ahead of it, while their key is read",
         {{'D', kN, 0},
          {'U', kN, 1},
          {'D', kN, 2},
          {'U', kN, 3},
          {'D', kN, 4},
          {'U', kN, 5},
          {'D', kEsc, 6},
          {'U', kEsc, 7},
          {'R', kN, 10, true},
          {'R', kEsc, 11},
          {'R', kEsc, 12},
          {'R', kN, 13},
          {'R', kN, 14, true},
          {'R', kEsc, 15},
          {'R', kEsc, 16, true}}},
        {"a stray press ahead of a digit and Enter: each is taken in turn, Enter last",
         {{'D', kEsc, 0},
          {'U', kEsc, 1},
          {'D', '7', 2},
          {'U', '7', 3},
          {'D', kEnter, 4},
          {'U', kEnter, 5},
          {'R', kEnter, 10},
          {'R', '7', 11, true},
          {'R', kEnter, 12, true},
          {'R', kEsc, 13}}},
        {"a press of a key not read for a second holds nothing back",
         {{'D', 'X', 0}, {'U', 'X', 1}, {'D', kEnter, 1500}, {'U', kEnter, 1501}, {'R', kEnter, 1510, true}}},
        {"a repeat soon after the press is a release and a press merged; a later one the key held",
         {{'D', 'K', 0},
          {'T', 'K', 2},
          {'U', 'K', 3},
          {'D', kRight, 10},
          {'T', kRight, 500},
          {'T', kRight, 540},
          {'U', kRight, 600},
          {'R', 'K', 700, true},
          {'R', 'K', 701},
          {'R', 'K', 702, true},
          {'R', 'K', 703},
          {'R', kRight, 704, true},
          {'R', kRight, 705}}},
        {"a tap is gone when another screen is drawn",
         {{'D', kN, 0}, {'U', kN, 1}, {'S', 0, 2}, {'R', kN, 3}, {'D', kN, 4}, {'U', kN, 5}, {'R', kN, 6, true}}},
        {"a press while the next screen begins to show is that screen's",
         {{'L', 0, 0},
          {'D', 'B', 1},
          {'U', 'B', 2},
          {'V', 0, 3},
          {'D', 'B', 4},
          {'U', 'B', 5},
          {'V', 0, 6},
          {'L', 1, 7},
          {'R', 'B', 8, true},
          {'R', 'B', 9}}},
        {"a press from before a poll, unseen when a frame is drawn after a press taken, waits for the next "
         "poll, and is gone when that poll is another screen's",
         {{'R', kN, 0},
          {'D', kN, 0},
          {'U', kN, 1},
          {'D', kLeftButton, 2},
          {'U', kLeftButton, 3},
          {'L', 0, 4},
          {'R', kLeftButton, 5, true},
          {'V', 0, 6},
          {'R', kN, 7},
          {'L', 0, 8},
          {'R', kN, 9, true},
          {'R', kN, 10},
          {'R', kLeftButton, 11},
          {'D', kN, 12},
          {'U', kN, 13},
          {'D', kLeftButton, 14},
          {'U', kLeftButton, 15},
          {'L', 0, 16},
          {'R', kLeftButton, 17, true},
          {'V', 0, 18},
          {'R', kN, 19},
          {'L', 1, 20},
          {'R', kN, 21}}},
        {"a frame drawn with no press taken since the poll leaves the presses to be read",
         {{'D', kN, 0}, {'U', kN, 1}, {'L', 0, 2}, {'V', 0, 3}, {'R', kN, 4, true}}},
        {"a full queue drops its oldest, and a click passes over taps of keys the screen does not read",
         {{'R', kEnter, 0},
          {'M', 'X', 0},
          {'D', kEnter, 1},
          {'U', kEnter, 2},
          {'D', kLeftButton, 3},
          {'U', kLeftButton, 4},
          {'R', kEnter, 6},
          {'R', kEnter, 7},
          {'R', kLeftButton, 40, true},
          {'R', kEnter, 41, true}}},
        {"a key held across a new screen stays down",
         {{'D', kRight, 0}, {'S', 0, 1}, {'R', kRight, 2, true}, {'U', kRight, 3}, {'R', kRight, 4}}},
        {"a quick click is held 50 ms",
         {{'D', kLeftButton, 0}, {'U', kLeftButton, 1}, {'R', kLeftButton, 30, true}, {'R', kLeftButton, 31}}},
        {"a quick click not read in 50 ms is gone",
         {{'D', kLeftButton, 0}, {'U', kLeftButton, 1}, {'R', kLeftButton, 60}}},
        {"two quick clicks between reads are one",
         {{'D', kLeftButton, 0},
          {'U', kLeftButton, 1},
          {'D', kLeftButton, 2},
          {'U', kLeftButton, 3},
          {'R', kLeftButton, 10, true},
          {'R', kLeftButton, 11},
          {'R', kLeftButton, 12}}},
        {"a press forgotten unread is gone", {{'D', kRight, 0}, {'F', kRight, 5}, {'R', kRight, 6}}},
        {"focus lost clears what is held", {{'D', kRight, 0}, {'U', kRight, 5}, {'C', 0, 6}, {'R', kRight, 7}}},
        {"keys out of range read up", {{'D', 0, 0}, {'R', 0, 1}, {'D', 300, 2}, {'R', 300, 3}}},
    };
    for (const Case& c : cases) {
        host::KeyTaps keys;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            const uint64_t us = s.ms * 1000;
            switch (s.op) {
                case 'D': keys.Down(s.key, us); break;
                case 'U': keys.Up(s.key, us); break;
                case 'T': keys.Repeat(s.key, us); break;
                case 'F': keys.Forget(s.key); break;
                case 'C': keys.Clear(); break;
                case 'P': keys.NewPass(); break;
                case 'S':
                    keys.Polled(false);
                    keys.Drawn();
                    keys.Polled(true);
                    break;
                case 'V': keys.Drawn(); break;
                case 'M':
                    while (keys.Waiting() < host::KeyTaps::kMostPresses) {
                        keys.Down(s.key, us);
                        keys.Up(s.key, us);
                    }
                    break;
                case 'L': keys.Polled(s.key != 0); break;
                case 'W': EXPECT_EQ(keys.StillDown(s.key), s.down) << c.name << ", step " << i; break;
                case 'O': EXPECT_EQ(keys.NextPress(s.key, us) != 0, s.down) << c.name << ", step " << i; break;
                default: EXPECT_EQ(keys.Read(s.key, us), s.down) << c.name << ", step " << i; break;
            }
        }
    }
}

}  // namespace
