// The key model: which screen a press belongs to and which read takes it. Every loop that reads
// keys or the mouse is a screen, open from before it draws until it returns; screens nest, and
// the innermost one is the one that reads. The rules, all of them:
// 1. Owner. A press belongs to the innermost open screen when the host receives it (a back end
//    takes in all that has reached it before a screen opens or closes); a press while no screen
//    is open is dropped.
// 2. Open and close. When a screen opens, the key presses of the screen under it made after the
//    last press that screen took become the new screen's (typed ahead: Q and Y typed together
//    quit); its other unread presses, and all its unread clicks, are dropped. When a screen
//    closes, its unread presses are dropped.
// 3. Order. A read takes the key's oldest press of its screen, unless an older press of another
//    key of that screen waits (a click is held back by none).
// 4. Ageing. When a pass begins and the pass before it took no press, the screen's presses made
//    before that pass began, of keys it did not read, are dropped. A press no read wants thus
//    holds the others back for two idle passes at most, and a loop that takes one press a pass
//    (a letter, then a Tab only when no letter came) keeps every press in order.
// 5. Rest. A loop's rest (until input, 10 ms at most) is skipped while its screen has an unread
//    press (Unread).
// 6. Held keys and waits. A key reads held while it is down, in the screen that took its press:
//    a button held from the screen below needs a new press. An area that acts while a mouse
//    button is held, with no wait for its release (Stroke), also takes the button held since a
//    press made in its own screen that no read took: a paint stroke begun beside the map, where
//    nothing reads the button, paints once it reaches the map. A wait for a release ends at the
//    release of the press it took, or at once when the key is up; it takes that release only,
//    never a press, except a press of another of its keys made during the wait, which is part
//    of the same hit. A press that is dropped takes its release with it, but for such an area.
// 7. Clicks, modifiers and the rest. Mouse buttons are keys like the others; while a click waits
//    unread, the cursor reads where it was made, and a read takes it only there. Shift, Ctrl and
//    Alt read as at the press taken, and, before a pass takes one, as at the screen's oldest
//    unread press (Ctrl and Q in one burst quit); "as at a press" is as the window system saw
//    them when it made that press, where it tells. Each press is taken once; the system's
//    auto-repeat is not a press, however late it comes (told by when it was made); focus lost
//    means every key up and every unread press dropped; at most kMostPresses wait, and a new
//    one drops the oldest.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "host.h"

namespace host {

class KeyTaps {
public:
    static constexpr size_t kMostPresses = 512;
    // The modifiers of a press.
    static constexpr uint8_t kShiftMod = 1, kCtrlMod = 2, kAltMod = 4;
    // Below this, a repeat of a key held is not the system's auto-repeat (which waits longer).
    static constexpr uint64_t kMergedTapUs = 100'000;

    // Screens, innermost last.
    void OpenScreen();
    void CloseScreen();
    void BeginPass();

    // Input as the host receives it; `at` is where a mouse button went down; `now` when the
    // window system made the event (µs); `mods` Shift, Ctrl and Alt as it saw them then, where
    // it tells (else as the modifier keys are down here).
    void Down(int32_t key, Point at = {}, uint64_t now = 0, std::optional<uint8_t> mods = {});
    void Up(int32_t key);
    // The system repeats a key held down. A window system may take a release and a press that
    // come within a millisecond or two for a repeat: one that comes that soon after the key's
    // press is a release and a new press.
    void Repeat(int32_t key, uint64_t now, std::optional<uint8_t> mods = {});
    void Clear();

    // Down for this read: takes the key's next press, or the key is held.
    bool Read(int32_t key);
    // Held in this screen; takes nothing.
    bool Held(int32_t key) const;
    // Read for an area that acts while a mouse button is held (rule 6).
    bool Stroke(int32_t key);
    // A wait for the release of these keys (0 for none): StillDown until it ends.
    void BeginWait(int32_t a, int32_t b, int32_t c);
    bool StillDown() const { return waiting_ && WaitHeld(); }
    void EndWait() { waiting_ = false; }
    // The cursor as this screen reads it, `now` being where the mouse is.
    Point Cursor(Point now);

    // The innermost screen has a press it has not read.
    bool Unread() const { return !presses_.empty(); }
    bool Pending(int32_t key) const;
    bool IsDown(int32_t key) const { return Valid(key) && keys_[key].down; }

private:
    struct Press {
        uint32_t order;
        uint32_t pass;  // of its screen, when it came (0 before the first)
        int16_t key;
        uint8_t mods;   // Shift, Ctrl and Alt as they were
        bool released;
        Point at;
    };
    struct Screen {
        uint32_t id;
        uint32_t pass = 0;
        uint32_t lastTaken = 0;
        bool took = false;  // in this pass
        bool modsTaken = false;
        uint8_t mods = 0;
        std::bitset<256> read;  // in this pass
    };
    struct Key {
        bool down = false;
        uint32_t holder = 0;  // the screen that took the press that is down
        uint32_t madeIn = 0;  // the screen innermost when that press came
        uint32_t order = 0;   // of that press
        uint64_t pressAt = 0;
    };

    static bool Valid(int32_t key) { return key > 0 && key < 256; }
    static bool Mouse(int32_t key) { return key == 1 || key == 2 || key == 4; }
    static uint8_t ModifierBit(int32_t key);
    uint8_t ModsDown() const;
    bool InWait(int32_t key) const;
    bool WaitHeld() const;
    void Take(Screen& s, const Press& p);

    std::vector<Screen> screens_;
    std::deque<Press> presses_;  // the innermost screen's, oldest first
    Key keys_[256];
    uint32_t order_ = 0;
    uint32_t lastId_ = 0;
    bool waiting_ = false;
    int32_t waitKeys_[3] = {};
    // The cursor as last read, by whichever screen: the one the hit tests use.
    bool cursorRead_ = false;
    Point cursor_;
};

}  // namespace host
