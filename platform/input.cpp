#include "input.h"

#include "keys.h"
#include "source_rects.h"
#include "sound.h"

host::Point CursorPos;
host::Message Msg = host::kMsgNone;
uint32_t MessagePending = 0;
uint32_t SkipNextRedraw = 0;

namespace {

void PlayHitSound(int16_t sound, bool area) {
    switch (sound) {
        case 1: PlaySoundEffect("Click"); break;
        case 2: PlaySoundEffect("Read"); break;
        case 3: PlaySoundEffect("Back"); break;
        case 4:
            if (area) PlaySoundEffect("Info");
            break;
        default: break;
    }
}

bool Inside(int32_t x, int32_t y, int32_t w, int32_t h) {
    return CursorPos.x >= x && CursorPos.x <= x + w && CursorPos.y >= y && CursorPos.y <= y + h;
}

}  // namespace

bool TakeLoopMessage() {
    host::Backend& h = host::Get();
    CursorPos = h.Cursor();
    MessagePending = h.PeekMessage(Msg) ? 1 : 0;
    if (MessagePending) WindowProc(Msg);
    return MessagePending != 0;
}

bool KeyDown(int32_t key) { return key != 0 && host::Get().KeyDown(key); }

bool KeyStillDown(int32_t key) { return key != 0 && host::Get().KeyHeld(key); }

bool StrokeDown(int32_t button) { return button != 0 && host::Get().StrokeDown(button); }

void WaitUntilUp(int32_t a, int32_t b, int32_t c) { host::Get().WaitUntilUp(a, b, c); }

int ButtonClicked(int16_t x, int16_t y, int16_t widthUnits, int16_t hotkey1, int16_t hotkey2, int16_t mouseButton,
                  int16_t sound) {
    const bool hit = (Inside(x, y, 10 * widthUnits, 15) && KeyDown(mouseButton)) || KeyDown(hotkey1) ||
                     KeyDown(hotkey2);
    if (!hit) return 0;
    PlayHitSound(sound, false);
    WaitUntilUp(hotkey1, hotkey2, mouseButton);
    return 1;
}

int AreaClicked(int16_t x, int16_t y, int16_t width, int16_t height, int16_t hotkey, int16_t mouseButton,
                uint32_t waitRelease, int16_t sound) {
    // An area that does not wait for the release acts while the button is held: a stroke.
    const bool hit =
        (Inside(x, y, width, height) && (waitRelease ? KeyDown(mouseButton) : StrokeDown(mouseButton))) ||
        KeyDown(hotkey);
    if (!hit) return 0;
    PlayHitSound(sound, true);
    if (waitRelease) WaitUntilUp(hotkey, mouseButton);
    return 1;
}

int KeyPressed(int16_t key, uint32_t waitRelease, uint32_t silent, int16_t sound) {
    if (!KeyDown(key)) return 0;
    if (waitRelease) WaitUntilUp(key);
    if (silent) {
        Delay(50);
        return 1;
    }
    switch (sound) {
        case 1: PlaySoundEffect("click"); break;
        case 2: PlaySoundEffect("read"); break;
        case 3: PlaySoundEffect("back"); break;
        default: break;
    }
    return 1;
}

bool TabPressed(int16_t sound) { return !SurfacesLost && !KeyDown(kLeftAlt) && KeyPressed(kTab, 1, 0, sound); }

bool ArrowPressed(int16_t arrow, int16_t sound) {
    const int16_t pad = arrow == kLeft ? kPadLeft : arrow == kRight ? kPadRight : arrow == kUp ? kPadUp : kPadDown;
    return KeyPressed(arrow, 1, 0, sound) || KeyPressed(pad, 1, 0, sound);
}

void Delay(uint32_t milliseconds) {
    host::Backend& h = host::Get();
    // Elapsed time, so a wrap of the tick count cannot make the wait endless.
    const uint32_t start = h.Ticks();
    while (h.Ticks() - start < milliseconds) h.Idle();
}

uint32_t TickCount() { return host::Get().Ticks(); }

void WaitMoveKeyRelease(int16_t dx, int16_t dy) {
    SkipNextRedraw = 1;
    if (dx == -1) WaitUntilUp(37, 100);
    if (dx == 1) WaitUntilUp(39, 102);
    if (dy == -1) WaitUntilUp(38, 104);
    if (dy == 1) WaitUntilUp(40, 98);
}

void FillScreenWithTile(int16_t tile) {
    if (tile < 0 || size_t(tile) >= WallTiles.size()) return;
    for (int c = 0; c < 20; ++c)
        for (int r = 0; r < 15; ++r) BltFast(BackSurface, 32 * c, 32 * r, WallTiles[size_t(tile)], TileRect, kBltOpaque);
}

int IsEven(int16_t n) { return n / 2 * 2 == n ? 1 : 0; }
