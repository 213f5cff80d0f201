#include "headless.h"

#include <zlib.h>

#include <cstdio>

#include "platform/keys.h"
#include "surface.h"

namespace host {
namespace {

// Between two typed keys: longer than a loop pass that reads every key, as a person types.
constexpr int32_t kTypingPolls = 200;

// The key that types a character on a US layout, and whether Shift is needed.
bool KeyForChar(char ch, int32_t& key, bool& shift) {
    static constexpr std::string_view kPlain = ";=,-./`[\\]'";
    static constexpr std::string_view kShifted = ":+<_>?~{|}\"";
    static constexpr int32_t kPunctKeys[] = {186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222};
    static constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
    shift = false;
    if (ch >= 'a' && ch <= 'z') return key = ch - 'a' + 'A', true;
    if (ch >= 'A' && ch <= 'Z') return key = ch, shift = true, true;
    if ((ch >= '0' && ch <= '9') || ch == ' ') return key = ch, true;
    if (auto i = kPlain.find(ch); i != std::string_view::npos) return key = kPunctKeys[i], true;
    if (auto i = kShifted.find(ch); i != std::string_view::npos)
        return key = kPunctKeys[i], shift = true, true;
    if (auto i = kShiftedDigits.find(ch); i != std::string_view::npos)
        return key = '0' + int32_t(i), shift = true, true;
    return false;
}

void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 3; i >= 0; --i) out.push_back(uint8_t(v >> (8 * i)));
}

void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    PutBe32(out, uint32_t(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBe32(out, uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
}

}  // namespace

Headless& Headless::Add(Step step, int32_t a, int32_t b, int32_t c) {
    steps_.push_back({step, a, b, c});
    idlePolls_ = 0;
    return *this;
}

Headless& Headless::Press(int32_t key) { return Add(Step::Press, key); }
Headless& Headless::Release(int32_t key) { return Add(Step::Release, key); }
Headless& Headless::Hold(int32_t key, int32_t polls) {
    return Add(Step::Press, key).Add(Step::ReleaseAfterPolls, key, polls);
}
Headless& Headless::Burst(std::vector<KeyEvent> events) {
    // The key the step may wait on sits where Release keeps its key.
    const int32_t key = events.empty() ? 0 : events.front().key;
    bursts_.push_back(std::move(events));
    return Add(Step::Burst, key, int32_t(bursts_.size() - 1));
}

void Headless::DeliverBurst(const std::vector<KeyEvent>& events) {
    for (const KeyEvent& ev : events) {
        nowUs_ += uint64_t{ev.afterMs} * 1000;
        if (ev.key == 0) continue;
        const int32_t key = ev.key & 0xFF;
        if (ev.down && ev.x >= 0) cursor_ = {ev.x, ev.y};
        // The virtual clock stands for the window system's, by which a repeat is told from a tap.
        if (ev.down && keys_.IsDown(key)) keys_.Repeat(key, nowUs_);
        else if (ev.down) GoDown(key);
        else keys_.Up(key);
    }
}

Headless& Headless::AwaitScreen(std::string name) {
    awaited_.push_back(std::move(name));
    return Add(Step::AwaitScreen, int32_t(awaited_.size() - 1));
}
Headless& Headless::Wait(int32_t polls) { return Add(Step::Wait, polls); }
Headless& Headless::MoveMouse(int32_t x, int32_t y) { return Add(Step::Move, x, y); }
Headless& Headless::Click(int32_t x, int32_t y, int32_t button) { return MoveMouse(x, y).Tap(button); }
Headless& Headless::PressAt(int32_t x, int32_t y, int32_t button) { return Add(Step::PressAt, button, x, y); }
Headless& Headless::LoseFocus() { return Add(Step::Focus, kMsgKillFocus); }
Headless& Headless::GainFocus() { return Add(Step::Focus, kMsgSetFocus); }

std::vector<KeyEvent> Headless::Typing(std::string_view text, uint32_t gapMs) {
    std::vector<KeyEvent> events;
    for (char ch : text) {
        int32_t key = 0;
        bool shift = false;
        if (!KeyForChar(ch, key, shift)) throw std::invalid_argument("Typing: no key for a character");
        if (shift) events.push_back({kShift, true, events.empty() ? 0 : gapMs});
        events.push_back({key, true, events.empty() || shift ? 0 : gapMs});
        events.push_back({key, false});
        if (shift) events.push_back({kShift, false});
    }
    return events;
}

Headless& Headless::Type(std::string_view text) {
    for (char ch : text) {
        int32_t key = 0;
        bool shift = false;
        if (!KeyForChar(ch, key, shift)) throw std::invalid_argument("Type: no key for a character");
        Wait(kTypingPolls);
        if (shift) Press(kShift);
        Tap(key);
        if (shift) Release(kShift);
    }
    return *this;
}

void Headless::GoDown(int32_t key) { keys_.Down(key, cursor_, nowUs_); }

void Headless::ShowFrontIfDue(bool resting) {
    if (const Surface* front = pacer_.FrontDue(nowUs_, resting)) {
        ++frontShows;
        Capture(*front);
    }
}

void Headless::Pump(int32_t testedKey) {
    const size_t first = next_;
    while (next_ < steps_.size()) {
        Entry& e = steps_[next_];
        const int32_t k = e.a & 0xFF;
        switch (e.step) {
            case Step::Press:
                GoDown(k);
                break;
            case Step::PressAt:
                // Never in the poll that ran the step before: a button let go is seen up once.
                if (testedKey != k || next_ != first) return;
                cursor_ = {e.b, e.c};
                GoDown(k);
                break;
            case Step::Burst:
            case Step::Release:
                if (e.step == Step::Burst) {
                    const std::vector<KeyEvent>& burst = bursts_[size_t(e.b)];
                    if (burst.empty() || burst.front().down) {
                        DeliverBurst(burst);
                        break;
                    }
                }
                if (keys_.Pending(k)) {
                    // A key the program never reads would hold the script up for ever.
                    if (++unreadPolls_ > idlePollLimit) {
                        unreadPolls_ = 0;
                        throw ScriptEnded("\"" + Innermost() + "\" never read key " + std::to_string(k) +
                                          " that the script waits to release");
                    }
                    return;
                }
                unreadPolls_ = 0;
                if (e.step == Step::Burst) DeliverBurst(bursts_[size_t(e.b)]);
                else keys_.Up(k);
                break;
            case Step::AwaitScreen:
                if (Innermost() != awaited_[size_t(e.a)]) {
                    if (++unreadPolls_ > idlePollLimit) {
                        unreadPolls_ = 0;
                        throw ScriptEnded("the script waits for \"" + awaited_[size_t(e.a)] + "\" while \"" +
                                          Innermost() + "\" polls");
                    }
                    return;
                }
                unreadPolls_ = 0;
                break;
            case Step::ReleaseAfterPolls:
            case Step::Wait: {
                int32_t polls = e.step == Step::Wait ? e.a : e.b;
                if (waitLeft_ < 0) waitLeft_ = polls;
                if (waitLeft_ > 0) {
                    --waitLeft_;
                    return;
                }
                waitLeft_ = -1;
                if (e.step == Step::ReleaseAfterPolls) keys_.Up(k);
                break;
            }
            case Step::Move:
                cursor_ = {e.a, e.b};
                break;
            case Step::Focus:
                if (e.a == kMsgKillFocus) keys_.Clear();
                queue_.push_back(Message(e.a));
                break;
        }
        if (e.step != Step::Wait) pacer_.InputArrived(nowUs_);
        ++next_;
        if (next_ == steps_.size()) scriptEndUs_ = nowUs_;
    }
    ShowFrontIfDue(false);
    ++idlePolls_;
    if (idlePolls_ > idlePollLimit || nowUs_ - scriptEndUs_ > idleTimeLimitMs * 1000) {
        idlePolls_ = 0;
        throw ScriptEnded("the script is used up while \"" + Innermost() + "\" waits for input");
    }
}

// As the SDL back end rests, on the virtual clock: what is drawn on the front goes out first.
void Headless::Rest() {
    ShowFrontIfDue(true);
    const uint32_t ms = pacer_.RestMs(nowUs_);
    nowUs_ += uint64_t{ms} * 1000;
    rests.push_back(ms);
    while (rests.size() > restsKept) rests.pop_front();
}

std::string Headless::Failure() {
    if (noDisplay) return "no graphical display";
    return refuseDisplay ? "the display was refused" : "";
}

bool Headless::OpenWindow(const char* title) {
    windowTitle = title;
    return true;
}

const std::string& Headless::Innermost() const {
    static const std::string kNone = "no screen";
    return screens_.empty() ? kNone : screens_.back();
}

void Headless::OpenScreen(const char* name) {
    keys_.OpenScreen();
    screens_.emplace_back(name);
}

void Headless::CloseScreen() {
    keys_.CloseScreen();
    if (!screens_.empty()) screens_.pop_back();
}

void Headless::BeginPass() {
    Pump(0);
    if (!keys_.Unread()) Rest();
    keys_.BeginPass();
}

bool Headless::KeyDown(int32_t key) {
    Pump(key);
    return keys_.Read(key);
}

bool Headless::StrokeDown(int32_t button) {
    Pump(button);
    return keys_.Stroke(button);
}

bool Headless::KeyHeld(int32_t key) {
    Pump(key);
    return keys_.Held(key);
}

void Headless::WaitUntilUp(int32_t a, int32_t b, int32_t c) {
    keys_.BeginWait(a, b, c);
    struct End {
        KeyTaps& keys;
        ~End() { keys.EndWait(); }
    } end{keys_};
    for (Pump(a); keys_.StillDown(); Pump(a)) Rest();
}

Point Headless::Cursor() {
    Pump(0);
    return keys_.Cursor(cursor_);
}

bool Headless::PeekMessage(Message& message) {
    Pump(0);
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void Headless::PostMessage(Message message) {
    posted.push_back(message);
    queue_.push_back(message);
}

uint32_t Headless::Ticks() {
    nowUs_ += 1000;  // every reading of the clock costs a virtual millisecond
    return uint32_t(nowUs_ / 1000);
}

void Headless::Present(const Surface& front) {
    ++flips;
    if (!shown_.Same(front)) ++presented;
    nowUs_ += 16'667;
    Capture(front);
}

void Headless::Capture(const Surface& front) {
    if (framesKept > 0) {
        // The oldest frame's buffer is reused once the window is full: no allocation per flip.
        Frame f;
        if (frames.size() >= framesKept) {
            f = std::move(frames.front());
            frames.pop_front();
        }
        f.width = front.width;
        f.atMs = nowUs_ / 1000;
        f.height = front.height;
        f.pixels.assign(front.pixels.get(), front.pixels.get() + size_t(front.width) * front.height);
        frames.push_back(std::move(f));
        while (frames.size() > framesKept) frames.pop_front();
    }
    pacer_.Shown(nowUs_);
    shown_.Shown(front);
}

void Headless::PlayWave(std::string_view name, const uint8_t*, size_t) {
    effects.emplace_back(name);
}

void Headless::TextDrawn(std::string_view text, int32_t x, int32_t y, int32_t colour) {
    texts.push_back({std::string(text), x, y, colour});
}

bool Headless::WritePng(const std::string& path) const {
    if (frames.empty()) return false;
    const Frame& f = frames.back();
    std::vector<uint8_t> raw;
    raw.reserve(size_t(f.height) * (1 + 3 * size_t(f.width)));
    for (int32_t y = 0; y < f.height; ++y) {
        raw.push_back(0);
        for (int32_t x = 0; x < f.width; ++x) {
            uint16_t p = f.At(x, y);
            raw.push_back(uint8_t(((p >> 11) & 31) * 255 / 31));
            raw.push_back(uint8_t(((p >> 5) & 63) * 255 / 63));
            raw.push_back(uint8_t((p & 31) * 255 / 31));
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), uLong(raw.size()), 6) != Z_OK) return false;
    packed.resize(packedSize);
    std::vector<uint8_t> header;
    PutBe32(header, uint32_t(f.width));
    PutBe32(header, uint32_t(f.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", packed);
    PutChunk(out, "IEND", {});
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && ok;
}

}  // namespace host
