#include "BuildingPainter.hpp"

#include "Mask.hpp"
#include "Noise.hpp"
#include "Painter.hpp"
#include "Rng.hpp"

#include <cmath>

namespace {
// Shadow cast to the bottom-right by a box standing on (x0..x1, ground).
void castShadow(Image& img, int x0, int x1, int groundY, int depth) {
    for (int y = groundY - depth; y < groundY + 4; ++y)
        for (int x = x0 + 4; x <= x1 + 8; ++x)
            if (((x + y) & 1) == 0 && img.get(x, y).a == 0)
                img.set(x, y, Palette::Night.withAlpha(254));
}

void window(Painter& p, int x, int y, int w, int h, bool box) {
    p.rect(x - 1, y - 1, w + 2, h + 2, Palette::Bark);
    p.rect(x, y, w, h, Palette::Navy);
    p.rect(x, y, w, 1, Palette::Indigo);
    p.rect(x + w / 2, y, 1, h, Palette::Leather);
    p.rect(x, y + h / 2, w, 1, Palette::Leather);
    p.pixel(x + 1, y + 2, Palette::Ice);
    p.pixel(x + 2, y + 1, Palette::Cyan);
    if (box) {
        p.rect(x - 2, y + h + 1, w + 4, 3, Palette::Leather);
        for (int i = 0; i < w + 4; i += 2)
            p.pixel(x - 2 + i, y + h, i % 4 ? Palette::Rose : Palette::Leaf);
    }
}

void door(Painter& p, int x, int y, int w, int h) {
    p.rect(x - 1, y - 1, w + 2, h + 1, Palette::Night);
    p.rect(x, y, w, h, Palette::Rust);
    for (int i = 2; i < w; i += 4)
        p.rect(x + i, y, 1, h, Palette::Plum);
    p.rect(x, y, w, 1, Palette::Leather);
    p.pixel(x + w - 3, y + h / 2, Palette::Yellow);
}

void doorstep(Painter& p, int cx, int y) {
    p.rect(cx - 10, y, 20, 5, Palette::Ash);
    p.rect(cx - 10, y, 20, 1, Palette::Steel);
    p.rect(cx - 10, y + 5, 20, 1, Palette::Soot);
}

// Straw rows or clay tiles over a roof area.
void roofTexture(Image& img, const Mask& m, bool tiles, unsigned seed) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!m.get(x, y))
                continue;
            Rgba c;
            if (tiles) {
                int row = y / 6, ly = y % 6;
                int lx = (x + (row % 2) * 4) % 8;
                c = Palette::Blood;
                if (ly == 5 || lx == 0)
                    c = Palette::Rust;
                else if (ly <= 1 && lx > 1 && lx < 6)
                    c = Palette::Rose;
            } else {
                int row = y / 5;
                double n = Rng::hashUnit(x, row, seed);
                c = n < 0.3 ? Palette::Ochre : (n < 0.85 ? Palette::Tan : Palette::Skin);
                if (y % 5 == 4 && Rng::hashUnit(x / 2, row, seed + 1) < 0.7)
                    c = Palette::Ochre;
                if (y % 5 == 0 && Rng::hashUnit(x, row, seed + 2) < 0.25)
                    c = Palette::Olive;
            }
            // Light from the left, shade to the right, darker at the eaves.
            if (!m.get(x - 2, y) || !m.get(x, y - 2))
                c = tiles ? Palette::Rose : Palette::Skin;
            if (!m.get(x + 2, y) || !m.get(x, y + 3))
                c = tiles ? Palette::Rust : Palette::Ochre;
            if (!m.get(x + 1, y) || !m.get(x, y + 1))
                c = tiles ? Palette::Plum : Palette::Bark;
            img.set(x, y, c);
        }
}

void chimney(Painter& p, Image& img, int x, int y, int w, int h) {
    Mask m(img.width(), img.height());
    m.rect(x, y, w, h);
    p.shade(m, {Palette::Soot, Palette::Stone, Palette::Ash}, Palette::Night);
    p.rect(x, y, w, 2, Palette::Slate);
    p.rect(x + 2, y, w - 4, 1, Palette::Night);
}

void timberWall(Image& img, Painter& p, int x0, int y0, int x1, int y1, bool stone, unsigned seed) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            Rgba c;
            if (stone) {
                int row = (y - y0) / 5, lx = (x + (row % 2) * 5) % 10;
                c = (lx == 0 || (y - y0) % 5 == 4) ? Palette::Stone : (Rng::hash(row, (x + (row % 2) * 5) / 10, seed) % 4 ? Palette::Ash : Palette::Steel);
            } else {
                c = Noise::value(x, y, 3, seed) < 0.2 ? Palette::Tan : Palette::Skin;
            }
            img.set(x, y, c);
        }
    if (!stone) {
        for (int x = x0; x <= x1; x += (x1 - x0) / 4)
            p.rect(x, y0, 3, y1 - y0 + 1, Palette::Leather);
        p.rect(x0, y0, x1 - x0 + 1, 3, Palette::Leather);
        p.line(x0 + 3, y1, x0 + (x1 - x0) / 4, y0 + 3, Palette::Leather);
        p.line(x1 - 1, y1, x1 - (x1 - x0) / 4 + 2, y0 + 3, Palette::Leather);
    }
    // Shade under the eaves and the sill.
    p.rect(x0, y0, x1 - x0 + 1, 2, Palette::Rust);
    p.rect(x0, y1 - 1, x1 - x0 + 1, 2, stone ? Palette::Soot : Palette::Leather);
    p.frame(x0 - 1, y0 - 1, x1 - x0 + 3, y1 - y0 + 3, Palette::Night);
}
} // namespace

Image BuildingPainter::houseThatch() {
    Image img(128, 128);
    Painter p(img);
    castShadow(img, 12, 116, 120, 30);
    timberWall(img, p, 14, 78, 114, 117, false, 11);
    door(p, 56, 94, 16, 24);
    window(p, 24, 92, 12, 10, true);
    window(p, 92, 92, 12, 10, true);
    doorstep(p, 64, 118);
    Mask roof(128, 128);
    roof.polygon({18, 6, 110, 6, 124, 80, 4, 80});
    roofTexture(img, roof, false, 12);
    // Straw fringe hanging over the wall.
    for (int x = 5; x < 124; ++x)
        if (Rng::hash(x, 0, 13) % 3)
            p.pixel(x, 80, Palette::Ochre);
    p.line(18, 5, 110, 5, Palette::Night);
    p.rect(20, 6, 88, 3, Palette::Olive); // the ridge
    p.line(20, 9, 107, 9, Palette::Bark);
    chimney(p, img, 92, 0, 12, 22);
    Painter::outline(img, Palette::Night);
    return img;
}

Image BuildingPainter::houseTiled() {
    Image img(160, 128);
    Painter p(img);
    castShadow(img, 12, 148, 120, 30);
    timberWall(img, p, 14, 80, 146, 117, true, 21);
    door(p, 72, 94, 16, 24);
    window(p, 28, 92, 12, 12, false);
    window(p, 50, 92, 12, 12, false);
    window(p, 100, 92, 12, 12, false);
    window(p, 122, 92, 12, 12, false);
    doorstep(p, 80, 118);
    Mask roof(160, 128);
    roof.polygon({20, 8, 140, 8, 156, 82, 4, 82});
    roofTexture(img, roof, true, 22);
    p.rect(22, 8, 116, 3, Palette::Rust);
    p.line(22, 8, 138, 8, Palette::Rose);
    chimney(p, img, 30, 0, 12, 20);
    chimney(p, img, 118, 2, 10, 18);
    Painter::outline(img, Palette::Night);
    return img;
}

Image BuildingPainter::mausoleum() {
    Image img(96, 112);
    Painter p(img);
    castShadow(img, 8, 88, 104, 40);
    // Body with columns, the dark doorway and steps.
    Mask body(96, 112);
    body.rect(10, 40, 76, 58);
    p.shade(body, {Palette::Stone, Palette::Ash, Palette::Steel}, Palette::Night);
    for (int cx : {16, 30, 62, 76}) {
        Mask col(96, 112);
        col.rect(cx - 3, 46, 7, 50);
        p.shade(col, {Palette::Ash, Palette::Steel, Palette::White}, Palette::Night);
    }
    p.rect(40, 58, 16, 38, Palette::Night);
    Mask arch(96, 112);
    arch.ellipse(48, 58, 8, 6);
    p.fill(arch, Palette::Night);
    for (int i = 0; i < 3; ++i) {
        p.rect(34 - i * 3, 96 + i * 4, 28 + i * 6, 4, i % 2 ? Palette::Ash : Palette::Steel);
        p.rect(34 - i * 3, 99 + i * 4, 28 + i * 6, 1, Palette::Soot);
    }
    // Pediment roof seen from above-front.
    Mask roof(96, 112);
    roof.polygon({4, 42, 48, 8, 92, 42});
    roof.rect(4, 36, 88, 8);
    p.shade(roof, {Palette::Soot, Palette::Stone, Palette::Ash}, Palette::Night);
    p.line(10, 40, 48, 11, Palette::Steel);
    Mask orn(96, 112);
    orn.rect(45, 18, 6, 14);
    orn.rect(41, 22, 14, 4);
    p.shade(orn, {Palette::Ash, Palette::Steel, Palette::White}, Palette::Night);
    // Cracks and moss of age.
    p.line(20, 60, 24, 72, Palette::Soot);
    p.line(70, 50, 66, 64, Palette::Soot);
    for (int i = 0; i < 40; ++i) {
        int x = 10 + static_cast<int>(Rng::hash(i, 1, 31) % 76), y = 84 + static_cast<int>(Rng::hash(i, 2, 31) % 12);
        if (img.get(x, y).a == 255)
            p.pixel(x, y, i % 2 ? Palette::Moss : Palette::Teal);
    }
    Painter::outline(img, Palette::Night);
    return img;
}

Image BuildingPainter::stall() {
    Image img(96, 80);
    Painter p(img);
    castShadow(img, 6, 88, 72, 24);
    // Posts, counter and goods.
    for (int x : {8, 84}) {
        Mask post(96, 80);
        post.rect(x, 16, 4, 56);
        p.shade(post, {Palette::Bark, Palette::Leather, Palette::Tan}, Palette::Night);
    }
    Mask counter(96, 80);
    counter.rect(6, 46, 84, 24);
    p.shade(counter, {Palette::Rust, Palette::Leather, Palette::Tan}, Palette::Night);
    for (int y = 52; y < 68; y += 5)
        p.line(7, y, 88, y, Palette::Rust);
    p.rect(7, 46, 82, 3, Palette::Tan);
    Rng r(41);
    for (int i = 0; i < 9; ++i) { // apples
        int x = 12 + i * 3 + r.range(0, 1), y = 42 + (i % 2) * 2;
        Mask a(96, 80);
        a.ellipse(x, y, 2.2, 2.2);
        p.shade(a, {Palette::Blood, Palette::Blood, Palette::Rose}, Palette::Night);
    }
    for (int i = 0; i < 3; ++i) { // pots
        Mask pot(96, 80);
        pot.ellipse(50 + i * 10, 41, 4, 4.5);
        pot.rect(48 + i * 10, 35, 4, 2);
        p.shade(pot, {Palette::Rust, Palette::Leather, Palette::Orange}, Palette::Night);
    }
    Mask bread(96, 80);
    bread.ellipse(80, 42, 6, 3);
    p.shade(bread, {Palette::Ochre, Palette::Tan, Palette::Skin}, Palette::Night);
    // Striped awning.
    Mask awning(96, 80);
    awning.polygon({2, 14, 94, 14, 90, 34, 6, 34});
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 96; ++x)
            if (awning.get(x, y)) {
                bool red = ((x - 2) / 10) % 2 == 0;
                Rgba c = red ? Palette::Blood : Palette::White;
                if (y > 30)
                    c = red ? Palette::Rust : Palette::Ice;
                if (y < 17)
                    c = red ? Palette::Rose : Palette::White;
                img.set(x, y, c);
            }
    for (int x = 6; x < 90; x += 10) { // scalloped edge
        Mask s(96, 80);
        s.ellipse(x + 5, 34, 5, 3);
        p.fill(s, ((x - 6) / 10) % 2 ? Palette::Ice : Palette::Rust);
    }
    Painter::outline(img, Palette::Night);
    return img;
}

Image BuildingPainter::well() {
    Image img(48, 56);
    Painter p(img);
    castShadow(img, 4, 40, 50, 12);
    Mask ring(48, 56);
    ring.ellipse(24, 40, 19, 11);
    p.shade(ring, {Palette::Stone, Palette::Ash, Palette::Steel}, Palette::Night);
    for (int x = 6; x < 43; x += 6)
        p.line(x, 44, x + 1, 50, Palette::Soot);
    Mask water(48, 56);
    water.ellipse(24, 37, 12, 6);
    p.fill(water, Palette::Navy);
    p.line(18, 36, 22, 36, Palette::Sky);
    p.line(26, 39, 29, 39, Palette::Royal);
    for (int x : {7, 38}) {
        Mask post(48, 56);
        post.rect(x, 10, 4, 32);
        p.shade(post, {Palette::Bark, Palette::Leather, Palette::Tan}, Palette::Night);
    }
    p.line(11, 16, 37, 16, Palette::Bark);
    p.line(24, 17, 24, 28, Palette::Soot);
    Mask bucket(48, 56);
    bucket.rect(21, 28, 7, 6);
    p.shade(bucket, {Palette::Rust, Palette::Leather, Palette::Tan}, Palette::Night);
    Mask roof(48, 56);
    roof.polygon({2, 14, 24, 2, 46, 14, 42, 16, 6, 16});
    p.shade(roof, {Palette::Rust, Palette::Leather, Palette::Tan}, Palette::Night);
    Painter::outline(img, Palette::Night);
    return img;
}

Image BuildingPainter::bridge() {
    Image img(96, 96);
    Painter p(img);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x) {
            // Boards run across the way, a board every 6 pixels.
            int board = x / 6, lx = x % 6;
            Rgba c = Rng::hash(board, 0, 51) % 3 ? Palette::Leather : Palette::Tan;
            if (lx == 5)
                c = Palette::Rust;
            else if (lx == 0)
                c = Palette::Tan;
            if (Rng::hashUnit(x, y, 52) < 0.03)
                c = Palette::Rust;
            img.set(x, y, c);
        }
    // Railings with posts along the top and bottom rows.
    for (int side = 0; side < 2; ++side) {
        int y = side ? 84 : 2;
        p.rect(0, y, 96, 5, Palette::Leather);
        p.rect(0, y, 96, 1, Palette::Tan);
        p.rect(0, y + 5, 96, 2, Palette::Night);
        for (int x = 2; x < 96; x += 16) {
            Mask post(96, 96);
            post.rect(x, y - 2, 5, 9);
            p.shade(post, {Palette::Bark, Palette::Leather, Palette::Tan}, Palette::Night);
        }
    }
    // Stone abutments at both ends.
    for (int side = 0; side < 2; ++side) {
        int x0 = side ? 88 : 0;
        for (int y = 0; y < 96; ++y)
            for (int x = x0; x < x0 + 8; ++x) {
                int row = y / 6;
                Rgba c = ((y % 6 == 5) || ((x + row * 3) % 8 == 0)) ? Palette::Soot : Palette::Ash;
                if (y % 6 == 0)
                    c = Palette::Steel;
                img.set(x, y, c);
            }
    }
    return img;
}
