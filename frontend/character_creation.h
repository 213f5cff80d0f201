// Character creation.
#pragma once

// The name page; always flips.
void DrawCreationPage4();
