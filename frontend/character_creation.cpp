#include "frontend/character_creation.h"

#include <string>
#include <string_view>

#include "data/game_state.h"
#include "data/text_field.h"
#include "hero/derived_stats.h"
#include "hero/help_boxes.h"
#include "hero/hero_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/sound.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kMinusIcon = 34, kPlusIcon = 35, kCancelIcon = 86;
constexpr int16_t kStatCap = 5;

void DrawFrame(int16_t pageNumber) {
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawBigText(80, 80, "CHARACTER CREATION", kBigBlue);
    DrawBigText(400, 80, "PAGE " + std::to_string(pageNumber) + " of 4", kBigBlue);
    BltFast(BackSurface, 340, 115, HeroFigure, HeroFigureRect, kBltKeyed);
    if (pageNumber < 4) {
        DrawSmallText(378, 365, "Cancel character creation", kSmallBlack);
        DrawIcon(BackSurface, 348, 360, kCancelIcon);
    }
}

bool CancelChosen() { return AreaClicked(346, 358, 192, 33, 27, 1, 1, 3); }

void DrawParagraph(int16_t x, int16_t y, std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) {
        DrawSmallText(x, y, line, kSmallBlack);
        y = int16_t(y + 15);
    }
}

void DrawPlusMinus(int16_t y) {
    DrawIcon(BackSurface, 66, y, kMinusIcon);
    DrawIcon(BackSurface, 89, y, kPlusIcon);
}

std::string PointsLeft(int16_t n, bool singular) {
    return "You have " + std::to_string(n) + (singular && n == 1 ? " skill point left" : " skill points left");
}

// The points still to spend at (76, textY), or once none is left "Next step" at (86, nextY),
// which NextOrCancel answers.
void DrawPointsOrNext(int16_t points, bool singular, int16_t textY, int16_t nextY) {
    if (points > 0)
        DrawSmallText(76, textY, PointsLeft(points, singular), kSmallRed);
    else
        DrawButton(86, nextY, 5, "Next step");
}

void KeepBaseStats() {
    for (int s = 1; s < 7; ++s) GameState.BaseStats[s] = GameState.Stats[s];
}
void KeepBaseSkills() {
    for (int s = 0; s < 12; ++s) GameState.BaseSkills[s] = GameState.Skills[s];
}

// The plus (x 89) and minus (x 66) boxes of a row at y, each size wide: plus spends a point on
// value up to cap, minus gives one back down to lowest. True when either was clicked.
bool PlusMinusClicked(int16_t y, int16_t size, int16_t& value, int16_t& points, int16_t cap, int16_t lowest) {
    if (AreaClicked(89, y, size, size, 0, 1, 1, 1)) {
        if (value < cap && points > 0) {
            --points;
            ++value;
        }
        return true;
    }
    if (!AreaClicked(66, y, size, size, 0, 1, 1, 1)) return false;
    if (value > lowest) {
        ++points;
        --value;
    }
    return true;
}

// The spending pages' way out, the choices kept either way (keep): "Next step" at (86, nextY)
// once no point is left, 0; Cancel, 1; neither this pass, -1.
int NextOrCancel(int16_t pointsLeft, int16_t nextY, void (*keep)()) {
    if (pointsLeft == 0 && ButtonClicked(86, nextY, 10, 'N', 0, 1, 1)) {
        keep();
        return 0;
    }
    if (!CancelChosen()) return -1;
    PlaySoundEffect("click");
    keep();
    return 1;
}

}  // namespace

// ---------------------------------------------------------------- page 1: sex

void DrawCreationPage1(uint32_t flip) {
    DrawFrame(1);
    DrawParagraph(80, 120, {"Your hero may be a man or a woman.",
                            "The choice changes how your hero",
                            "looks and nothing else: men and",
                            "women have the same statistics",
                            "and skills, and every road of the",
                            "adventure is open to both."});
    DrawSmallText(80, 225, "Select your Sex:", kSmallBlue);
    DrawButton(90, 255, 5, "Male");
    DrawButton(90, 279, 5, "Female");
    if (flip) Flip();
}

int RunCreationPage1() {
    Screen screen("creation page 1");
    const auto draw = [] { DrawCreationPage1(1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t sex = 0; sex < 2; ++sex) {
            const int16_t y = int16_t(255 + 24 * sex);
            if (ButtonClicked(90, y, 10, sex == 0 ? 'M' : 'F', 0, 1, 1)) {
                GameState.HeroSex = sex;
                return 0;
            }
            if (AreaClicked(90, y, 100, 20, 0, 2, 0, 4)) {
                DrawCreationPage1(0);
                ShowSexHelp(sex, 320, 140);
                draw();
            }
        }
        if (CancelChosen()) return 1;
    }
}

// ---------------------------------------------------------------- page 2: statistics

void DrawCreationPage2(uint32_t flip) {
    const GameStateRecord& g = GameState;
    DrawFrame(2);
    DrawParagraph(76, 120, {"Spend your points on the six",
                            "statistics; none may go above 5.",
                            "Combat starts at 5 for every hero.",
                            "Right click a name to learn what",
                            "the statistic does."});
    for (int16_t i = 1; i < 7; ++i) {
        DrawSmallText(116, int16_t(190 + 20 * i), StatNames[size_t(i)], kSmallBlack);
        DrawSmallText(196, int16_t(190 + 20 * i), std::to_string(g.Stats[i]), kSmallBlue);
        DrawPlusMinus(int16_t(183 + 20 * i));
    }
    DrawPointsOrNext(g.StatPoints, false, 365, 365);
    if (flip) Flip();
}

int RunCreationPage2() {
    Screen screen("creation page 2");
    GameStateRecord& g = GameState;
    const auto draw = [] { DrawCreationPage2(1); };
    static constexpr int16_t kKeys[] = {'S', 'E', 'A', 'D', 'W', 'P'};
    draw();
    for (;;) {
        LoopPass(screen, draw);
        bool changed = false;
        for (int16_t i = 1; i < 7; ++i) {
            const int16_t y = int16_t(183 + 20 * i);
            if (PlusMinusClicked(y, 20, g.Stats[i], g.StatPoints, kStatCap, 1)) {
                changed = true;
            } else if (g.StatPoints > 0 && KeyPressed(kKeys[i - 1], 1, 0, 1)) {
                if (g.Stats[i] < kStatCap) {
                    --g.StatPoints;
                    ++g.Stats[i];
                }
                changed = true;
            } else if (AreaClicked(116, int16_t(190 + 20 * i), 80, 14, 0, 2, 0, 4)) {
                DrawCreationPage2(0);
                ShowStatHelp(i, 320, 140);
                changed = true;
            }
        }
        if (const int left = NextOrCancel(g.StatPoints, 365, KeepBaseStats); left >= 0) return left;
        if (changed) draw();
    }
}

// ---------------------------------------------------------------- page 3: skills

void DrawCreationPage3(uint32_t flip) {
    const GameStateRecord& g = GameState;
    DrawFrame(3);
    DrawSmallText(76, 110, "Spend points on skills. Right", kSmallBlack);
    DrawSmallText(76, 125, "click to view description.", kSmallBlack);
    for (int16_t i = 0; i < 12; ++i) {
        const int16_t y = int16_t(155 + 18 * i);
        DrawSmallText(116, y, SkillNames[size_t(i)], kSmallBlack);
        DrawSmallText(236, y, std::to_string(g.Skills[i]), kSmallBlue);
        DrawSmallText(246, y, "/", kSmallBlue);
        DrawSmallText(256, y, std::to_string(g.Stats[CapstatTable[size_t(i)]]), kSmallBlue);
        DrawPlusMinus(int16_t(148 + 18 * i));
    }
    DrawPointsOrNext(g.SkillPoints, true, 385, 390);
    if (flip) Flip();
}

int RunCreationPage3() {
    Screen screen("creation page 3");
    GameStateRecord& g = GameState;
    // Every skill starts from nothing; none can be taken below that.
    for (int16_t& base : g.BaseSkills) base = 0;
    const auto draw = [] { DrawCreationPage3(1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        bool changed = false;
        for (int16_t i = 0; i < 12; ++i) {
            const int16_t y = int16_t(148 + 18 * i);
            if (PlusMinusClicked(y, 18, g.Skills[i], g.SkillPoints, g.Stats[CapstatTable[size_t(i)]], 0)) {
                changed = true;
            } else if (AreaClicked(116, int16_t(151 + 18 * i), 80, 18, 0, 2, 0, 4)) {
                DrawCreationPage3(0);
                ShowSkillHelp(i, 320, 140, 0);
                changed = true;
            }
        }
        if (const int left = NextOrCancel(g.SkillPoints, 390, KeepBaseSkills); left >= 0) return left;
        if (changed) draw();
    }
}

// ---------------------------------------------------------------- page 4: name

void DrawCreationPage4() {
    DrawFrame(4);
    DrawParagraph(76, 120, {"Last of all, your hero needs a",
                            "name: up to twelve letters. Press",
                            "Enter when it is done, or Esc to",
                            "give up creating this hero. Type",
                            "your hero's name:"});
    DrawSmallText(76, 260, "Alternatively, press TAB to", kSmallBlue);
    DrawSmallText(76, 275, "generate a random name.", kSmallBlue);
    DrawTextField(86, 215, 8, FieldText(GameState.HeroName));
    Flip();
}

int RunCreationPage4() {
    HeroNameCounter = 0;
    DrawCreationPage4();
    EnterText(86, 215, GameState.HeroName, 1, kHeroNameChars, 1, 1, 1, 0, 0, 0);
    return GameState.HeroName[0] == '\0' ? 1 : 0;
}
