#pragma once

#include <memory>
#include <string>

#include "media/RGBAColor.hpp"
#include "media/RGBSurface.hpp"

// A picture an item shows (its thumbnail, an arrow's tileset): either loaded
// and owned, or borrowed from another item that outlives the borrower. Every
// arrow in the air borrows its stack template's pictures, so finishing an
// arrow never frees what the next shot still needs.
class Item_Picture {
public:
    Item_Picture() = default;
    // A deep copy: the copy owns a picture of its own.
    Item_Picture(const Item_Picture& other);
    Item_Picture& operator=(const Item_Picture&) = delete;

    void Load(const std::string& file);
    // Alpha 255: only the key colour becomes transparent.
    void Load(const GLINT::SDL::RGBAColor& key, const std::string& file);
    // Borrows a picture owned elsewhere, which must outlive this holder.
    void Share(GLINT::SDL::RGBSurface* picture);
    void Clear();

    GLINT::SDL::RGBSurface* Get() const { return Shown; }
    bool Owns() const { return Owned != nullptr; }

private:
    void Take(std::unique_ptr<GLINT::SDL::RGBSurface> picture);

    std::unique_ptr<GLINT::SDL::RGBSurface> Owned;
    GLINT::SDL::RGBSurface* Shown = nullptr;
};
