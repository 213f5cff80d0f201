// Until the town services are built: the hero stays, with a "no".
#include "events/bank.h"
#include "events/casino.h"
#include "events/inn.h"
#include "events/seer.h"
#include "events/shop.h"
#include "events/temple.h"
#include "events/trainer.h"
#include "events/vault.h"
#include "events/wand_recharge.h"
#include "platform/sound.h"

namespace {

void Refuse(int& result) {
    result = 0;
    PlaySoundEffect("no");
}

}  // namespace

void RunShopEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunRechargeWandServiceEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunInnEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunBankEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunVaultEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunTempleEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunSeerEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunCasinoEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunTrainEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
