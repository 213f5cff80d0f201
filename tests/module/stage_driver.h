// A back end around the headless one that plays the way a player does: it looks at the game
// when the program waits on a screen and the scripted input is used up, then decides what to
// press next. A stage runs on the screen it names; a screen that comes up between stages (a
// step text, a combat report) is answered by its handler.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/host/headless.h"

class StageDriver final : public host::Backend {
public:
    explicit StageDriver(host::Headless& inner) : inner_(inner) {}

    // The next thing to do once the program waits on `screen`.
    void Then(std::string screen, std::function<void()> stage) {
        stages_.push_back({std::move(screen), std::move(stage)});
    }
    // Put before the stages already waiting.
    void Now(std::string screen, std::function<void()> stage) {
        stages_.push_front({std::move(screen), std::move(stage)});
    }
    // What to press whenever `screen` waits and no stage is for it.
    void Answer(std::string screen, std::function<void()> handler) {
        handlers_[std::move(screen)] = std::move(handler);
    }
    bool Done() const { return stages_.empty(); }
    const std::string& Screen() const {
        static const std::string kNone;
        return screens_.empty() ? kNone : screens_.back();
    }

    bool OpenWindow(const char* title) override { return inner_.OpenWindow(title); }
    void CloseWindow() override { inner_.CloseWindow(); }
    void ShowCursor(bool shown) override { inner_.ShowCursor(shown); }
    bool OpenDisplay() override { return inner_.OpenDisplay(); }
    void CloseDisplay() override { inner_.CloseDisplay(); }
    void OpenScreen(const char* name) override {
        screens_.emplace_back(name);
        inner_.OpenScreen(name);
    }
    void CloseScreen() override {
        if (!screens_.empty()) screens_.pop_back();
        inner_.CloseScreen();
    }
    void BeginPass() override { inner_.BeginPass(); }
    bool KeyDown(int32_t key) override { return inner_.KeyDown(key); }
    bool KeyHeld(int32_t key) override { return inner_.KeyHeld(key); }
    bool StrokeDown(int32_t button) override { return inner_.StrokeDown(button); }
    void WaitUntilUp(int32_t a, int32_t b, int32_t c) override { inner_.WaitUntilUp(a, b, c); }
    host::Point Cursor() override {
        Decide();
        return inner_.Cursor();
    }
    bool PeekMessage(host::Message& message) override { return inner_.PeekMessage(message); }
    void PostMessage(host::Message message) override { inner_.PostMessage(message); }
    uint32_t Ticks() override { return inner_.Ticks(); }
    void Idle() override { inner_.Idle(); }
    void Present(const Surface& front) override { inner_.Present(front); }
    void FrontChanged(const Surface& front) override { inner_.FrontChanged(front); }
    void PlayWave(std::string_view name, const uint8_t* data, size_t size) override {
        inner_.PlayWave(name, data, size);
    }
    void PlayWaveFile(const std::string& path) override { inner_.PlayWaveFile(path); }
    void MediaCommand(std::string_view command) override { inner_.MediaCommand(command); }
    void TextDrawn(std::string_view text, int32_t x, int32_t y, int32_t colour) override {
        inner_.TextDrawn(text, x, y, colour);
    }

private:
    // At the top of a loop pass (the cursor is read right after the screen names itself).
    void Decide() {
        if (!inner_.ScriptDone()) return;
        if (!stages_.empty() && stages_.front().screen == Screen()) {
            auto stage = std::move(stages_.front().run);
            stages_.pop_front();
            stage();
            return;
        }
        const auto handler = handlers_.find(Screen());
        if (handler != handlers_.end()) handler->second();
    }

    struct Stage {
        std::string screen;
        std::function<void()> run;
    };
    host::Headless& inner_;
    std::deque<Stage> stages_;
    std::map<std::string, std::function<void()>> handlers_;
    std::vector<std::string> screens_;  // open, innermost last
};
