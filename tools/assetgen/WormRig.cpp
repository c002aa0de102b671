#include "WormRig.hpp"

#include "Mask.hpp"
#include "Painter.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kPi = 3.14159265358979323846;
Rgba pale(Rgba c, double t) { return t <= 0 ? c : Palette::mix(c, Palette::White, t); }
} // namespace

Image WormRig::frame(const Pose& pose, double facing) {
    const int S = Size;
    Image body(S, S);
    double rad = facing * kPi / 180.0;
    double fx = std::cos(rad), fy = std::sin(rad), rx = -fy, ry = fx;
    const int segments = 7;
    struct Seg {
        double x, y, r, depth, h;
        int i;
    };
    std::vector<Seg> segs;
    // Head at the front, the tail trailing behind in a sideways wave.
    for (int i = 0; i < segments; ++i) {
        double f = 10 - i * 4.6 + pose.shiftF + (i == 0 ? pose.lunge : (i == 1 ? pose.lunge * 0.5 : 0));
        double a = std::sin(pose.phase - i * 0.9) * 3.2 * pose.crawl * (i == 0 ? 0.5 : 1.0);
        double r = (i == 0 ? 6.2 : 6.6 - i * 0.55) * (1 - pose.flatten * 0.15);
        double h = r * 0.75 * (1 - pose.flatten * 0.7);
        if (i == 0)
            h += pose.rear * 14;
        else if (i == 1)
            h += pose.rear * 7;
        else if (i == 2)
            h += pose.rear * 2;
        // Tail curls as it dies.
        if (pose.flatten > 0) {
            a += pose.flatten * std::sin(i * 0.8) * 4;
            f -= pose.flatten * (i * 0.6);
        }
        double gx = a * rx + f * fx, gy = a * ry + f * fy;
        segs.push_back({32 + gx, 48 + gy * 0.55 - h, r, gy + (i == 0 ? 0.3 : 0), h, i});
    }
    std::vector<Seg> order = segs;
    std::stable_sort(order.begin(), order.end(), [](const Seg& a, const Seg& b) { return a.depth < b.depth; });
    const Rgba night = Palette::Night;
    auto tone = [&](Rgba c) {
        Rgba p = pale(c, pose.flash);
        return pose.flatten > 0 ? Palette::mix(p, Palette::Plum, pose.flatten * 0.5) : p;
    };
    for (const Seg& s : order) {
        Mask m(S, S);
        m.ellipse(s.x, s.y, s.r, s.r * 0.82);
        Painter p(body);
        p.shade(m, {tone(Palette::Plum), tone(Palette::Rose), tone(Palette::Pink)}, night);
        // Rings: a darker band across each segment, and a pale belly stripe.
        if (s.i > 0) {
            for (int y = 0; y < S; ++y)
                for (int x = 0; x < S; ++x) {
                    if (!m.get(x, y) || !m.get(x - 1, y) || !m.get(x + 1, y) || !m.get(x, y - 1) || !m.get(x, y + 1))
                        continue;
                    double u = (x + 0.5 - s.x) * fx + (y + 0.5 - s.y) * fy;
                    if (std::fabs(u - s.r * 0.55) < 0.7)
                        body.set(x, y, tone(Palette::Plum));
                }
        } else {
            // Head: mouth on the front, small dark eyes, fangs.
            double mx = s.x + fx * s.r * 0.55, my = s.y + fy * s.r * 0.45 + 1;
            double open = 1.2 + pose.mouth * 3.2;
            if (fy > -0.5) {
                Mask mouth(S, S);
                mouth.ellipse(mx, my, 2.6 + pose.mouth * 1.5, open * 0.7);
                mouth.intersect(m);
                p.fill(mouth, Palette::Night);
                Mask gum(S, S);
                gum.ellipse(mx, my + 0.5, 1.4 + pose.mouth, open * 0.35);
                gum.intersect(mouth);
                p.fill(gum, Palette::Blood);
                for (int k = -1; k <= 1; k += 2) {
                    body.set(static_cast<int>(mx + k * 2), static_cast<int>(my - open * 0.6), Palette::White);
                    if (pose.mouth > 0.3)
                        body.set(static_cast<int>(mx + k * 2), static_cast<int>(my + open * 0.6), Palette::White);
                }
            }
            double ex = s.x - fx * 1.0, ey = s.y - 2.5;
            body.set(static_cast<int>(ex + rx * 3), static_cast<int>(ey + ry * 1.5), Palette::Night);
            body.set(static_cast<int>(ex - rx * 3), static_cast<int>(ey - ry * 1.5), Palette::Night);
        }
    }
    Painter::outline(body, night);
    Image out(S, S);
    Painter::shadow(out, 33, 50, 15, 4);
    out.draw(body, 0, 0);
    return out;
}
