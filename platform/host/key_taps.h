// What a read of a key sees. The presses and releases of the keyboard are kept in the order
// they came, and a read takes at most one of them: a press is seen once, by the next read that
// asks for that key, however quickly it was let go, and the read after it sees the release. A
// key held down reads as it is. Around that:
// - A wait for a release takes releases only: a press that came after it is the next read's.
// - Order: a read does not take a press while an earlier unseen press of another key is live.
//   The earliest of them holds the read back and goes idle, live again only when its own key
//   is read; so a press holds another back for one read at most, unless the program reads its
//   key too. A press older than a second of a key not read for a second is never live. When a
//   press is taken, the idle presses before it, and those of keys this screen has not read,
//   are passed over, and gone.
// - Shift, Ctrl and Alt read as they were when the press last seen went down (until the next
//   loop pass); before that, as they are, or as they were for a press still unseen.
// - A press belongs to the screen on show: presses the program had not seen when the next
//   screen began to show are gone (a key held across stays down); see Drawn.
// - Presses of a key the program no longer reads go after a second; a mouse click keeps
//   50 ms, and two clicks between reads are one: a click away from every button must not
//   act on a later one.
// - At most kMostPresses wait: a new one drops the oldest.
// Times are the back end's (µs).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace host {

class KeyTaps {
public:
    static constexpr uint64_t kTapHoldUs = 1'000'000;
    static constexpr uint64_t kClickHoldUs = 50'000;
    static constexpr size_t kMostPresses = 512;

    // Below this, a repeat of a key held is not the system's auto-repeat (which waits longer).
    static constexpr uint64_t kMergedTapUs = 100'000;

    void Down(int32_t key, uint64_t now);
    void Up(int32_t key, uint64_t now);
    // The system repeats a key held down. A window system may take a release and a press that
    // come within a millisecond or two for a repeat: one that comes that soon after the key's
    // press is a release and a new press.
    void Repeat(int32_t key, uint64_t now);
    // Up, and what no read saw of the key is gone.
    void Forget(int32_t key);
    // Is the key down for this read? May take its next press.
    bool Read(int32_t key, uint64_t now);
    // Is a press already seen of any of these keys (0 for none) still down? Takes releases,
    // never a new press; but a press of one of them made while another was down is part of
    // the same press, and is waited for too.
    bool StillDown(int32_t a, int32_t b = 0, int32_t c = 0);
    // The order number of the key's next unseen press, 0 when there is none; counts as a read.
    uint32_t NextPress(int32_t key, uint64_t now);
    // A loop pass begins (the cursor is read): Shift, Ctrl and Alt read as they are again.
    void NewPass();
    // A frame was shown. The first one after a loop last polled is where the next screen
    // begins: what comes after it (a press while a missile flies) is the next screen's. When a
    // press was taken since that poll, the presses from before it still unseen wait for the
    // next poll: the frame may be the screen that called the one that polled, back for the
    // rest of its pass.
    void Drawn();
    // A loop polls; `another` when it is not the screen that polled before.
    void Polled(bool another);
    // For checks of the rules: the key's next press waits for the next poll.
    bool Deferred(int32_t key) const;
    // Focus lost: every key is up and nothing is held.
    void Clear();

    bool Physical(int32_t key) const;
    // The key is down and a read has seen its press (modifiers always count as seen).
    bool Seen(int32_t key) const;
    // For checks of the rules: how many events wait unseen, whether one of the key's does, the
    // order of the key's next event when it is a press (else 0), and the presses of other keys
    // before that event.
    size_t Waiting() const { return events_.size(); }
    bool Pending(int32_t key, bool down) const;
    uint32_t FirstPress(int32_t key) const;
    size_t PressesAhead(int32_t key) const;

private:
    struct Event {
        uint32_t order;
        int16_t key;
        bool down;
        uint8_t mods;  // Shift, Ctrl and Alt as they were
        uint64_t at;
        uint64_t idleSince = 0;  // the read it held back; 0 while live
    };
    struct Key {
        bool down = false;    // as the keyboard has it
        bool seen = false;    // as the program has seen it
        bool dropUp = false;  // its press was not kept, nor will its release be
        uint64_t pressAt = 0;
        uint64_t readAt = 0;
        uint64_t lastRead = 0;  // the number of the key's last read
    };

    static bool Valid(int32_t key) { return key > 0 && key < 256; }
    static uint8_t ModifierBit(int32_t key);
    static bool Mouse(int32_t key) { return key == 1 || key == 2 || key == 4; }
    uint8_t ModsDown() const;
    bool ReadModifier(int32_t key) const;
    std::vector<Event>::iterator FirstOf(int32_t key);
    bool LastState(int32_t key) const;
    bool Live(const Event& e, uint64_t now) const;
    bool Waits(const Event& e) const { return e.down && e.order <= deferTo_; }
    bool HeldBack(const Event& press, uint64_t now);
    void PassOver(const Event& press, uint64_t now);
    bool DownAt(int32_t key, uint32_t order);
    bool TakeRelease(int32_t key);
    void Expire(int32_t key, uint64_t now);
    void DropBefore(int32_t key, uint64_t at, uint32_t order);
    void MarkRead(int32_t key, uint64_t now);
    void DropOldest();
    // Presses up to the mark, unseen, are gone with the screen that was on show.
    void NewScreen(uint32_t mark);

    Key keys_[256];
    std::vector<Event> events_;  // unseen, oldest first
    uint32_t order_ = 0;
    uint64_t reads_ = 0;
    uint64_t screenBegan_ = 0;  // reads_ when the screen on show began
    uint32_t drawnMark_ = 0;  // the input that had come when the next screen began to show
    bool polled_ = false;      // a loop polled since the last frame
    uint32_t pollMark_ = 0;    // the input that had come when a loop last polled
    uint32_t deferTo_ = 0;     // presses up to this wait for the next poll
    bool tookSincePoll_ = false;
    uint8_t context_ = 0;
    bool hasContext_ = false;
};

}  // namespace host
