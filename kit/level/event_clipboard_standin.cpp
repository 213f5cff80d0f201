// Until the level editor is built: the clipboard's type alone.
#include "kit/level/event_clipboard.h"

int16_t EventClipboardType = -1;
