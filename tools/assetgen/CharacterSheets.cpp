#include "CharacterSheets.hpp"

#include "HumanoidRig.hpp"
#include "WormRig.hpp"

#include <cmath>

namespace {
using Cast = CharacterSheets::Cast;
using Action = CharacterSheets::Action;
using HR = HumanoidRig;
constexpr double kPi = 3.14159265358979323846;

HR::Look lookOf(Cast cast) {
    HR::Look l;
    const Ramp skin{Palette::Tan, Palette::Skin, Palette::White};
    switch (cast) {
    case Cast::Hero:
    case Cast::HeroSword:
    case Cast::HeroBow:
        l.skin = skin;
        l.hair = {Palette::Rust, Palette::Leather, Palette::Tan};
        l.torso = {Palette::Indigo, Palette::Navy, Palette::Royal};
        l.sleeves = {Palette::Indigo, Palette::Navy, Palette::Royal};
        l.legs = {Palette::Night, Palette::Soot, Palette::Stone};
        l.boots = {Palette::Night, Palette::Bark, Palette::Leather};
        l.belt = {Palette::Bark, Palette::Leather, Palette::Tan};
        l.scarf = true;
        l.weapon = cast == Cast::HeroSword ? HR::Weapon::Sword : (cast == Cast::HeroBow ? HR::Weapon::Bow : HR::Weapon::None);
        break;
    case Cast::Merchant:
        l.skin = skin;
        l.hair = {Palette::Soot, Palette::Ash, Palette::Steel};
        l.torso = {Palette::Plum, Palette::Violet, Palette::Pink};
        l.sleeves = {Palette::Plum, Palette::Violet, Palette::Pink};
        l.legs = {Palette::Plum, Palette::Violet, Palette::Violet};
        l.boots = {Palette::Night, Palette::Rust, Palette::Leather};
        l.belt = {Palette::Ochre, Palette::Yellow, Palette::Yellow};
        l.robe = true;
        l.hat = true;
        l.backpack = true;
        l.bodyWidth = 9.0;
        break;
    case Cast::Guard:
        l.skin = {Palette::Ash, Palette::Steel, Palette::White};
        l.hair = l.skin;
        l.torso = {Palette::Stone, Palette::Ash, Palette::Steel};
        l.sleeves = {Palette::Stone, Palette::Ash, Palette::Steel};
        l.legs = {Palette::Slate, Palette::Stone, Palette::Ash};
        l.boots = {Palette::Night, Palette::Bark, Palette::Leather};
        l.belt = {Palette::Bark, Palette::Leather, Palette::Tan};
        l.helmet = true;
        l.shield = true;
        l.bodyWidth = 7.8;
        l.weapon = HR::Weapon::Sword;
        break;
    case Cast::Skeleton:
        l.skin = {Palette::Steel, Palette::Ice, Palette::White};
        l.hair = l.skin;
        l.torso = {Palette::Steel, Palette::Ice, Palette::White};
        l.sleeves = l.torso;
        l.legs = l.torso;
        l.boots = {Palette::Ash, Palette::Steel, Palette::Ice};
        l.belt = {Palette::Rust, Palette::Rust, Palette::Leather};
        l.skeleton = true;
        l.bodyWidth = 5.5;
        l.weapon = HR::Weapon::RustySword;
        break;
    default:
        break;
    }
    return l;
}

bool armed(Cast c) { return c == Cast::HeroSword || c == Cast::Guard || c == Cast::Skeleton; }

HR::Pose poseOf(Cast cast, Action action, int frame, int frames) {
    HR::Pose p;
    p.swing = armed(cast) ? -200 : -999;
    double t = frames > 1 ? static_cast<double>(frame) / frames : 0;
    double ph = 2 * kPi * t;
    bool bow = cast == Cast::HeroBow;
    if (bow) {
        p.armLf = 2;
        p.armLh = 1;
    }
    switch (action) {
    case Action::Stop:
        break;
    case Action::Walk:
    case Action::Run: {
        bool run = action == Action::Run;
        double leg = run ? 7.5 : 4.5, lift = run ? 3.5 : 1.8, arm = run ? 5.5 : 3.5;
        p.legL = leg * std::sin(ph);
        p.legR = -leg * std::sin(ph);
        p.liftL = std::max(0.0, lift * std::cos(ph));
        p.liftR = std::max(0.0, -lift * std::cos(ph));
        if (!bow)
            p.armLf = -arm * std::sin(ph);
        p.armRf = arm * std::sin(ph);
        if (run) {
            p.armLh += 3;
            p.armRh = 3;
            p.lean = 2.5;
        }
        p.bob = (run ? 1.5 : 0.8) * std::fabs(std::cos(ph));
        break;
    }
    case Action::Attack: {
        static const double punchF[] = {-3, -4, 3, 10, 6, 1}, punchH[] = {2, 3, 4, 6, 4, 2};
        static const double lean[] = {-0.5, -1, 1, 2.5, 1.5, 0.5};
        p.lean = lean[frame % 6];
        p.legR = frame >= 2 && frame <= 4 ? 3 : 0;
        if (bow) {
            static const double draw[] = {0.25, 0.55, 0.85, 1.0, 0.0, 0.0};
            p.bowDraw = draw[frame % 6];
            p.arrowNocked = frame < 4;
            p.armLf = 7;
            p.armLh = 6;
            p.armRf = 3 - p.bowDraw * 6;
            p.armRh = 6;
            p.armRa = -3;
            p.lean = frame == 4 ? -1 : 0.5;
        } else if (armed(cast)) {
            static const double swing[] = {110, 85, 45, 0, -45, -75};
            static const double f[] = {-2, 0, 4, 8, 6, 2}, a[] = {4, 3, 2, 0, -2, -3}, h[] = {8, 7, 5, 4, 3, 2};
            p.swing = swing[frame % 6];
            p.armRf = f[frame % 6];
            p.armRa = a[frame % 6];
            p.armRh = h[frame % 6];
        } else {
            p.armRf = punchF[frame % 6];
            p.armRh = punchH[frame % 6];
            p.armLf = -2;
        }
        break;
    }
    case Action::Hit: {
        static const double flash[] = {0.75, 0.25, 0.0}, shift[] = {-2, -3.5, -1.5}, lean[] = {-1.5, -2.5, -0.5};
        p.flash = flash[frame % 3];
        p.shiftF = shift[frame % 3];
        p.lean = lean[frame % 3];
        p.armLf -= 2;
        p.armRf = -2;
        p.armRh = 3;
        break;
    }
    case Action::Pause:
        if (frame == 0)
            p.headTurn = -1;
        else if (frame == 1)
            p.headTurn = 1;
        else if (frame == 2) {
            p.armLh = bow ? 6 : 12;
            p.armRh = 12;
            p.armLf = 1;
            p.armRf = 1;
            p.bob = 0.5;
        }
        break;
    case Action::Death: {
        static const double topple[] = {0.05, 0.2, 0.42, 0.68, 0.9, 1.0};
        static const double bob[] = {0, -1.5, -2.5, -2, 0, 0};
        if (cast == Cast::Skeleton) {
            static const double crumble[] = {0.08, 0.25, 0.5, 0.75, 0.92, 1.0};
            p.crumble = crumble[frame % 6];
            p.bob = -frame * 1.0;
        } else {
            p.topple = topple[frame % 6];
            p.bob = bob[frame % 6];
            p.fade = frame * 0.07;
        }
        p.flash = frame == 0 ? 0.5 : 0;
        p.armLf = -2;
        p.armRf = -2;
        p.armRh = 2 + frame;
        break;
    }
    }
    return p;
}

WormRig::Pose wormPose(Action action, int frame, int frames) {
    WormRig::Pose p;
    double ph = frames > 1 ? 2 * kPi * frame / frames : 0;
    switch (action) {
    case Action::Stop:
        p.crawl = 0.35;
        break;
    case Action::Walk:
    case Action::Run:
        p.phase = ph;
        p.crawl = action == Action::Run ? 1.3 : 1.0;
        p.lunge = std::sin(ph) * 1.2;
        break;
    case Action::Attack: {
        static const double rear[] = {0.3, 0.7, 1.0, 0.6, 0.3, 0.1}, lunge[] = {-2, -3, 0, 7, 4, 1};
        static const double mouth[] = {0.2, 0.6, 1.0, 0.9, 0.4, 0.1};
        p.rear = rear[frame % 6];
        p.lunge = lunge[frame % 6];
        p.mouth = mouth[frame % 6];
        p.crawl = 0.4;
        break;
    }
    case Action::Hit: {
        static const double flash[] = {0.75, 0.25, 0}, shift[] = {-2, -3, -1};
        p.flash = flash[frame % 3];
        p.shiftF = shift[frame % 3];
        p.rear = 0.2;
        p.mouth = 0.5;
        break;
    }
    case Action::Pause:
        p.rear = frame == 1 || frame == 2 ? 0.35 : 0.1;
        p.mouth = frame == 2 ? 0.5 : 0;
        p.crawl = 0.35;
        p.phase = frame * 0.8;
        break;
    case Action::Death:
        p.flatten = std::min(1.0, frame / 5.0);
        p.rear = frame == 0 ? 0.6 : 0;
        p.mouth = frame < 3 ? 1.0 : 0.4;
        p.flash = frame == 0 ? 0.5 : 0;
        p.crawl = 0.6;
        p.phase = frame * 1.3;
        break;
    }
    return p;
}
} // namespace

const std::vector<CharacterSheets::Action>& CharacterSheets::actions() {
    static const std::vector<Action> all = {Action::Stop, Action::Walk, Action::Run, Action::Attack,
                                            Action::Hit, Action::Pause, Action::Death};
    return all;
}

const char* CharacterSheets::actionName(Action a) {
    switch (a) {
    case Action::Stop: return "Stop";
    case Action::Walk: return "Walk";
    case Action::Run: return "Run";
    case Action::Attack: return "Attack";
    case Action::Hit: return "Hit";
    case Action::Pause: return "Pause";
    case Action::Death: return "Death";
    }
    return "";
}

CharacterSheets::Timing CharacterSheets::timing(Cast cast, Action action) {
    // Walk and run take 8 frames so that a cycle covers velocity x 8 pixels:
    // 32 at walking speed, one step of the 32-pixel lattice.
    // A monster winds up slowly: its blow comes about once a second, so that
    // the hero has time to walk between two of them and sees each one coming.
    int walk = 45, run = 45, attack = 60, key = 3;
    switch (cast) {
    case Cast::HeroBow: attack = 70; key = 4; break;
    case Cast::Merchant: walk = 90; run = 60; attack = 80; break;
    case Cast::Guard: walk = 65; run = 50; attack = 70; break;
    case Cast::Skeleton: walk = 70; run = 55; attack = 200; break;
    case Cast::Worm: walk = 100; run = 70; attack = 180; break;
    default: break;
    }
    switch (action) {
    case Action::Stop: return {1, 1, 0};
    case Action::Walk: return {8, walk, 0};
    case Action::Run: return {8, run, 0};
    case Action::Attack: return {6, attack, key};
    case Action::Hit: return {3, 85, 0};
    case Action::Pause: return {4, 380, 0};
    case Action::Death: return {6, 130, 0};
    }
    return {1, 1, 0};
}

Image CharacterSheets::sheet(Cast cast, Action action) {
    Timing t = timing(cast, action);
    Image img(t.frames * Frame, 8 * Frame);
    HR::Look look = lookOf(cast);
    for (int row = 0; row < 8; ++row) {
        double facing = row * 45.0; // the direction codes turn clockwise from the right
        for (int f = 0; f < t.frames; ++f) {
            Image one = cast == Cast::Worm ? WormRig::frame(wormPose(action, f, t.frames), facing)
                                           : HR::frame(look, poseOf(cast, action, f, t.frames), facing);
            img.paste(one, f * Frame, row * Frame);
        }
    }
    return img;
}
