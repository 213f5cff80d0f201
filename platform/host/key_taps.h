// What a read of a key sees. A key pressed and released before any read asked for it (a quick
// tap between two polls of a busy loop) is not lost: the press is held for the next read that
// asks for that key, once, and the read after it sees the release, so a hit test's wait for
// the release ends and a second tap shows as a second press. A key that is held reads as it is.
// Mouse buttons and the modifier keys keep only a short hold: a click away from every button,
// or Ctrl tapped on its own, must not act on a later screen. Times are the back end's (µs).
#pragma once

#include <cstdint>

namespace host {

class KeyTaps {
public:
    static constexpr uint64_t kTapHoldUs = 1'000'000;  // long past any step, short of a new screen
    static constexpr uint64_t kClickHoldUs = 50'000;

    void Down(int32_t key) {
        if (!Valid(key)) return;
        if (!keys_[key].down) keys_[key].readDown = false;
        keys_[key].down = true;
    }
    // The key went up; a press no read saw is held.
    void Up(int32_t key, uint64_t now) {
        if (!Valid(key)) return;
        Key& k = keys_[key];
        if (k.down && !k.readDown) {
            const bool shortHold = Short(key);
            if (!shortHold || k.taps == 0) k.taps = uint8_t(k.taps < 255 ? k.taps + 1 : 255);
            k.tapAt = now;
        }
        k.down = false;
    }
    // The key went up and what no read saw of it is gone (a press the program had its chance at).
    void Forget(int32_t key) {
        if (!Valid(key)) return;
        keys_[key].down = false;
        keys_[key].taps = 0;
    }
    // Is the key down for this read?
    bool Read(int32_t key, uint64_t now) {
        if (!Valid(key)) return false;
        Key& k = keys_[key];
        if (k.releaseOwed) {
            k.releaseOwed = false;
            return false;
        }
        if (k.taps > 0 && now > k.tapAt + (Short(key) ? kClickHoldUs : kTapHoldUs)) k.taps = 0;
        if (k.taps > 0) {
            --k.taps;
            k.releaseOwed = true;
            return true;
        }
        if (k.down) k.readDown = true;
        return k.down;
    }
    // Down now, and whether a read has seen this press.
    bool Physical(int32_t key) const { return Valid(key) && keys_[key].down; }
    bool ReadDown(int32_t key) const { return Valid(key) && keys_[key].readDown; }
    // Focus lost: every key is up and nothing is held.
    void Clear() {
        for (Key& k : keys_) k = Key{};
    }

private:
    static bool Valid(int32_t key) { return key > 0 && key < 256; }
    static bool Short(int32_t key) {
        return key == 1 || key == 2 || key == 4 || (key >= 16 && key <= 18) || (key >= 160 && key <= 165);
    }
    struct Key {
        bool down = false;      // as the keyboard has it now
        bool readDown = false;  // a read has seen the present (or last) press
        bool releaseOwed = false;
        uint8_t taps = 0;  // presses no read has seen, each shown once
        uint64_t tapAt = 0;
    };
    Key keys_[256];
};

}  // namespace host
