// The AUTO-PILOT PC EVENT: the hero walked along a fixed path, without the world's turn.
#include <algorithm>

#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"
#include "data/square_kinds.h"
#include "encounters.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "square_triggers.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

// Direction codes 1 up, 2 down, 3 right, 4 left; 0 and any other code end the path.
bool StepOf(int16_t direction, int16_t& dx, int16_t& dy) {
    static constexpr int16_t kSteps[5][2] = {{0, 0}, {0, -1}, {0, 1}, {1, 0}, {-1, 0}};
    if (direction < 1 || direction > 4) return false;
    dx = kSteps[direction][0];
    dy = kSteps[direction][1];
    return true;
}

// The companion's picture facing right: three on for the older pictures, one on from 1361.
int16_t FacingRight(int16_t picture) { return int16_t(picture + (picture < 1361 ? 3 : 1)); }

void OpenDoorUnderHero() {
    EventRecord* e = EventAt(GameState.HeroX, GameState.HeroY);
    if (!e) return;
    if (e->Word[0] == kSimpleDoorEvent && e->Word[2] != 1) {
        e->Word[2] = 1;
        PlaySoundEffect("Door");
    } else if (e->Word[0] == kComplexDoorEvent && GameFlag(e->Word[7]) >= 2) {
        SetGameFlag(e->Word[7], 0);
        PlaySoundEffect("Door");
    }
}

struct Companion {
    bool shown = false;
    int16_t x = 0, y = 0, picture = 0;
};

void DrawFrame(const Companion& c, int16_t mode, uint32_t pause) {
    if (Options.WalkSound) PlaySoundEffect("Walk");
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    if (mode != 0 && c.shown && c.picture >= 0 && size_t(c.picture) < MonsterPictures.size()) {
        int16_t ox = 0, oy = 0;
        ComputeViewOrigin(ox, oy);
        const int32_t px = (c.x - ox) * 32 + 16, py = (c.y - oy) * 32 + 16;
        const PictureSize size = MonsterPictureSize(c.picture);
        if (px >= 0 && px <= 600 && py >= 0 && py <= 400)
            BltFast(BackSurface, px, py, MonsterPictures[size_t(c.picture)], {0, 0, size.width, size.height},
                    kBltKeyed);
    }
    Flip();
    Delay(pause);
}

// The legs of words 7..14 with the step counts of words 17..24; a step off the map ends the walk.
void WalkPath(const int16_t* w, uint32_t pause) {
    const int16_t mode = w[28], picture = w[29];
    Companion c{false, GameState.HeroX, GameState.HeroY, picture};
    int16_t dx = 0, dy = 0;
    for (int leg = 0; leg < 8 && StepOf(w[7 + leg], dx, dy); ++leg) {
        for (int step = 0; step < w[17 + leg]; ++step) {
            if (mode == 2) {
                c = {true, GameState.HeroX, GameState.HeroY,
                     GameState.FigureFacesRight == 0 ? picture : FacingRight(picture)};
            }
            const int16_t nx = int16_t(GameState.HeroX + dx), ny = int16_t(GameState.HeroY + dy);
            if (!OnMap(nx, ny)) return;
            GameState.HeroX = nx;
            GameState.HeroY = ny;
            if (dx == 1) GameState.FigureFacesRight = 1;
            if (dx == -1) GameState.FigureFacesRight = 0;
            if (mode == 1) {
                // Ahead of the hero by his next step: this leg's while it lasts, else the next leg's.
                int16_t ndx = 0, ndy = 0;
                const bool next = step + 1 < w[17 + leg] ? StepOf(w[7 + leg], ndx, ndy)
                                                         : leg + 1 < 8 && StepOf(w[8 + leg], ndx, ndy);
                c.shown = next;
                c.x = int16_t(nx + ndx);
                c.y = int16_t(ny + ndy);
                if (ndx == 1) c.picture = FacingRight(picture);
                if (ndx == -1) c.picture = picture;
            }
            OpenDoorUnderHero();
            DrawFrame(c, mode, pause);
        }
    }
}

}  // namespace

void RunAutoPilotEvent(int16_t x, int16_t y) {
    const EventRecord* event = EventAt(x, y);
    if (!event || !CheckFlagCondition(event->Word[1], event->Word[2], event->Word[3])) return;
    int16_t w[33];
    std::copy(std::begin(event->Word), std::end(event->Word), w);
    const uint32_t pause = uint32_t(std::max<int16_t>(0, Options.GameDelay)) * 4;
    Delay(pause);
    WalkPath(w, pause);
    if (w[4] >= 1) {
        ChangeFlag(w[4], w[5], w[6]);
        SpawnMonstersOfGroup(w[4]);
    }
}
