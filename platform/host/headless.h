// The headless back end: a scripted input timeline, a virtual clock, every flip captured,
// and a watchdog that ends a run whose script is used up while the program still waits.
#pragma once

#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "folder_lock.h"
#include "host.h"
#include "key_taps.h"
#include "pacing.h"

namespace host {

// Thrown from an input query when the script has run out and the program keeps waiting.
class ScriptEnded : public std::runtime_error {
public:
    explicit ScriptEnded(const std::string& what) : std::runtime_error(what) {}
};

struct TextRecord {
    std::string text;
    int32_t x, y, colour;
};

// One key event of a burst: down or up, `afterMs` virtual milliseconds after the one before.
// Key 0 is no key: only the time passes. A mouse button goes down at (x, y) when x is not -1.
struct KeyEvent {
    int32_t key;
    bool down;
    uint32_t afterMs = 0;
    int32_t x = -1, y = -1;
};

struct Frame {
    int32_t width = 0, height = 0;
    std::vector<uint16_t> pixels;
    uint64_t atMs = 0;  // on the virtual clock
    uint16_t At(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

class Headless final : public Backend {
public:
    // Script steps, run in order as the program polls its input. Key codes are virtual keys;
    // 1 and 2 are the mouse buttons.
    Headless& Press(int32_t key);
    // Up again once its press no longer waits: taken, or dropped by the key model.
    Headless& Release(int32_t key);
    Headless& Tap(int32_t key) { return Press(key).Release(key); }
    // Down for n input polls, whether or not the program looks.
    Headless& Hold(int32_t key, int32_t polls);
    // Down and up again before the program next polls, as a quick tap comes between two reads
    // of a busy loop: the press is held for the next read of that key.
    Headless& QuickTap(int32_t key) { return Burst({{key, true}, {key, false}}); }
    // Presses and releases that come while the program is busy: all of them at its next poll,
    // in order, the clock moving on by each one's afterMs first. A press of a key already down
    // is the system's auto-repeat. A burst that begins with the release of a key held waits, as
    // Release does, until its press no longer waits.
    Headless& Burst(std::vector<KeyEvent> events);
    // Holds the script until the innermost open screen is the one of that name.
    Headless& AwaitScreen(std::string name);
    Headless& Wait(int32_t polls);
    Headless& MoveMouse(int32_t x, int32_t y);
    Headless& Click(int32_t x, int32_t y, int32_t button = 1);
    // A press that carries its own place, with no motion before it (a touch screen), arriving
    // just before the program next tests that button: after its loop pass read the cursor, and
    // never in the same poll as the step before, so a press right after a release is read at
    // its own place by the first test that follows.
    Headless& PressAt(int32_t x, int32_t y, int32_t button = 1);
    // Taps the keys of a text on a US layout, with Shift where needed, a loop pass apart.
    Headless& Type(std::string_view text);
    // The events of a text typed as a typing tool types it on a US layout: Shift down around
    // each key that needs it, `gapMs` from one key to the next.
    static std::vector<KeyEvent> Typing(std::string_view text, uint32_t gapMs);
    Headless& LoseFocus();
    Headless& GainFocus();

    bool ScriptDone() const { return next_ >= steps_.size(); }
    uint64_t NowMs() const { return nowUs_ / 1000; }

    // The watchdog: polls, and virtual milliseconds, that a program may wait once the script
    // is used up before ScriptEnded is thrown.
    uint64_t idlePollLimit = 2'000'000;
    uint64_t idleTimeLimitMs = 600'000;  // ten virtual minutes

    // Observations.
    bool refuseDisplay = false;
    bool noDisplay = false;  // as on a machine without a graphical display
    std::vector<std::string> startUpErrors;  // boxes shown outside the window
    uint32_t flips = 0;
    uint32_t presented = 0;  // flips whose frame differed from the one on show
    uint32_t frontShows = 0;  // changes drawn onto the front surface that reached the window
    bool cursorShown = true;
    std::deque<Frame> frames;  // the most recent frames shown, newest last
    size_t framesKept = 16;  // 0 keeps none (a fuzzer has no use for them)
    std::deque<uint32_t> rests;  // the most recent rests in milliseconds, newest last
    size_t restsKept = 256;
    std::vector<TextRecord> texts;
    std::vector<std::string> effects;  // names as played; "default" for the system's sound; file paths
    std::vector<std::string> mediaCommands;  // the music's command strings, as sent
    std::vector<Message> posted;        // messages the program posted to itself

    bool WritePng(const std::string& path) const;  // the newest frame

    bool DisplayPresent() override { return !noDisplay; }
    std::string Failure() override;
    bool LockFolder(const std::string& folder) override { return lock_.Take(folder); }
    void ShowStartUpError(const std::string& text) override { startUpErrors.push_back(text); }
    bool OpenWindow(const char* title) override;
    void CloseWindow() override {}
    void ShowCursor(bool shown) override { cursorShown = shown; }
    bool OpenDisplay() override { return !refuseDisplay; }
    void CloseDisplay() override {
        pacer_.ShowAgain(nullptr);
        shown_.Forget();
    }
    void OpenScreen(const char* name) override;
    void CloseScreen() override;
    void BeginPass() override;
    bool KeyDown(int32_t key) override;
    bool KeyHeld(int32_t key) override;
    bool StrokeDown(int32_t button) override;
    void WaitUntilUp(int32_t a, int32_t b, int32_t c) override;
    Point Cursor() override;
    bool PeekMessage(Message& message) override;
    void PostMessage(Message message) override;
    uint32_t Ticks() override;
    void Idle() override { Rest(); }
    void Present(const Surface& front) override;
    void FrontChanged(const Surface& front) override { pacer_.FrontChanged(front); }
    void PlayWave(std::string_view name, const uint8_t* data, size_t size) override;
    void PlayWaveFile(const std::string& path) override { effects.push_back(path); }
    void MediaCommand(std::string_view command) override { mediaCommands.emplace_back(command); }
    void TextDrawn(std::string_view text, int32_t x, int32_t y, int32_t colour) override;

    std::string windowTitle;

private:
    enum class Step : uint8_t { Press, PressAt, Release, ReleaseAfterPolls, Burst, AwaitScreen, Wait, Move, Focus };
    struct Entry {
        Step step;
        int32_t a = 0, b = 0, c = 0;
    };
    // Runs the script up to the next step that must wait; `testedKey` is the key or button the
    // program asks for (0 when it asks for the cursor or a message).
    void Pump(int32_t testedKey);
    void GoDown(int32_t key);
    void DeliverBurst(const std::vector<KeyEvent>& events);
    void ShowFrontIfDue(bool resting);
    void Rest();
    const std::string& Innermost() const;
    void Capture(const Surface& front);
    Headless& Add(Step step, int32_t a = 0, int32_t b = 0, int32_t c = 0);

    std::vector<Entry> steps_;
    std::vector<std::vector<KeyEvent>> bursts_;
    std::vector<std::string> awaited_;
    size_t next_ = 0;
    int32_t waitLeft_ = -1;
    KeyTaps keys_;
    Point cursor_;
    std::deque<Message> queue_;
    uint64_t nowUs_ = 10'000'000;
    uint64_t idlePolls_ = 0;
    uint64_t unreadPolls_ = 0;
    uint64_t scriptEndUs_ = nowUs_;
    std::vector<std::string> screens_;  // open, innermost last
    Pacer pacer_;
    ShownFrame shown_;
    FolderLock lock_;
};

}  // namespace host
