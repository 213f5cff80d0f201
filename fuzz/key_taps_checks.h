// The rules of the key model, checked over any stream of presses, releases, reads, waits,
// loop passes, frames and screens: each press seen at most once, a key held reads as held,
// a press held back by each press ahead of it once at most, waits take no press, a full
// queue drops its oldest, and a new tap is always read in the end. Shared by the fuzz target and the test of random streams.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/host/key_taps.h"

namespace fuzz {

inline bool CheckKeyTapsInput(std::span<const uint8_t> data) {
    // A few keys, so that streams meet: letters, Esc, Enter, Tab, Shift and the left button.
    constexpr int32_t kKeys[] = {'A', 'N', '7', 27, 13, 9, 16, 1};
    constexpr size_t kKeyCount = sizeof(kKeys) / sizeof(kKeys[0]);
    const auto modifier = [](int32_t key) { return key == 16; };
    const auto mouse = [](int32_t key) { return key == 1; };

    host::KeyTaps keys;
    uint64_t now = 0;
    bool down[256] = {};
    uint64_t pressAt[256] = {};
    uint32_t downs[256] = {};  // presses made
    uint32_t seen[256] = {};   // presses a read saw (a read down after one up, or the first)
    bool lastRead[256] = {};
    bool heldSince[256] = {};  // down with its press seen, and no event of the key since
    // A read held back: the press it waits for, and how many presses ahead may still hold it.
    int32_t heldKey = 0;
    uint32_t heldPress = 0;
    size_t heldBudget = 0;

    const auto press = [&](int32_t key) {
        if (down[key]) return;
        down[key] = true;
        pressAt[key] = now;
        ++downs[key];
        heldSince[key] = false;
        const bool clickWaiting = mouse(key) && keys.Pending(key, true);
        keys.Down(key, now);
        // A press is always kept: a full queue makes room.
        if (!modifier(key) && !clickWaiting && !keys.Pending(key, true)) __builtin_trap();
    };
    const auto release = [&](int32_t key) {
        down[key] = false;
        heldSince[key] = false;
        keys.Up(key, now);
    };

    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const int32_t key = kKeys[data[i + 1] % kKeyCount];
        const int32_t other = kKeys[(data[i + 1] / kKeyCount) % kKeyCount];
        now += 1000;
        const uint8_t op = data[i] % 14;
        // Only a read of the held key, with nothing read between, is held to the budget.
        if (heldKey && (op == 3 || op == 4 || op == 5) && !(op == 3 && key == heldKey)) heldKey = 0;
        switch (op) {
            case 0: case 1: press(key); break;
            case 2: release(key); break;
            case 3: {
                const bool isPlain = !modifier(key);
                const uint32_t first = keys.FirstPress(key);
                const size_t ahead = keys.PressesAhead(key);
                const bool wasHeld = heldSince[key];
                const bool deferred = keys.Deferred(key);  // waits for the next poll, not for a key
                const bool result = keys.Read(key, now);
                if (!isPlain) break;
                if (result && !lastRead[key]) ++seen[key];
                lastRead[key] = result;
                // Each press is seen once at most.
                if (seen[key] > downs[key]) __builtin_trap();
                // A key held down, its press seen, reads as held.
                if (wasHeld && down[key] && !result) __builtin_trap();
                heldSince[key] = result && down[key] && !keys.Pending(key, true) && !keys.Pending(key, false);
                if (mouse(key)) break;
                // Held back: the press is still there, unseen (a second unread may take it).
                const bool heldBack = !result && !deferred && first != 0 && keys.FirstPress(key) == first;
                if (heldBack && heldKey == key && first == heldPress) {
                    // Each press ahead holds it back once at most.
                    if (heldBudget == 0) __builtin_trap();
                    --heldBudget;
                }
                if (heldBack && heldKey != key) {
                    heldKey = key;
                    heldPress = first;
                    heldBudget = ahead > 0 ? ahead - 1 : 0;
                }
                if (result || keys.FirstPress(key) != first) heldKey = heldKey == key ? 0 : heldKey;
                break;
            }
            case 4: {
                // A wait takes releases, never a press of a key not seen down.
                const uint32_t first = keys.FirstPress(key);
                const bool sameKeys = other == key;
                keys.StillDown(key, sameKeys ? 0 : other);
                if (sameKeys && first != 0 && keys.FirstPress(key) != first) __builtin_trap();
                break;
            }
            case 5: keys.NextPress(key, now); break;
            case 6: keys.NewPass(); break;
            case 7: keys.Drawn(); break;
            case 8: keys.Polled(false); break;
            case 9: keys.Polled(true); break;
            case 10: now += uint64_t(data[i + 1]) * 10'000; break;  // up to 2.5 s
            case 11:
                // The system's repeat of a key held; soon after its press it is a quick tap.
                if (down[key] && now < pressAt[key] + host::KeyTaps::kMergedTapUs && !modifier(key)) {
                    ++downs[key];
                    pressAt[key] = now;
                    heldSince[key] = false;
                }
                keys.Repeat(key, now);
                break;
            case 12:
                if (data[i + 1] < 8) {
                    keys.Forget(key);
                    down[key] = heldSince[key] = false;
                    heldKey = 0;
                }
                break;
            default:
                if (data[i + 1] < 4) {
                    keys.Clear();
                    for (bool& d : down) d = false;
                    for (bool& h : heldSince) h = false;
                    heldKey = 0;
                }
                break;
        }
        if (keys.Waiting() > host::KeyTaps::kMostPresses) __builtin_trap();
    }

    // Never deaf: whatever came before, a tap of a key is read within the presses ahead of it.
    constexpr int32_t kFresh = 'Z';
    now += 1000;
    keys.Down(kFresh, now);
    keys.Up(kFresh, now);
    const size_t limit = keys.PressesAhead(kFresh) + 1;
    for (size_t reads = 0;; ++reads) {
        if (keys.Read(kFresh, now)) break;
        if (reads >= limit) return false;
    }
    return true;
}

}  // namespace fuzz
