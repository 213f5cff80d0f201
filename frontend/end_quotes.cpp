#include "end_quotes.h"

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/random.h"

namespace {

constexpr std::string_view kVudave = "     - Vudave, Philosopher";
constexpr std::string_view kVeraru = "     - Veraru, Philosopher";

}  // namespace

const std::array<EndQuote, kEndQuoteCount> EndQuotes = {{
    {{"A map shows where the road goes,", "never what waits at its bend."}, kVudave},
    {{"The moor keeps every footprint", "until the rain decides otherwise."}, kVudave},
    {{"Gold weighs little in the purse", "and much upon the one who carries it."}, kVudave},
    {{"He who counts his arrows before the fight", "has at least learned to count."}, kVudave},
    {{"A locked door is a question;", "a broken one is a poor answer."}, kVudave},
    {{"Every torch throws a shadow", "behind the hand that holds it."}, kVudave},
    {{"The innkeeper remembers your name", "long after the songs forget it."}, kVudave},
    {{"Sleep is a blade no smith can forge", "and no thief can carry off."}, kVudave},
    {{"Fear the quiet road on the moor", "more than the one where wolves howl."}, kVudave},
    {{"Ask the old well for water,", "not for counsel:", "it has only echoes to give."}, kVudave},
    {{"A hero is a farmer", "who left the gate open one morning", "and never went back to close it."}, kVudave},
    {{"Courage is a lantern lit", "in a room you have not yet seen."}, kVeraru},
    {{"The wind over Vexmoor carries no message of its own;", "it only repeats what the hills once told it."},
     kVeraru},
    {{"Do not trust a bridge", "that asks nothing of you."}, kVeraru},
    {{"Scars are the pages", "of a book you cannot lend."}, kVeraru},
    {{"A candle does not quarrel with the dark;", "it stays lit until the morning comes."}, kVeraru},
    {{"A full pack makes a slow step,", "an empty one a short journey."}, kVeraru},
    {{"What the deep halls take,", "the daylight seldom gives back."}, kVeraru},
    {{"Every riddle is a door", "and patience is its only key."}, kVeraru},
    {{"The crow on the gallows", "does not ask who was guilty;", "it only asks when."}, kVeraru},
    {{"The end of one road", "is merely the place", "where the next one", "forgot to begin."}, kVeraru},
}};

void DrawEndQuote(int16_t quote) {
    if (quote < 0 || quote >= kEndQuoteCount) return;
    const EndQuote& q = EndQuotes[size_t(quote)];
    const int16_t x = quote == 12 ? 30 : 50;  // the long one starts further left
    int16_t y = 200;
    for (std::string_view line : q.lines) {
        if (line.empty()) break;
        DrawBigText(x, y, line, kBigWhite);
        y = int16_t(y + 15);
    }
    DrawBigText(50, int16_t(y + 15), q.attribution, kBigWhite);
    DrawBigText(300, 420, "Press ESCAPE to leave game", kBigWhite);
}

void ShowEndQuotes() {
    Screen screen("end quotes");
    FillScreenWithTile(1327);
    DrawEndQuote(int16_t(Random15() % kEndQuoteCount));
    Flip();
    do {
        screen.Pass();
    } while (!KeyDown(27) && !KeyDown(32) && !KeyDown(13));
}
