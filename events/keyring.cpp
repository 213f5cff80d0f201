#include "events/keyring.h"

#include "data/game_state.h"

int AddKeyToKeyring(int16_t item) {
    for (int16_t& entry : GameState.Keyring) {
        if (entry == -1) {
            entry = item;
            return 1;
        }
    }
    return 0;
}

int KeyringHas(int16_t item) {
    if (item < 0) return 0;  // a free entry holds -1: it is no key
    for (int16_t entry : GameState.Keyring)
        if (entry == item) return 1;
    return 0;
}
