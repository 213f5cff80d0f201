// The "Define Zone Names" dialog: each zone's name, condition and tune.
#pragma once

#include <array>
#include <string_view>

// The tunes of zones, objectives and wilderness combat: 0 "None", then tune t is music t - 1.
extern const std::array<std::string_view, 19> TuneNames;
