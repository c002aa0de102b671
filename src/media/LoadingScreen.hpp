#pragma once

#include <string>

#include "media/Font.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

namespace GLINT {
namespace SDL {

class BaseSurface;

// A picture with a title, a message and a progress bar, shown while the game loads.
class LoadingScreen {
public:
    LoadingScreen(const std::string& imagePath, const std::string& title, const Font& titleFont,
                  const std::string& message, const Font& messageFont, const Rect& bar);

    void setProgress(int percent);
    void setMessage(const std::string& text) { message = text; }
    Uint16 getProgress() const { return progress; }
    const std::string& getMessage() const { return message; }

    void draw(BaseSurface& display) const;

private:
    RGBSurface background;
    Font titleFont;
    Font messageFont;
    std::string title;
    std::string message;
    Uint16 progress = 0;
    Rect bar;
};

} // namespace SDL
} // namespace GLINT
