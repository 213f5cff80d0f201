// When what the program draws reaches the window, and how long the host rests between polls
// while nothing happens. Both back ends pace themselves by it, each on its own clock (µs).
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

#include "surface.h"

namespace host {

class Pacer {
public:
    static constexpr uint64_t kQuietUs = 100'000;  // no input and no frame for this long: rest longer
    static constexpr uint32_t kShortRestMs = 1;
    static constexpr uint32_t kLongRestMs = 10;  // keeps clock-driven waits within a frame
    static constexpr uint64_t kFrontBatchUs = 8'000;

    // A whole frame reached the window.
    void Shown(uint64_t nowUs) {
        lastShownUs_ = lastActivityUs_ = nowUs;
        pending_ = nullptr;
    }
    // Something was drawn straight onto the front surface.
    void FrontChanged(const Surface& front) { pending_ = &front; }
    // The window lost what it showed (or the surface goes away with the display).
    void ShowAgain(const Surface* front) { pending_ = front; }
    void InputArrived(uint64_t nowUs) { lastActivityUs_ = nowUs; }

    // The front surface to show now, or null. Changes drawn onto it go out before the program
    // rests, and while it keeps drawing without rest, once every few milliseconds, so a
    // glyph-by-glyph text is shown whole, never held back until the next input.
    const Surface* FrontDue(uint64_t nowUs, bool resting) const {
        if (!pending_) return nullptr;
        return resting || nowUs >= lastShownUs_ + kFrontBatchUs ? pending_ : nullptr;
    }
    // How long a rest may last: short while things happen, longer once the screen is at rest;
    // the back ends end a rest at once when input arrives.
    uint32_t RestMs(uint64_t nowUs) const {
        return nowUs >= lastActivityUs_ + kQuietUs ? kLongRestMs : kShortRestMs;
    }

private:
    const Surface* pending_ = nullptr;
    uint64_t lastShownUs_ = 0;
    uint64_t lastActivityUs_ = 0;
};

// The frame on show. A flipped frame equal to it is not presented again: a still screen that
// flips in its loop (the win screen, every 100 ms) then costs a comparison of 614 KB, not a
// present, which takes milliseconds of the processor on a display without a GPU.
class ShownFrame {
public:
    bool Same(const Surface& front) const {
        return pixels_ && front.width == width_ && front.height == height_ &&
               std::memcmp(front.pixels.get(), pixels_.get(), Bytes()) == 0;
    }
    void Shown(const Surface& front) {
        if (front.width != width_ || front.height != height_ || !pixels_) {
            width_ = front.width;
            height_ = front.height;
            pixels_ = std::make_unique<uint16_t[]>(size_t(width_) * size_t(height_));
        }
        std::memcpy(pixels_.get(), front.pixels.get(), Bytes());
    }
    // The window lost what it showed.
    void Forget() { pixels_.reset(); }

private:
    size_t Bytes() const { return size_t(width_) * size_t(height_) * sizeof(uint16_t); }
    std::unique_ptr<uint16_t[]> pixels_;
    int32_t width_ = 0, height_ = 0;
};

}  // namespace host
