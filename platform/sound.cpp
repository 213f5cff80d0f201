#include "sound.h"

#include <filesystem>

#include "files.h"
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

void PlaySoundFile(const std::string& path) {
    const std::string found = ResolvePath(path);
    std::error_code ec;
    if (std::filesystem::is_regular_file(found, ec)) host::Get().PlayWaveFile(found);
}
