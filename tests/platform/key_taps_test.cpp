// What reads of a key see of quick taps, held keys, mouse clicks and modifiers.
#include "platform/host/key_taps.h"
#include "platform/keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One step of a case: 'D' down, 'U' up, 'F' forget, 'C' clear, or a read 'R' with the
// result it must give; at a time in milliseconds.
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
        {"a tap no read asks for within a second is gone", {{'D', kRight, 0}, {'U', kRight, 5}, {'R', kRight, 1200}}},
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
        {"Ctrl tapped on its own does not wait for a letter",
         {{'D', kCtrl, 0}, {'U', kCtrl, 5}, {'R', kCtrl, 100}}},
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
                case 'D': keys.Down(s.key); break;
                case 'U': keys.Up(s.key, us); break;
                case 'F': keys.Forget(s.key); break;
                case 'C': keys.Clear(); break;
                default: EXPECT_EQ(keys.Read(s.key, us), s.down) << c.name << ", step " << i; break;
            }
        }
    }
}

}  // namespace
