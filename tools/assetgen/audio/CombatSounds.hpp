#pragma once

#include "Signal.hpp"

// Weapons: drawing, swinging, the bow, arrows landing or not, and what a
// blow sounds like on flesh, on a crawler and on bones.
class CombatSounds {
public:
    static Signal drawSword();
    static Signal swordSwing();
    static Signal swordMiss();
    static Signal swordHitHumanoid();
    static Signal swordHitCrawler();
    static Signal swordHitUndead();
    static Signal bowRelease();
    static Signal arrowHit();
    static Signal arrowMiss();
    static Signal punchSwing();
    static Signal punchHit();
};
