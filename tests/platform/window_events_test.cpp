// The real window's back end over the window system's own events, pushed as SDL queues them
// under X11 (each key event first as the system's, with its time and modifiers, then SDL's):
// a key held while the program was held up is one press, quick taps SDL merged into repeats
// stay taps, a letter keeps the Shift it was typed with when SDL drops Shift's release, and a
// click that reached the program before a screen opened stays with the screen under it.
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/host/sdl_backend.h"
#include "platform/keys.h"

// Last: the window system's headers define names such as None as macros.
#include <SDL2/SDL_syswm.h>

namespace {

// One key event: the system's (type, server time in ms, modifiers), then SDL's unless SDL
// dropped it (a release taken for the start of an auto-repeat).
struct KeyEv {
    int type;
    SDL_Scancode code;
    uint32_t ms;
    unsigned state = 0;
    bool sdl = true;
    bool repeat = false;
};

class WindowEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* driver = std::getenv("SDL_VIDEODRIVER");
        keptDriver_ = driver ? driver : "";
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        sdl_ = host::MakeSdlBackend();
        ASSERT_TRUE(sdl_->DisplayPresent());
    }
    void TearDown() override {
        sdl_.reset();
        if (keptDriver_.empty()) unsetenv("SDL_VIDEODRIVER");
        else setenv("SDL_VIDEODRIVER", keptDriver_.c_str(), 1);
    }

    // `base` keeps the window system's clock going forward from one case to the next.
    static void Push(const KeyEv& k, uint32_t base) {
        SDL_SysWMmsg msg{};
        SDL_VERSION(&msg.version);
        msg.subsystem = SDL_SYSWM_X11;
        msg.msg.x11.event.type = k.type;
        msg.msg.x11.event.xkey.time = base + k.ms;
        msg.msg.x11.event.xkey.state = k.state;
        SDL_Event e{};
        e.type = SDL_SYSWMEVENT;
        e.syswm.msg = &msg;
        SDL_PushEvent(&e);
        if (!k.sdl) return;
        e = {};
        e.type = k.type == KeyPress ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.scancode = k.code;
        e.key.repeat = k.repeat ? 1 : 0;
        SDL_PushEvent(&e);
    }
    static void Click(int32_t x, int32_t y) {
        for (uint32_t type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            SDL_Event e{};
            e.type = type;
            e.button.button = SDL_BUTTON_LEFT;
            e.button.x = x;
            e.button.y = y;
            SDL_PushEvent(&e);
        }
    }
    // Past the back end's pause between two polls of the window system.
    static void LetTimePass() { SDL_Delay(2); }

    // The letters a text entry takes, one a pass, with Shift as read for each.
    std::string Typed() {
        std::string text;
        for (bool took = true; took;) {
            sdl_->BeginPass();
            took = false;
            for (int32_t key = 'A'; key <= 'Z' && !took; ++key) {
                if (!sdl_->KeyDown(key)) continue;
                took = true;
                text += char(sdl_->KeyDown(kShift) ? key : key - 'A' + 'a');
            }
        }
        return text;
    }

    std::unique_ptr<host::Backend> sdl_;
    std::string keptDriver_;
};

TEST_F(WindowEventsTest, KeysAsTheWindowSystemMadeThem) {
    const SDL_Scancode d = SDL_SCANCODE_D, shift = SDL_SCANCODE_LSHIFT;
    // Held 1.5 s while the program was stopped: the press, the system's repeats from 660 ms
    // on, and the release all come in one poll.
    std::vector<KeyEv> held = {{KeyPress, d, 1000}};
    for (uint32_t ms = 1660; ms < 2500; ms += 40) held.push_back({KeyPress, d, ms, 0, true, true});
    held.push_back({KeyRelease, d, 2500});
    // Nine taps 1 ms apart: SDL drops every release but the last, and gives the presses as
    // repeats.
    std::vector<KeyEv> taps;
    for (uint32_t i = 0; i < 9; ++i) {
        taps.push_back({KeyPress, d, 1000 + i, 0, true, i > 0});
        taps.push_back({KeyRelease, d, 1000 + i, 0, i == 8});
    }
    // "CdE" typed 1 ms a key: Shift's release comes before d, but SDL drops it, as a Shift
    // pressed again within 2 ms follows in the queue.
    const std::vector<KeyEv> capitals = {
        {KeyPress, shift, 1000},           {KeyPress, SDL_SCANCODE_C, 1000, ShiftMask},
        {KeyRelease, shift, 1000, ShiftMask, false},  {KeyRelease, SDL_SCANCODE_C, 1000},
        {KeyPress, d, 1000},                {KeyRelease, d, 1001},
        {KeyPress, shift, 1001, 0, true, true},       {KeyPress, SDL_SCANCODE_E, 1001, ShiftMask},
        {KeyRelease, shift, 1002, ShiftMask},         {KeyRelease, SDL_SCANCODE_E, 1002},
    };
    const struct {
        const char* name;
        const std::vector<KeyEv>& events;
        const char* typed;
    } cases[] = {{"held while held up", held, "d"}, {"quick taps", taps, "ddddddddd"}, {"capitals", capitals, "CdE"}};
    uint32_t base = 0;
    for (const auto& c : cases) {
        sdl_->OpenScreen("text entry");
        for (const KeyEv& k : c.events) Push(k, base);
        base += 10'000;
        LetTimePass();
        EXPECT_EQ(Typed(), c.typed) << c.name;
        sdl_->CloseScreen();
    }
}

TEST_F(WindowEventsTest, AClickThatCameBeforeABoxOpensIsNotTheBoxs) {
    sdl_->OpenScreen("dialog");
    Click(155, 365);
    LetTimePass();
    sdl_->BeginPass();
    const host::Point at = sdl_->Cursor();
    EXPECT_EQ(at.x, 155);
    ASSERT_TRUE(sdl_->KeyDown(kLeftButton));
    // The second click reaches the program after the dialog's last poll, before its picker.
    Click(345, 365);
    sdl_->OpenScreen("picker");
    LetTimePass();
    sdl_->BeginPass();
    sdl_->Cursor();
    EXPECT_FALSE(sdl_->KeyDown(kLeftButton));
    sdl_->CloseScreen();
    sdl_->CloseScreen();
}

}  // namespace
