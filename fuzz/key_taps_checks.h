// The key model under loops shaped like the game's: a menu whose hotkeys open the others, a
// number entry, a text entry, pages, a play screen with an area that paints while the left
// button is held, and a Yes box, then the end quotes. Any stream of presses, releases, taps,
// clicks on two buttons and off them, auto-repeat, focus loss and floods comes at any read,
// inside waits and pauses too. The harness logs which screen was innermost when each press came
// and what each screen took, and checks every answer of the model against that log: a screen
// takes its presses in the order typed (a click out of turn), and only those made while it was
// innermost or typed ahead into it after the last press taken below; a key is refused only while
// an older press waits, a click is taken just where it was made; a held key reads down only in
// the screen that took it, or, in a stroke, in the one it went down in untaken; a wait ends once
// its keys are up and takes no press; modifiers read as at the press taken; no rest while a
// press waits; a press read in every pass is taken within the presses ahead of it plus two
// passes; every drop has its cause. Shared by the fuzz target and the corpus test.
#pragma once

#include <algorithm>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/host/key_taps.h"
#include "platform/keys.h"

namespace fuzz {
namespace key_model {

constexpr int32_t kKeys[] = {'A', 'B', 'N', 'Y', 'Q', 'D', 'O', 'S', 'T', 'P', '1', '2', '3', kEnter,
                             kEsc, kTab, kSpace, kRight, kShift, kCtrl, kLeftButton, kRightButton};
constexpr host::Point kPlaces[] = {{100, 100}, {300, 300}, {500, 50}};  // button A, button B, nothing
constexpr host::Point kA = kPlaces[0], kB = kPlaces[1];

struct Fault {};
struct Ended {};

inline bool Same(host::Point a, host::Point b) { return a.x == b.x && a.y == b.y; }
inline uint8_t ModBit(int32_t key) { return key == kShift ? 1 : key == kCtrl ? 2 : 0; }
inline bool Mouse(int32_t key) { return key == kLeftButton || key == kRightButton; }

class World {
public:
    explicit World(std::span<const uint8_t> data) : data_(data) {}

    // What the loops call, as the game's loops call the host.
    void Open(int32_t leaveKey) {
        Screen opened{++lastScreen_, leaveKey};
        if (!screens_.empty()) {
            opened.typedAfter = Top().lastTaken;
            std::erase_if(unread_, [&opened](const Press& p) { return Mouse(p.key) || p.id < opened.typedAfter; });
            for (size_t i = 0; i < unread_.size(); ++i) unread_[i].Transfer(i);
        }
        screens_.push_back(opened);
        waiting_ = false;
        keys_.OpenScreen();
    }
    void Close() {
        unread_.clear();
        screens_.pop_back();
        waiting_ = false;
        keys_.CloseScreen();
    }
    void Pass() {
        Deliver();
        Screen& s = Top();
        // Rest only when no press waits.
        if (keys_.Unread() == unread_.empty()) throw Fault{};
        if (s.pass > 0 && !s.took)
            std::erase_if(unread_, [&s](const Press& p) { return p.made < s.pass && !s.read[size_t(p.key)]; });
        for (Press& p : unread_) {
            if (p.made >= s.pass) continue;
            if (!s.read[size_t(p.key)]) p.everyPass = false;
            else if (!s.outOfTurn) ++p.passes;
            if (p.everyPass && p.passes > p.ahead + 2) throw Fault{};
        }
        // Deaf: the last tap neither taken nor dropped.
        if (finishing_ && ++finalPasses_ > int(host::KeyTaps::kMostPresses) + 64) throw Fault{};
        ++s.pass;
        s.took = s.outOfTurn = s.tookMods = false;
        s.read.reset();
        keys_.BeginPass();
    }
    host::Point Cursor() {
        Deliver();
        const auto click = std::find_if(unread_.begin(), unread_.end(), [](const Press& p) { return Mouse(p.key); });
        const host::Point expected = click != unread_.end() ? click->at : mouse_;
        cursor_ = keys_.Cursor(mouse_);
        if (!Same(cursor_, expected)) throw Fault{};
        cursorRead_ = true;
        return cursor_;
    }
    // A stroke: an area that acts while the button is held, with no wait for its release.
    bool Read(int32_t key, bool stroke = false) {
        if (key == 0) return false;
        Deliver();
        const bool got = stroke ? keys_.Stroke(key) : keys_.Read(key);
        Screen& s = Top();
        if (const uint8_t bit = ModBit(key)) {
            const uint8_t mods = s.tookMods ? s.mods : !unread_.empty() ? unread_.front().mods : ModsDown();
            if (got != ((mods & bit) != 0)) throw Fault{};
            return got;
        }
        s.read.set(size_t(key));
        const auto first = std::find_if(unread_.begin(), unread_.end(), [key](const Press& p) { return p.key == key; });
        if (first == unread_.end()) {
            // A stroke takes the button held since a press made in this screen that no read took.
            if (stroke && down_[key] && madeIn_[key] == s.id) holder_[key] = s.id;
            if (got != (down_[key] && holder_[key] == s.id)) throw Fault{};
            return got;
        }
        // A click reads only where it was made; a key is refused only while an older press waits.
        const bool there = !cursorRead_ || Same(first->at, cursor_);
        if (Mouse(key) ? got != there : !got && first == unread_.begin()) throw Fault{};
        if (!got) return false;
        // Taken in the order typed (a click out of turn), and only by the screen innermost when it
        // came or one it was typed ahead into, after the last press taken below.
        const Press p = *first;
        if (p.id < s.inOrder) throw Fault{};
        for (size_t k = screens_.size() - 1; screens_[k].id != p.madeIn; --k)
            if (k == 0 || p.id <= screens_[k].typedAfter) throw Fault{};
        if (!Mouse(key)) s.inOrder = p.id;
        unread_.erase(first);
        s.took = s.tookMods = true;
        s.outOfTurn = s.outOfTurn || Mouse(key);
        s.lastTaken = p.id;
        s.mods = p.mods;
        if (!p.released && current_[key] == p.id) holder_[key] = s.id;
        if (p.id == finalPress_) throw Ended{};
        return true;
    }
    bool Held(int32_t key) {
        Deliver();
        const bool got = keys_.Held(key);
        if (got != (down_[key] && holder_[key] == Top().id)) throw Fault{};
        return got;
    }
    void Wait(int32_t a, int32_t b, int32_t c) {
        waitKeys_[0] = a, waitKeys_[1] = b, waitKeys_[2] = c;
        waiting_ = true;
        keys_.BeginWait(a, b, c);
        for (bool still = true; still;) {
            Deliver();
            still = keys_.StillDown();
            if (still != WaitHeld()) throw Fault{};
        }
        keys_.EndWait();
        waiting_ = false;
    }
    // A pause or an animation inside a pass: input comes, nothing reads it.
    void Pause(int polls) { for (int i = 0; i < polls; ++i) Deliver(); }
    host::Point CursorNow() const { return cursor_; }

private:
    struct Press {
        uint32_t id;
        int32_t key;
        host::Point at;
        uint8_t mods;
        uint32_t made;  // the pass of its screen when it came, 0 when typed ahead
        uint32_t madeIn;  // the screen innermost when it came
        size_t ahead = 0;  // presses before it when it came
        bool released = false;
        uint32_t passes = 0;  // passes since then that took no click, its key read in each
        bool everyPass = true;
        void Transfer(size_t index) { made = 0, ahead = index, passes = 0, everyPass = true; }
    };
    struct Screen {
        uint32_t id;
        int32_t leaveKey;
        uint32_t pass = 0, lastTaken = 0, inOrder = 0;  // inOrder: the last key press taken
        uint32_t typedAfter = 0;  // the last press the screen below had taken when this one opened
        bool took = false, tookMods = false;
        bool outOfTurn = false;  // a click taken, or a press taken by a wait: no ageing, no turn for the rest
        uint8_t mods = 0;
        std::bitset<256> read{};
    };

    Screen& Top() { return screens_.back(); }
    uint8_t ModsDown() const { return uint8_t((down_[kShift] ? 1 : 0) | (down_[kCtrl] ? 2 : 0)); }
    bool HeldHere(int32_t key) const { return key != 0 && down_[key] && holder_[key] == screens_.back().id; }
    bool WaitHeld() const { return std::any_of(std::begin(waitKeys_), std::end(waitKeys_), [this](int32_t k) { return HeldHere(k); }); }

    void Press1(int32_t key) {
        if (down_[key]) return;
        down_[key] = true;
        holder_[key] = 0;
        pressAt_[key] = now_;
        keys_.Down(key, mouse_, now_);
        Came(key);
    }
    // The log of a press: whose it is, or why it is gone at once.
    void Came(int32_t key) {
        if (ModBit(key)) return;
        current_[key] = ++lastPress_;
        madeIn_[key] = screens_.empty() ? 0 : Top().id;
        if (screens_.empty()) return;
        Screen& s = Top();
        if (waiting_ && std::find(std::begin(waitKeys_), std::end(waitKeys_), key) != std::end(waitKeys_) &&
            WaitHeld()) {
            holder_[key] = s.id;
            s.took = s.outOfTurn = true;
            s.lastTaken = lastPress_;
            return;
        }
        if (unread_.size() >= host::KeyTaps::kMostPresses) unread_.erase(unread_.begin());
        unread_.push_back({lastPress_, key, mouse_, ModsDown(), s.pass, s.id, unread_.size()});
    }
    void Gone(int32_t key) {
        down_[key] = false;
        holder_[key] = 0;
        for (Press& p : unread_)
            if (p.id == current_[key]) p.released = true;
    }
    void Release(int32_t key) {
        if (!down_[key]) return;
        Gone(key);
        keys_.Up(key);
    }
    void Repeat(int32_t key) {
        if (down_[key] && now_ < pressAt_[key] + host::KeyTaps::kMergedTapUs) {
            Gone(key);
            down_[key] = true;
            pressAt_[key] = now_;
            Came(key);
        }
        keys_.Repeat(key, now_);
    }
    void LoseFocus() {
        keys_.Clear();
        for (int32_t k = 0; k < 256; ++k) down_[k] = false, holder_[k] = 0;
        unread_.clear();
        waiting_ = false;
    }

    // Before every call, input may come: a byte tells how many events, each a byte of its own.
    void Deliver() {
        now_ += 1000;
        if (at_ >= data_.size()) return Finish();
        const uint8_t n = data_[at_++];
        for (int i = 0; i < (n & 7) - 3 && at_ < data_.size(); ++i) Event(data_[at_++]);
    }
    void Event(uint8_t e) {
        const int32_t index = (e >> 3) % int32_t(std::size(kKeys));
        const int32_t key = kKeys[index];
        switch (e & 7) {
            case 0: case 1: Press1(key); break;
            case 2: Release(key); break;
            case 3: Press1(key), Release(key); break;
            case 4: mouse_ = kPlaces[index % 3]; break;
            case 5: if (!Mouse(key)) Repeat(key); break;
            case 6: now_ += uint64_t(e) * 1000; break;
            default:
                if (index == 0) LoseFocus();
                else if (index < 4) for (int t = 0; t < 64; ++t) Press1(key), Release(key);
                else Press1(key);
                break;
        }
    }
    // The input is used up: every key up, then a tap of a key the innermost screen reads in
    // every pass, which must be taken (a few more if one is dropped by a rule).
    void Finish() {
        if (!finishing_) {
            finishing_ = true;
            for (int32_t k = 0; k < 256; ++k) Release(k);
        }
        if (screens_.empty()) throw Ended{};
        if (std::any_of(unread_.begin(), unread_.end(), [this](const Press& p) { return p.id == finalPress_; })) return;
        if (++finalTries_ > 16) throw Ended{};
        finalPasses_ = 0;
        const int32_t key = Top().leaveKey;
        Press1(key), Release(key);
        finalPress_ = current_[key];
    }

    std::span<const uint8_t> data_;
    size_t at_ = 0;
    host::KeyTaps keys_;
    std::vector<Screen> screens_;
    std::vector<Press> unread_;  // the innermost screen's, oldest first
    bool down_[256] = {};
    uint32_t holder_[256] = {};
    uint32_t current_[256] = {};
    uint32_t madeIn_[256] = {};  // of the press that is down
    uint64_t pressAt_[256] = {};
    uint32_t lastPress_ = 0, lastScreen_ = 0;
    uint64_t now_ = 0;
    host::Point mouse_ = kPlaces[2], cursor_;
    bool cursorRead_ = false, waiting_ = false;
    int32_t waitKeys_[3] = {};
    bool finishing_ = false;
    uint32_t finalPress_ = 0;
    int finalTries_ = 0, finalPasses_ = 0;
};

// The loops, in the shape of the game's.
struct Open {
    World& w;
    Open(World& world, int32_t leaveKey) : w(world) { w.Open(leaveKey); }
    ~Open() { w.Close(); }
};

inline bool Key(World& w, int32_t key) {
    if (!w.Read(key)) return false;
    w.Wait(key, 0, 0);
    return true;
}
inline bool Button(World& w, host::Point at, int32_t hotkey1, int32_t hotkey2) {
    if (!(Same(w.CursorNow(), at) && w.Read(kLeftButton)) && !w.Read(hotkey1) && !w.Read(hotkey2)) return false;
    w.Wait(hotkey1, hotkey2, kLeftButton);
    return true;
}

inline bool YesBox(World& w) {
    Open screen(w, kEsc);
    for (;;) {
        w.Pass();
        w.Cursor();
        if (Button(w, kA, 'Y', kEnter)) return true;
        if (Button(w, kB, 'N', kEsc)) return false;
    }
}
// A box over the play screen that the next step or Enter closes.
inline void StepBox(World& w) {
    Open screen(w, kEnter);
    do w.Pass();
    while (!Key(w, kRight) && !Key(w, kEnter));
}
inline void EndQuotes(World& w) {
    Open screen(w, kEsc);
    do w.Pass();
    while (!w.Read(kEsc) && !w.Read(kSpace) && !w.Read(kEnter));
}
// Enter first, then the digits in ascending order; no cursor.
inline void NumberEntry(World& w) {
    Open screen(w, kEnter);
    for (w.Pass(); !w.Read(kEnter); w.Pass())
        for (int32_t digit = '1'; digit <= '3'; ++digit) Key(w, digit);
    w.Wait(kEnter, 0, 0);
}
// One letter a pass (with Shift read for it), Tab only when no letter came.
inline void TextEntry(World& w) {
    Open screen(w, kEsc);
    for (;;) {
        w.Pass();
        w.Cursor();
        bool letter = false;
        for (int32_t key : {'A', 'B', 'N', 'Y'}) {
            if (letter || !Key(w, key)) continue;
            letter = true;
            w.Read(kShift);
        }
        if (!letter && Key(w, kTab)) return;
        if (Key(w, kEnter) || Key(w, kEsc)) return;
    }
}
// N turns the page except on the last, D only there; Esc is read twice a pass.
inline void Pages(World& w) {
    Open screen(w, kEsc);
    int page = 0;
    for (;;) {
        w.Pass();
        w.Cursor();
        if (page < 2 && Button(w, kB, 'N', 0)) ++page;
        if (page == 2 && Key(w, 'D')) return;
        if (Key(w, kEsc) || Key(w, kEsc)) return;
    }
}
// An arrow held walks; each step animates while input comes, and every other one opens a box
// mid-pass, which the arrow held does not close. The left button held over A paints without
// waiting for its release, as the kit's map does.
inline void Play(World& w) {
    Open screen(w, kEsc);
    int steps = 0;
    for (;;) {
        w.Pass();
        w.Cursor();
        if (w.Read(kCtrl) && Key(w, 'Q')) return;
        if (!w.Read(kCtrl) && Key(w, 'B')) YesBox(w);
        if (Key(w, kEsc)) return;
        if (Same(w.CursorNow(), kA) && w.Read(kLeftButton, true)) w.Pause(1);
        if (Same(w.CursorNow(), kB) && w.Read(kRightButton))
            while (w.Held(kRightButton)) w.Pause(1);
        if (w.Read(kRight)) {
            w.Pause(3);
            if (++steps % 2 == 1) StepBox(w);
        }
    }
}
inline void Menu(World& w) {
    Open screen(w, 'S');
    for (;;) {
        w.Pass();
        w.Cursor();
        if (Button(w, kA, 'S', 0)) NumberEntry(w);
        if (!w.Read(kCtrl) && Key(w, 'O')) Pages(w);
        if (Key(w, 'T')) TextEntry(w);
        if (Key(w, 'P')) Play(w);
        if (Button(w, kB, kEsc, 'Q') && YesBox(w)) return;
    }
}

}  // namespace key_model

// False when the model broke a rule on this input.
inline bool CheckKeyTapsInput(std::span<const uint8_t> data) {
    key_model::World world(data);
    try {
        // Between the screens the program pauses with none open (the banner, the way out).
        for (;;) {
            world.Pause(2);
            key_model::Menu(world);
            world.Pause(2);
            key_model::EndQuotes(world);
        }
    } catch (const key_model::Ended&) {
        return true;
    } catch (const key_model::Fault&) {
        return false;
    }
}

}  // namespace fuzz
