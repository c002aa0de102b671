#include "HumanoidRig.hpp"

#include "Mask.hpp"
#include "Rng.hpp"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kGroundX = 32, kGroundY = 55, kTilt = 0.55;

struct V3 {
    double a, f, h;
};

struct Projector {
    double fx, fy, rx, ry; // forward and right vectors on the ground
    const HumanoidRig::Pose& pose;
    unsigned seed;
    // Body space to screen, after the pose's topple and crumble.
    void to(V3 p, double& x, double& y, double& depth, int partIndex = 0) const {
        p.f += pose.shiftF;
        if (pose.topple > 0) {
            // Rotate backwards about the feet: height becomes distance behind.
            double t = pose.topple;
            double f2 = p.f * (1 - t) + (-p.h * 0.72 + p.f * 0.3 + 5) * t;
            double h2 = p.h * (1 - t) + (2 + p.f * 0.2) * t;
            p.f = f2;
            p.h = h2;
        }
        if (pose.crumble > 0) {
            double t = pose.crumble;
            double ra = (Rng::hashUnit(partIndex, 1, seed) - 0.5) * 22, rf = (Rng::hashUnit(partIndex, 2, seed) - 0.5) * 9;
            p.a = p.a * (1 - t * 0.3) + ra * t;
            p.f = p.f * (1 - t * 0.3) + rf * t;
            p.h = p.h * (1 - t) + 2 * t;
        }
        double gx = p.a * rx + p.f * fx, gy = p.a * ry + p.f * fy;
        x = kGroundX + gx;
        y = kGroundY + gy * kTilt - p.h;
        // A body falling towards the bottom of its frame is lifted to stay inside it.
        y -= pose.topple * (3 + 11 * std::max(0.0, -fy)) + pose.crumble * 3;
        depth = gy;
    }
};

struct Part {
    double depth;
    std::function<void(Image&)> draw;
};

Rgba pale(Rgba c, double t) { return t <= 0 ? c : Palette::mix(c, Palette::White, t); }
Rgba dark(Rgba c, double t) { return t <= 0 ? c : Palette::mix(c, Palette::Plum, t); }

Ramp tone(const Ramp& r, const HumanoidRig::Pose& p) {
    auto f = [&](Rgba c) { return dark(pale(c, p.flash), p.fade); };
    return {f(r.shade), f(r.base), f(r.light)};
}
} // namespace

Image HumanoidRig::frame(const Look& look, const Pose& pose, double facing) {
    Image img(Size, Size);
    double rad = facing * kPi / 180.0;
    Projector pr{std::cos(rad), std::sin(rad), -std::sin(rad), std::cos(rad), pose, 77};
    // How much we see the front (1), the side (0) or the back (-1).
    double front = std::sin(rad);
    double side = std::fabs(std::cos(rad));
    const Rgba outline = look.skeleton ? Palette::Night : Palette::Night;
    std::vector<Part> parts;
    int partNo = 0;

    auto capsule = [&](V3 p0, V3 p1, double r, const Ramp& ramp, double bias = 0, bool lined = true) {
        double x0, y0, d0, x1, y1, d1;
        int id = partNo++;
        pr.to(p0, x0, y0, d0, id);
        pr.to(p1, x1, y1, d1, id);
        Ramp t = tone(ramp, pose);
        parts.push_back({(d0 + d1) / 2 + bias, [=](Image& im) {
                             Mask m(Size, Size);
                             m.capsule(x0, y0, x1, y1, r);
                             Painter(im).shade(m, t, lined ? outline : Rgba());
                         }});
    };
    auto ellipse = [&](V3 c, double rx, double ry, const Ramp& ramp, double bias = 0) {
        double x, y, d;
        int id = partNo++;
        pr.to(c, x, y, d, id);
        if (pose.topple > 0.5)
            std::swap(rx, ry), ry *= 0.8;
        Ramp t = tone(ramp, pose);
        parts.push_back({d + bias, [=](Image& im) {
                             Mask m(Size, Size);
                             m.ellipse(x, y, rx, ry);
                             Painter(im).shade(m, t, outline);
                         }});
    };

    const double hip = 13 + pose.bob, shoulder = 24 + pose.bob, neck = 27 + pose.bob, headH = 34 + pose.bob;
    const double lean = pose.lean;
    const double legR = look.skeleton ? 1.3 : 2.4, armR = look.skeleton ? 1.2 : 2.0;
    const double bw = look.bodyWidth * (0.72 + 0.28 * (1 - side)) ;

    // Legs and feet.
    for (int s = -1; s <= 1; s += 2) {
        double footF = s < 0 ? pose.legL : pose.legR, lift = s < 0 ? pose.liftL : pose.liftR;
        V3 hipP{s * 3.0, lean * 0.2, hip};
        V3 foot{s * 3.0, footF, 2 + lift};
        V3 knee{s * 3.2, (footF + lean * 0.2) / 2 + 1.5, (hip + 2 + lift) / 2 + 1};
        if (!look.robe || true) {
            capsule(hipP, knee, legR, look.legs);
            capsule(knee, foot, legR, look.legs);
        }
        ellipse({s * 3.0, footF + 1.2, 1.5 + lift}, 2.6, 1.8, look.boots, 0.2);
    }
    // Torso (robe reaches the knees).
    {
        V3 c{0, lean * 0.6, (hip + shoulder) / 2 + 1};
        if (look.skeleton) {
            ellipse({0, lean * 0.4, hip + 1}, 4.5, 2.5, look.torso); // pelvis
            capsule({0, lean * 0.4, hip}, {0, lean * 0.7, neck}, 1.4, look.torso);
            ellipse(c, bw * 0.85, 5.5, look.torso, 0.1); // ribcage
            double x, y, d;
            pr.to(c, x, y, d, partNo);
            double ribW = bw * 0.85;
            parts.push_back({d + 0.15, [=](Image& im) {
                                 for (int k = -2; k <= 2; k += 2)
                                     for (int i = -static_cast<int>(ribW) + 2; i <= static_cast<int>(ribW) - 2; ++i)
                                         im.set(static_cast<int>(x) + i, static_cast<int>(y) + k, Palette::Steel);
                                 for (int k = -3; k <= 3; ++k)
                                     im.set(static_cast<int>(x), static_cast<int>(y) + k, Palette::Ash);
                             }});
        } else {
            double topH = shoulder + 1.5, bottomH = look.robe ? 6 : hip - 1.5;
            double x0, y0, d0, x1, y1, d1;
            int id = partNo++;
            pr.to({0, lean * 0.7, topH}, x0, y0, d0, id);
            pr.to({0, lean * 0.3, bottomH}, x1, y1, d1, id);
            Ramp t = tone(look.torso, pose), beltT = tone(look.belt, pose), scarfT = tone({Palette::Rust, Palette::Blood, Palette::Rose}, pose);
            Ramp tabard = tone({Palette::Rust, Palette::Blood, Palette::Rose}, pose);
            bool robe = look.robe, helmet = look.helmet, scarf = look.scarf;
            double beltY = 0;
            {
                double bx, by, bd;
                pr.to({0, lean * 0.4, hip + 1}, bx, by, bd, id);
                beltY = by;
            }
            double fr = front;
            parts.push_back({(d0 + d1) / 2, [=](Image& im) {
                                 Mask m(Size, Size);
                                 double wTop = bw, wBot = robe ? bw + 3 : bw - 0.8;
                                 m.polygon({x0 - wTop, y0 + 2, x0 + wTop, y0 + 2, x1 + wBot, y1, x1 - wBot, y1});
                                 m.ellipse(x0, y0 + 2.5, wTop, 3);
                                 Painter p(im);
                                 p.shade(m, t, outline);
                                 // Belt across the waist.
                                 for (int i = static_cast<int>(x1 - bw); i <= static_cast<int>(x1 + bw); ++i)
                                     for (int k = 0; k < 2; ++k)
                                         if (m.get(i, static_cast<int>(beltY) + k) && m.get(i - 1, static_cast<int>(beltY) + k) && m.get(i + 1, static_cast<int>(beltY) + k))
                                             im.set(i, static_cast<int>(beltY) + k, k ? beltT.shade : beltT.base);
                                 if (helmet && fr > -0.2) { // tabard down the front
                                     for (int y = static_cast<int>(y0 + 4); y < static_cast<int>(y1 + (robe ? 0 : 3)); ++y)
                                         for (int i = -2; i <= 2; ++i)
                                             if (m.get(static_cast<int>(x0) + i, y) && m.get(static_cast<int>(x0) + i - 1, y) && m.get(static_cast<int>(x0) + i + 1, y))
                                                 im.set(static_cast<int>(x0) + i, y, i < 0 ? tabard.light : tabard.base);
                                 }
                                 if (scarf) {
                                     Mask s(Size, Size);
                                     s.ellipse(x0, y0 + 2, bw - 0.5, 2.2);
                                     p.shade(s, scarfT, outline);
                                 }
                             }});
        }
    }
    // Backpack.
    if (look.backpack)
        ellipse({0, -5 + lean * 0.5, shoulder - 5}, 5.5, 6, {Palette::Bark, Palette::Leather, Palette::Tan}, -0.5);

    // Arms and hands.
    for (int s = -1; s <= 1; s += 2) {
        bool right = s > 0;
        double hf = right ? pose.armRf : pose.armLf, hh = right ? pose.armRh : pose.armLh;
        double ha = right ? pose.armRa : 0;
        V3 sh{s * (bw + 0.8), lean * 0.7, shoulder};
        V3 hand{s * (bw + 1.5) + s * ha, hf + lean, shoulder - 9 + hh};
        V3 elbow{s * (bw + 1.8), (hf + lean) * 0.5, (shoulder + hand.h) / 2 - 0.5};
        capsule(sh, elbow, armR, look.sleeves);
        capsule(elbow, hand, armR * 0.95, look.skeleton ? look.torso : look.sleeves);
        ellipse(hand, 1.9, 1.9, look.skin, 0.05);
        // Weapons in the hands.
        if (right && (look.weapon == Weapon::Sword || look.weapon == Weapon::RustySword) && pose.swing > -900) {
            double ang = pose.swing * kPi / 180.0;
            // The blade points along a circle around the hand: 0 forward, -90 up-back.
            double len = 17;
            // A flat slash around the body, held a little above the hand.
            V3 tip{hand.a + std::sin(ang) * len * 0.8, hand.f + std::cos(ang) * len, hand.h + 3 - 7 * std::cos(ang)};
            if (pose.swing < -150) // resting: blade down and forward
                tip = {hand.a + 1, hand.f + 6, hand.h - 10};
            Ramp blade = look.weapon == Weapon::RustySword ? Ramp{Palette::Rust, Palette::Stone, Palette::Ash}
                                                             : Ramp{Palette::Ash, Palette::Steel, Palette::White};
            capsule(hand, tip, 1.3, blade, 0.3, false);
            V3 g0{hand.a - 2.5, hand.f + 0.5, hand.h + 0.5}, g1{hand.a + 2.5, hand.f + 0.5, hand.h + 0.5};
            capsule(g0, g1, 0.9, {Palette::Rust, Palette::Ochre, Palette::Yellow}, 0.35);
        }
        if (!right && look.weapon == Weapon::Bow && pose.topple < 0.5) { // dropped when falling
            // Bow held upright in the left hand, string pulled by the right.
            double x, y, d;
            int id = partNo++;
            pr.to(hand, x, y, d, id);
            double rx, ry, rd;
            V3 pull{s * -(bw * 0.5), -2 + (1 - pose.bowDraw) * 2, shoulder - 5};
            pr.to({pull.a, hand.f - 2 - pose.bowDraw * 8, hand.h + 1}, rx, ry, rd, id);
            Ramp bowT = tone({Palette::Rust, Palette::Leather, Palette::Tan}, pose);
            double draw = pose.bowDraw;
            bool nocked = pose.arrowNocked;
            parts.push_back({d + 0.4, [=](Image& im) {
                                 Painter p(im);
                                 Mask m(Size, Size);
                                 // Bow limbs as a bent capsule pair.
                                 double bend = 3 + 2 * draw;
                                 m.capsule(x, y - 11, x + bend, y - 4, 1.0);
                                 m.capsule(x + bend, y - 4, x + bend, y + 4, 1.1);
                                 m.capsule(x + bend, y + 4, x, y + 11, 1.0);
                                 p.shade(m, bowT, outline);
                                 double sx = draw > 0.05 ? rx : x - 0.5;
                                 double sy = draw > 0.05 ? ry : y;
                                 p.line(static_cast<int>(x), static_cast<int>(y - 11), static_cast<int>(sx), static_cast<int>(sy), Palette::Ice);
                                 p.line(static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(x), static_cast<int>(y + 11), Palette::Ice);
                                 if (nocked) {
                                     p.line(static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(x + bend + 5), static_cast<int>(y), Palette::Tan);
                                     im.set(static_cast<int>(x + bend + 6), static_cast<int>(y), Palette::White);
                                 }
                             }});
        }
        if (!right && look.shield) {
            V3 c{hand.a - 1.5, hand.f + 1.5, hand.h + 2};
            double x, y, d;
            int id = partNo++;
            pr.to(c, x, y, d, id);
            Ramp wood = tone({Palette::Rust, Palette::Leather, Palette::Tan}, pose);
            Ramp rim = tone({Palette::Ash, Palette::Steel, Palette::White}, pose);
            double squash = 0.45 + 0.55 * std::fabs(std::cos(rad + kPi / 2 * 0)) * 0 + 0.55 * side;
            parts.push_back({d + 0.2 + (front > 0 ? 0 : -0.4), [=](Image& im) {
                                 Painter p(im);
                                 Mask m(Size, Size);
                                 m.ellipse(x, y, 6 * std::max(0.35, squash), 7);
                                 p.shade(m, rim, outline);
                                 Mask in(Size, Size);
                                 in.ellipse(x, y, 6 * std::max(0.35, squash) - 1.6, 5.4);
                                 p.shade(in, wood, Rgba());
                                 im.set(static_cast<int>(x), static_cast<int>(y), Palette::Yellow);
                             }});
        }
    }

    // Head, hair or helmet, face.
    {
        V3 c{pose.headTurn * 1.2, lean * 1.1, headH};
        double x, y, d;
        int id = partNo++;
        pr.to(c, x, y, d, id);
        Ramp skin = tone(look.skin, pose), hair = tone(look.hair, pose);
        Ramp steel = tone({Palette::Ash, Palette::Steel, Palette::White}, pose);
        Ramp hatT = tone({Palette::Bark, Palette::Ochre, Palette::Tan}, pose);
        double fr = front, turn = pose.headTurn, cs = std::cos(rad);
        Look lk = look;
        bool lying = pose.topple > 0.5;
        double crumble = pose.crumble;
        parts.push_back({d + 0.5, [=](Image& im) {
                             Painter p(im);
                             Mask head(Size, Size);
                             double r = lk.skeleton ? 6.6 : 7.2;
                             head.ellipse(x, y, r, r * (lk.skeleton ? 1.0 : 0.95));
                             if (lk.skeleton && !lying)
                                 head.rect(static_cast<int>(x - 2.5), static_cast<int>(y + 3), 5, 3);
                             p.shade(head, lk.helmet ? steel : skin, outline);
                             // Where the face looks on screen.
                             double fx = x + cs * 3.2 + turn * 1.5, fy = y + 1 + fr * 0.8;
                             bool faceVisible = fr > -0.3 && !lying;
                             if (lk.skeleton) {
                                 if (faceVisible && crumble < 0.5) {
                                     int ex = static_cast<int>(fx), ey = static_cast<int>(fy);
                                     for (int e : {-2, 1})
                                         if (side < 0.9 || (cs > 0 ? e > 0 : e < 0)) {
                                             p.rect(ex + e, ey - 1, 2, 2, Palette::Night);
                                             im.set(ex + e, ey - 1, Palette::Blood);
                                         }
                                     p.line(ex - 1, ey + 3, ex + 1, ey + 3, Palette::Soot);
                                 }
                                 return;
                             }
                             if (lk.helmet) {
                                 // Visor slit and a red plume running over the top.
                                 if (faceVisible)
                                     p.rect(static_cast<int>(fx) - 2 - (side > 0.9 ? 0 : 1), static_cast<int>(fy) - 1,
                                            side > 0.9 ? 3 : 5, 2, Palette::Night);
                                 Mask plume(Size, Size);
                                 plume.capsule(x - cs * 2, y - 6, x - cs * 5, y - 2, 1.8);
                                 p.shade(plume, tone({Palette::Rust, Palette::Blood, Palette::Rose}, HumanoidRig::Pose{}), outline);
                                 return;
                             }
                             // Hair: a cap on the back and top of the head.
                             Mask cap(Size, Size);
                             cap.ellipse(x - cs * 1.0, y - 1.8 - fr * 0.8, r + 0.3, r * 0.78);
                             if (fr > 0.3)
                                 cap.rect(static_cast<int>(x - r), static_cast<int>(y + 1), 12, 6, false);
                             cap.intersect(head);
                             p.shade(cap, hair, Rgba());
                             if (faceVisible) {
                                 int ex = static_cast<int>(fx), ey = static_cast<int>(fy);
                                 if (side > 0.9) {
                                     im.set(ex + (cs > 0 ? 1 : -1), ey, Palette::Night);
                                 } else {
                                     im.set(ex - 2, ey, Palette::Night);
                                     im.set(ex + 1, ey, Palette::Night);
                                     if (fr > 0.8)
                                         im.set(ex, ey + 2, skin.shade);
                                 }
                             }
                             if (lk.hat) {
                                 Mask brim(Size, Size);
                                 brim.ellipse(x, y - 2.5, 9.5, 4);
                                 p.shade(brim, hatT, outline);
                                 Mask crown(Size, Size);
                                 crown.ellipse(x, y - 5, 5, 4.2);
                                 p.shade(crown, hatT, outline);
                                 p.line(static_cast<int>(x - 4), static_cast<int>(y - 3), static_cast<int>(x + 4), static_cast<int>(y - 3), Palette::Blood);
                                 p.line(static_cast<int>(x + 3), static_cast<int>(y - 8), static_cast<int>(x + 6), static_cast<int>(y - 12), Palette::White);
                             }
                         }});
    }

    std::stable_sort(parts.begin(), parts.end(), [](const Part& a, const Part& b) { return a.depth < b.depth; });
    for (const Part& p : parts)
        p.draw(img);
    Painter::outline(img, Palette::Night);
    // The soft shadow under the feet, drawn last under everything.
    Image out(Size, Size);
    Painter::shadow(out, kGroundX + 1, kGroundY + 1, pose.topple > 0.5 ? 14 : 10, 3.5);
    out.draw(img, 0, 0);
    return out;
}
