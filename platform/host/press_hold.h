// A mouse press acts where it was made. A loop pass reads the cursor once, then tests its
// buttons; a press that arrives between the two, away from the cursor the pass read (a touch
// screen, a tablet or a remote desktop sends it with no motion before it), is held back until
// the next cursor read, so the pass that sees the press sees it at its place. A loop that never
// reads the cursor sees the press after `limit` (in the back end's own clock).
#pragma once

#include <cstdint>

#include "host.h"

namespace host {

class PressHold {
public:
    explicit PressHold(uint64_t limit) : limit_(limit) {}

    // A mouse button (1 left, 2 right, 4 middle) went down with the cursor at `at`.
    void Pressed(int32_t button, Point at, uint64_t now) {
        if (Slot(button) < 0) return;
        Hold& h = holds_[Slot(button)];
        h.held = read_ && (at.x != lastRead_.x || at.y != lastRead_.y);
        h.since = now;
    }
    // The program read the cursor: held presses are seen from now on.
    void CursorRead(Point cursor) {
        read_ = true;
        lastRead_ = cursor;
        for (Hold& h : holds_) h.held = false;
    }
    bool Held(int32_t button, uint64_t now) {
        if (Slot(button) < 0) return false;
        Hold& h = holds_[Slot(button)];
        if (h.held && now >= h.since + limit_) h.held = false;
        return h.held;
    }

private:
    static int Slot(int32_t button) { return button == 1 ? 0 : button == 2 ? 1 : button == 4 ? 2 : -1; }
    struct Hold {
        bool held = false;
        uint64_t since = 0;
    };
    uint64_t limit_;
    bool read_ = false;
    Point lastRead_;
    Hold holds_[3];
};

}  // namespace host
