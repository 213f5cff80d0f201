#include "dice.h"

#include "display.h"
#include "fonts.h"
#include "input.h"
#include "number_entry.h"
#include "random.h"
#include "widgets.h"

int16_t RollDice(int16_t count, int16_t sides, int16_t bonus) {
    int32_t sum = 0;
    // A die of no sides has no value: it adds nothing.
    if (sides >= 1)
        for (int32_t i = 0; i < count; ++i) sum += Random15() % sides + 1;
    return int16_t(uint16_t(sum + bonus));
}

std::string DiceText(int16_t count, int16_t sides, int16_t bonus) {
    if (count == 0 && sides == 0 && bonus == 0) return "0";
    std::string text = std::to_string(count) + "d" + std::to_string(sides);
    if (bonus != 0) text += "+" + std::to_string(bonus);
    return text;
}

void DrawDiceButton(int16_t x, int16_t y, int16_t widthPieces, int16_t count, int16_t sides, int16_t bonus) {
    DrawTextField(x, y, widthPieces, "");
    DrawSmallText(int16_t(x + 10), int16_t(y + 6), DiceText(count, sides, bonus), kSmallBlack);
}

void DrawDiceDialog(int16_t x, int16_t y, std::string_view title, int16_t count, int16_t sides, int16_t bonus) {
    DrawPanel(x, y, 12, 8, 1, title);
    DrawSmallText(int16_t(x + 17), int16_t(y + 54), "          d         +", kSmallBlack);
    DrawTextField(int16_t(x + 30), int16_t(y + 50), 2, NumberText(count));
    DrawTextField(int16_t(x + 90), int16_t(y + 50), 2, NumberText(sides));
    DrawTextField(int16_t(x + 150), int16_t(y + 50), 2, NumberText(bonus));
    DrawButton(int16_t(x + 40), int16_t(y + 120), 3, "OK");
    DrawButton(int16_t(x + 140), int16_t(y + 120), 3, "Cancel");
    Flip();
}

void EditDice(int16_t x, int16_t y, std::string_view title, int16_t& count, int16_t& sides, int16_t& bonus) {
    Screen screen("dice");
    const int16_t keptCount = count, keptSides = sides, keptBonus = bonus;
    auto draw = [&] { DrawDiceDialog(x, y, title, count, sides, bonus); };
    draw();
    struct Field {
        int16_t dx;
        int16_t& value;
        int32_t max;
    };
    Field fields[] = {{30, count, 20}, {90, sides, 100}, {150, bonus, 900}};
    for (;;) {
        LoopPass(screen, draw);
        for (Field& f : fields) {
            if (ButtonClicked(int16_t(x + f.dx), int16_t(y + 50), 4, 0, 0, 1, 1)) {
                f.value = EnterNumber(int16_t(x + f.dx), int16_t(y + 50), 2, 0, f.max);
                draw();
            }
        }
        if (ButtonClicked(int16_t(x + 40), int16_t(y + 120), 6, 'O', 13, 1, 1)) return;
        if (ButtonClicked(int16_t(x + 140), int16_t(y + 120), 6, 'C', 27, 1, 1)) {
            count = keptCount;
            sides = keptSides;
            bonus = keptBonus;
            return;
        }
    }
}
