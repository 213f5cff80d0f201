// The help page of the title.
#pragma once

void ShowHelp();
void DrawHelp();
