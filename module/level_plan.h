// A level of the default module as readable data: its map as rows of characters, a legend
// of what each character paints, the events that stand on marked squares and the scripts of
// its characters. BuildLevel turns a plan into the current level through the kit's own
// record makers; the level is then written with the game's level writer.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

constexpr int16_t kAutoAccess = 0;

// One kind of square: its tiles and, where the automatic access of its tiles is not what
// the square needs (a border exit, water one wades), its access tile.
struct Terrain {
    char symbol;
    int16_t bottom;
    int16_t top = 0;
    int16_t access = kAutoAccess;
};

// An event of one type: the words that differ from the type's defaults and its two texts.
struct Event {
    int16_t type;
    std::vector<std::pair<int, int16_t>> words;
    std::vector<std::string_view> text[2];

    Event(int16_t eventType, std::initializer_list<std::pair<int, int16_t>> w) : type(eventType), words(w) {}
    Event& Say(std::initializer_list<std::string_view> lines) {
        text[0] = lines;
        return *this;
    }
    Event& Else(std::initializer_list<std::string_view> lines) {
        text[1] = lines;
        return *this;
    }
};

// The event on every square of the map that shows `mark`; the square's tiles are those of
// the terrain `floor`.
struct PlacedEvent {
    char mark;
    char floor;
    Event event;
};

// One script line: its code, five operands and, for the text codes, its text.
struct Line {
    int16_t code;
    std::array<int16_t, 5> op{};
    std::string_view text{};
};

struct Script {
    int16_t slot;
    std::string_view title;
    std::vector<Line> lines;
};

struct EdgeExit {
    int16_t edge;  // 0 north, 1 south, 2 east, 3 west
    int16_t level, x, y;
};

struct LevelPlan {
    int16_t number;
    std::string_view name;  // the level list's name
    std::array<std::string_view, 6> zoneNames;
    std::array<std::string_view, 50> rows;  // row y, column x
    std::vector<Terrain> legend;
    std::vector<PlacedEvent> events;
    std::vector<Script> scripts;
    std::vector<EdgeExit> exits;
    int16_t wilderness = 0;
    std::array<int16_t, 6> zoneTunes{};  // music/tune<N>.mp3 of each zone, 0 none
};

// Makes the plan the current level; false, with the reasons on standard error, when the
// plan has a fault (a row of the wrong length, an unknown symbol, a text too long).
bool BuildLevel(const LevelPlan& plan);

// The plans of the campaign's levels, in level order.
LevelPlan ThornwickPlan();
LevelPlan ValePlan();
LevelPlan BarrowHallsPlan();
LevelPlan BarrowCryptPlan();
