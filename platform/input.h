// The modal-loop convention: every screen polls the cursor, one window message, and its
// hit tests, each of which waits for the release of what hit it.
#pragma once

#include <cstdint>

#include "display.h"
#include "host/host.h"

extern host::Point CursorPos;
extern host::Message Msg;
extern uint32_t MessagePending;
extern uint32_t SkipNextRedraw;

// A loop that reads keys or the mouse: open from before it draws or loads anything until it
// returns. A press belongs to the innermost open screen; which read takes it is the host's key
// model (platform/host/key_taps.h). A pause or a wait inside a pass is no screen.
class Screen {
public:
    explicit Screen(const char* name) { host::Get().OpenScreen(name); }
    ~Screen() { host::Get().CloseScreen(); }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    // Every pass of the loop begins here: a rest unless a press waits, then the pass counted.
    void Pass() { host::Get().BeginPass(); }
};

// Steps 1 to 3 of a loop pass: the cursor, one message dispatched to the window, and the
// screen redrawn when a focus regain rebuilt the surfaces.
bool TakeLoopMessage();
template <class Draw>
void LoopPass(Screen& screen, Draw&& draw) {
    screen.Pass();
    if (TakeLoopMessage() && RedrawNeeded) {
        draw();
        RedrawNeeded = 0;
    }
}

// Down now (0 is no key; 1 and 2 are the mouse buttons); may take the key's next press.
bool KeyDown(int32_t key);
// Down, with its press taken by this screen; takes nothing.
bool KeyStillDown(int32_t key);
// A mouse button for an area that acts while it is held, with no wait for its release: as
// KeyDown, and held since a press made in this screen even when no read took that press.
bool StrokeDown(int32_t button);
// Rests until the presses taken of these keys are all released; a press of one of them made
// while another is down is part of the same hit and waited for too.
void WaitUntilUp(int32_t a, int32_t b = 0, int32_t c = 0);

int ButtonClicked(int16_t x, int16_t y, int16_t widthUnits, int16_t hotkey1, int16_t hotkey2, int16_t mouseButton,
                  int16_t sound);
int AreaClicked(int16_t x, int16_t y, int16_t width, int16_t height, int16_t hotkey, int16_t mouseButton,
                uint32_t waitRelease, int16_t sound);
int KeyPressed(int16_t key, uint32_t waitRelease, uint32_t silent, int16_t sound);
// Tab to the next field or page: not while Alt is down (the system's window switch) nor in the
// pass that follows a lost focus, whose Tab was the one that switched away.
bool TabPressed(int16_t sound);
// An arrow key or its twin on the number pad, each waited for and with the sound given.
bool ArrowPressed(int16_t arrow, int16_t sound);
void Delay(uint32_t milliseconds);
// Milliseconds on the host's clock.
uint32_t TickCount();
void WaitMoveKeyRelease(int16_t dx, int16_t dy);
void FillScreenWithTile(int16_t tile);
int IsEven(int16_t n);
