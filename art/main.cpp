// Build-time generator of the built-in art and sounds.
// Usage: make_art <pack file> <module GameData folder> <bitmap font folder> [<contact sheet folder>]
#include <cstdio>
#include <filesystem>

#include "contact_sheets.h"
#include "pack.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: make_art <pack file> <GameData folder> <font folder> [<contact sheet folder>]\n");
        return 2;
    }
    std::error_code ec;
    std::filesystem::create_directories(argv[2], ec);
    const art::PlayArt play = art::BuildPlayArt();
    art::Pack pack;
    art::BuildSheets(pack, argv[3], play);
    art::BuildSounds(pack);
    if (!pack.Write(argv[1])) {
        std::fprintf(stderr, "make_art: cannot write %s\n", argv[1]);
        return 1;
    }
    if (!art::BuildModuleBitmaps(argv[2], play, argv[3])) {
        std::fprintf(stderr, "make_art: cannot write the module bitmaps into %s\n", argv[2]);
        return 1;
    }
    if (argc == 5) {
        std::filesystem::create_directories(argv[4], ec);
        if (!art::WriteContactSheets(argv[4], play)) return 1;
    }
    return 0;
}
