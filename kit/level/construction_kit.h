// The construction kit: the level editor's home screen and every kit editor.
#pragma once

// Returns to the title, which repaints its menu.
void RunConstructionKit();
