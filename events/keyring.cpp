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
