// The host layer: window, display, input, clock, sound effects and music of the platform,
// behind one interface with two back ends (SDL2 for play, headless for tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct Surface;

namespace host {

// Window messages, as the modal loops take and dispatch them.
enum Message : uint32_t {
    kMsgNone = 0,
    kMsgCreate,
    kMsgDestroy,
    kMsgKillFocus,
    kMsgSetFocus,
    kMsgPaint,
    kMsgClose,
    kMsgQuit,
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Whether there is a graphical display to open the window on. A display that shows
    // nothing (SDL's dummy or offscreen video) counts only when the user asked for it by name.
    virtual bool DisplayPresent() { return true; }
    // Why DisplayPresent, OpenWindow or OpenDisplay failed last, in words for the player.
    virtual std::string Failure() { return "the display cannot be had"; }
    // Holds the player's folder for this program until it ends; false when another program
    // holds it.
    virtual bool LockFolder(const std::string& folder) {
        (void)folder;
        return true;
    }
    // Tells the player, in a box of the desktop's own (the window may not exist), why the
    // program stops.
    virtual void ShowStartUpError(const std::string& text) { (void)text; }

    virtual bool OpenWindow(const char* title) = 0;
    virtual void CloseWindow() = 0;
    virtual void ShowCursor(bool shown) = 0;
    // The 640 x 480 x 16 display; fails when the display cannot be had.
    virtual bool OpenDisplay() = 0;
    virtual void CloseDisplay() = 0;

    // Input queries pump pending events first, so a wait for a release always ends. Which
    // press a read takes is the key model's (key_taps.h).
    // A loop that reads keys opens a screen before it draws and closes it when it returns;
    // screens nest. The name is for the headless back end's scripts only.
    virtual void OpenScreen(const char* name) = 0;
    virtual void CloseScreen() = 0;
    // A pass of the innermost screen's loop begins, after the loop's rest unless a press waits.
    virtual void BeginPass() = 0;
    // Down for this read: may take the key's next press, each press being taken once.
    virtual bool KeyDown(int32_t virtualKey) = 0;
    // Down with its press taken by this screen; takes nothing.
    virtual bool KeyHeld(int32_t virtualKey) = 0;
    // KeyDown for an area that acts while a mouse button is held: also down when held since a
    // press made in this screen that no read took (a paint stroke begun beside the map).
    virtual bool StrokeDown(int32_t button) = 0;
    // Rests until the presses taken of these keys (0 for none) are released.
    virtual void WaitUntilUp(int32_t a, int32_t b, int32_t c) = 0;
    virtual Point Cursor() = 0;
    virtual bool PeekMessage(Message& message) = 0;
    virtual void PostMessage(Message message) = 0;

    virtual uint32_t Ticks() = 0;
    // Nothing to do for a moment: a screen waiting for input must not burn a core. The rest
    // ends at once when input arrives; once the screen has been at rest for a while it lasts
    // longer, never more than a few milliseconds (BeginPass rests the same way).
    virtual void Idle() = 0;

    // Shows the front surface at once and waits for the display (about 60 frames a second).
    virtual void Present(const Surface& front) = 0;
    // Something was drawn straight onto the front surface: it shows without a flip, at the
    // latest when the program next waits for input.
    virtual void FrontChanged(const Surface& front) = 0;

    // A whole WAVE file, played under its resource name ("default" for the system sound).
    // A new effect cuts off the one playing.
    virtual void PlayWave(std::string_view name, const uint8_t* data, size_t size) = 0;
    // A WAVE file that exists, played like an effect.
    virtual void PlayWaveFile(const std::string& path) = 0;
    // One media command string of the music ("open music/tune3.mp3 alias currtune", ...).
    // Results are never looked at; a command that fails does nothing.
    virtual void MediaCommand(std::string_view command) = 0;

    // A text was drawn; the headless back end keeps a record for tests.
    virtual void TextDrawn(std::string_view text, int32_t x, int32_t y, int32_t colour) {
        (void)text, (void)x, (void)y, (void)colour;
    }
};

void Install(Backend* backend);
Backend& Get();

}  // namespace host
