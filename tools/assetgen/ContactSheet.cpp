#include "ContactSheet.hpp"

#include "PixelFont.hpp"

#include <algorithm>

namespace {
constexpr int kGap = 16, kLabel = 18;
}

void ContactSheet::section(const std::string& title) { entries_.push_back({title, Image(), true}); }

void ContactSheet::add(const std::string& label, const Image& img) { entries_.push_back({label, img, false}); }

Image ContactSheet::render() const {
    // First pass lays out, second pass draws.
    struct Placed {
        int x, y;
        const Entry* e;
    };
    std::vector<Placed> placed;
    int x = kGap, y = kGap, rowH = 0;
    for (const Entry& e : entries_) {
        if (e.heading) {
            y += rowH + (placed.empty() ? 0 : kGap);
            x = kGap;
            placed.push_back({x, y, &e});
            y += 7 * 3 + kGap;
            rowH = 0;
            continue;
        }
        int w = std::max(e.img.width(), PixelFont::width(e.label, 1)), h = e.img.height() + kLabel;
        if (x + w > width_ - kGap && x > kGap) {
            x = kGap;
            y += rowH + kGap;
            rowH = 0;
        }
        placed.push_back({x, y, &e});
        x += w + kGap;
        rowH = std::max(rowH, h);
    }
    int height = y + rowH + kGap;
    Image sheet(width_, height, Palette::Slate);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width_; ++i)
            if (((i / 8) + (j / 8)) % 2)
                sheet.set(i, j, Rgba(0x2b, 0x34, 0x32));
    for (const Placed& p : placed) {
        if (p.e->heading) {
            PixelFont::drawOutlined(sheet, p.e->label, p.x, p.y, 3, Palette::Yellow, Palette::Night);
            continue;
        }
        PixelFont::draw(sheet, p.e->label, p.x, p.y, 1, Palette::Ice);
        sheet.draw(p.e->img, p.x, p.y + kLabel);
    }
    return sheet;
}
