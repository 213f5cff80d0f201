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

const char ChestTypeLabels[2][10] = {"Locked", "Trapped"};
const char ChestPictureLabels[9][10] = {"Wood", "Pirate", "Boxy", "Ornate", "Stone", "Tomb", "Mummy", "No Pic", "Safe"};
const char ContainerTrapLabels[8][15] = {"Blade",      "Spear",       "Acid Spray",  "Cold Ray",
                                         "Electrical", "Fire Blast",  "Poison Dart", "Poison Cloud"};
const char SearchTypeLabels[16][15] = {"Smash Pot1", "Smash Pot2", "Smash Barrel", "Smash Tomb",
                                       "Smash Grave1", "Smash Grave2", "Smash Crate", "Muck Pile",
                                       "Slimy Pod", "Water Orb", "Earth Orb", "Air Orb",
                                       "Ice Block", "Sarcophagus", "Jewel Case", "Kintaran Tomb"};

const char TrainingLabels[6][9] = {"Fighting", "Thief", "Holy", "Witch", "Wizard", "All"};
const char TrainingLines[6][70] = {"Train: Armsmaster, Critical hit, Dual Weapons, Resilience, Targeteer",
                                   "Train: Critical Hit, Disarm Traps, Dual Weapons, Pick Locks, Stealth",
                                   "Train: Prayer",
                                   "Train: Curse",
                                   "Train: Auras, Gemlore",
                                   "All skills can be trained here!"};
const char CasinoGameLabels[7][10] = {"Cards", "Dice", "Empire", "Beads", "Wheel", "Chicken", "Rat Race"};

const char TrapTypeLabels[8][15] = {"Blade",      "Spear",      "Acid Spray",  "Cold Ray",
                                    "Electrical", "Fire Blast", "Poison Dart", "Teleport"};
const char PitEndLabels[2][8] = {"Top", "Bottom"};

const char SwitchTypeLabels[10][17] = {"Lever",     "Button",    "Dial (0-9)", "Colour Ring",   "Valve",
                                       "Reverse Valve", "Slime Pod", "Dial 0-49",  "Hidden Button", "Flame"};
const char SwitchCriticalTexts[10][26] = {"When pulled (Lever right)", "When pressed (Button in)", "", "", "When closed",
                                          "When opened", "", "", "", "When lit"};
const char ColourRingLabels[6][10] = {"Red", "Green", "Blue", "Yellow", "White", "Black"};
const char SwitchSoundLabels[2][8] = {"Default", "Grate"};
const char ClimbDirectionLabels[3][5] = {"Up", "Down", "Over"};

const char SpellTypeLabels[5][9] = {"Acid", "Cold", "Elect", "Fire", "Flowers"};
const char PlaceableItemLabels[3][17] = {"Only Req Item", "Any of same type", "Any item"};

const char TelexyModeLabels[3][18] = {"Entering Numbers", "Numbered Orbs", "By Item"};

const char ScriptConditionLabels[2][10] = {"None", "Hiding"};
const char CarryWearLabels[2][9] = {"Carrying", "Wearing"};

const char BeamColourLabels[7][10] = {"White", "Blue", "Yellow", "Red", "Green", "Purple", "Aqua"};
const char PuzzleLabels[8][15] = {"Alien Node",   "Alien Numbers", "Pic Puzzle", "Patternless",
                                  "Power Supply", "Golem CPU",     "Balance",    "Water"};

const char BridgeTypeLabels[3][15] = {"Normal", "Ice Bridge", "Lily Bridge"};
const char CrustTypeLabels[3][20] = {"Ice over water", "Crust over lava", "Crust over acid"};
const char ElementalDamageLabels[5][12] = {"Acid", "Cold", "Elect", "Fire", "Poison Gas"};
const char SplatTypeLabels[13][15] = {"Left Cat", "Right Cat", "Left Chook", "Pod",      "Psi Crystal",
                                      "Dummy",    "Drain N",   "Drain S",    "Drain E",  "Drain W",
                                      "Drug Lab", "Orog Statue", "Generator"};
const char WaterRootsTypeLabels[5][14] = {"Water Root", "Unused", "Unused", "Unused", "Unused"};

const char MushroomTypeLabels[3][10] = {"Large", "Small 1", "Small 2"};
const char UseTypeLabels[5][12] = {"Drink", "Touch", "Look into", "Sit", "Read"};
const char StatPlusLabels[27][22] = {
    "Heal Hp",         "Cure",            "Restore Skill Charges", "Combat",          "Strength",
    "Endurance",       "Agility",         "Dexterity",             "Willpower",       "Perception",
    "Acid Resist",     "Cold Resist",     "Elec Resist",           "Fire Resist",     "Mind Save",
    "Body Save",       "Skill Pts",       "Xp",                    "Acid Shield (T)", "Cold Shield (T)",
    "Elect Shield (T)", "Fire Shield (T)", "Mind Shield (T)",      "Body Shield (T)", "Bless (T)",
    "Heroism (T)",     "Poisoned"};
const char SpawnPicLabels[4][15] = {"Acid", "Cold", "Elect", "Fire"};

const char TextColourLabels[3][6] = {"Red", "Green", "Blue"};
const char DanceTypeLabels[2][10] = {"Step on", "Step off"};
