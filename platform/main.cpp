#include "host/sdl_backend.h"
#include "start_up.h"
#include "working_folder.h"

int main() {
    auto backend = host::MakeSdlBackend();
    return RunGame(*backend, WorkingFolderPath(), VEXMOOR_MODULE_DIR);
}
