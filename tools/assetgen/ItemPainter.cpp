#include "ItemPainter.hpp"

#include "Mask.hpp"
#include "Painter.hpp"

#include <cmath>

namespace {
constexpr double kPi = 3.14159265358979323846;
const Ramp kSteel{Palette::Ash, Palette::Steel, Palette::White};
const Ramp kWood{Palette::Rust, Palette::Leather, Palette::Tan};
const Ramp kGold{Palette::Ochre, Palette::Orange, Palette::Yellow};
const Ramp kLeather{Palette::Bark, Palette::Leather, Palette::Tan};

// An arrow from (x0, y0) to the head at (x1, y1), fletched at the tail.
void arrow(Image& img, double x0, double y0, double x1, double y1, double scale) {
    Painter p(img);
    double dx = x1 - x0, dy = y1 - y0, len = std::hypot(dx, dy);
    double ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    Mask shaft(img.width(), img.height());
    shaft.capsule(x0, y0, x1 - ux * 4 * scale, y1 - uy * 4 * scale, 0.6 * scale);
    p.shade(shaft, kWood, Rgba());
    Mask head(img.width(), img.height());
    head.polygon({x1, y1, x1 - ux * 6 * scale + nx * 2.5 * scale, y1 - uy * 6 * scale + ny * 2.5 * scale,
                  x1 - ux * 6 * scale - nx * 2.5 * scale, y1 - uy * 6 * scale - ny * 2.5 * scale});
    p.shade(head, kSteel, Rgba());
    for (int s = -1; s <= 1; s += 2) {
        Mask f(img.width(), img.height());
        f.polygon({x0 + ux * 1 * scale, y0 + uy * 1 * scale, x0 + ux * 7 * scale, y0 + uy * 7 * scale,
                   x0 + ux * 2 * scale + s * nx * 3 * scale, y0 + uy * 2 * scale + s * ny * 3 * scale});
        p.shade(f, {Palette::Rust, Palette::Blood, Palette::Rose}, Rgba());
    }
}
} // namespace

Image ItemPainter::swordThumbnail() {
    Image img(40, 150);
    Painter p(img);
    Mask blade(40, 150);
    blade.polygon({16, 40, 24, 40, 24, 128, 20, 142, 16, 128});
    p.shade(blade, kSteel, Rgba());
    p.line(20, 42, 20, 134, Palette::Ash); // fuller
    Mask guard(40, 150);
    guard.rect(4, 32, 32, 7);
    guard.ellipse(4, 35.5, 3.5, 3.5);
    guard.ellipse(36, 35.5, 3.5, 3.5);
    p.shade(guard, kGold, Rgba());
    Mask grip(40, 150);
    grip.rect(16, 10, 8, 22);
    p.shade(grip, kLeather, Rgba());
    for (int y = 12; y < 32; y += 3)
        p.line(16, y, 23, y + 1, Palette::Bark);
    Mask pommel(40, 150);
    pommel.ellipse(20, 7, 6, 6);
    p.shade(pommel, kGold, Rgba());
    Painter::outline(img, Palette::Night);
    return img;
}

Image ItemPainter::bowThumbnail() {
    Image img(64, 176);
    Painter p(img);
    Mask limb(64, 176);
    for (int i = 0; i <= 40; ++i) {
        double t = i / 40.0, y = 8 + t * 160, x = 14 + 30 * std::sin(t * kPi);
        limb.ellipse(x, y, 3.2 - std::fabs(t - 0.5) * 2.5, 3.2);
    }
    p.shade(limb, kWood, Rgba());
    Mask grip(64, 176);
    grip.rect(38, 76, 10, 24);
    p.shade(grip, kLeather, Rgba());
    p.line(13, 10, 13, 166, Palette::Ice);
    Painter::outline(img, Palette::Night);
    return img;
}

Image ItemPainter::arrowThumbnail() {
    Image img(24, 140);
    arrow(img, 12, 132, 12, 6, 2.0);
    Painter::outline(img, Palette::Night);
    return img;
}

Image ItemPainter::potionThumbnail() {
    Image img(40, 40);
    Painter p(img);
    Mask flask(40, 40);
    flask.ellipse(20, 25, 12, 11);
    flask.rect(16, 8, 8, 10);
    p.shade(flask, {Palette::Slate, Palette::Steel, Palette::White}, Rgba());
    Mask liquid(40, 40);
    liquid.ellipse(20, 26, 10, 9);
    liquid.rect(0, 0, 40, 20, false);
    p.shade(liquid, {Palette::Plum, Palette::Blood, Palette::Rose}, Rgba());
    p.pixel(14, 22, Palette::White);
    p.pixel(15, 21, Palette::White);
    Mask cork(40, 40);
    cork.rect(15, 3, 10, 6);
    p.shade(cork, kWood, Rgba());
    Painter::outline(img, Palette::Night);
    return img;
}

Image ItemPainter::arrowTileset() {
    Image img(32, 8 * 32);
    for (int row = 0; row < 8; ++row) {
        double a = row * 45.0 * kPi / 180.0;
        double ux = std::cos(a), uy = std::sin(a);
        Image one(32, 32);
        arrow(one, 16 - ux * 12, 16 - uy * 12, 16 + ux * 12, 16 + uy * 12, 1.0);
        Painter::outline(one, Palette::Night);
        img.paste(one, 0, row * 32);
    }
    return img;
}

Image ItemPainter::dropBag() {
    Image img(32, 32);
    Painter::shadow(img, 17, 27, 11, 3);
    Painter p(img);
    Mask bag(32, 32);
    bag.ellipse(16, 20, 10, 8.5);
    bag.polygon({11, 13, 21, 13, 18, 9, 14, 9});
    p.shade(bag, kLeather, Palette::Night);
    p.line(12, 13, 20, 13, Palette::Ochre);
    p.pixel(13, 12, Palette::Yellow);
    Mask neck(32, 32);
    neck.ellipse(16, 8, 4, 2.5);
    p.shade(neck, kLeather, Palette::Night);
    p.pixel(11, 18, Palette::Skin);
    return img;
}

Image ItemPainter::chestTileset() {
    Image img(3 * ChestW, 2 * ChestH);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) {
            Image c(ChestW, ChestH);
            Painter p(c);
            Painter::shadow(c, 25, 35, 20, 4);
            // Left and Right show the chest turned: narrower, its side visible.
            double w = col == 1 ? 38 : 30, x0 = (ChestW - w) / 2;
            Mask body(ChestW, ChestH);
            body.rect(static_cast<int>(x0), 16, static_cast<int>(w), 19);
            p.shade(body, kWood, Palette::Night);
            for (int y = 22; y < 34; y += 5)
                p.line(static_cast<int>(x0) + 1, y, static_cast<int>(x0 + w) - 2, y, Palette::Rust);
            if (col != 1) { // the side face
                int sx = col == 0 ? static_cast<int>(x0 + w) - 7 : static_cast<int>(x0);
                p.rect(sx, 17, 6, 17, Palette::Rust);
                p.line(sx + (col == 0 ? 0 : 5), 17, sx + (col == 0 ? 0 : 5), 33, Palette::Night);
            }
            for (int bx : {static_cast<int>(x0) + 3, static_cast<int>(x0 + w) - 6})
                p.rect(bx, 16, 3, 19, Palette::Ash);
            if (row == 0) {
                Mask lid(ChestW, ChestH);
                lid.rect(static_cast<int>(x0) - 1, 8, static_cast<int>(w) + 2, 9);
                lid.ellipse(x0 + w / 2, 9, w / 2 + 1, 4);
                p.shade(lid, kWood, Palette::Night);
                p.rect(static_cast<int>(x0 + w / 2) - 3, 14, 6, 7, Palette::Ochre);
                p.rect(static_cast<int>(x0 + w / 2) - 2, 15, 4, 5, Palette::Yellow);
                p.pixel(static_cast<int>(x0 + w / 2), 17, Palette::Night);
            } else {
                // Open: the lid stands up behind, the inside is dark and empty.
                Mask lid(ChestW, ChestH);
                lid.rect(static_cast<int>(x0) - 1, 1, static_cast<int>(w) + 2, 12);
                p.shade(lid, kWood, Palette::Night);
                p.rect(static_cast<int>(x0) + 2, 14, static_cast<int>(w) - 4, 5, Palette::Night);
                p.rect(static_cast<int>(x0) + 3, 15, static_cast<int>(w) - 6, 3, Palette::Plum);
            }
            img.paste(c, col * ChestW, row * ChestH);
        }
    return img;
}
