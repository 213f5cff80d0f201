#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "data/level.h"
#include "kit/events/level_records.h"
#include "kit/level/auto_access.h"
#include "kit/script/script_slots.h"
#include "level_plan.h"

namespace {

struct Builder {
    const LevelPlan& plan;
    bool ok = true;

    void Fault(const std::string& what) {
        std::fprintf(stderr, "make_module: level %d (%.*s): %s\n", plan.number, int(plan.name.size()),
                     plan.name.data(), what.c_str());
        ok = false;
    }

    // Into a field of `size` bytes, terminated; a text that does not fit is a fault.
    void Text(char* field, size_t size, std::string_view text, const char* what) {
        if (text.size() > size - 1)
            Fault(std::string(what) + " longer than " + std::to_string(size - 1) + ": " + std::string(text));
        const size_t n = std::min(text.size(), size - 1);
        std::memcpy(field, text.data(), n);
        std::memset(field + n, 0, size - n);
    }
    template <size_t N>
    void Text(char (&field)[N], std::string_view text, const char* what) {
        Text(field, N, text, what);
    }

    const Terrain* TerrainOf(char symbol) {
        for (const Terrain& t : plan.legend)
            if (t.symbol == symbol) return &t;
        return nullptr;
    }
    const PlacedEvent* EventOf(char symbol) {
        for (const PlacedEvent& e : plan.events)
            if (e.mark == symbol) return &e;
        return nullptr;
    }

    void Paint(int16_t x, int16_t y, const Terrain& t) {
        const int s = x * 50 + y;
        CurrentLevel.BottomLayer[s] = t.bottom;
        CurrentLevel.TopLayer[s] = t.top;
        // As the level editor's automatic access: the tile painted last decides.
        const int16_t painted = t.top != 0 ? t.top : t.bottom;
        const int16_t automatic = int16_t(1292 + AutoAccessTable[size_t(painted)]);
        CurrentLevel.AccessLayer[s] = t.access != kAutoAccess ? t.access : automatic;
    }

    void Place(int16_t x, int16_t y, const Event& e) {
        CreateEvent(x, y, e.type);
        EventRecord& record = *EventGrid[size_t(x * 50 + y)];
        for (const auto& [word, value] : e.words) {
            if (word < 1 || word > 32) Fault("event word " + std::to_string(word) + " out of 1..32");
            else record.Word[word] = value;
        }
        for (int t = 0; t < 2; ++t) {
            if (e.text[t].size() > 10) Fault("an event text of more than 10 lines");
            for (size_t l = 0; l < e.text[t].size() && l < 10; ++l) Text(record.Text[t][l], e.text[t][l], "event line");
        }
    }

    void Map() {
        for (const PlacedEvent& e : plan.events)
            if (TerrainOf(e.mark)) Fault(std::string("'") + e.mark + "' is both an event mark and a terrain");
        std::vector<bool> placed(plan.events.size(), false);
        for (int16_t y = 0; y < 50; ++y) {
            const std::string_view row = plan.rows[size_t(y)];
            if (row.size() != 50) {
                Fault("row " + std::to_string(y) + " is " + std::to_string(row.size()) + " wide");
                continue;
            }
            for (int16_t x = 0; x < 50; ++x) {
                const char c = row[size_t(x)];
                const PlacedEvent* e = EventOf(c);
                const Terrain* t = TerrainOf(e ? e->floor : c);
                if (!t) {
                    Fault(std::string("no terrain for '") + c + "' at " + std::to_string(x) + "," + std::to_string(y));
                    continue;
                }
                Paint(x, y, *t);
                if (e) {
                    Place(x, y, e->event);
                    placed[size_t(e - plan.events.data())] = true;
                }
            }
        }
        for (size_t i = 0; i < plan.events.size(); ++i)
            if (!placed[i]) Fault(std::string("event mark '") + plan.events[i].mark + "' is on no square");
    }

    void Scripts() {
        for (const Script& s : plan.scripts) {
            if (s.slot < 0 || s.slot >= kScriptSlots || s.lines.size() > size_t(kScriptLines)) {
                Fault("script slot or length out of range");
                continue;
            }
            CreateScript(s.slot);
            LevelScript& script = *ScriptTable[size_t(s.slot)];
            Text(script.Record.Title, s.title, "script title");
            for (size_t l = 0; l < s.lines.size(); ++l) {
                const Line& line = s.lines[l];
                script.Record.Code[l] = line.code;
                for (int k = 0; k < 5; ++k) script.Record.Operand[l][k] = line.op[size_t(k)];
                if (line.text.empty()) continue;
                auto text = std::make_unique<ScriptLineText>();
                Text(text->data(), text->size(), line.text, "script line");
                script.LineText[l] = std::move(text);
                script.Record.Text[l] = 1;
            }
        }
    }

    void Settings() {
        for (size_t z = 0; z < 6; ++z) Text(CurrentLevel.ZoneNames[z], plan.zoneNames[z], "zone name");
        for (const EdgeExit& exit : plan.exits) {
            if (exit.edge < 0 || exit.edge > 3) {
                Fault("an exit edge out of 0..3");
                continue;
            }
            CurrentLevel.ExitLevel[exit.edge] = exit.level;
            CurrentLevel.ExitX[exit.edge] = exit.x;
            CurrentLevel.ExitY[exit.edge] = exit.y;
        }
        CurrentLevel.WildernessLevel = plan.wilderness;
        for (size_t z = 0; z < 6; ++z) CurrentLevel.ZoneTunes[z] = plan.zoneTunes[z];
    }
};

}  // namespace

bool BuildLevel(const LevelPlan& plan) {
    FreeLevelEventsAndScripts(0);
    NewLevel(0);
    Builder b{plan};
    b.Settings();
    b.Map();
    b.Scripts();
    return b.ok;
}
