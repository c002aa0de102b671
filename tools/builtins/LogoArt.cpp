#include "LogoArt.hpp"

#include "Emblem.hpp"
#include "GlyphRaster.hpp"

#include <stdexcept>

namespace {

constexpr int EmblemX = 9;
constexpr int TextGap = 6;
constexpr int RightMargin = 7;
constexpr int NameSize = 16;

void paintFrame(Canvas& c) {
    c.frame(0, 0, LogoArt::Width, LogoArt::Height, Palette::Black);
    c.frame(1, 1, LogoArt::Width - 2, LogoArt::Height - 2, Palette::Olive);
    // Light from the top-left on the gold band.
    c.fillRect(1, 1, LogoArt::Width - 3, 1, Palette::Tan);
    c.fillRect(1, 1, 1, LogoArt::Height - 3, Palette::Tan);
    c.fillRect(2, LogoArt::Height - 2, LogoArt::Width - 3, 1, Palette::Rust);
    c.fillRect(LogoArt::Width - 2, 2, 1, LogoArt::Height - 3, Palette::Rust);
    c.frame(2, 2, LogoArt::Width - 4, LogoArt::Height - 4, Palette::Black);
    c.fillRect(3, 3, LogoArt::Width - 6, LogoArt::Height - 6, Palette::Night);
}

// Gold letters with a dark outline and a drop shadow to the bottom-right.
void paintWord(Canvas& c, const Mask& word, int x, int y) {
    Mask shadow(word.width() + 1, word.height() + 1);
    shadow.stamp(word, 1, 1);
    c.outline(shadow, x, y, Palette::Black, true);
    c.paint(shadow, x, y, Palette::Black);
    int top, bottom, left, right;
    word.bounds(left, top, right, bottom);
    const int span = bottom - top + 1;
    for (int j = 0; j < word.height(); ++j)
        for (int i = 0; i < word.width(); ++i) {
            if (!word.at(i, j))
                continue;
            const int band = (j - top) * 3 / span;
            c.set(x + i, y + j, band == 0 ? Palette::Skin : band == 1 ? Palette::Tan : Palette::Orange);
        }
}

} // namespace

Canvas LogoArt::paint(const std::string& fontDir) {
    Canvas c(Width, Height, Palette::Night);
    paintFrame(c);
    Emblem::paint(c, EmblemX, (Height - Emblem::Height) / 2);

    const GlyphRaster nameFont(fontDir + "/DejaVuSans-Bold.ttf", NameSize);
    const Mask word = nameFont.render("Varnholt");
    int left, top, right, bottom;
    if (!word.bounds(left, top, right, bottom))
        throw std::runtime_error("the logo's name rendered empty");
    const int textLeft = EmblemX + Emblem::Width + TextGap;
    const int room = Width - RightMargin - textLeft;
    const int inkWidth = right - left + 1;
    if (inkWidth > room)
        throw std::runtime_error("the logo's name is " + std::to_string(inkWidth) +
                                 " pixels wide, the logo has room for " + std::to_string(room));
    const int inkHeight = bottom - top + 1;
    const int wx = textLeft + (room - inkWidth) / 2 - left;
    const int wy = (Height - inkHeight) / 2 - top + 4;
    paintWord(c, word, wx, wy);

    const GlyphRaster smallFont(fontDir + "/DejaVuSans.ttf", 9);
    const Mask tag = smallFont.render("powered by");
    int tl, tt, tr, tb;
    tag.bounds(tl, tt, tr, tb);
    c.paint(tag, textLeft + (room - (tr - tl + 1)) / 2 - tl, wy + top - 4 - (tb + 1), Palette::Ash);
    return c;
}
