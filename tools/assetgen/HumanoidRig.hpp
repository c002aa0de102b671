#pragma once

#include "Image.hpp"
#include "Painter.hpp"

// Draws a person (or a skeleton) from parts placed in a small body space:
// a = to the character's right, f = forward, h = height above the ground.
// The facing turns the body; parts are projected top-down with a slight tilt
// and drawn back to front, each outlined, lit from the top-left.
class HumanoidRig {
public:
    enum class Weapon { None, Sword, Bow, RustySword };

    struct Look {
        Ramp skin, hair, torso, sleeves, legs, boots, belt;
        bool skeleton = false;
        bool robe = false;       // a long robe over the legs (merchant)
        bool helmet = false;     // steel helmet with a plume (guard)
        bool hat = false;        // wide brimmed hat (merchant)
        bool backpack = false;
        bool shield = false;
        bool scarf = false;      // the hero's red scarf
        double bodyWidth = 7.0;  // torso half width seen from the front
        Weapon weapon = Weapon::None;
    };

    struct Pose {
        double legL = 0, legR = 0;    // foot forward offset
        double liftL = 0, liftR = 0;  // foot height
        double armLf = 0, armLh = 0;  // left hand forward offset, height offset
        double armRf = 0, armRh = 0;
        double armRa = 0;             // right hand sideways offset
        double bob = 0;               // whole body up
        double lean = 0;              // torso and head forward
        double headTurn = 0;          // head sideways, -1..1
        double topple = 0;            // 0 standing .. 1 lying on the back
        double crumble = 0;           // skeletons: 0 whole .. 1 a heap of bones
        double swing = -1;            // sword angle in degrees from forward, <-900 when sheathed
        double bowDraw = 0;           // 0 relaxed .. 1 full draw
        bool arrowNocked = false;
        double flash = 0;             // 0..1 turns the colours pale (hit)
        double fade = 0;              // 0..1 darkens towards the ground (dying)
        double shiftF = 0;            // the whole body pushed forward (recoil < 0)
    };

    // One 64 x 64 frame; facing in degrees on the ground (0 right, 90 down).
    static Image frame(const Look& look, const Pose& pose, double facing);
    static constexpr int Size = 64;
};
