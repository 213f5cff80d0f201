// Back ends for the benches: nothing is shown, played or recorded (the headless back end's
// record of every text drawn would grow without end).
#pragma once

#include "platform/host/headless.h"

// Shows, plays and records nothing; a bench gives it input and a clock.
class SilentBackend : public host::Backend {
public:
    bool OpenWindow(const char*) override { return true; }
    void CloseWindow() override {}
    void ShowCursor(bool) override {}
    bool OpenDisplay() override { return true; }
    void CloseDisplay() override {}
    void Idle() override {}
    void Present(const Surface&) override {}
    void FrontChanged(const Surface&) override {}
    void PlayWave(std::string_view, const uint8_t*, size_t) override {}
    void PlayWaveFile(const std::string&) override {}
    void MediaCommand(std::string_view) override {}
};

// Input and clock from the headless back end.
class QuietHost : public SilentBackend {
public:
    host::Headless inner;
    bool OpenWindow(const char* title) override { return inner.OpenWindow(title); }
    void OpenScreen(const char* name) override { inner.OpenScreen(name); }
    void CloseScreen() override { inner.CloseScreen(); }
    void BeginPass() override { inner.BeginPass(); }
    bool KeyDown(int32_t key) override { return inner.KeyDown(key); }
    bool KeyHeld(int32_t key) override { return inner.KeyHeld(key); }
    bool StrokeDown(int32_t button) override { return inner.StrokeDown(button); }
    void WaitUntilUp(int32_t a, int32_t b, int32_t c) override { inner.WaitUntilUp(a, b, c); }
    host::Point Cursor() override { return inner.Cursor(); }
    bool PeekMessage(host::Message& m) override { return inner.PeekMessage(m); }
    void PostMessage(host::Message m) override { inner.PostMessage(m); }
    uint32_t Ticks() override { return inner.Ticks(); }
};
