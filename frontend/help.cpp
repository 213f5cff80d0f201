#include "help.h"

#include <array>
#include <string_view>

#include "page_frame.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"

namespace {

struct HelpBlock {
    int16_t x, y;
    std::string_view caption;
    std::array<std::string_view, 5> lines;  // empty ones are not drawn
};

constexpr std::array<HelpBlock, 4> kHelpBlocks = {{
    {90, 130, "Manuals:",
     {"How to play, where the game keeps",
      "its files and how to start it are",
      "told in README.md, in the folder the",
      "game was built from."}},
    {90, 250, "Construction Kit:",
     {"The kit opens with the small icon",
      "at the bottom left of the title or",
      "with Ctrl+U. What a module is made",
      "of is told in the README and in the",
      "project's own documents."}},
    {340, 90, "Walkthrough:",
     {"No walkthrough comes with the game:",
      "each module is its own journey. Its",
      "author may leave hints on the",
      "Objective pages of the title."}},
    {340, 210, "Downloading levels:",
     {"A module's files go into the Mod",
      "folder of your module folder; the",
      "README says where that folder is."}},
}};

}  // namespace

void DrawHelp() {
    DrawBookPage();
    DrawBigText(90, 80, "HELP FILES:", kBigBlack);
    for (const HelpBlock& block : kHelpBlocks) {
        DrawSmallText(block.x, block.y, block.caption, kSmallBlue);
        int16_t y = block.y;
        for (std::string_view line : block.lines) {
            y = int16_t(y + 20);
            if (!line.empty()) DrawSmallText(block.x, y, line, kSmallBlack);
        }
    }
    DrawSmallText(340, 310, "Offical website:", kSmallBlack);
    DrawSmallText(340, 330, "None: see README.md in the", kSmallBlue);
    DrawSmallText(340, 350, "game's source folder.", kSmallBlue);
    DrawBackButton();
    Flip();
}

void ShowHelp() {
    Screen screen("help");
    DrawHelp();
    for (;;) {
        LoopPass(screen, DrawHelp);
        if (BackChosen()) return;
    }
}
