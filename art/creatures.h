// Creatures from body plans: every monster, the hero and the people of the towns are drawn by
// a few plans (two legs, four legs, serpent, bird, insect, blob...) given colours and parts.
// Figures face right; the sheets mirror them for the pictures facing left.
#pragma once

#include "draw.h"
#include "ink.h"

namespace art {

enum BodyPlan : uint8_t {
    kPlanBiped, kPlanQuadruped, kPlanSerpent, kPlanWorm, kPlanBird, kPlanBat, kPlanInsect, kPlanSpider,
    kPlanScorpion, kPlanBlob, kPlanGhost, kPlanFlame, kPlanWave, kPlanWhirl, kPlanDragon, kPlanFish,
    kPlanCrab, kPlanOctopus, kPlanPlant, kPlanTreant, kPlanEye, kPlanRobot, kPlanFrog,
};

// Heads of two-legged figures; of four-legged ones the same numbers name the beast.
enum Head : uint8_t {
    kHeadHuman, kHeadGoblin, kHeadOrc, kHeadSkull, kHeadHorned, kHeadWolf, kHeadHelm, kHeadHood,
    kHeadBird, kHeadLizard, kHeadBull, kHeadPig, kHeadCat, kHeadInsect, kHeadWrapped, kHeadBlock,
};
enum Beast : uint8_t {
    kBeastDog, kBeastBear, kBeastRat, kBeastBoar, kBeastCat, kBeastHorse, kBeastLizard, kBeastBull,
    kBeastDeer,
};

enum Weapon : uint8_t {
    kWeaponNone, kWeaponSword, kWeaponAxe, kWeaponClub, kWeaponSpear, kWeaponStaff, kWeaponBow,
    kWeaponDagger, kWeaponClaws, kWeaponMace, kWeaponFlail, kWeaponTrident, kWeaponWand, kWeaponScythe,
    kWeaponHammer, kWeaponBigSword, kWeaponBigAxe, kWeaponPolearm, kWeaponWhip,
};

// Parts added to a plan.
enum Extra : uint16_t {
    kShield = 1, kCape = 2, kWings = 4, kTail = 8, kBeard = 16, kHat = 32, kLongHair = 64, kRobe = 128,
    kHorns = 256, kTusks = 512, kMane = 1024, kSpots = 2048, kCrown = 4096, kGlow = 8192, kRags = 16384,
    kArmour = 32768,
};

struct Look {
    BodyPlan plan = kPlanBiped;
    Col skin{200, 160, 120};   // skin, fur, scales or the main matter
    Col cloth{70, 90, 150};    // clothes or the second colour
    Col detail{220, 200, 80};  // eyes, metal, glow
    uint8_t head = kHeadHuman;
    uint8_t weapon = kWeaponNone;
    uint16_t extras = 0;
    float bulk = 1.0f;    // how broad
    float height = 1.0f;  // how tall in its box
};

// The poses of the hero's figure beyond standing and striking.
enum Pose : uint8_t { kPoseStand, kPoseStrike, kPoseCast, kPoseAim, kPoseShoot, kPoseHidden, kPoseStripped,
                      kPoseShrunk, kPoseDanger, kPoseRadiant };

// Draws the creature in the box (x0, y0, w, h), facing right, standing or striking.
void DrawCreature(Layer& L, const Look& look, float x0, float y0, float w, float h, bool striking);
// A two-legged figure in one of the hero's poses.
void DrawBipedPose(Layer& L, const Look& look, float x0, float y0, float w, float h, Pose pose);
// The twelve shields the hero can carry in his off hand (the order of their figures), drawn
// centred on (cx, cy) about `size` tall; ShieldOfItem gives the one of an item, or -1.
void DrawShield(Layer& L, int kind, float cx, float cy, float size);
int ShieldOfItem(int item);
// The head of a polearm that reaches into the square in front of the hero.
void DrawPolearmReach(Layer& L, float x0, float y0, float w, float h);

}  // namespace art
