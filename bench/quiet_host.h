// The headless back end without its record of every text drawn, which would grow without end,
// and without presenting frames.
#pragma once

#include "platform/host/headless.h"

class QuietHost final : public host::Backend {
public:
    host::Headless inner;
    bool OpenWindow(const char* title) override { return inner.OpenWindow(title); }
    void CloseWindow() override {}
    void ShowCursor(bool) override {}
    bool OpenDisplay() override { return true; }
    void CloseDisplay() override {}
    bool KeyDown(int32_t key) override { return inner.KeyDown(key); }
    host::Point Cursor() override { return inner.Cursor(); }
    bool PeekMessage(host::Message& m) override { return inner.PeekMessage(m); }
    void PostMessage(host::Message m) override { inner.PostMessage(m); }
    uint32_t Ticks() override { return inner.Ticks(); }
    void Idle() override {}
    void Present(const Surface&) override {}
    void FrontChanged(const Surface&) override {}
    void PlayWave(std::string_view, const uint8_t*, size_t) override {}
    void PlayWaveFile(const std::string&) override {}
    void MediaCommand(std::string_view) override {}
};
