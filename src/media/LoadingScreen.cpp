#include "media/LoadingScreen.hpp"

#include <algorithm>

namespace GLINT {
namespace SDL {

namespace {
const RGBColor TextColor(0, 0, 0);
const RGBAColor BarColor(225, 0, 0, 200);
} // namespace

LoadingScreen::LoadingScreen(const std::string& imagePath, const std::string& title, const Font& titleFont,
                             const std::string& message, const Font& messageFont, const Rect& bar)
    : background(imagePath), titleFont(titleFont), messageFont(messageFont), title(title), message(message),
      bar(bar) {
    // Drawn again at every step of the start: converted once, each draw is a plain copy.
    background.convertToDisplayFormat();
}

void LoadingScreen::setProgress(int percent) { progress = static_cast<Uint16>(std::clamp(percent, 0, 100)); }

void LoadingScreen::draw(BaseSurface& display) const {
    const int offsetX = (display.getWidth() - background.getWidth()) / 2;
    const int offsetY = (display.getHeight() - background.getHeight()) / 2;
    display.blit(background, Point(static_cast<Sint16>(offsetX), static_cast<Sint16>(offsetY)));

    const int barX = offsetX + bar.getx();
    const int barY = offsetY + bar.gety();
    if (!title.empty()) {
        auto text = titleFont.render(title, TextColor);
        display.blit(*text, Point(static_cast<Sint16>(barX), static_cast<Sint16>(std::max(offsetY, barY - 40))));
    }
    if (!message.empty()) {
        auto text = messageFont.render(message, TextColor);
        display.blit(*text, Point(static_cast<Sint16>(barX), static_cast<Sint16>(barY + 2 * bar.geth())));
    }
    const int filled = bar.getw() * progress / 100;
    if (filled > 0 && bar.geth() > 0) {
        RGBSurface strip(filled, bar.geth(), 32);
        strip.fill(BarColor); // every pixel carries the bar's alpha
        SDL_SetAlpha(strip.get_SDL(), SDL_SRCALPHA, 255);
        display.blit(strip, Point(static_cast<Sint16>(barX), static_cast<Sint16>(barY)));
    }
}

} // namespace SDL
} // namespace GLINT
