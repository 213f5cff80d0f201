#include "kit/db/game_objective_editor.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "kit/level/zone_names_editor.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kLastPage = 9, kLinesPerPage = 11;
constexpr uint8_t kIntro = 0, kLines = 1, kCaption = 2;  // the form's bases
constexpr size_t kLineSize = sizeof(GameIntroRecord::ObjectiveText[0]);
constexpr size_t kCaptionSize = sizeof(GameIntroRecord::ObjectiveCaptions[0]);
constexpr int16_t kPictureX = 340, kPictureY = 80;

#define AT(field) offsetof(GameIntroRecord, field)
constexpr auto kFields = JoinFields(
    TextField(AT(CampaignAuthor), sizeof(GameIntroRecord::CampaignAuthor), 19, {100, 55, 160, 8},
              {50, 60, "Author:"}),
    // The start map stays within the campaign's 63 maps.
    NumberField(AT(StartLevel), 0, 62, {140, 75, 40}, {50, 80, "Start at: map=         X=           Y="}),
    NumberField(AT(StartLevel) + 2, 0, 49, {210, 75, 40}),
    NumberField(AT(StartLevel) + 4, 0, 49, {285, 75, 40}),
    NumberField(AT(StartingQuest), 0, 199, {140, 95, 40}, {50, 100, "Starting quest:"}),
    FieldColumn<kLinesPerPage>(TextField(0, kLineSize, 39, {50, 150, 260, 13}).From(kLines), 20, kLineSize),
    TextField(0, kCaptionSize, 19, {410, 310, 160, 8}).From(kCaption));
static_assert(ValidForm(kFields));

// Drawn by the form; opened by the loop, which stops a playing tune first. Value v is row v + 1.
constexpr FormField kTuneField = ChoiceField(AT(ObjectiveTune), LabelsOf<TuneNames>, 19, {355, 355, 160, 8},
                                             ListOf(9, 14).At(355, 15), {320, 360, "Tune:"}, -1);
#undef AT

constexpr Stepper kSteppers[] = {{"Prev", 185, 125, 2, 'P', 0, Counter::kPage, -1},
                                 {"Next", 230, 125, 2, 'N', 0, Counter::kPage, 1}};

const FormClose kClose{.save = {"Save", 200, 395, 4, 'S', 0},
                       .cancel = {"Cancel", 300, 395, 4, 27, 'C'},
                       .saver = SaveGameIntroFile,
                       .loader = LoadGameIntroFile,
                       .fileName = "GameIntro.dat",
                       .savedText = ""};

void Bind(FormState& s) {
    s.bases[kIntro] = reinterpret_cast<std::byte*>(&GameIntro);
    s.bases[kLines] = reinterpret_cast<std::byte*>(&GameIntro.ObjectiveText[kLinesPerPage * s.page][0]);
    s.bases[kCaption] = reinterpret_cast<std::byte*>(&GameIntro.ObjectiveCaptions[s.page][0]);
}

}  // namespace

void DrawGameObjectiveEditor(int16_t page, int16_t playing, int16_t firstLine, int16_t flip) {
    FormState state;
    state.page = std::clamp<int16_t>(page, 0, kLastPage);
    Bind(state);
    if (firstLine >= 0 && firstLine <= kLinesPerPage * kLastPage)
        state.bases[kLines] = reinterpret_cast<std::byte*>(&GameIntro.ObjectiveText[firstLine][0]);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 30, 21, 1, "Define Game Objective");
    DrawSmallText(50, 130, "Objective page = ", kSmallBlue);
    DrawSmallText(160, 130, NumberText(state.page + 1), kSmallBlue);
    DrawSteppers(kSteppers);
    const int16_t picture = GameIntro.ObjectivePictures[state.page];
    if (picture >= 0 && size_t(picture) < ObjectiveSurfaces.size())
        BltFast(BackSurface, kPictureX, kPictureY, ObjectiveSurfaces[size_t(picture)], HeroFigureRect, kBltKeyed);
    DrawFormFields(kFields, state);
    DrawFormFields({&kTuneField, 1}, state);
    DrawButton(540, 355, 3, playing < 0 ? "Play" : "Stop");
    DrawDivider(25, 375, 29);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunGameObjectiveEditor() {
    const RecordForm form{.screen = "game objective editor",
                          .fields = kFields,
                          .steppers = kSteppers,
                          .close = kClose,
                          .lastPage = kLastPage};
    FormState state;
    int16_t playing = -1;
    const auto stop = [&] {
        if (playing < 0) return;
        StopTune();
        playing = -1;
    };
    FormHooks hooks;
    hooks.after = [&](FormState& s, const FormRedraw& redraw) {
        int16_t& tune = GameIntro.ObjectiveTune;
        if (ButtonClicked(350, 355, 18, 0, 0, 1, 1)) {
            stop();
            redraw(0);
            tune = ChooseFormValue(kTuneField, tune);
            return 1;
        }
        if (ButtonClicked(540, 355, 6, 0, 0, 1, 1)) {
            if (playing >= 0) {
                stop();
            } else if (tune >= 0 && !TuneName(int16_t(tune + 1)).empty()) {  // a file's value may name none
                PlayTune(tune, 1);
                playing = tune;
            }
            return 1;
        }
        if (AreaClicked(kPictureX, kPictureY, 217, 221, 0, 1, 1, 1)) {
            int16_t& picture = GameIntro.ObjectivePictures[s.page];
            picture = picture >= 0 && picture < 4 ? int16_t(picture + 1) : int16_t(0);
            return 1;
        }
        return 0;
    };
    RunRecordForm(form, state, Bind, [&](const FormState& s, uint32_t flip) {
        DrawGameObjectiveEditor(s.page, playing, int16_t(kLinesPerPage * s.page), int16_t(flip));
    }, hooks);
    stop();
}
