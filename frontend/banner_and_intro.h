// The maker banner and the particle intro over the title picture, shown at start-up.
#pragma once

#include <cstdint>

constexpr int16_t kTitleParticles = 40;

void ShowMakerBanner();
// Until Space, Esc or Enter; the key is waited out before the title menu sees it.
void RunTitleIntro();
// One frame of the intro, without flip.
void AnimateTitle(int16_t count, int16_t* x, int16_t* y);
