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

// Steps 1 to 3 of a loop pass: the cursor, one message dispatched to the window, and the
// screen redrawn when a focus regain rebuilt the surfaces.
bool TakeLoopMessage(const char* screen);
template <class Draw>
void LoopPass(const char* screen, Draw&& draw) {
    if (TakeLoopMessage(screen) && RedrawNeeded) {
        draw();
        RedrawNeeded = 0;
    }
}

// Down now (0 is no key; 1 and 2 are the mouse buttons); may take the key's next press.
bool KeyDown(int32_t key);
// A press already seen is still down. Waits for a release read this, so that a press coming
// after the release is left to the next read.
bool KeyStillDown(int32_t key);
// Spins until the presses seen of these keys are all released; a press of one of them made
// while another is down is waited for too.
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
