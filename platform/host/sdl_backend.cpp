#include "sdl_backend.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <string>

#include "folder_lock.h"
#include "key_taps.h"
#include "media_command.h"
#include "pacing.h"
#include "platform/files.h"
#include "sdl_keymap.h"
#include "surface.h"

// Last: the window system's headers define names such as None and Status as macros.
#include <SDL2/SDL_syswm.h>

namespace host {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr uint64_t kFrameUs = 16'667;
constexpr uint64_t kPumpEveryUs = 500;

bool EnvSet(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

// The sound libraries complain on standard error when the machine has no sound device; the
// game then simply runs silent.
class QuietStderr {
public:
    QuietStderr() {
        std::fflush(stderr);
        saved_ = ::dup(2);
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (null >= 0) {
            ::dup2(null, 2);
            ::close(null);
        }
    }
    ~QuietStderr() {
        std::fflush(stderr);
        if (saved_ >= 0) {
            ::dup2(saved_, 2);
            ::close(saved_);
        }
    }

private:
    int saved_ = -1;
};

class SdlBackend final : public Backend {
public:
    ~SdlBackend() override {
        CloseTune();
        if (audioOpen_) Mix_HaltChannel(-1);
        for (auto& [name, chunk] : chunks_) Mix_FreeChunk(chunk);
        if (fileChunk_) Mix_FreeChunk(fileChunk_);
        if (audioOpen_) Mix_CloseAudio();
        CloseDisplay();
        CloseWindow();
        SDL_Quit();
    }

    bool DisplayPresent() override {
        const char* asked = std::getenv("SDL_VIDEODRIVER");
        const bool named = asked && *asked;
        if (!named && !EnvSet("DISPLAY") && !EnvSet("WAYLAND_DISPLAY")) {
            failure_ = "no graphical display: neither DISPLAY nor WAYLAND_DISPLAY is set";
            return false;
        }
        // Only the display the environment names: SDL would otherwise try the others, say so
        // on standard error, and fall back on one that shows nothing.
        if (!named && EnvSet("DISPLAY") != EnvSet("WAYLAND_DISPLAY")) {
            SDL_SetHint(SDL_HINT_VIDEODRIVER, EnvSet("DISPLAY") ? "x11" : "wayland");
        }
        if (!InitVideo()) return false;
        // SDL falls back on video drivers that show nothing at all.
        const char* driver = SDL_GetCurrentVideoDriver();
        const bool blind = driver && (strcasecmp(driver, "dummy") == 0 || strcasecmp(driver, "offscreen") == 0);
        if (blind && !(named && strcasecmp(asked, driver) == 0)) {
            failure_ = std::string("no graphical display: SDL offers only its \"") + driver +
                       "\" video driver, which shows nothing";
            return false;
        }
        return true;
    }

    std::string Failure() override { return failure_; }

    bool LockFolder(const std::string& folder) override { return lock_.Take(folder); }

    void ShowStartUpError(const std::string& text) override {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Vexmoor 2", text.c_str(), nullptr);
    }

    bool OpenWindow(const char* title) override {
        if (!InitVideo()) return false;
        // Sized to the desktop too, for window managers that ignore the full-screen request.
        SDL_DisplayMode desktop{};
        int w = kWidth, h = kHeight;
        if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) {
            w = desktop.w;
            h = desktop.h;
        }
        window_ = SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_FULLSCREEN_DESKTOP);
        if (!window_) {
            failure_ = std::string("cannot open the window: ") + SDL_GetError();
            return false;
        }
        // Without a sound device the game runs silent, with no thread watching for one. Without
        // an mp3 decoder the tunes are silent, as a missing file is.
        QuietStderr quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            audioOpen_ = Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) == 0;
            if (audioOpen_) {
                Mix_Init(MIX_INIT_MP3);
            } else {
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
            }
        }
        return true;
    }

    void CloseWindow() override {
        if (window_) SDL_DestroyWindow(window_);
        window_ = nullptr;
    }

    void ShowCursor(bool shown) override { SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE); }

    bool OpenDisplay() override {
        if (!window_) return false;
        if (renderer_) return true;
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
        if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
        if (renderer_) {
            SDL_RenderSetLogicalSize(renderer_, kWidth, kHeight);
            texture_ =
                SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
        }
        if (!texture_) {
            failure_ = std::string("cannot set up the display: ") + SDL_GetError();
            CloseDisplay();
            return false;
        }
        return true;
    }

    void CloseDisplay() override {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
        texture_ = nullptr;
        renderer_ = nullptr;
        lastFront_ = nullptr;
        pacer_.ShowAgain(nullptr);
        shown_.Forget();
    }

    // Input that reached the program before a screen opens or closes is the screen's below or
    // the closing one's: it is taken in first, whenever the last poll was.
    void OpenScreen(const char*) override {
        PollEvents(NowUs());
        keys_.OpenScreen();
    }
    void CloseScreen() override {
        PollEvents(NowUs());
        keys_.CloseScreen();
    }

    void BeginPass() override {
        Pump();
        // Nothing came since the last pass and no press waits: rest until an event comes.
        if (!changed_ && !keys_.Unread()) Rest();
        changed_ = false;
        keys_.BeginPass();
    }

    bool KeyDown(int32_t key) override {
        Pump();
        return keys_.Read(key);
    }

    bool KeyHeld(int32_t key) override {
        Pump();
        return keys_.Held(key);
    }

    bool StrokeDown(int32_t button) override {
        Pump();
        return keys_.Stroke(button);
    }

    void WaitUntilUp(int32_t a, int32_t b, int32_t c) override {
        keys_.BeginWait(a, b, c);
        for (Pump(); keys_.StillDown(); Pump()) Rest();
        keys_.EndWait();
    }

    Point Cursor() override {
        Pump();
        return keys_.Cursor(cursor_);
    }

    bool PeekMessage(Message& message) override {
        Pump();
        if (queue_.empty()) return false;
        message = queue_.front();
        queue_.pop_front();
        return true;
    }

    void PostMessage(Message message) override { queue_.push_back(message); }

    uint32_t Ticks() override { return SDL_GetTicks(); }

    void Idle() override {
        Pump();
        Rest();
    }

    // A frame equal to the one on show is not presented again; the pacing stays the same.
    void Present(const Surface& front) override {
        if (!shown_.Same(front)) Show(front);
        lastFront_ = &front;
        // Paced to 60 frames a second where the display has no vertical sync.
        const uint64_t now = NowUs();
        if (now < lastPresentUs_ + kFrameUs) SDL_Delay(uint32_t((lastPresentUs_ + kFrameUs - now) / 1000));
        lastPresentUs_ = NowUs();
    }

    void FrontChanged(const Surface& front) override {
        lastFront_ = &front;
        pacer_.FrontChanged(front);
    }

    void PlayWave(std::string_view name, const uint8_t* data, size_t size) override {
        if (!audioOpen_ || !data) return;
        std::string key(name);
        Mix_Chunk*& chunk = chunks_[key];
        if (!chunk) chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(data, int(size)), 1);
        if (!chunk) return;
        Mix_HaltChannel(0);
        Mix_PlayChannel(0, chunk, 0);
    }

    void PlayWaveFile(const std::string& path) override {
        if (!audioOpen_) return;
        Mix_HaltChannel(0);
        if (fileChunk_) Mix_FreeChunk(fileChunk_);
        fileChunk_ = Mix_LoadWAV(path.c_str());
        if (fileChunk_) Mix_PlayChannel(0, fileChunk_, 0);
    }

    // The media interpreter: one mp3 at a time; CD audio is not played.
    void MediaCommand(std::string_view command) override {
        if (!audioOpen_) return;
        const MediaAction action = ParseMediaCommand(command);
        switch (action.kind) {
            case MediaAction::kOpen:
                if (!tune_) tune_ = Mix_LoadMUS(ResolvePath(action.path).c_str());
                break;
            case MediaAction::kPlayLooped:
                if (tune_) Mix_PlayMusic(tune_, -1);
                break;
            case MediaAction::kVolume:
                if (tune_) Mix_VolumeMusic(action.volume * MIX_MAX_VOLUME / 1000);
                break;
            case MediaAction::kStop:
                if (tune_) Mix_HaltMusic();
                break;
            case MediaAction::kClose:
                CloseTune();
                break;
            case MediaAction::kNothing:
                break;
        }
    }

private:
    bool InitVideo() {
        if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        // Ctrl+C in the terminal ends the program as usual instead of becoming a close request.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0) {
            // The window system's own events, for the time each key event was made.
            SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
            return true;
        }
        failure_ = std::string("no graphical display: ") + SDL_GetError();
        return false;
    }

    void CloseTune() {
        if (!tune_) return;
        Mix_HaltMusic();
        Mix_FreeMusic(tune_);
        tune_ = nullptr;
    }

    static uint64_t NowUs() { return SDL_GetPerformanceCounter() * 1'000'000 / SDL_GetPerformanceFrequency(); }

    void Show(const Surface& front) {
        if (!renderer_ || !texture_ || front.width != kWidth || front.height != kHeight) return;
        SDL_UpdateTexture(texture_, nullptr, front.pixels.get(), kWidth * 2);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
        pacer_.Shown(NowUs());
        shown_.Shown(front);
    }

    void ShowFront(uint64_t now, bool resting) {
        if (const Surface* front = pacer_.FrontDue(now, resting)) Show(*front);
    }

    // SDL's events at most every half millisecond (the loops read dozens of keys a pass). The
    // front surface is shown when due on every call: a pump skipped after a quiet rest must not
    // hold it up until the next event.
    void Pump() {
        const uint64_t now = NowUs();
        if (now >= lastPumpUs_ + kPumpEveryUs) {
            lastPumpUs_ = now;
            PollEvents(now);
        }
        ShowFront(now, false);
    }

    void PollEvents(uint64_t now) {
        SDL_Event ev;
        while (SDL_PollEvent(&ev)) {
            if (ev.type == SDL_SYSWMEVENT) {
                if (ev.syswm.msg) NoteMade(*ev.syswm.msg);  // for the SDL event that follows
                continue;
            }
            changed_ = true;
            pacer_.InputArrived(now);
            switch (ev.type) {
                case SDL_KEYDOWN:
                case SDL_KEYUP: {
                    int32_t vk = VirtualKeyOfScancode(ev.key.keysym.scancode);
                    if (vk <= 0 || vk >= 256) break;
                    // When the key was pressed, not when the program took it: the repeats of a
                    // key held while the program was held up all come in one poll, and only
                    // the time they were made tells them from quick taps.
                    const uint64_t madeAt = madeKnown_ ? madeUs_ : now;
                    if (ev.type == SDL_KEYUP) keys_.Up(vk);
                    else if (ev.key.repeat) keys_.Repeat(vk, madeAt, pressMods_);
                    else keys_.Down(vk, {}, madeAt, pressMods_);
                    break;
                }
                case SDL_MOUSEBUTTONDOWN:
                case SDL_MOUSEBUTTONUP: {
                    int vk = ev.button.button == SDL_BUTTON_LEFT ? 1 : ev.button.button == SDL_BUTTON_RIGHT ? 2 : 4;
                    // The press acts where it was made, with or without a motion before it.
                    SetCursor(ev.button.x, ev.button.y);
                    if (ev.type == SDL_MOUSEBUTTONDOWN) keys_.Down(vk, cursor_);
                    else keys_.Up(vk);
                    break;
                }
                case SDL_MOUSEMOTION:
                    SetCursor(ev.motion.x, ev.motion.y);
                    break;
                case SDL_WINDOWEVENT:
                    if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                        keys_.Clear();
                        queue_.push_back(kMsgKillFocus);
                    } else if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                        queue_.push_back(kMsgSetFocus);
                    } else if (ev.window.event == SDL_WINDOWEVENT_EXPOSED) {
                        pacer_.ShowAgain(lastFront_);  // the window lost what it showed
                        shown_.Forget();
                        queue_.push_back(kMsgPaint);
                    }
                    break;
                case SDL_QUIT:
                    queue_.push_back(kMsgClose);
                    break;
                default:
                    break;
            }
            pressMods_.reset();
        }
    }

    // Rests until an event comes or the pacer's rest is over; what was drawn onto the front
    // surface goes out first.
    void Rest() {
        ShowFront(NowUs(), true);
        if (SDL_WaitEventTimeout(nullptr, int(pacer_.RestMs(NowUs()))) == 0) {
            lastPumpUs_ = NowUs();  // SDL was pumped while waiting and had nothing
        } else {
            pacer_.InputArrived(NowUs());
        }
    }

    // Under X11 every key and button event comes first as the window system's own, just before
    // SDL's event for it, with the server's time of its making (ms, 32 bits; carried on here in
    // µs past its wrap) and, for a key, the modifiers down then. SDL may drop a release it
    // takes for the start of an auto-repeat (a Shift let go within 2 ms of its next press,
    // other keys between), so the modifiers a letter was typed with are the system's.
    void NoteMade(const SDL_SysWMmsg& msg) {
        if (msg.subsystem != SDL_SYSWM_X11) return;
        const XEvent& x = msg.msg.x11.event;
        uint32_t ms = 0;
        if (x.type == KeyPress || x.type == KeyRelease) ms = uint32_t(x.xkey.time);
        else if (x.type == ButtonPress || x.type == ButtonRelease) ms = uint32_t(x.xbutton.time);
        else return;
        if (x.type == KeyPress) {
            const unsigned state = x.xkey.state;
            pressMods_ = uint8_t(((state & ShiftMask) ? KeyTaps::kShiftMod : 0) |
                                 ((state & ControlMask) ? KeyTaps::kCtrlMod : 0) |
                                 ((state & Mod1Mask) ? KeyTaps::kAltMod : 0));
        }
        const int32_t step = int32_t(ms - madeMs_);
        if (!madeKnown_) madeUs_ = uint64_t{ms} * 1000;
        else if (step > 0) madeUs_ += uint64_t(step) * 1000;
        madeKnown_ = true;
        madeMs_ = ms;
    }

    void SetCursor(int32_t x, int32_t y) {
        cursor_ = {std::clamp(x, 0, kWidth - 1), std::clamp(y, 0, kHeight - 1)};
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::string failure_;
    FolderLock lock_;
    bool audioOpen_ = false;
    std::map<std::string, Mix_Chunk*> chunks_;
    Mix_Chunk* fileChunk_ = nullptr;
    Mix_Music* tune_ = nullptr;
    KeyTaps keys_;
    Point cursor_;
    std::deque<Message> queue_;
    bool changed_ = false;
    bool madeKnown_ = false;
    std::optional<uint8_t> pressMods_;  // as the window system saw them at the key press SDL gives next
    uint32_t madeMs_ = 0;
    uint64_t madeUs_ = 0;
    uint64_t lastPumpUs_ = 0;
    uint64_t lastPresentUs_ = 0;
    Pacer pacer_;
    const Surface* lastFront_ = nullptr;
    ShownFrame shown_;
};

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend() { return std::make_unique<SdlBackend>(); }

}  // namespace host
