#include "Image.hpp"

#include <algorithm>

Image::Image(int width, int height, Rgba fill)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width) * height, fill) {}

void Image::blend(int x, int y, Rgba c) {
    if (!inside(x, y) || c.a == 0)
        return;
    Rgba& d = px_[index(x, y)];
    if (c.a == 255 || d.a == 0) {
        d = c;
        return;
    }
    int a = c.a, ia = 255 - a;
    int outA = a + d.a * ia / 255;
    auto ch = [&](int s, int t) { return static_cast<std::uint8_t>((s * a + t * d.a * ia / 255) / std::max(outA, 1)); };
    d = Rgba(ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), static_cast<std::uint8_t>(outA));
}

void Image::fill(Rgba c) { std::fill(px_.begin(), px_.end(), c); }

void Image::draw(const Image& src, int dx, int dy) { draw(src, 0, 0, src.w_, src.h_, dx, dy); }

void Image::draw(const Image& src, int sx, int sy, int sw, int sh, int dx, int dy) {
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            Rgba c = src.get(sx + x, sy + y);
            if (c.a)
                blend(dx + x, dy + y, c);
        }
}

void Image::paste(const Image& src, int dx, int dy) {
    for (int y = 0; y < src.h_; ++y)
        for (int x = 0; x < src.w_; ++x)
            set(dx + x, dy + y, src.px_[src.index(x, y)]);
}

Image Image::crop(int x, int y, int w, int h) const {
    Image out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            out.set(i, j, get(x + i, y + j));
    return out;
}

Image Image::mirrored() const {
    Image out(w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            out.px_[out.index(w_ - 1 - x, y)] = px_[index(x, y)];
    return out;
}

Image Image::shrunk(int f) const {
    Image out(w_ / f, h_ / f);
    for (int y = 0; y < out.h_; ++y)
        for (int x = 0; x < out.w_; ++x) {
            long r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < f; ++j)
                for (int i = 0; i < f; ++i) {
                    const Rgba& c = px_[index(x * f + i, y * f + j)];
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            if (a == 0)
                continue;
            out.set(x, y, Rgba(static_cast<std::uint8_t>(r / a), static_cast<std::uint8_t>(g / a),
                               static_cast<std::uint8_t>(b / a), static_cast<std::uint8_t>(a / (f * f))));
        }
    return out;
}

Image Image::enlarged(int f) const {
    Image out(w_ * f, h_ * f);
    for (int y = 0; y < out.h_; ++y)
        for (int x = 0; x < out.w_; ++x)
            out.px_[out.index(x, y)] = px_[index(x / f, y / f)];
    return out;
}

void Image::snapToPalette() {
    for (Rgba& c : px_)
        c = c.a == 0 ? Palette::Key : Palette::snap(c);
}

bool Image::hasTransparency() const {
    return std::any_of(px_.begin(), px_.end(), [](const Rgba& c) { return c.a != 255; });
}
