// The credits page of the title.
#pragma once

void ShowCredits();
void DrawCredits();
