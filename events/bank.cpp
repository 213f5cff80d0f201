#include "events/bank.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/number_entry.h"
#include "platform/sound.h"

namespace {

enum BankAction : int16_t { kLeave, kWithdraw, kDeposit };

std::string SavingsLine() { return "Bank Savings: " + std::to_string(GameState.BankSavings) + " gp"; }

// The amount asked for on the transaction page.
uint32_t AskAmount(std::string_view question) {
    DrawEventBackground();
    DrawSmallText(465, 135, SavingsLine(), kSmallBlue);
    DrawSmallText(465, 165, question, kSmallBlack);
    Flip();
    return uint32_t(std::max<int16_t>(EnterNumber(495, 195, 4, 0, 9999), 0));
}

}  // namespace

void BankDeposit() {
    GameStateRecord& g = GameState;
    // Gold in hand below 0 deposits nothing.
    const uint32_t n = std::min(AskAmount("Deposit How much Gold?"), uint32_t(std::max(g.HeroGold, int32_t{0})));
    g.BankSavings += n;
    g.HeroGold -= int32_t(n);
    PlaySoundEffect("Buy");
    Delay(150);
}

void BankWithdraw() {
    GameStateRecord& g = GameState;
    const uint32_t n = std::min(AskAmount("Withdraw How much Gold?"), g.BankSavings);
    g.HeroGold += int32_t(n);
    g.BankSavings -= n;
    PlaySoundEffect(n > 0 ? "Buy" : "No");
    Delay(150);
}

void RunBankEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    if (!ActiveEvent(x, y)) return;
    BeginEventScreen(result);
    const auto draw = [&] {
        DrawEventTextPage(x, y, 0);
        DrawSmallText(475, 200, SavingsLine(), kSmallBlue);
    };
    Screen screen("bank");
    for (;;) {
        switch (RunEventChoice(screen, draw,
                               {{.action = kWithdraw, .label = "Withdrawal", .y = 238, .hotkey1 = 'W'},
                                {.action = kDeposit, .label = "Deposit", .y = 260, .hotkey1 = 'D'},
                                kLeaveButton})) {
            case kWithdraw: BankWithdraw(); break;
            case kDeposit: BankDeposit(); break;
            default: return;
        }
    }
}
