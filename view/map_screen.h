// The level's automap with the map notes.
#pragma once

void MapScreen();
