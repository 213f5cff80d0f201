#include "sdl_backend.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <deque>
#include <map>
#include <string>

#include "media_command.h"
#include "platform/files.h"
#include "sdl_keymap.h"
#include "surface.h"

namespace host {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr uint64_t kFrameUs = 16'667;

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

    bool OpenWindow(const char* title) override {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
        // Ctrl+C in the terminal ends the program as usual instead of becoming a close request.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
        // Sized to the desktop too, for window managers that ignore the full-screen request.
        SDL_DisplayMode desktop{};
        int w = kWidth, h = kHeight;
        if (SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0) {
            w = desktop.w;
            h = desktop.h;
        }
        window_ = SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_FULLSCREEN_DESKTOP);
        if (!window_) return false;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
            Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) == 0) {
            audioOpen_ = true;
            Mix_Init(MIX_INIT_MP3);  // without a decoder the tunes are silent, as a missing file is
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
        if (!renderer_) return false;
        SDL_RenderSetLogicalSize(renderer_, kWidth, kHeight);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, kWidth, kHeight);
        if (!texture_) {
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
        frontDirty_ = nullptr;
    }

    bool KeyDown(int32_t key) override {
        Pump();
        if (key <= 0 || key > 255) return false;
        switch (key) {
            case 16: return Read(160) | Read(161);
            case 17: return Read(162) | Read(163);
            case 18: return Read(164) | Read(165);
            default: return Read(key);
        }
    }

    Point Cursor() override {
        Pump();
        return cursor_;
    }

    bool PeekMessage(Message& message) override {
        Pump();
        if (queue_.empty()) {
            // Nothing happened: let the processor rest until an event or a millisecond passes.
            if (!changed_) Rest();
            changed_ = false;
            return false;
        }
        changed_ = false;
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

    void Present(const Surface& front) override {
        Show(front);
        // Paced to 60 frames a second where the display has no vertical sync.
        const uint64_t now = NowUs();
        if (now < lastPresentUs_ + kFrameUs) {
            SDL_Delay(uint32_t((lastPresentUs_ + kFrameUs - now) / 1000));
        }
        lastPresentUs_ = NowUs();
        frontDirty_ = nullptr;
    }

    void FrontChanged(const Surface& front) override { frontDirty_ = &front; }

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
    }

    // Pumps at most every half millisecond: the loops read dozens of keys a pass.
    void Pump() {
        const uint64_t now = NowUs();
        if (now < lastPumpUs_ + 500) return;
        lastPumpUs_ = now;
        SDL_Event ev;
        while (SDL_PollEvent(&ev)) {
            changed_ = true;
            switch (ev.type) {
                case SDL_KEYDOWN:
                case SDL_KEYUP: {
                    int32_t vk = VirtualKeyOfScancode(ev.key.keysym.scancode);
                    if (vk > 0 && vk < 256) SetKey(vk, ev.type == SDL_KEYDOWN, now);
                    break;
                }
                case SDL_MOUSEBUTTONDOWN:
                case SDL_MOUSEBUTTONUP: {
                    int vk = ev.button.button == SDL_BUTTON_LEFT ? 1 : ev.button.button == SDL_BUTTON_RIGHT ? 2 : 4;
                    SetKey(vk, ev.type == SDL_MOUSEBUTTONDOWN, now);
                    SetCursor(ev.button.x, ev.button.y);
                    break;
                }
                case SDL_MOUSEMOTION:
                    SetCursor(ev.motion.x, ev.motion.y);
                    break;
                case SDL_WINDOWEVENT:
                    if (ev.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                        std::fill(std::begin(down_), std::end(down_), false);
                        std::fill(std::begin(releaseAtUs_), std::end(releaseAtUs_), uint64_t{0});
                        queue_.push_back(kMsgKillFocus);
                    } else if (ev.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                        queue_.push_back(kMsgSetFocus);
                    } else if (ev.window.event == SDL_WINDOWEVENT_EXPOSED) {
                        queue_.push_back(kMsgPaint);
                    }
                    break;
                case SDL_QUIT:
                    queue_.push_back(kMsgClose);
                    break;
                default:
                    break;
            }
        }
        for (int vk = 0; vk < 256; ++vk) {
            if (releaseAtUs_[vk] && (seen_[vk] || now >= releaseAtUs_[vk])) {
                down_[vk] = false;
                releaseAtUs_[vk] = 0;
            }
        }
        if (frontDirty_ && now >= lastPresentUs_ + 8000) {
            Show(*frontDirty_);
            lastPresentUs_ = now;
            frontDirty_ = nullptr;
        }
    }

    // Sleeps until an event or a millisecond passes. A quiet millisecond needs no pump after
    // it: the next key reads of the pass use the state as it is.
    void Rest() {
        if (SDL_WaitEventTimeout(nullptr, 1) == 0) lastPumpUs_ = NowUs();
    }

    bool Read(int32_t vk) {
        if (down_[vk]) seen_[vk] = true;
        return down_[vk];
    }

    // A press released before any loop read it (a quick click between two polls) stays
    // down until it is read once, or for 50 ms, as a held key would have been seen.
    void SetKey(int32_t vk, bool down, uint64_t now) {
        if (down) {
            down_[vk] = true;
            seen_[vk] = false;
            releaseAtUs_[vk] = 0;
        } else if (down_[vk] && !seen_[vk]) {
            releaseAtUs_[vk] = now + 50'000;
        } else {
            down_[vk] = false;
        }
    }

    void SetCursor(int32_t x, int32_t y) {
        cursor_ = {std::clamp(x, 0, kWidth - 1), std::clamp(y, 0, kHeight - 1)};
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool audioOpen_ = false;
    std::map<std::string, Mix_Chunk*> chunks_;
    Mix_Chunk* fileChunk_ = nullptr;
    Mix_Music* tune_ = nullptr;
    bool down_[256] = {};
    bool seen_[256] = {};
    uint64_t releaseAtUs_[256] = {};
    Point cursor_;
    std::deque<Message> queue_;
    bool changed_ = false;
    uint64_t lastPumpUs_ = 0;
    uint64_t lastPresentUs_ = 0;
    const Surface* frontDirty_ = nullptr;
};

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend() { return std::make_unique<SdlBackend>(); }

}  // namespace host
