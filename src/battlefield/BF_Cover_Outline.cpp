#include "battlefield/BF_Cover_Outline.hpp"

#include <algorithm>
#include <cstring>
#include <limits>

const GLINT::SDL::RGBColor BF_Cover_Outline::Ring(0x22, 0x20, 0x34);

namespace {

Uint32 Read_Pixel(const Uint8* at, int bytes) {
    switch (bytes) {
    case 1:
        return *at;
    case 2: {
        Uint16 value;
        std::memcpy(&value, at, 2);
        return value;
    }
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN)
            return Uint32(at[0]) << 16 | Uint32(at[1]) << 8 | at[2];
        return Uint32(at[2]) << 16 | Uint32(at[1]) << 8 | at[0];
    default: {
        Uint32 value;
        std::memcpy(&value, at, 4);
        return value;
    }
    }
}

void Write_Pixel(Uint8* at, int bytes, Uint32 value) {
    switch (bytes) {
    case 1:
        *at = static_cast<Uint8>(value);
        break;
    case 2: {
        const Uint16 small = static_cast<Uint16>(value);
        std::memcpy(at, &small, 2);
        break;
    }
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) {
            at[0] = static_cast<Uint8>(value >> 16);
            at[1] = static_cast<Uint8>(value >> 8);
            at[2] = static_cast<Uint8>(value);
        } else {
            at[0] = static_cast<Uint8>(value);
            at[1] = static_cast<Uint8>(value >> 8);
            at[2] = static_cast<Uint8>(value >> 16);
        }
        break;
    default:
        std::memcpy(at, &value, 4);
    }
}

bool Same_Format(const SDL_PixelFormat& a, const SDL_PixelFormat& b) {
    return a.BitsPerPixel == b.BitsPerPixel && a.Rmask == b.Rmask && a.Gmask == b.Gmask && a.Bmask == b.Bmask &&
           a.Amask == b.Amask && !a.palette && !b.palette;
}

} // namespace

BF_Cover_Outline::BF_Cover_Outline(const BF_Layer& layer, const BF_Sprite_Mapping& mapping)
    : Layer(layer), Mapping(mapping) {
    for (const auto& entry : mapping) {
        Widest = std::max(Widest, entry.second->Get_Display_Width());
        Tallest = std::max(Tallest, entry.second->Get_Display_Height());
    }
}

BF_Cover_Outline::~BF_Cover_Outline() {
    for (SDL_Surface* scratch : Scratches)
        SDL_FreeSurface(scratch);
}

SDL_Surface* BF_Cover_Outline::Scratch_For(const SDL_PixelFormat& format, int w, int h) {
    for (SDL_Surface*& scratch : Scratches) {
        if (!Same_Format(*scratch->format, format))
            continue;
        if (scratch->w >= w && scratch->h >= h)
            return scratch;
        w = std::max(w, scratch->w);
        h = std::max(h, scratch->h);
        SDL_FreeSurface(scratch);
        scratch = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, format.BitsPerPixel, format.Rmask, format.Gmask,
                                       format.Bmask, format.Amask);
        return scratch;
    }
    if (format.palette || Scratches.size() >= 4)
        return nullptr;
    SDL_Surface* made = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, format.BitsPerPixel, format.Rmask, format.Gmask,
                                             format.Bmask, format.Amask);
    if (made)
        Scratches.push_back(made);
    return made;
}

void BF_Cover_Outline::Mark_Opaque(SDL_Surface* picture, const GLINT::SDL::Rect& area, int dx, int dy,
                                   std::vector<Uint8>& mask) {
    // Only the part that falls on the mask.
    const int x0 = std::max(0, dx), y0 = std::max(0, dy);
    const int x1 = std::min(Width, dx + area.getw()), y1 = std::min(Height, dy + area.geth());
    if (x0 >= x1 || y0 >= y1)
        return;
    const int w = x1 - x0, h = y1 - y0;
    SDL_Rect part = {static_cast<Sint16>(area.getx() + x0 - dx), static_cast<Sint16>(area.gety() + y0 - dy),
                     static_cast<Uint16>(w), static_cast<Uint16>(h)};
    auto mark = [&](int i, int j) { mask[static_cast<std::size_t>((y0 + j) * Width + x0 + i)] = 1; };
    const SDL_PixelFormat& format = *picture->format;

    if (picture->flags & SDL_SRCCOLORKEY) {
        // Keyed pictures are often run-length encoded, whose pixels are costly
        // to reach: copy the part onto the key colour and see what changed.
        SDL_Surface* scratch = Scratch_For(format, w, h);
        if (!scratch)
            return;
        SDL_Rect whole = {0, 0, static_cast<Uint16>(w), static_cast<Uint16>(h)};
        SDL_FillRect(scratch, &whole, format.colorkey);
        SDL_Rect to = {0, 0, 0, 0};
        if (SDL_BlitSurface(picture, &part, scratch, &to) != 0)
            return;
        const Uint32 bits = format.Rmask | format.Gmask | format.Bmask | format.Amask;
        const Uint32 key = format.colorkey & bits;
        const int bytes = format.BytesPerPixel;
        for (int j = 0; j < h; ++j) {
            const Uint8* row = static_cast<const Uint8*>(scratch->pixels) + j * scratch->pitch;
            for (int i = 0; i < w; ++i)
                if ((Read_Pixel(row + i * bytes, bytes) & bits) != key)
                    mark(i, j);
        }
        return;
    }
    if (format.Amask && (picture->flags & SDL_SRCALPHA)) {
        if (SDL_LockSurface(picture) != 0)
            return;
        const int bytes = format.BytesPerPixel;
        for (int j = 0; j < h; ++j) {
            const Uint8* row = static_cast<const Uint8*>(picture->pixels) + (part.y + j) * picture->pitch;
            for (int i = 0; i < w; ++i) {
                const Uint32 alpha = ((Read_Pixel(row + (part.x + i) * bytes, bytes) & format.Amask) >> format.Ashift)
                                     << format.Aloss;
                if (alpha >= 128)
                    mark(i, j);
            }
        }
        SDL_UnlockSurface(picture);
        return;
    }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            mark(i, j);
}

void BF_Cover_Outline::Drop_Lone_Pixels(std::vector<Uint8>& mask) {
    Kept.assign(mask.size(), 0);
    const int w = Width, h = Height;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const std::size_t k = static_cast<std::size_t>(j * w + i);
            Kept[k] = mask[k] && ((i > 0 && mask[k - 1]) || (i + 1 < w && mask[k + 1]) ||
                                  (j > 0 && mask[k - static_cast<std::size_t>(w)]) ||
                                  (j + 1 < h && mask[k + static_cast<std::size_t>(w)]));
        }
    mask.swap(Kept);
}

bool BF_Cover_Outline::Draw(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target,
                            const GLINT::SDL::BaseSurface& sheet, const GLINT::SDL::Rect& area, int x, int y,
                            const GLINT::SDL::RGBColor& ink) {
    const int w = area.getw(), h = area.geth();
    SDL_Surface* screen = target.get_SDL();
    if (w == 0 || h == 0 || !screen || !sheet.get_SDL())
        return false;
    const int left = camera.getx(), top = camera.gety();
    if (x + w <= left || y + h <= top || x >= left + camera.getw() || y >= top + camera.geth())
        return false;

    // The scenery sprites whose pictures overlap the figure, found as the layer is drawn.
    Covers.clear();
    const int lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
    auto it = Layer.lower_bound(std::make_pair(x - Widest, lowest));
    while (it != Layer.end()) {
        const int sx = it->first.first, sy = it->first.second;
        if (sx >= x + w)
            break;
        if (sy < y - Tallest) {
            it = Layer.lower_bound(std::make_pair(sx, y - Tallest));
            continue;
        }
        if (sy >= y + h) {
            it = Layer.upper_bound(std::make_pair(sx, highest));
            continue;
        }
        const BF_Sprite_Infos& infos = *it->second;
        const auto found = Mapping.find(infos.Id);
        if (found != Mapping.end() && sx + found->second->Get_Display_Width() > x &&
            sy + found->second->Get_Display_Height() > y)
            Covers.push_back({found->second, sx, sy, infos.SubType, infos.Orientation});
        ++it;
    }
    if (Covers.empty())
        return false;

    Width = w;
    Height = h;
    const std::size_t cells = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    Covered.assign(cells, 0);
    for (const Cover& cover : Covers) {
        GLINT::SDL::Rect part;
        const GLINT::SDL::RGBSurface& picture = cover.Sprite->Picture(cover.SubType, cover.Orientation, part);
        Mark_Opaque(picture.get_SDL(), part, cover.X - x, cover.Y - y, Covered);
    }
    // Dithered shadows (under trees, under the characters themselves) are
    // lone pixels: they neither hide a character nor belong to its shape.
    Drop_Lone_Pixels(Covered);
    if (std::find(Covered.begin(), Covered.end(), 1) == Covered.end())
        return false;
    Shape.assign(cells, 0);
    Mark_Opaque(sheet.get_SDL(), area, 0, 0, Shape);
    Drop_Lone_Pixels(Shape);

    // The edge of the shape in ink, the cells just outside it dark, where covered.
    const SDL_Rect clip = screen->clip_rect;
    const int bytes = screen->format->BytesPerPixel;
    const Uint32 light = SDL_MapRGB(screen->format, ink.getR(), ink.getG(), ink.getB());
    const Uint32 dark = SDL_MapRGB(screen->format, Ring.getR(), Ring.getG(), Ring.getB());
    const bool locked = SDL_MUSTLOCK(screen);
    if (locked && SDL_LockSurface(screen) != 0)
        return false;
    bool drawn = false;
    auto shape = [&](int i, int j) {
        return i >= 0 && j >= 0 && i < w && j < h && Shape[static_cast<std::size_t>(j * w + i)];
    };
    for (int j = 0; j < h; ++j) {
        const int sy = y - top + j;
        if (sy < clip.y || sy >= clip.y + clip.h)
            continue;
        Uint8* row = static_cast<Uint8*>(screen->pixels) + sy * screen->pitch;
        for (int i = 0; i < w; ++i) {
            const int sx = x - left + i;
            if (!Covered[static_cast<std::size_t>(j * w + i)] || sx < clip.x || sx >= clip.x + clip.w)
                continue;
            const bool inside = shape(i, j);
            const int neighbours = shape(i - 1, j) + shape(i + 1, j) + shape(i, j - 1) + shape(i, j + 1);
            if (inside && neighbours < 4)
                Write_Pixel(row + sx * bytes, bytes, light);
            else if (!inside && neighbours > 0)
                Write_Pixel(row + sx * bytes, bytes, dark);
            else
                continue;
            drawn = true;
        }
    }
    if (locked)
        SDL_UnlockSurface(screen);
    return drawn;
}
