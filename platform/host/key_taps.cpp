#include "key_taps.h"

#include <algorithm>

namespace host {

uint8_t KeyTaps::ModifierBit(int32_t key) {
    switch (key) {
        case 16: case 160: case 161: return kShiftMod;
        case 17: case 162: case 163: return kCtrlMod;
        case 18: case 164: case 165: return kAltMod;
        default: return 0;
    }
}

uint8_t KeyTaps::ModsDown() const {
    uint8_t mods = 0;
    for (int32_t key : {16, 160, 161, 17, 162, 163, 18, 164, 165})
        if (keys_[key].down) mods |= ModifierBit(key);
    return mods;
}

void KeyTaps::OpenScreen() {
    if (!screens_.empty()) {
        const uint32_t taken = screens_.back().lastTaken;
        std::erase_if(presses_, [taken](const Press& p) { return p.order < taken || Mouse(p.key); });
        for (Press& p : presses_) p.pass = 0;
    }
    screens_.emplace_back().id = ++lastId_;
    waiting_ = false;
}

void KeyTaps::CloseScreen() {
    if (screens_.empty()) return;
    presses_.clear();
    screens_.pop_back();
    waiting_ = false;
}

void KeyTaps::BeginPass() {
    if (screens_.empty()) return;
    Screen& s = screens_.back();
    if (s.pass > 0 && !s.took)
        std::erase_if(presses_, [&s](const Press& p) { return p.pass < s.pass && !s.read[size_t(p.key)]; });
    ++s.pass;
    s.took = false;
    s.modsTaken = false;
    s.read.reset();
}

bool KeyTaps::InWait(int32_t key) const {
    return waiting_ && std::find(std::begin(waitKeys_), std::end(waitKeys_), key) != std::end(waitKeys_);
}

bool KeyTaps::WaitHeld() const {
    return std::any_of(std::begin(waitKeys_), std::end(waitKeys_), [this](int32_t key) { return Held(key); });
}

void KeyTaps::Down(int32_t key, Point at, uint64_t now, std::optional<uint8_t> mods) {
    if (!Valid(key) || keys_[key].down) return;
    Key& k = keys_[key];
    k.down = true;
    k.holder = k.madeIn = 0;
    k.pressAt = now;
    if (ModifierBit(key)) return;
    k.order = ++order_;
    if (screens_.empty()) return;
    Screen& s = screens_.back();
    k.madeIn = s.id;
    if (InWait(key) && WaitHeld()) {
        // Part of the hit being waited for.
        k.holder = s.id;
        s.lastTaken = k.order;
        s.took = true;
        return;
    }
    if (presses_.size() >= kMostPresses) presses_.pop_front();
    presses_.push_back({k.order, s.pass, int16_t(key), mods.value_or(ModsDown()), false, at});
}

void KeyTaps::Up(int32_t key) {
    if (!Valid(key) || !keys_[key].down) return;
    Key& k = keys_[key];
    k.down = false;
    k.holder = k.madeIn = 0;
    for (Press& p : presses_)
        if (p.order == k.order) p.released = true;
}

void KeyTaps::Repeat(int32_t key, uint64_t now, std::optional<uint8_t> mods) {
    if (!Valid(key) || !keys_[key].down || now >= keys_[key].pressAt + kMergedTapUs) return;
    Up(key);
    Down(key, {}, now, mods);
}

void KeyTaps::Clear() {
    for (Key& k : keys_) k = Key{};
    presses_.clear();
    waiting_ = false;
}

void KeyTaps::Take(Screen& s, const Press& p) {
    Key& k = keys_[p.key];
    if (!p.released && k.order == p.order) k.holder = s.id;
    s.lastTaken = p.order;
    s.took = true;
    s.mods = p.mods;
    s.modsTaken = true;
}

bool KeyTaps::Read(int32_t key) {
    if (!Valid(key)) return false;
    if (const uint8_t bit = ModifierBit(key)) {
        if (screens_.empty()) return keys_[key].down;
        const Screen& s = screens_.back();
        const uint8_t mods = s.modsTaken ? s.mods : !presses_.empty() ? presses_.front().mods : ModsDown();
        return (mods & bit) != 0;
    }
    if (screens_.empty()) return false;
    Screen& s = screens_.back();
    s.read.set(size_t(key));
    const auto first = std::find_if(presses_.begin(), presses_.end(), [key](const Press& p) { return p.key == key; });
    if (first == presses_.end()) return Held(key);
    if (Mouse(key) ? cursorRead_ && (first->at.x != cursor_.x || first->at.y != cursor_.y)
                   : first != presses_.begin())
        return false;
    const Press press = *first;
    presses_.erase(first);
    Take(s, press);
    return true;
}

bool KeyTaps::Stroke(int32_t key) {
    if (Valid(key) && Mouse(key) && !screens_.empty() && !Pending(key)) {
        Key& k = keys_[key];
        if (k.down && k.madeIn == screens_.back().id) k.holder = k.madeIn;
    }
    return Read(key);
}

bool KeyTaps::Held(int32_t key) const {
    if (!Valid(key)) return false;
    if (ModifierBit(key)) return keys_[key].down;
    return keys_[key].down && keys_[key].holder != 0 && !screens_.empty() && keys_[key].holder == screens_.back().id;
}

void KeyTaps::BeginWait(int32_t a, int32_t b, int32_t c) {
    waitKeys_[0] = a;
    waitKeys_[1] = b;
    waitKeys_[2] = c;
    waiting_ = true;
}

Point KeyTaps::Cursor(Point now) {
    const auto click = std::find_if(presses_.begin(), presses_.end(), [](const Press& p) { return Mouse(p.key); });
    cursor_ = click != presses_.end() ? click->at : now;
    cursorRead_ = true;
    return cursor_;
}

bool KeyTaps::Pending(int32_t key) const {
    return std::any_of(presses_.begin(), presses_.end(), [key](const Press& p) { return p.key == key; });
}

}  // namespace host
