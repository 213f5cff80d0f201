// Until the forge is built: the hero stays, with a "no".
#include "events/forge.h"
#include "platform/sound.h"

void RunForgeEvent(int16_t, int16_t, int16_t, int16_t, int& result) {
    result = 0;
    PlaySoundEffect("no");
}
