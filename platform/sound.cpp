#include "sound.h"

#include "host/host.h"
#include "resources.h"

void PlaySoundEffect(std::string_view name) {
    ResourceWave wave;
    if (FindWave(name, wave)) {
        host::Get().PlayWave(name, wave.data, wave.size);
        return;
    }
    FindWave("BELL", wave);
    host::Get().PlayWave("default", wave.data, wave.size);
}

// No tune can be playing until the music player exists.
void StopTune() {}
