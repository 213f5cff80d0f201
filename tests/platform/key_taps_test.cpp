// The key model's rules, one flow of the game each: which screen a press belongs to, which
// read takes it, when it is dropped.
#include "platform/host/key_taps.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// 'O' a screen opens, 'C' it closes, 'P' a pass begins, 'D' down (at x, for a button), 'd' down
// with the modifiers x as the window system saw them, 'U' up, 'T' the system's repeat at x ms,
// 'F' focus lost, 'M' taps of the key until 600 came;
// checks: 'R' a read gives `want`, 'S' a stroke's read, 'H' held, 'W' a wait for the key begins and StillDown gives
// `want` ('E' ends it), 'K' the cursor reads x (the mouse being at 999), 'N' whether a press
// waits unread.
struct Step {
    char op;
    int32_t key = 0;
    bool want = false;
    int32_t x = 0;
};

struct Case {
    const char* name;
    std::vector<Step> steps;
};

constexpr int32_t kQ = 'Q', kY = 'Y', kN = 'N', kD = 'D', kZ = 'Z', k0 = '0', k1 = '1', k2 = '2';

TEST(KeyTapsTest, EveryRuleInTheFlowItIsFor) {
    const Case cases[] = {
        {"a press with no screen open is dropped", {{'D', kQ}, {'U', kQ}, {'O'}, {'P'}, {'R', kQ, false}}},
        {"Q and Y typed together quit: Y is the question's",
         {{'O'}, {'P'}, {'D', kQ}, {'U', kQ}, {'D', kY}, {'U', kY}, {'R', kY, false}, {'R', kQ, true},
          {'O'}, {'P'}, {'R', kY, true}}},
        {"a press before the one taken is not typed ahead, nor is a click",
         {{'O'}, {'P'}, {'D', kZ}, {'D', 1, false, 5}, {'U', 1}, {'D', kY}, {'U', kY}, {'R', 1, true}, {'O'},
          {'P'}, {'N', 0, true}, {'R', kY, true}, {'N', 0, false}}},
        {"D then N on the last page: N goes with the pages",
         {{'O'}, {'O'}, {'P'}, {'D', kD}, {'U', kD}, {'D', kN}, {'U', kN}, {'R', kD, true}, {'C'}, {'P'},
          {'R', kN, false}}},
        {"210 typed in a burst is taken in that order",
         {{'O'}, {'P'}, {'D', k2}, {'U', k2}, {'D', k1}, {'U', k1}, {'D', k0}, {'U', k0}, {'R', kEnter, false},
          {'R', k0, false}, {'R', k1, false}, {'R', k2, true}, {'P'}, {'R', k0, false}, {'R', k1, true}, {'P'},
          {'R', k0, true}}},
        {"a click is held back by none",
         {{'O'}, {'P'}, {'D', kZ}, {'D', 1, false, 7}, {'K', 0, false, 7}, {'R', 1, true}}},
        {"a stray press holds another back for two idle passes, then goes",
         {{'O'}, {'P'}, {'D', kZ}, {'U', kZ}, {'D', kEnter}, {'U', kEnter}, {'R', kEnter, false}, {'P'},
          {'R', kEnter, false}, {'P'}, {'R', kEnter, true}, {'N', 0, false}}},
        {"a pass that took a press drops nothing",
         {{'O'}, {'P'}, {'D', kZ}, {'U', kZ}, {'D', 1, false, 3}, {'U', 1}, {'K', 0, false, 3}, {'R', 1, true},
          {'P'}, {'N', 0, true}}},
        {"a key held reads down in the screen that took it, and only there",
         {{'O'}, {'P'}, {'D', kRight}, {'R', kRight, true}, {'R', kRight, true}, {'H', kRight, true}, {'O'},
          {'P'}, {'R', kRight, false}, {'H', kRight, false}, {'C'}, {'R', kRight, true}, {'U', kRight},
          {'R', kRight, false}}},
        {"quick taps each take a step",
         {{'O'}, {'P'}, {'D', kRight}, {'U', kRight}, {'D', kRight}, {'U', kRight}, {'R', kRight, true},
          {'W', kRight, false}, {'E'}, {'R', kRight, true}, {'R', kRight, false}}},
        {"a wait takes no press, but a press of another of its keys while one is held",
         {{'O'}, {'P'}, {'D', kEnter}, {'R', kEnter, true}, {'D', kSpace}, {'W', kEnter, true}, {'U', kEnter},
          {'W', kEnter, false}, {'E'}, {'R', kSpace, true}, {'U', kSpace}, {'D', kEnter}, {'R', kEnter, true}, {'W', kEnter, true},
          {'D', 1, false, 9}, {'U', kEnter}, {'W', kEnter, true}, {'U', 1}, {'W', kEnter, false}, {'E'},
          {'R', 1, false}}},
        {"a stroke begun where nothing reads the button takes it once its press is gone, in its screen only",
         {{'O'}, {'P'}, {'D', 1, false, 5}, {'P'}, {'P'}, {'N', 0, false}, {'R', 1, false}, {'S', 1, true},
          {'R', 1, true}, {'O'}, {'P'}, {'S', 1, false}, {'C'}, {'U', 1}, {'S', 1, false}}},
        {"a wait ends at once for a key whose press it did not take",
         {{'O'}, {'D', kEnter}, {'O'}, {'P'}, {'W', kEnter, false}, {'E'}}},
        {"while a click waits, the cursor reads where it was made, and a read takes it only there",
         {{'O'}, {'P'}, {'K', 0, false, 999}, {'D', 1, false, 8}, {'U', 1}, {'R', 1, false}, {'P'},
          {'K', 0, false, 8}, {'R', 1, true}, {'K', 0, false, 999}}},
        {"Ctrl and Q in one burst: Ctrl reads as at Q's press, before and after",
         {{'O'}, {'P'}, {'D', kCtrl}, {'D', kQ}, {'U', kQ}, {'U', kCtrl}, {'D', kN}, {'U', kN}, {'R', kCtrl, true},
          {'R', kQ, true}, {'R', kCtrl, true}, {'P'}, {'R', kCtrl, false}, {'R', kN, true}}},
        {"a letter reads Shift as the window system saw it at its press, though Shift's release was lost",
         {{'O'}, {'P'}, {'D', kShift}, {'d', kQ, false, host::KeyTaps::kShiftMod}, {'U', kQ}, {'d', kN, false, 0}, {'R', kQ, true},
          {'R', kShift, true}, {'P'}, {'R', kN, true}, {'R', kShift, false}}},
        {"focus lost: every key up, every press gone",
         {{'O'}, {'P'}, {'D', kRight}, {'R', kRight, true}, {'D', kZ}, {'F'}, {'R', kRight, false},
          {'N', 0, false}}},
        {"a full queue drops its oldest", {{'O'}, {'P'}, {'D', kZ}, {'U', kZ}, {'M', kN}, {'R', kN, true}}},
        {"the system's repeat is no press; one right after the press is a second press",
         {{'O'}, {'P'}, {'D', kN, false, 0}, {'R', kN, true}, {'T', kN, false, 300}, {'U', kN}, {'R', kN, false},
          {'D', kN, false, 1000}, {'T', kN, false, 1005}, {'U', kN}, {'R', kN, true}, {'R', kN, true},
          {'R', kN, false}}},
    };
    for (const Case& c : cases) {
        host::KeyTaps keys;
        int i = 0;
        for (const Step& s : c.steps) {
            ++i;
            const uint64_t at = uint64_t(s.x) * 1000;
            switch (s.op) {
                case 'O': keys.OpenScreen(); break;
                case 'C': keys.CloseScreen(); break;
                case 'P': keys.BeginPass(); break;
                case 'D': keys.Down(s.key, {s.x, 0}, at); break;
                case 'd': keys.Down(s.key, {}, 0, uint8_t(s.x)); break;
                case 'U': keys.Up(s.key); break;
                case 'T': keys.Repeat(s.key, at); break;
                case 'F': keys.Clear(); break;
                case 'M':
                    for (int n = 0; n < 600; ++n) keys.Down(s.key), keys.Up(s.key);
                    break;
                case 'R': EXPECT_EQ(keys.Read(s.key), s.want) << c.name << ", step " << i; break;
                case 'S': EXPECT_EQ(keys.Stroke(s.key), s.want) << c.name << ", step " << i; break;
                case 'H': EXPECT_EQ(keys.Held(s.key), s.want) << c.name << ", step " << i; break;
                case 'W':
                    keys.BeginWait(s.key, kSpace, 1);
                    EXPECT_EQ(keys.StillDown(), s.want) << c.name << ", step " << i;
                    break;
                case 'E': keys.EndWait(); break;
                case 'K': EXPECT_EQ(keys.Cursor({999, 0}).x, s.x) << c.name << ", step " << i; break;
                case 'N': EXPECT_EQ(keys.Unread(), s.want) << c.name << ", step " << i; break;
                default: FAIL() << "no such step";
            }
        }
    }
}

}  // namespace
