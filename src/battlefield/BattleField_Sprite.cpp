#include "battlefield/BattleField_Sprite.hpp"

#include <stdexcept>

#include <SDL/SDL.h>

#include "data/XML_Manager.hpp"
#include "shell/Error_Chain.hpp"

namespace {

bool Fully_Opaque(SDL_Surface* surface) {
    const SDL_PixelFormat* format = surface->format;
    if (format->Amask == 0)
        return true;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0)
        return false;
    bool opaque = true;
    for (int y = 0; y < surface->h && opaque; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            Uint32 pixel = 0;
            switch (format->BytesPerPixel) {
            case 2:
                pixel = reinterpret_cast<const Uint16*>(row)[x];
                break;
            case 4:
                pixel = reinterpret_cast<const Uint32*>(row)[x];
                break;
            default:
                opaque = false;
                break;
            }
            if (!opaque || (pixel & format->Amask) != format->Amask) {
                opaque = false;
                break;
            }
        }
    }
    if (SDL_MUSTLOCK(surface))
        SDL_UnlockSurface(surface);
    return opaque;
}

} // namespace

BattleField_Sprite::BattleField_Sprite(const std::string& folder, const std::string& fileName)
    : Display_Width(0), Display_Height(0), Tileset(nullptr), X_Modifier(0), Y_Modifier(0), CB_Width(0),
      CB_Height(0), File(folder + fileName) {
    try {
        Chain_Errors("Error In BattleField_Sprite::BattleField_Sprite() Using File " + File + " : ",
                     "Unknow Error In BattleField_Sprite::BattleField_Sprite() Using File " + File, [&] {
                         XML_Manager::Validate_File(File);
                         Type = XML_Manager::Get_Option_String(File, "Type");
                         Display_Width = XML_Manager::Get_Option_Value(File, "Display_Width");
                         Display_Height = XML_Manager::Get_Option_Value(File, "Display_Height");
                         // Drawing steps by these sizes: zero or less would never advance.
                         if (Display_Width <= 0 || Display_Height <= 0)
                             throw std::logic_error("Display_Width And Display_Height Must Be Positive Numbers");
                         const std::string tilesetFile = XML_Manager::Get_Option_String(File, "Tileset_File");

                         const bool keyed = XML_Manager::Check_Node_Exists(File, "TS_ColorKey_RGB");
                         int r = 0, g = 0, b = 0;
                         if (keyed) {
                             r = XML_Manager::Get_Option_Value(File, "ColorKey_R");
                             g = XML_Manager::Get_Option_Value(File, "ColorKey_G");
                             b = XML_Manager::Get_Option_Value(File, "ColorKey_B");
                         }
                         Load_Tileset(folder + tilesetFile, keyed, r, g, b);

                         CB_Width = Display_Width;
                         CB_Height = Display_Height;
                         if (XML_Manager::Check_Node_Exists(File, "CollisionBox_Dimensions")) {
                             X_Modifier = XML_Manager::Get_Option_Value(File, "X_Modifier");
                             Y_Modifier = XML_Manager::Get_Option_Value(File, "Y_Modifier");
                             CB_Width = XML_Manager::Get_Option_Value(File, "CB_Width");
                             CB_Height = XML_Manager::Get_Option_Value(File, "CB_Height");
                         }
                     });
    } catch (...) {
        delete Tileset;
        Tileset = nullptr;
        throw;
    }
}

BattleField_Sprite::~BattleField_Sprite() { delete Tileset; }

void BattleField_Sprite::Load_Tileset(const std::string& path, bool keyed, int r, int g, int b) {
    using GLINT::SDL::RGBSurface;
    if (keyed)
        Tileset = new RGBSurface(GLINT::SDL::RGBAColor(static_cast<Uint8>(r), static_cast<Uint8>(g),
                                                       static_cast<Uint8>(b), 255),
                                 path);
    else
        Tileset = new RGBSurface(path);

    // Drawn every frame: convert once to the display's format when there is a
    // display. An alpha channel that is opaque everywhere is dropped, so the
    // tiles are copied instead of blended (the picture is the same).
    if (!SDL_GetVideoSurface())
        return;
    SDL_Surface* loaded = Tileset->get_SDL();
    if (!keyed && loaded->format->Amask != 0 && Fully_Opaque(loaded)) {
        SDL_SetAlpha(loaded, 0, SDL_ALPHA_OPAQUE);
        if (SDL_Surface* converted = SDL_DisplayFormat(loaded)) {
            RGBSurface* replacement = new RGBSurface(converted);
            delete Tileset;
            Tileset = replacement;
        }
        return;
    }
    Tileset->convertToDisplayFormat();
}

GLINT::SDL::Rect BattleField_Sprite::Source_Rect(int subType, int orientation) const {
    return GLINT::SDL::Rect(static_cast<Sint16>(orientation * Display_Width), static_cast<Sint16>(subType * Display_Height),
                            static_cast<Uint16>(Display_Width), static_cast<Uint16>(Display_Height));
}
