// An author's tool: every script line of the module that gives a skill.
#pragma once

// Loads each level quietly and reports every GSK line, then the count.
void FindGskScripts();
