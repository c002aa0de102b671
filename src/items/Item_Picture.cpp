#include "items/Item_Picture.hpp"

#include <SDL/SDL_video.h>

Item_Picture::Item_Picture(const Item_Picture& other) {
    if (other.Shown)
        Take(std::make_unique<GLINT::SDL::RGBSurface>(*other.Shown));
}

void Item_Picture::Load(const std::string& file) { Take(std::make_unique<GLINT::SDL::RGBSurface>(file)); }

void Item_Picture::Load(const GLINT::SDL::RGBAColor& key, const std::string& file) {
    Take(std::make_unique<GLINT::SDL::RGBSurface>(key, file));
}

void Item_Picture::Share(GLINT::SDL::RGBSurface* picture) {
    Owned.reset();
    Shown = picture;
}

void Item_Picture::Clear() {
    Owned.reset();
    Shown = nullptr;
}

void Item_Picture::Take(std::unique_ptr<GLINT::SDL::RGBSurface> picture) {
    // Drawn every frame or handed to the toolkit: convert once when there is a display.
    if (SDL_GetVideoSurface())
        picture->convertToDisplayFormat();
    Owned = std::move(picture);
    Shown = Owned.get();
}
