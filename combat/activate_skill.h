// The Activate Skill menu: gemlore, prayers and curses.
#pragma once

// The A button's action, after the adventure loop's antimagic test.
void ActivateSkill();
