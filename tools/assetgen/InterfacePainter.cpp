#include "InterfacePainter.hpp"

#include "Mask.hpp"
#include "Noise.hpp"
#include "Painter.hpp"
#include "PixelFont.hpp"
#include "Rng.hpp"

#include <cmath>

const int InterfacePainter::Slots[13][4] = {
    {32, 32, 112, 192}, {160, 32, 112, 192}, {352, 32, 144, 256}, {616, 24, 160, 256},
    {32, 240, 48, 48},  {96, 240, 48, 48},   {160, 240, 48, 48},  {224, 240, 48, 48},
    {512, 40, 48, 64},  {512, 120, 48, 160}, {288, 40, 48, 48},   {288, 104, 48, 48},
    {288, 168, 48, 48}};

namespace {
// Light parchment, never pure white (white is the windows' transparent key).
void parchment(Image& img, int x0, int y0, int w, int h, unsigned seed) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            double n = Noise::fractal(x, y, 48, 3, seed) + (Noise::bayer(x, y) - 0.5) * 0.12;
            img.set(x, y, n < 0.36 ? Palette::Tan : Palette::Skin);
        }
}

void bevelBox(Image& img, int x, int y, int w, int h, bool inset) {
    Painter p(img);
    p.rect(x, y, w, h, Palette::Leather);
    for (int j = y + 2; j < y + h - 2; ++j)
        for (int i = x + 2; i < x + w - 2; ++i)
            if (Noise::bayer(i, j) < 0.25)
                img.set(i, j, Palette::Rust);
    Rgba tl = inset ? Palette::Rust : Palette::Skin, br = inset ? Palette::Skin : Palette::Rust;
    p.rect(x, y, w, 2, tl);
    p.rect(x, y, 2, h, tl);
    p.rect(x, y + h - 2, w, 2, br);
    p.rect(x + w - 2, y, 2, h, br);
    p.frame(x - 1, y - 1, w + 2, h + 2, Palette::Night);
}

void ornamentFrame(Image& img, int x, int y, int w, int h) {
    Painter p(img);
    p.frame(x, y, w, h, Palette::Night);
    p.frame(x + 1, y + 1, w - 2, h - 2, Palette::Ochre);
    p.frame(x + 2, y + 2, w - 4, h - 4, Palette::Leather);
    p.frame(x + 3, y + 3, w - 6, h - 6, Palette::Night);
    for (int cx : {x + 2, x + w - 7})
        for (int cy : {y + 2, y + h - 7}) {
            p.rect(cx, cy, 5, 5, Palette::Yellow);
            p.frame(cx, cy, 5, 5, Palette::Ochre);
        }
}

// Faint line-art hints of what goes in a box.
void hint(Image& img, int slot, int x, int y, int w, int h) {
    Painter p(img);
    Rgba c = Palette::Tan;
    int cx = x + w / 2, cy = y + h / 2;
    switch (slot) {
    case 0:
    case 1: // swords
        p.line(cx, y + 20, cx, y + h - 30, c);
        p.line(cx - 14, y + h - 40, cx + 14, y + h - 40, c);
        p.line(cx, y + h - 40, cx, y + h - 16, c);
        break;
    case 2: { // a body: head, shoulders, torso
        Mask m(img.width(), img.height());
        m.ellipse(cx, y + 50, 18, 18);
        m.polygon({cx - 44.0, y + 100.0, cx + 44.0, y + 100.0, cx + 30.0, y + 220.0, cx - 30.0, y + 220.0});
        Mask b = m.border();
        p.fill(b, c);
        break;
    }
    case 3: // a bow
        for (int i = 0; i <= 40; ++i) {
            double t = i / 40.0;
            p.pixel(static_cast<int>(cx - 30 + 50 * std::sin(t * 3.14159)), static_cast<int>(y + 20 + t * (h - 40)), c);
        }
        p.line(cx - 30, y + 20, cx - 30, y + h - 20, c);
        break;
    case 9: // a quiver of arrows
        p.frame(x + 12, y + 30, w - 24, h - 40, c);
        for (int i = 0; i < 3; ++i)
            p.line(x + 16 + i * 7, y + 12, x + 16 + i * 7, y + 30, c);
        break;
    case 10:
    case 11:
    case 12: { // flasks
        Mask m(img.width(), img.height());
        m.ellipse(cx, cy + 5, 12, 11);
        m.rect(cx - 4, cy - 16, 8, 10);
        Mask b = m.border();
        p.fill(b, c);
        break;
    }
    default: { // rings and trinkets
        Mask m(img.width(), img.height());
        m.ellipse(cx, cy, 11, 11);
        m.ellipse(cx, cy, 7, 7, false);
        p.fill(m.border(), c);
        break;
    }
    }
}
} // namespace

Image InterfacePainter::loadingScreen() {
    Image img(800, 600);
    // Evening sky in dithered bands.
    const Rgba sky[] = {Palette::Night, Palette::Indigo, Palette::Violet, Palette::Rose, Palette::Orange, Palette::Yellow};
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            double t = std::min(0.999, y / 330.0) * 5;
            int band = static_cast<int>(t);
            double frac = t - band;
            img.set(x, y, sky[frac > Noise::bayer(x, y) ? std::min(5, band + 1) : band]);
        }
    // Stars.
    Rng r(61);
    for (int i = 0; i < 90; ++i)
        img.set(r.range(0, 799), r.range(0, 120), i % 5 ? Palette::Ice : Palette::White);
    // Mountain ridges, far to near.
    const Rgba ridge[] = {Palette::Violet, Palette::Indigo, Palette::Plum, Palette::Slate};
    for (int layer = 0; layer < 4; ++layer)
        for (int x = 0; x < 800; ++x) {
            double base = 250 + layer * 45;
            double hgt = base - 90 * (1 - layer * 0.2) * Noise::fractal(x, layer * 100, 160 - layer * 25, 4, 62 + layer);
            for (int y = static_cast<int>(hgt); y < 600; ++y)
                img.set(x, y, ridge[layer]);
            if (layer == 0) // snow on the far peaks
                for (int y = static_cast<int>(hgt); y < hgt + 6 && hgt < 200; ++y)
                    img.set(x, y, Palette::Pink);
        }
    // A keep with lit windows on the near hill.
    Painter p(img);
    p.rect(560, 250, 40, 120, Palette::Night);
    p.rect(552, 240, 56, 14, Palette::Night);
    for (int i = 0; i < 4; ++i)
        p.rect(552 + i * 15, 232, 8, 8, Palette::Night);
    p.rect(610, 290, 70, 80, Palette::Night);
    p.rect(575, 270, 4, 7, Palette::Yellow);
    p.rect(630, 310, 4, 6, Palette::Yellow);
    p.rect(655, 310, 4, 6, Palette::Orange);
    // A dark fir wood along the bottom, in front of the hills.
    for (int i = 0; i < 46; ++i) {
        double x = i * 18 + r.range(-5, 5), top = 470 + r.range(0, 70), w = r.range(14, 22);
        Mask m(800, 600);
        for (int tier = 0; tier < 3; ++tier) {
            double ty = top + tier * (600 - top) / 4.0;
            double half = w * (0.5 + tier * 0.3);
            m.polygon({x, ty, x + half, ty + (600 - top) / 2.2, x - half, ty + (600 - top) / 2.2});
        }
        m.rect(static_cast<int>(x) - 2, static_cast<int>(top), 4, 600 - static_cast<int>(top));
        p.fill(m, Palette::Night);
    }
    p.rect(0, 585, 800, 15, Palette::Night);
    // The title.
    const std::string title = "VARNHOLT";
    int scale = 11, tw = PixelFont::width(title, scale);
    PixelFont::drawOutlined(img, title, (800 - tw) / 2, 70, scale, Palette::Yellow, Palette::Night);
    for (int y = 70 + 4 * scale; y < 70 + 7 * scale; ++y)
        for (int x = (800 - tw) / 2; x < (800 + tw) / 2; ++x)
            if (img.get(x, y) == Palette::Yellow)
                img.set(x, y, Palette::Orange);
    // Calm parchment band for the progress bar and the black texts.
    parchment(img, 70, 330, 660, 140, 63);
    ornamentFrame(img, 66, 326, 668, 148);
    return img;
}

Image InterfacePainter::icon() {
    Image img(32, 32);
    Painter p(img);
    Mask shield(32, 32);
    shield.polygon({4, 3, 28, 3, 28, 16, 16, 30, 4, 16});
    p.shade(shield, {Palette::Ochre, Palette::Orange, Palette::Yellow}, Palette::Night);
    Mask inner(32, 32);
    inner.polygon({7, 6, 25, 6, 25, 15, 16, 26, 7, 15});
    p.shade(inner, {Palette::Indigo, Palette::Navy, Palette::Royal}, Rgba());
    // A white V on the field.
    for (int i = 0; i < 10; ++i) {
        p.rect(9 + i / 2, 8 + i, 2, 1, Palette::White);
        p.rect(21 - i / 2, 8 + i, 2, 1, Palette::White);
    }
    return img;
}

Image InterfacePainter::playerBars() {
    const int W = BarsW, H = BarsH;
    Image img(W, 4 * H);
    auto bar = [&](int row, Rgba dark, Rgba base, Rgba light) {
        Painter p(img);
        int y = row * H;
        Mask m(W, 4 * H);
        m.rect(1, y + 1, W - 2, H - 2);
        p.fill(m, base);
        p.rect(2, y + 2, W - 4, 2, light);
        p.rect(2, y + H - 4, W - 4, 2, dark);
        p.frame(0, y, W, H, Palette::Night);
        p.frame(1, y + 1, W - 2, H - 2, Palette::Ochre);
    };
    bar(0, Palette::Night, Palette::Slate, Palette::Soot);
    bar(1, Palette::Plum, Palette::Blood, Palette::Rose);
    bar(3, Palette::Moss, Palette::Leaf, Palette::Lime);
    return img; // row 2 stays empty: the gap between the two bars
}

Image InterfacePainter::lifeBar() {
    const int W = LifeW, H = LifeH;
    Image img(W, 2 * H);
    Painter p(img);
    p.rect(0, 0, W, H, Palette::Night);
    p.rect(1, 1, W - 2, H - 2, Palette::Soot);
    p.rect(0, H, W, H, Palette::Night);
    p.rect(1, H + 1, W - 2, H - 2, Palette::Blood);
    p.rect(1, H + 1, W - 2, 1, Palette::Rose);
    return img;
}

Image InterfacePainter::inventoryBackground() {
    Image img(800, 600);
    parchment(img, 0, 0, 800, 600, 64);
    ornamentFrame(img, 0, 0, 800, 600);
    for (int i = 0; i < 13; ++i) {
        const int* s = Slots[i];
        bevelBox(img, s[0], s[1], s[2], s[3], true);
        hint(img, i, s[0], s[1], s[2], s[3]);
    }
    // A divider under the boxes and the bag's area below it.
    Painter p(img);
    p.rect(24, 312, 752, 2, Palette::Leather);
    p.rect(24, 314, 752, 1, Palette::Skin);
    bevelBox(img, 32, 330, 736, 238, true);
    return img;
}

Image InterfacePainter::characteristicsBackground(const Image& hero) {
    const int W = CharacteristicsW, H = CharacteristicsH;
    Image img(W, H);
    parchment(img, 0, 0, W, H, 65);
    ornamentFrame(img, 0, 0, W, H);
    // Portrait of the hero in a box (no pure white: it would be cut out).
    bevelBox(img, 14, 12, 72, 72, true);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            Rgba c = hero.get(x, y);
            if (c.a == 255)
                img.set(18 + x, 8 + y + 8, c == Palette::White ? Palette::Ice : c);
        }
    const Rgba ink = Palette::Rust;
    PixelFont::draw(img, "LIFE", 219 - 8 - PixelFont::width("LIFE", 2), 42, 2, ink);
    PixelFont::draw(img, "ARMOR", 219 - 8 - PixelFont::width("ARMOR", 2), 91, 2, ink);
    PixelFont::draw(img, "REACH", 219 - 8 - PixelFont::width("REACH", 2), 107, 2, ink);
    PixelFont::draw(img, "DAMAGE", 12, 107 - 18, 2, ink);
    Painter p(img);
    p.rect(100, 70, 186, 1, Palette::Tan);
    return img;
}

Image InterfacePainter::deathHead() {
    Image img(260, 230);
    Painter p(img);
    // Crossed bones behind the skull.
    for (int s = -1; s <= 1; s += 2) {
        Mask bone(260, 230);
        bone.capsule(130 - s * 95, 40, 130 + s * 95, 165, 7);
        for (double ex : {130 - s * 95.0, 130 + s * 95.0}) {
            double ey = ex == 130 - s * 95.0 ? 40 : 165;
            bone.ellipse(ex - 7, ey, 9, 9);
            bone.ellipse(ex + 7, ey, 9, 9);
        }
        p.shade(bone, {Palette::Steel, Palette::Ice, Palette::White}, Palette::Night);
    }
    Mask skull(260, 230);
    skull.ellipse(130, 82, 62, 58);
    skull.rect(92, 110, 76, 44);
    skull.ellipse(130, 150, 38, 12);
    p.shade(skull, {Palette::Steel, Palette::Ice, Palette::White}, Palette::Night);
    for (int s = -1; s <= 1; s += 2) {
        Mask eye(260, 230);
        eye.ellipse(130 + s * 25, 95, 16, 14);
        p.fill(eye, Palette::Night);
        Mask glint(260, 230);
        glint.ellipse(130 + s * 25, 97, 4, 4);
        p.fill(glint, Palette::Blood);
        p.pixel(130 + s * 25 - 1, 95, Palette::Rose);
    }
    Mask nose(260, 230);
    nose.polygon({130, 112, 122, 130, 138, 130});
    p.fill(nose, Palette::Night);
    for (int i = 0; i < 7; ++i) {
        p.rect(103 + i * 8, 140, 7, 14, Palette::Ice);
        p.frame(103 + i * 8, 140, 7, 14, Palette::Soot);
    }
    p.line(100, 140, 160, 140, Palette::Night);
    const std::string text = "YOU HAVE FALLEN";
    PixelFont::drawOutlined(img, text, (260 - PixelFont::width(text, 2)) / 2, 196, 2, Palette::Rose, Palette::Night);
    return img;
}
