// The virtual-key numbers the game reads, as the host layer reports them.
#pragma once

// The mouse buttons read as keys.
constexpr int kLeftButton = 1, kRightButton = 2;
constexpr int kBackspace = 8, kTab = 9, kEnter = 13, kShift = 16, kCtrl = 17, kAlt = 18, kEsc = 27, kSpace = 32;
constexpr int kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDelete = 46;
// The number pad's arrows.
constexpr int kPadDown = 98, kPadLeft = 100, kPadRight = 102, kPadUp = 104;
constexpr int kF1 = 112, kF4 = 115;
// Alt down at the same time turns Tab into the system's window switch.
constexpr int kLeftAlt = 164;
constexpr int kMinus = 189, kBackQuote = 192;
