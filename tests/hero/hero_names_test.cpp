#include "hero/hero_names.h"

#include <gtest/gtest.h>

// Indices from files and records reach the tables: outside them the name is empty.
TEST(HeroNames, IndexOutsideTableGivesEmptyName) {
    EXPECT_EQ(NameAt(StatNames, 6), "Perception");
    EXPECT_EQ(NameAt(StatNames, 7), "");
    EXPECT_EQ(NameAt(SkillNames, -1), "");
    EXPECT_EQ(NameAt(ElementNames, 3), "Fire");
    EXPECT_EQ(NameAt(TattooNames, 65535), "");
}
