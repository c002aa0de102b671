#include "Emblem.hpp"

#include <cmath>

namespace {

constexpr int ShieldTop = 5;
constexpr int ShieldHeight = Emblem::Height - ShieldTop;
constexpr int Centre = Emblem::Width / 2;

Mask shield() {
    const double half = Emblem::Width / 2.0;
    return Mask::fromShape(Emblem::Width, ShieldHeight, [half](double x, double y) {
        const double u = std::abs(x - half) / half;
        const double v = y / ShieldHeight;
        if (u > 0.97)
            return false;
        // Straight flanks for the upper part, then two arcs meeting at the point.
        if (v < 0.45)
            return v > 0.02 + 0.05 * u * u;
        const double t = (v - 0.45) / 0.55;
        return u < 0.97 * std::sqrt(std::max(0.0, 1.0 - t * t * 1.02));
    });
}

// The sword's parts, in emblem coordinates.
struct Sword {
    Mask pommel{Emblem::Width, Emblem::Height};
    Mask grip{Emblem::Width, Emblem::Height};
    Mask guard{Emblem::Width, Emblem::Height};
    Mask blade{Emblem::Width, Emblem::Height};
};

Sword sword() {
    Sword s;
    for (int x = Centre - 1; x <= Centre + 1; ++x)
        for (int y = 1; y <= 2; ++y)
            s.pommel.set(x, y);
    s.pommel.set(Centre, 0);
    s.pommel.set(Centre, 3);
    for (int y = 4; y <= 7; ++y)
        s.grip.set(Centre, y);
    for (int x = Centre - 6; x <= Centre + 6; ++x)
        for (int y = 8; y <= 9; ++y)
            s.guard.set(x, y);
    s.guard.set(Centre - 6, 9, false);
    s.guard.set(Centre + 6, 9, false);
    const int tip = Emblem::Height - 6;
    for (int y = 10; y < tip; ++y)
        for (int x = Centre - 1; x <= Centre + 1; ++x)
            s.blade.set(x, y);
    s.blade.set(Centre, tip);
    s.blade.set(Centre, tip + 1);
    return s;
}

} // namespace

void Emblem::paint(Canvas& canvas, int x, int y) {
    const Mask body = shield();
    const Mask field = body.shrunk().shrunk();
    const int sy = y + ShieldTop;

    canvas.outline(body, x, sy, Palette::Black, true);
    canvas.paintLit(body, x, sy, Palette::Tan, Palette::Olive, Palette::Rust);
    canvas.paintLit(field, x, sy, Palette::Royal, Palette::Navy, Palette::Indigo);
    // A sheen across the field's top-left corner.
    for (int j = 0; j < ShieldHeight; ++j)
        for (int i = 0; i < Width; ++i)
            if (field.shrunk().at(i, j) && i + j < 12)
                canvas.set(x + i, sy + j, Palette::Sky);

    const Sword s = sword();
    Mask whole(Width, Height);
    whole.stamp(s.pommel, 0, 0);
    whole.stamp(s.grip, 0, 0);
    whole.stamp(s.guard, 0, 0);
    whole.stamp(s.blade, 0, 0);
    canvas.outline(whole, x, y, Palette::Black);
    canvas.paintLit(s.blade, x, y, Palette::White, Palette::Steel, Palette::Ash);
    // The blade's ridge catches the light.
    for (int j = 11; j < Height - 8; ++j)
        canvas.set(x + Centre, y + j, Palette::Ice);
    canvas.paint(s.grip, x, y, Palette::Leather);
    canvas.paintLit(s.guard, x, y, Palette::Skin, Palette::Tan, Palette::Olive);
    canvas.paintLit(s.pommel, x, y, Palette::Skin, Palette::Tan, Palette::Olive);
}
