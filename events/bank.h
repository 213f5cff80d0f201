// The bank: one account for the whole game, the same at every bank.
#pragma once

#include <cstdint>

void RunBankEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// One transaction each, at most 9,999 gp, never more than the hero carries or the account holds.
void BankDeposit();
void BankWithdraw();
