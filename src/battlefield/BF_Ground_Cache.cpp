#include "battlefield/BF_Ground_Cache.hpp"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "battlefield/BattleField.hpp"
#include "media/Logger.hpp"
#include "shell/Game_Settings.hpp"

BF_Ground_Cache::BF_Ground_Cache(int fieldWidth, int fieldHeight)
    : Width(fieldWidth), Height(fieldHeight), Columns((fieldWidth + Piece_Size - 1) / Piece_Size),
      Rows((fieldHeight + Piece_Size - 1) / Piece_Size) {}

BF_Ground_Cache::~BF_Ground_Cache() {
    for (GLINT::SDL::RGBSurface* piece : Pieces)
        delete piece;
}

BF_Ground_Cache* BF_Ground_Cache::Build(const BattleField& field, int fieldWidth, int fieldHeight) {
    const SDL_Surface* display = SDL_GetVideoSurface();
    if (!display || fieldWidth <= 0 || fieldHeight <= 0 || fieldWidth > 32767 || fieldHeight > 32767)
        return nullptr;
    const auto found = field.Get_BG_Mapping().find(field.Get_Default_BG_Id());
    if (field.Get_Default_BG_Id() == 0 || found == field.Get_BG_Mapping().end())
        return nullptr;
    const BattleField_Sprite& ground = *found->second;
    const GLINT::SDL::RGBSurface& tile = ground.Get_Tileset();
    // A bigger tileset spills over its neighbours in an order that depends on
    // the camera; a see-through one shows the screen beneath.
    if (!ground.Is_Opaque() || tile.getWidth() != ground.Get_Display_Width() ||
        tile.getHeight() != ground.Get_Display_Height())
        return nullptr;

    std::unique_ptr<BF_Ground_Cache> cache(new BF_Ground_Cache(fieldWidth, fieldHeight));
    const SDL_PixelFormat* format = display->format;
    // A copy of the whole field: tens of megabytes for the shipped one; an
    // enormous field is drawn tile by tile instead.
    const long long bytes = 1LL * cache->Columns * cache->Rows * Piece_Size * Piece_Size * format->BytesPerPixel;
    if (bytes > Memory_Limit)
        return nullptr;
    auto create = [format](int width, int height) {
        SDL_Surface* raw = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, format->BitsPerPixel,
                                                format->Rmask, format->Gmask, format->Bmask, format->Amask);
        return raw ? new GLINT::SDL::RGBSurface(raw) : nullptr;
    };
    // Every piece is drawn on one scratch surface and then copied: a keyed
    // sprite drawn onto ever new surfaces would be re-encoded by SDL each time.
    std::unique_ptr<GLINT::SDL::RGBSurface> scratch(create(Piece_Size, Piece_Size));
    if (!scratch)
        return nullptr;
    const int w = ground.Get_Display_Width(), h = ground.Get_Display_Height();
    for (int row = 0; row < cache->Rows; ++row) {
        for (int column = 0; column < cache->Columns; ++column) {
            const int left = column * Piece_Size, top = row * Piece_Size;
            // The default ground's tiles sit on multiples of its size in the
            // field, whatever the camera.
            for (int y = -(top % h); y < Piece_Size; y += h)
                for (int x = -(left % w); x < Piece_Size; x += w)
                    if (!scratch->blit(tile, GLINT::SDL::Point(static_cast<Sint16>(x), static_cast<Sint16>(y))))
                        return nullptr;
            try {
                field.Render_Map(field.Get_BG_Layer(), field.Get_BG_Mapping(),
                                 GLINT::SDL::Rect(static_cast<Sint16>(left), static_cast<Sint16>(top), Piece_Size,
                                                  Piece_Size),
                                 *scratch);
            } catch (const std::exception& e) {
                // Only a shortcut: without it the ground is drawn tile by tile.
                GLINT::SDL::GameLog.safeEntry(std::string("Ground kept tile by tile: ") + e.what());
                return nullptr;
            }
            // Pieces on the field's right and bottom edges stop where it does.
            const int pieceW = std::min(Piece_Size, fieldWidth - left), pieceH = std::min(Piece_Size, fieldHeight - top);
            GLINT::SDL::RGBSurface* piece = create(pieceW, pieceH);
            if (!piece)
                return nullptr;
            cache->Pieces.push_back(piece);
            SDL_Surface* from = scratch->get_SDL();
            SDL_Surface* to = piece->get_SDL();
            for (int y = 0; y < pieceH; ++y)
                std::memcpy(static_cast<Uint8*>(to->pixels) + y * to->pitch,
                            static_cast<const Uint8*>(from->pixels) + y * from->pitch,
                            static_cast<std::size_t>(pieceW * format->BytesPerPixel));
        }
    }
    return cache.release();
}

namespace {

bool Same_Format(const SDL_PixelFormat* a, const SDL_PixelFormat* b) {
    return a->BytesPerPixel == b->BytesPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
           a->Bmask == b->Bmask && a->Amask == b->Amask && a->BytesPerPixel >= 2;
}

// What SDL's blit does between surfaces of one format without key or alpha,
// row by row. SDL 1.2's own row copy slows down several times when the two
// rows are not equally aligned, which a camera on odd pixels makes common.
bool Copy(SDL_Surface* from, const SDL_Rect& source, SDL_Surface* to, int x, int y) {
    const SDL_Rect& clip = to->clip_rect;
    const int left = std::max<int>(x, clip.x), top = std::max<int>(y, clip.y);
    const int right = std::min<int>(x + source.w, clip.x + clip.w), bottom = std::min<int>(y + source.h, clip.y + clip.h);
    if (left >= right || top >= bottom)
        return true;
    // SDL refuses to blit onto a surface its owner has locked; so does this.
    if (to->locked)
        return false;
    if (SDL_MUSTLOCK(to) && SDL_LockSurface(to) != 0)
        return false;
    const int bytes = to->format->BytesPerPixel;
    const std::size_t rowBytes = static_cast<std::size_t>((right - left) * bytes);
    for (int row = top; row < bottom; ++row) {
        const Uint8* in = static_cast<const Uint8*>(from->pixels) + (source.y + row - y) * from->pitch +
                          (source.x + left - x) * bytes;
        Uint8* out = static_cast<Uint8*>(to->pixels) + row * to->pitch + left * bytes;
        std::memcpy(out, in, rowBytes);
    }
    if (SDL_MUSTLOCK(to))
        SDL_UnlockSurface(to);
    return true;
}

} // namespace

bool BF_Ground_Cache::Covers(const GLINT::SDL::Rect& camera, const GLINT::SDL::BaseSurface& target) const {
    const int left = camera.getx(), top = camera.gety(), w = camera.getw(), h = camera.geth();
    if (left < 0 || top < 0 || left + w > Width || top + h > Height)
        return false;
    // Tile by tile, the default ground covers the screen size and the layer
    // the camera, both clipped by the target: all three must agree.
    return w == target.getWidth() && h == target.getHeight() && w == Game_Settings::Current_Screen_Width &&
           h == Game_Settings::Current_Screen_Height;
}

bool BF_Ground_Cache::Draw(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const {
    if (!Covers(camera, target))
        return false;
    const int left = camera.getx(), top = camera.gety(), w = camera.getw(), h = camera.geth();
    SDL_Surface* screen = target.get_SDL();
    for (int row = top / Piece_Size; row <= (top + h - 1) / Piece_Size; ++row) {
        for (int column = left / Piece_Size; column <= (left + w - 1) / Piece_Size; ++column) {
            const int pieceX = column * Piece_Size, pieceY = row * Piece_Size;
            const int fromX = std::max(left, pieceX), fromY = std::max(top, pieceY);
            const int toX = std::min(left + w, pieceX + Piece_Size), toY = std::min(top + h, pieceY + Piece_Size);
            const GLINT::SDL::Rect source(static_cast<Sint16>(fromX - pieceX), static_cast<Sint16>(fromY - pieceY),
                                          static_cast<Uint16>(toX - fromX), static_cast<Uint16>(toY - fromY));
            const GLINT::SDL::RGBSurface& piece = *Pieces[static_cast<std::size_t>(row * Columns + column)];
            const bool copied =
                Same_Format(piece.getFormat(), screen->format)
                    ? Copy(piece.get_SDL(), *source.get_SDL(), screen, fromX - left, fromY - top)
                    : target.blit(piece, GLINT::SDL::Point(static_cast<Sint16>(fromX - left), static_cast<Sint16>(fromY - top)),
                                  source);
            if (!copied)
                return false;
        }
    }
    return true;
}

bool BF_Ground_Cache::Draw_Small(const BattleField& field, GLINT::SDL::BaseSurface& target,
                                 const GLINT::SDL::Rect& area) const {
    SDL_Surface* to = target.get_SDL();
    const int w = area.getw(), h = area.geth();
    if (!to || w == 0 || h == 0 || w > Width || h > Height || area.getx() < 0 || area.gety() < 0 ||
        area.getx() + w > to->w || area.gety() + h > to->h ||
        Pieces.size() != static_cast<std::size_t>(Columns * Rows))
        return false;
    // Every other pixel of every other row: the shrunk field looks the same,
    // and the shipped one is done in a few tens of milliseconds.
    const int step = 2;
    std::vector<int> column(static_cast<std::size_t>(Width)), row(static_cast<std::size_t>(Height));
    for (int x = 0; x < Width; ++x)
        column[static_cast<std::size_t>(x)] = static_cast<int>(1LL * x * w / Width);
    for (int y = 0; y < Height; ++y)
        row[static_cast<std::size_t>(y)] = static_cast<int>(1LL * y * h / Height);
    struct Sum {
        Uint32 Red = 0, Green = 0, Blue = 0, Count = 0;
    };
    std::vector<Sum> sums(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));

    const SDL_PixelFormat* format = Pieces.front()->getFormat();
    SDL_Surface* raw = SDL_CreateRGBSurface(SDL_SWSURFACE, Piece_Size, Piece_Size, format->BitsPerPixel,
                                            format->Rmask, format->Gmask, format->Bmask, format->Amask);
    if (!raw)
        return false;
    GLINT::SDL::RGBSurface scratch(raw);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const GLINT::SDL::RGBSurface& piece = *Pieces[static_cast<std::size_t>(r * Columns + c)];
            const int left = c * Piece_Size, top = r * Piece_Size;
            // The scenery over the ground, as the field is seen.
            if (!scratch.blit(piece, GLINT::SDL::Point(0, 0)))
                return false;
            try {
                field.Render_Map(field.Get_Env_Layer(), field.Get_Env_Mapping(),
                                 GLINT::SDL::Rect(static_cast<Sint16>(left), static_cast<Sint16>(top), Piece_Size,
                                                  Piece_Size),
                                 scratch);
            } catch (const std::exception&) {
                return false;
            }
            const SDL_PixelFormat* f = raw->format;
            for (int y = 0; y < piece.getHeight(); y += step) {
                const Uint8* line = static_cast<const Uint8*>(raw->pixels) + y * raw->pitch;
                Sum* sumRow = &sums[static_cast<std::size_t>(row[static_cast<std::size_t>(top + y)]) * w];
                for (int x = 0; x < piece.getWidth(); x += step) {
                    Uint32 pixel = 0;
                    std::memcpy(&pixel, line + x * f->BytesPerPixel, f->BytesPerPixel);
                    if (SDL_BYTEORDER == SDL_BIG_ENDIAN)
                        pixel >>= 8 * (4 - f->BytesPerPixel);
                    Uint8 red = 0, green = 0, blue = 0;
                    SDL_GetRGB(pixel, f, &red, &green, &blue);
                    Sum& sum = sumRow[column[static_cast<std::size_t>(left + x)]];
                    sum.Red += red;
                    sum.Green += green;
                    sum.Blue += blue;
                    ++sum.Count;
                }
            }
        }
    }

    if (SDL_MUSTLOCK(to) && SDL_LockSurface(to) != 0)
        return false;
    const int bytes = to->format->BytesPerPixel;
    for (int y = 0; y < h; ++y) {
        Uint8* line = static_cast<Uint8*>(to->pixels) + (area.gety() + y) * to->pitch + area.getx() * bytes;
        for (int x = 0; x < w; ++x) {
            const Sum& sum = sums[static_cast<std::size_t>(y) * w + x];
            const Uint32 n = std::max<Uint32>(1, sum.Count);
            Uint32 pixel = SDL_MapRGB(to->format, static_cast<Uint8>((sum.Red + n / 2) / n),
                                      static_cast<Uint8>((sum.Green + n / 2) / n),
                                      static_cast<Uint8>((sum.Blue + n / 2) / n));
            if (SDL_BYTEORDER == SDL_BIG_ENDIAN)
                pixel <<= 8 * (4 - bytes);
            std::memcpy(line + x * bytes, &pixel, static_cast<std::size_t>(bytes));
        }
    }
    if (SDL_MUSTLOCK(to))
        SDL_UnlockSurface(to);
    return true;
}
