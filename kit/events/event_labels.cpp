#include "kit/events/event_labels.h"

const char ArrivalDirectionLabels[5][8] = {"Any dir", "North", "South", "East", "West"};
const char QuestStateLabels[4][11] = {"Inactive", "Active", "Complete", "Cancelled"};

const char HeraldryLabels[10][18] = {"Herald 1", "Herald 2", "Herald 3", "Herald 4", "Herald 5",
                                     "Herald 6", "Herald 7", "Herald 8", "Herald 9", "Herald 10"};

const char AutoPilotDirectionLabels[6][5] = {"Stop", "N", "S", "E", "W", ""};
const char EscortLabels[3][7] = {"None", "Lead", "Follow"};

const char DoorStyleLabels[10][11] = {"Wood",       "Reinforced", "Stone",  "Iron",   "Ornate",
                                      "Portcullis", "Grate",      "Rotten", "L Boat", "R Boat"};
const char DoorStateLabels[4][8] = {"Open", "Broken", "Closed", "Locked"};

const char PortalConditionLabels[6][15] = {"None", "Carrying Item", "Wearing Item", "Very Small", "Hiding", "Trippin"};
const char PentaPortalKeyLabels[5][23] = {"Requires Portal Key 1!", "Requires Portal Key 2!", "Requires Portal Key 3!",
                                          "Requires Portal Key 4!", "Requires Portal Key 5!"};
