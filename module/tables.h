// The default module's data files, written by the game's own savers in the current folder.
#pragma once

// False, with the reasons on standard error, when a table has a fault or a file could not
// be written.
bool WriteCampaignTables();
