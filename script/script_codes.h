// The table of the 67 script codes (0..66): number, mnemonic, long name and handler, and the
// handlers of each family, defined in the family's file.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "script_run.h"

struct ScriptCode {
    int16_t number;
    std::string_view mnemonic;  // three characters, as the script editor's code cell shows it
    std::string_view name;      // as the code picker's button shows it
    ScriptCodeHandler handler;
};

constexpr int kScriptCodeCount = 67;
extern const std::array<ScriptCode, kScriptCodeCount> ScriptCodes;

// The entry of a code, or null for a value outside 0..66.
const ScriptCode* ScriptCodeOf(int16_t code);

// One column of the table read by code: ScriptCodeMnemonics[code], ScriptCodeNames[code];
// empty for a code outside 0..66.
struct ScriptCodeColumn {
    std::string_view ScriptCode::*field;
    std::string_view operator[](int16_t code) const {
        const ScriptCode* entry = ScriptCodeOf(code);
        return entry ? entry->*field : std::string_view();
    }
};
inline constexpr ScriptCodeColumn ScriptCodeMnemonics{&ScriptCode::mnemonic};
inline constexpr ScriptCodeColumn ScriptCodeNames{&ScriptCode::name};

// Codes whose lines carry a text: TXT, BTX, RTX, IAN, BLA.
constexpr int IsTextCode(int16_t code) { return code == 1 || code == 2 || code == 3 || code == 22 || code == 39 ? 1 : 0; }

// Lines that do nothing: the empty line, markers and remarks.
void NoCode(ScriptRun& run);

// Texts and answers.
void TextCode(ScriptRun& run);
void BlueTextCode(ScriptRun& run);
void RedTextCode(ScriptRun& run);
void WaitScriptLeave(ScriptRun& run);
void ScriptUserSelect(ScriptRun& run);
void AskScriptAnswer(ScriptRun& run);

// Flow, display and sound.
void ChangeScriptCode(ScriptRun& run);
void GotoCode(ScriptRun& run);
void EndCode(ScriptRun& run);
void BlackOutCode(ScriptRun& run);
void PlaySoundCode(ScriptRun& run);

// Flags.
void SetFlagCode(ScriptRun& run);
void SetFlagFromFlagCode(ScriptRun& run);
void TallyFlagCode(ScriptRun& run);
void IfFlagCode(ScriptRun& run);

// Tests and rolls.
void IfLevelCode(ScriptRun& run);
void IfCarryingCode(ScriptRun& run);
void IfWearingCode(ScriptRun& run);
void IfSexCode(ScriptRun& run);
void IfQuestCode(ScriptRun& run);
void IfStatCode(ScriptRun& run);
void IfSkillCode(ScriptRun& run);
void IfGoldCode(ScriptRun& run);
void IfPortalActiveCode(ScriptRun& run);
void CarryCountCode(ScriptRun& run);
void RollD5Code(ScriptRun& run);
void IfRollCode(ScriptRun& run);
void RollStatCode(ScriptRun& run);
void RollSkillCode(ScriptRun& run);

// Gifts.
void GiveGoldCode(ScriptRun& run);
void GiveXpCode(ScriptRun& run);
void GiveItemCode(ScriptRun& run);
void GiveFoodCode(ScriptRun& run);
void GiveStatCode(ScriptRun& run);
void GiveSkillCode(ScriptRun& run);
void CalcGiveGoldCode(ScriptRun& run);
void GiveTattooCode(ScriptRun& run);
void GiveLoreCode(ScriptRun& run);
void BagOfHoldingCode(ScriptRun& run);
void GiveSymbolCode(ScriptRun& run);
void PowerUpItemCode(ScriptRun& run);
void ScoreCode(ScriptRun& run);

// Taking and hurting.
void TakeGoldCode(ScriptRun& run);
void SpendSkillPointsCode(ScriptRun& run);
void TakeFoodCode(ScriptRun& run);
void RobCode(ScriptRun& run);
void TakeItemCode(ScriptRun& run);
void TakeAllItemsCode(ScriptRun& run);
void ReturnItemsCode(ScriptRun& run);
void BatchSellCode(ScriptRun& run);
void AfflictionCode(ScriptRun& run);
void DamageCode(ScriptRun& run);
void KillCode(ScriptRun& run);

// The hero and the world.
void ShapeshiftCode(ScriptRun& run);
void HealCode(ScriptRun& run);
void WinCode(ScriptRun& run);
void TeleportCode(ScriptRun& run);
void AccessShopCode(ScriptRun& run);
void SummonMonsterCode(ScriptRun& run);
void ChangeMonsterCode(ScriptRun& run);
void RemoveMonsterCode(ScriptRun& run);
void SetTimeLoopCode(ScriptRun& run);
void ResetGameWorldCode(ScriptRun& run);

// Quests.
void SetQuestCode(ScriptRun& run);
