// The dialogs of the town services: bank, vault, temple, trainer, seer, casino and the wand
// recharger. Each has the active condition, an NPC picture and at most two fields of its own.
#include "hero/hero_names.h"
#include "kit/events/event_dialogs.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"

namespace {


constexpr auto kDisplayText = EditText(0, {145, 120, 60}, {50, 125, "Display Text:"});

// "NPC Pic: " with its field and Browse, on the line at y.
constexpr auto NpcLine(int16_t y) {
    return Join(Number(4, -1, 1747, {130, int16_t(y - 5), 40}, {50, y, "NPC Pic: "}),
                BrowseNpc(4, {180, int16_t(y - 5), 60}, 1));
}
constexpr auto NpcPicture(int16_t y) { return Picture(4, Sheet::kNpcWhole, Show::kAboveNone, 350, y); }

constexpr auto kBank = Join(ActiveCondition(), kDisplayText, NpcLine(155), NpcPicture(130));
static_assert(ValidDialog(kBank));

constexpr auto kVault = Join(
    ActiveCondition(), kDisplayText, NpcLine(155), Number(5, 0, 1000, {145, 180, 40}, {50, 185, "Rent Cost: "}),
    Number(6, 0, 5, {145, 210, 40}, {50, 215, "Vault ID: "}),
    Note(50, 270, "6 different (separate) vault spaces available (Vault ID 0-5)", kSmallBlue), NpcPicture(140));
static_assert(ValidDialog(kVault));

constexpr auto kTemple = Join(ActiveCondition(), kDisplayText, NpcLine(155), NpcPicture(130));
static_assert(ValidDialog(kTemple));

constexpr auto kTrain = Join(
    ActiveCondition(), kDisplayText, Number(5, 0, 20, {145, 180, 40}, {50, 185, "Max skill: "}),
    Choice(6, LabelOf<TrainingLabels>, 6, {175, 210, 120, 5}, ListOf(6, 6), {50, 215, "Skill Training: "}), NpcLine(155),
    ValueLine(6, LabelOf<TrainingLines>, {50, 260, {}, kSmallGreen}), NpcPicture(140));
static_assert(ValidDialog(kTrain));

constexpr auto kSeer = Join(
    ActiveCondition(), kDisplayText,
    Choice(5, LabelsOf<SexNames>, 2, {130, 180, 100, 4}, ListOf(5, 2), {50, 185, "Seer's Sex: "}), NpcLine(155),
    NpcPicture(130));
static_assert(ValidDialog(kSeer));

constexpr auto kCasino = Join(
    ActiveCondition(), NpcLine(145),
    Choice(6, LabelOf<CasinoGameLabels>, 7, {150, 200, 90, 4}, ListOf(5, 7), {50, 205, "Casino game:"}), NpcPicture(130));
static_assert(ValidDialog(kCasino));

constexpr auto kRechargeWandService = Join(kDisplayText, ActiveCondition(), NpcLine(145), NpcPicture(130));
static_assert(ValidDialog(kRechargeWandService));

}  // namespace

constexpr DialogRows BankDialog = kBank;
constexpr DialogRows VaultDialog = kVault;
constexpr DialogRows TempleDialog = kTemple;
constexpr DialogRows TrainDialog = kTrain;
constexpr DialogRows SeerDialog = kSeer;
constexpr DialogRows CasinoDialog = kCasino;
constexpr DialogRows RechargeWandServiceDialog = kRechargeWandService;
