#include "battlefield/BattleField_Sprite.hpp"

#include <sys/stat.h>

#include <cstring>
#include <iterator>
#include <map>
#include <mutex>
#include <stdexcept>
#include <tuple>

#include <SDL/SDL.h>

#include "data/XML_Manager.hpp"
#include "shell/Error_Chain.hpp"

namespace {

Uint32 Read_Pixel(const Uint8* row, int x, int bytes) {
    switch (bytes) {
    case 1:
        return row[x];
    case 2:
        return reinterpret_cast<const Uint16*>(row)[x];
    case 3:
        return Uint32(row[3 * x]) | Uint32(row[3 * x + 1]) << 8 | Uint32(row[3 * x + 2]) << 16;
    default:
        return reinterpret_cast<const Uint32*>(row)[x];
    }
}

// Whether some pixel of the area (x, y, w, h) of surface is see-through:
// the colour key, or an alpha channel below opaque.
bool Has_Transparency(SDL_Surface* surface, int left, int top, int w, int h) {
    const SDL_PixelFormat* format = surface->format;
    const bool keyed = (surface->flags & SDL_SRCCOLORKEY) != 0;
    if (!keyed && format->Amask == 0)
        return false;
    if (SDL_LockSurface(surface) != 0)
        return true;
    bool found = false;
    for (int y = top; y < top + h && !found; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = left; x < left + w && !found; ++x) {
            const Uint32 pixel = Read_Pixel(row, x, format->BytesPerPixel);
            found = (keyed && pixel == format->colorkey) || (format->Amask && (pixel & format->Amask) != format->Amask);
        }
    }
    SDL_UnlockSurface(surface);
    return found;
}

} // namespace

int BattleField_Sprite::Type_Id_Of(const std::string& type) {
    static std::mutex guard;
    static std::vector<std::string> names;
    std::lock_guard<std::mutex> lock(guard);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == type)
            return static_cast<int>(i);
    names.push_back(type);
    return static_cast<int>(names.size() - 1);
}

BattleField_Sprite::BattleField_Sprite(const std::string& folder, const std::string& fileName)
    : Display_Width(0), Display_Height(0), X_Modifier(0), Y_Modifier(0), CB_Width(0), CB_Height(0),
      File(folder + fileName) {
    Chain_Errors("Error In BattleField_Sprite::BattleField_Sprite() Using File " + File + " : ",
                 "Unknow Error In BattleField_Sprite::BattleField_Sprite() Using File " + File, [&] {
                     XML_Manager::Validate_File(File);
                     Type = XML_Manager::Get_Option_String(File, "Type");
                     Type_Id = Type_Id_Of(Type);
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
                     Pieces = Load_Sheet(folder + tilesetFile, keyed, r, g, b, Display_Width, Display_Height);

                     CB_Width = Display_Width;
                     CB_Height = Display_Height;
                     if (XML_Manager::Check_Node_Exists(File, "CollisionBox_Dimensions")) {
                         X_Modifier = XML_Manager::Get_Option_Value(File, "X_Modifier");
                         Y_Modifier = XML_Manager::Get_Option_Value(File, "Y_Modifier");
                         CB_Width = XML_Manager::Get_Option_Value(File, "CB_Width");
                         CB_Height = XML_Manager::Get_Option_Value(File, "CB_Height");
                     }
                 });
}

BattleField_Sprite::~BattleField_Sprite() = default;

std::shared_ptr<const BattleField_Sprite::Sheet> BattleField_Sprite::Load_Sheet(const std::string& path, bool keyed,
                                                                                int r, int g, int b, int width,
                                                                                int height) {
    // The same picture file (by its inode, size and time), key and cut, for
    // the same display format; a sheet lives while a sprite uses it.
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        info = {};
    const SDL_Surface* display = SDL_GetVideoSurface();
    const SDL_PixelFormat* format = display ? display->format : nullptr;
    using Key = std::tuple<std::string, dev_t, ino_t, off_t, long, long, int, int, int, int, int, int, Uint32, Uint32,
                           Uint32, Uint32>;
    const Key key(path, info.st_dev, info.st_ino, info.st_size, static_cast<long>(info.st_mtim.tv_sec),
                  static_cast<long>(info.st_mtim.tv_nsec), keyed ? 1 : 0, keyed ? (r << 16 | g << 8 | b) : 0, width,
                  height, format ? format->BitsPerPixel : 0, format ? format->BytesPerPixel : 0,
                  format ? format->Rmask : 0, format ? format->Gmask : 0, format ? format->Bmask : 0,
                  format ? format->Amask : 0);
    static std::mutex guard;
    static std::map<Key, std::weak_ptr<const Sheet>> sheets;
    std::lock_guard<std::mutex> lock(guard);
    if (std::shared_ptr<const Sheet> known = sheets[key].lock())
        return known;
    auto sheet = std::make_shared<Sheet>();
    Load_Tileset(*sheet, path, keyed, r, g, b);
    Cut_Frames(*sheet, width, height);
    sheets[key] = sheet;
    // Forgotten sheets leave their keys behind: sweep them now and then.
    if (sheets.size() > 256)
        for (auto it = sheets.begin(); it != sheets.end();)
            it = it->second.expired() ? sheets.erase(it) : std::next(it);
    return sheet;
}

void BattleField_Sprite::Cut_Frames(Sheet& pieces, int width, int height) {
    SDL_Surface* sheet = pieces.Tileset->get_SDL();
    const SDL_PixelFormat* format = sheet->format;
    // Only sheets already in the display's format, without blending, are cut:
    // the others are drawn straight from the tileset.
    const SDL_Surface* display = SDL_GetVideoSurface();
    const bool blended = (sheet->flags & SDL_SRCALPHA) && (format->Amask != 0 || format->alpha != SDL_ALPHA_OPAQUE);
    if (!display || format->BitsPerPixel != display->format->BitsPerPixel || format->BytesPerPixel < 2 || blended)
        return;
    const int columns = sheet->w / width, rows = sheet->h / height;
    if (columns == 0 || rows == 0)
        return;
    const bool keyed = (sheet->flags & SDL_SRCCOLORKEY) != 0;
    const Uint32 key = format->colorkey;
    pieces.Opaque = !Has_Transparency(sheet, 0, 0, sheet->w, sheet->h);
    const int bytes = format->BytesPerPixel;

    if (SDL_LockSurface(sheet) != 0)
        return;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            SDL_Surface* frame = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel,
                                                      format->Rmask, format->Gmask, format->Bmask, format->Amask);
            if (!frame)
                continue;
            for (int y = 0; y < height; ++y)
                std::memcpy(static_cast<Uint8*>(frame->pixels) + y * frame->pitch,
                            static_cast<const Uint8*>(sheet->pixels) + (row * height + y) * sheet->pitch +
                                column * width * bytes,
                            static_cast<std::size_t>(width * bytes));
            if (keyed) {
                SDL_SetColorKey(frame, SDL_SRCCOLORKEY, key);
                if (Has_Transparency(frame, 0, 0, width, height))
                    SDL_SetColorKey(frame, SDL_SRCCOLORKEY | SDL_RLEACCEL, key);
                else
                    SDL_SetColorKey(frame, 0, 0);
            }
            pieces.Frames.emplace_back(new GLINT::SDL::RGBSurface(frame));
        }
    }
    SDL_UnlockSurface(sheet);
    if (pieces.Frames.size() == static_cast<std::size_t>(columns * rows)) {
        pieces.Columns = columns;
        pieces.Rows = rows;
    } else {
        pieces.Frames.clear();
    }
}

bool BattleField_Sprite::Draw(GLINT::SDL::BaseSurface& target, int x, int y, int subType, int orientation) const {
    const GLINT::SDL::Point at(static_cast<Sint16>(x), static_cast<Sint16>(y));
    const Sheet& sheet = *Pieces;
    if (subType >= 0 && subType < sheet.Rows && orientation >= 0 && orientation < sheet.Columns)
        return target.blit(*sheet.Frames[static_cast<std::size_t>(subType * sheet.Columns + orientation)], at);
    return target.blit(*sheet.Tileset, at, Source_Rect(subType, orientation));
}

const GLINT::SDL::RGBSurface& BattleField_Sprite::Picture(int subType, int orientation, GLINT::SDL::Rect& area) const {
    const Sheet& sheet = *Pieces;
    if (subType >= 0 && subType < sheet.Rows && orientation >= 0 && orientation < sheet.Columns) {
        area = GLINT::SDL::Rect(0, 0, static_cast<Uint16>(Display_Width), static_cast<Uint16>(Display_Height));
        return *sheet.Frames[static_cast<std::size_t>(subType * sheet.Columns + orientation)];
    }
    area = Source_Rect(subType, orientation);
    return *sheet.Tileset;
}

void BattleField_Sprite::Load_Tileset(Sheet& sheet, const std::string& path, bool keyed, int r, int g, int b) {
    using GLINT::SDL::RGBSurface;
    if (keyed)
        sheet.Tileset.reset(new RGBSurface(
            GLINT::SDL::RGBAColor(static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b), 255), path));
    else
        sheet.Tileset.reset(new RGBSurface(path));

    // Drawn every frame: convert once to the display's format when there is a
    // display. An alpha channel that is opaque everywhere is dropped, so the
    // tiles are copied instead of blended (the picture is the same).
    if (!SDL_GetVideoSurface())
        return;
    SDL_Surface* loaded = sheet.Tileset->get_SDL();
    if (!keyed && loaded->format->Amask != 0 && !Has_Transparency(loaded, 0, 0, loaded->w, loaded->h)) {
        SDL_SetAlpha(loaded, 0, SDL_ALPHA_OPAQUE);
        if (SDL_Surface* converted = SDL_DisplayFormat(loaded))
            sheet.Tileset.reset(new RGBSurface(converted));
        return;
    }
    sheet.Tileset->convertToDisplayFormat();
}

GLINT::SDL::Rect BattleField_Sprite::Source_Rect(int subType, int orientation) const {
    return GLINT::SDL::Rect(static_cast<Sint16>(orientation * Display_Width), static_cast<Sint16>(subType * Display_Height),
                            static_cast<Uint16>(Display_Width), static_cast<Uint16>(Display_Height));
}
