#include "key_taps.h"

#include <algorithm>

namespace host {

uint8_t KeyTaps::ModifierBit(int32_t key) {
    switch (key) {
        case 16: case 160: case 161: return 1;  // Shift
        case 17: case 162: case 163: return 2;  // Ctrl
        case 18: case 164: case 165: return 4;  // Alt
        default: return 0;
    }
}

uint8_t KeyTaps::ModsDown() const {
    uint8_t mods = 0;
    for (int32_t key : {16, 160, 161, 17, 162, 163, 18, 164, 165})
        if (keys_[key].down) mods |= ModifierBit(key);
    return mods;
}

bool KeyTaps::ReadModifier(int32_t key) const {
    const uint8_t bit = ModifierBit(key);
    if (hasContext_) return (context_ & bit) != 0;
    if (ModsDown() & bit) return true;
    return std::any_of(events_.begin(), events_.end(), [bit](const Event& e) { return e.down && (e.mods & bit); });
}

std::vector<KeyTaps::Event>::iterator KeyTaps::FirstOf(int32_t key) {
    return std::find_if(events_.begin(), events_.end(), [key](const Event& e) { return e.key == key; });
}

bool KeyTaps::Pending(int32_t key, bool down) const {
    return std::any_of(events_.begin(), events_.end(),
                       [key, down](const Event& e) { return e.key == key && e.down == down; });
}

bool KeyTaps::LastState(int32_t key) const {
    for (auto e = events_.rbegin(); e != events_.rend(); ++e)
        if (e->key == key) return e->down;
    return keys_[key].seen;
}

// A press of a key that has not been read for a second, itself older than that, holds
// nothing back: its key is no longer read.
bool KeyTaps::Live(const Event& e, uint64_t now) const {
    const Key& k = keys_[e.key];
    if (now > e.at + kTapHoldUs && now > k.readAt + kTapHoldUs) return false;
    return e.idleSince == 0 || k.lastRead > e.idleSince;
}

// The earliest live press of another key before it holds the read back, once: it goes idle
// until its own key is read.
bool KeyTaps::HeldBack(const Event& press, uint64_t now) {
    for (Event& e : events_) {
        if (e.order >= press.order) break;
        if (!e.down || e.key == press.key || Mouse(e.key) || Waits(e) || !Live(e, now)) continue;
        e.idleSince = reads_;
        return true;
    }
    return false;
}

// Presses of other keys before a press taken that hold nothing back, or whose key this screen
// has not read, are passed over and gone (a click is held back by none).
void KeyTaps::PassOver(const Event& press, uint64_t now) {
    int16_t passed[kMostPresses];
    size_t count = 0;
    for (const Event& e : events_) {
        if (e.order >= press.order) break;
        if (!e.down || e.key == press.key || Mouse(e.key) || Waits(e) || count == kMostPresses) continue;
        if (!Live(e, now) || keys_[e.key].lastRead <= screenBegan_) passed[count++] = e.key;
    }
    for (size_t i = 0; i < count; ++i) DropBefore(passed[i], 0, press.order);
}

// Drops the key's events from before `at` or up to `order`. A press among them whose key is
// still down stays, to be seen as a key held down.
void KeyTaps::DropBefore(int32_t key, uint64_t at, uint32_t order) {
    const Event* last = nullptr;
    for (const Event& e : events_) {
        if (e.key != key) continue;
        if (e.at >= at && e.order > order) break;
        last = &e;
    }
    if (!last) return;
    const uint32_t lastOrder = last->order;
    const bool keepLast = last->down;
    std::erase_if(events_, [&](const Event& e) {
        return e.key == key && (e.order < lastOrder || (e.order == lastOrder && !keepLast));
    });
    keys_[key].seen = false;
}

void KeyTaps::Expire(int32_t key, uint64_t now) {
    const uint64_t hold = Mouse(key) ? kClickHoldUs : kTapHoldUs;
    // A key the program goes on reading keeps its presses, however many wait.
    if (!Mouse(key) && now <= keys_[key].readAt + hold) return;
    if (now > hold) DropBefore(key, now - hold, 0);
}

void KeyTaps::MarkRead(int32_t key, uint64_t now) {
    keys_[key].readAt = now;
    keys_[key].lastRead = ++reads_;
}

// A full queue makes room for the newest: the oldest event goes. A release that goes is as
// good as seen (no wait spins on it); a press that goes still reads as held while its key is
// down.
void KeyTaps::DropOldest() {
    const Event oldest = events_.front();
    events_.erase(events_.begin());
    if (!oldest.down) keys_[oldest.key].seen = false;
}

void KeyTaps::Down(int32_t key, uint64_t now) {
    if (!Valid(key)) return;
    Key& k = keys_[key];
    if (k.down) return;
    k.down = true;
    k.pressAt = now;
    if (ModifierBit(key)) return;
    if (Mouse(key) && Pending(key, true)) {
        k.dropUp = true;
        return;
    }
    if (events_.size() >= kMostPresses) DropOldest();
    events_.push_back({++order_, int16_t(key), true, ModsDown(), now});
}

void KeyTaps::Up(int32_t key, uint64_t now) {
    if (!Valid(key)) return;
    Key& k = keys_[key];
    if (!k.down) return;
    k.down = false;
    if (ModifierBit(key)) return;
    if (k.dropUp) {
        k.dropUp = false;
        return;
    }
    if (!LastState(key)) return;
    if (events_.size() >= kMostPresses) DropOldest();
    events_.push_back({++order_, int16_t(key), false, 0, now});
}

void KeyTaps::Repeat(int32_t key, uint64_t now) {
    if (!Valid(key) || !keys_[key].down || now >= keys_[key].pressAt + kMergedTapUs) return;
    Up(key, now);
    Down(key, now);
}

void KeyTaps::Forget(int32_t key) {
    if (!Valid(key)) return;
    std::erase_if(events_, [key](const Event& e) { return e.key == key; });
    keys_[key].down = keys_[key].seen = keys_[key].dropUp = false;
}

bool KeyTaps::Read(int32_t key, uint64_t now) {
    if (!Valid(key)) return false;
    if (ModifierBit(key)) return ReadModifier(key);
    Expire(key, now);
    MarkRead(key, now);
    Key& k = keys_[key];
    const auto first = FirstOf(key);
    if (first == events_.end()) {
        // Down with no press waiting: its press made way in a full queue.
        if (k.down) k.seen = true;
        return k.seen;
    }
    if (!first->down) {
        k.seen = false;
        events_.erase(first);
        return false;
    }
    if (Waits(*first)) return k.seen;
    if (!Mouse(key) && HeldBack(*first, now)) return false;
    const Event press = *first;
    events_.erase(first);
    PassOver(press, now);
    tookSincePoll_ = true;
    k.seen = true;
    context_ = press.mods;
    hasContext_ = true;
    return true;
}

// The key was seen down and its release had not come by the event of that order.
bool KeyTaps::DownAt(int32_t key, uint32_t order) {
    if (!Valid(key) || ModifierBit(key) || !keys_[key].seen) return false;
    const auto first = FirstOf(key);
    return first == events_.end() || first->order > order;
}

bool KeyTaps::TakeRelease(int32_t key) {
    if (!Valid(key)) return false;
    if (const uint8_t bit = ModifierBit(key)) return (ModsDown() & bit) != 0;
    Key& k = keys_[key];
    if (!k.seen) return false;
    const auto first = FirstOf(key);
    if (first != events_.end() && !first->down) {
        k.seen = false;
        events_.erase(first);
        return false;
    }
    return true;
}

bool KeyTaps::StillDown(int32_t a, int32_t b, int32_t c) {
    const int32_t keys[] = {a, b, c};
    for (int32_t key : keys) {
        if (!Valid(key) || ModifierBit(key) || keys_[key].seen) continue;
        const auto first = FirstOf(key);
        if (first == events_.end() || !first->down) continue;
        const uint32_t order = first->order;
        if (std::none_of(std::begin(keys), std::end(keys), [&](int32_t other) { return DownAt(other, order); }))
            continue;
        keys_[key].seen = true;
        events_.erase(first);
    }
    bool down = false;
    for (int32_t key : keys) down = TakeRelease(key) || down;
    return down;
}

uint32_t KeyTaps::NextPress(int32_t key, uint64_t now) {
    if (!Valid(key) || ModifierBit(key) || Mouse(key)) return 0;
    Expire(key, now);
    MarkRead(key, now);
    const auto first = FirstOf(key);
    return first != events_.end() && first->down && !Waits(*first) ? first->order : 0;
}

void KeyTaps::NewPass() { hasContext_ = false; }

void KeyTaps::NewScreen(uint32_t mark) {
    screenBegan_ = reads_;
    for (int32_t key = 1; key < 256; ++key)
        if (!ModifierBit(key)) DropBefore(key, 0, mark);
    hasContext_ = false;
}

void KeyTaps::Drawn() {
    if (!polled_) return;
    drawnMark_ = order_;
    if (tookSincePoll_) deferTo_ = pollMark_;
    polled_ = false;
}

void KeyTaps::Polled(bool another) {
    if (another) NewScreen(drawnMark_);
    polled_ = true;
    tookSincePoll_ = false;
    pollMark_ = order_;
    deferTo_ = 0;
}

bool KeyTaps::Deferred(int32_t key) const {
    if (!Valid(key)) return false;
    const auto first = std::find_if(events_.begin(), events_.end(), [key](const Event& e) { return e.key == key; });
    return first != events_.end() && Waits(*first);
}

void KeyTaps::Clear() {
    for (Key& k : keys_) k = Key{};
    events_.clear();
    hasContext_ = false;
}

uint32_t KeyTaps::FirstPress(int32_t key) const {
    for (const Event& e : events_)
        if (e.key == key) return e.down ? e.order : 0;
    return 0;
}

size_t KeyTaps::PressesAhead(int32_t key) const {
    size_t count = 0;
    for (const Event& e : events_) {
        if (e.key == key) break;
        if (e.down && !Mouse(e.key)) ++count;
    }
    return count;
}

bool KeyTaps::Physical(int32_t key) const { return Valid(key) && keys_[key].down; }

bool KeyTaps::Seen(int32_t key) const { return !Valid(key) || ModifierBit(key) || !Pending(key, true); }

}  // namespace host
