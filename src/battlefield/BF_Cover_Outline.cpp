#include "battlefield/BF_Cover_Outline.hpp"

#include <algorithm>
#include <cstddef>
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

// One row of Drop_Lone_Pixels: the same operation on every cell, so the compiler may do several at once.
__attribute__((optimize("tree-vectorize"))) void Keep_Row(const Uint8* __restrict at, Uint8* __restrict kept,
                                                          int width, std::ptrdiff_t stride) {
    for (int i = 0; i < width; ++i)
        kept[i] = at[i] & (at[i - 1] | at[i + 1] | at[i - stride] | at[i + stride]);
}

bool Same_Format(const SDL_PixelFormat& a, const SDL_PixelFormat& b) {
    return a.BitsPerPixel == b.BitsPerPixel && a.Rmask == b.Rmask && a.Gmask == b.Gmask && a.Bmask == b.Bmask &&
           a.Amask == b.Amask && !a.palette && !b.palette;
}

} // namespace

BF_Cover_Outline::BF_Cover_Outline(const BF_Layer& layer, const BF_Sprite_Mapping& mapping) {
    int minX = std::numeric_limits<int>::max(), minY = minX, maxX = std::numeric_limits<int>::min(), maxY = maxX;
    for (const auto& entry : layer) {
        const auto found = mapping.find(entry.second->Id);
        if (found == mapping.end())
            continue;
        const BattleField_Sprite* sprite = found->second;
        const int x = entry.first.first, y = entry.first.second;
        if (sprite->Get_Display_Width() <= 0 || sprite->Get_Display_Height() <= 0)
            continue;
        Placed.push_back({sprite, x, y, entry.second->SubType, entry.second->Orientation});
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x + sprite->Get_Display_Width());
        maxY = std::max(maxY, y + sprite->Get_Display_Height());
    }
    if (Placed.empty())
        return;
    Grid_X = minX;
    Grid_Y = minY;
    Columns = (maxX - minX + Bucket_Size - 1) / Bucket_Size;
    Rows = (maxY - minY + Bucket_Size - 1) / Bucket_Size;
    Buckets.resize(static_cast<std::size_t>(Columns) * static_cast<std::size_t>(Rows));
    for (std::size_t i = 0; i < Placed.size(); ++i) {
        const Cover& placed = Placed[i];
        const int x0 = (placed.X - Grid_X) / Bucket_Size, y0 = (placed.Y - Grid_Y) / Bucket_Size;
        const int x1 = (placed.X + placed.Sprite->Get_Display_Width() - 1 - Grid_X) / Bucket_Size;
        const int y1 = (placed.Y + placed.Sprite->Get_Display_Height() - 1 - Grid_Y) / Bucket_Size;
        for (int by = y0; by <= y1; ++by)
            for (int bx = x0; bx <= x1; ++bx)
                Buckets[static_cast<std::size_t>(by * Columns + bx)].push_back(static_cast<int>(i));
    }
    Seen.assign(Placed.size(), 0);
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
    auto mark = [&](int i, int j) { mask[Cell(x0 + i, y0 + j)] = 1; };
    const SDL_PixelFormat& format = *picture->format;

    if (picture->flags & SDL_SRCCOLORKEY) {
        // Keyed pictures are run-length encoded once drawn: their pixels are
        // costly to reach, and so is drawing them anywhere but on the screen
        // (SDL decodes and encodes the whole sheet again for each new
        // destination). So the part is drawn where it belongs, on the key
        // colour, and what changed is what it covers; the screen is put back after.
        SDL_Surface* canvas = Target;
        int cx = Origin_X + x0, cy = Origin_Y + y0;
        if (!Same_Format(*Target->format, format)) {
            canvas = Scratch_For(format, w, h);
            cx = cy = 0;
        }
        if (!canvas)
            return;
        SDL_Rect spot = {static_cast<Sint16>(cx), static_cast<Sint16>(cy), static_cast<Uint16>(w),
                         static_cast<Uint16>(h)};
        SDL_FillRect(canvas, &spot, format.colorkey);
        if (SDL_BlitSurface(picture, &part, canvas, &spot) != 0)
            return;
        const Uint32 bits = format.Rmask | format.Gmask | format.Bmask | format.Amask;
        const Uint32 key = format.colorkey & bits;
        const int bytes = format.BytesPerPixel;
        const bool locked = SDL_MUSTLOCK(canvas);
        if (locked && SDL_LockSurface(canvas) != 0)
            return;
        for (int j = 0; j < h; ++j) {
            const Uint8* row = static_cast<const Uint8*>(canvas->pixels) + (cy + j) * canvas->pitch + cx * bytes;
            Uint8* cells = &mask[Cell(x0, y0 + j)];
            if (bytes == 2)
                for (int i = 0; i < w; ++i)
                    cells[i] |= (reinterpret_cast<const Uint16*>(row)[i] & bits) != key;
            else if (bytes == 4)
                for (int i = 0; i < w; ++i)
                    cells[i] |= (reinterpret_cast<const Uint32*>(row)[i] & bits) != key;
            else
                for (int i = 0; i < w; ++i)
                    cells[i] |= (Read_Pixel(row + i * bytes, bytes) & bits) != key;
        }
        if (locked)
            SDL_UnlockSurface(canvas);
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

bool BF_Cover_Outline::Keep_Target(bool save) {
    SDL_Surface* screen = Target;
    const int bytes = screen->format->BytesPerPixel;
    const std::size_t rowBytes = static_cast<std::size_t>(Width * bytes);
    const bool locked = SDL_MUSTLOCK(screen);
    if (locked && SDL_LockSurface(screen) != 0)
        return false;
    if (save)
        Saved.resize(rowBytes * static_cast<std::size_t>(Height));
    for (int j = 0; j < Height; ++j) {
        Uint8* row = static_cast<Uint8*>(screen->pixels) + (Origin_Y + j) * screen->pitch + Origin_X * bytes;
        Uint8* copy = Saved.data() + rowBytes * static_cast<std::size_t>(j);
        if (save)
            std::memcpy(copy, row, rowBytes);
        else
            std::memcpy(row, copy, rowBytes);
    }
    if (locked)
        SDL_UnlockSurface(screen);
    return true;
}

void BF_Cover_Outline::Drop_Lone_Pixels(std::vector<Uint8>& mask) {
    Kept = mask;
    const std::ptrdiff_t stride = Width + 2;
    for (int j = 0; j < Height; ++j)
        Keep_Row(&mask[Cell(0, j)], &Kept[Cell(0, j)], Width, stride);
    mask.swap(Kept);
}

bool BF_Cover_Outline::Draw(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target,
                            const GLINT::SDL::BaseSurface& sheet, const GLINT::SDL::Rect& area, int x, int y,
                            const GLINT::SDL::RGBColor& ink) {
    const int w = area.getw(), h = area.geth();
    SDL_Surface* screen = target.get_SDL();
    if (w == 0 || h == 0 || !screen || !sheet.get_SDL())
        return false;
    // The part of the figure on the target, in the target's pixels.
    const int left = camera.getx(), top = camera.gety();
    const SDL_Rect clip = screen->clip_rect;
    const int fx = x - left, fy = y - top;
    const int vx0 = std::max(fx, static_cast<int>(clip.x)), vy0 = std::max(fy, static_cast<int>(clip.y));
    const int vx1 = std::min(fx + w, clip.x + clip.w), vy1 = std::min(fy + h, clip.y + clip.h);
    if (vx0 >= vx1 || vy0 >= vy1)
        return false;

    // The scenery sprites whose pictures overlap the figure, from the buckets it touches.
    Covers.clear();
    if (Placed.empty())
        return false;
    if (++Stamp == 0) {
        std::fill(Seen.begin(), Seen.end(), 0u);
        Stamp = 1;
    }
    const int bx0 = std::max(0, (x - Grid_X) / Bucket_Size), by0 = std::max(0, (y - Grid_Y) / Bucket_Size);
    const int bx1 = std::min(Columns - 1, (x + w - 1 - Grid_X) / Bucket_Size);
    const int by1 = std::min(Rows - 1, (y + h - 1 - Grid_Y) / Bucket_Size);
    for (int by = by0; by <= by1 && x + w > Grid_X && y + h > Grid_Y; ++by)
        for (int bx = bx0; bx <= bx1; ++bx)
            for (int i : Buckets[static_cast<std::size_t>(by * Columns + bx)]) {
                if (Seen[static_cast<std::size_t>(i)] == Stamp)
                    continue;
                Seen[static_cast<std::size_t>(i)] = Stamp;
                const Cover& placed = Placed[static_cast<std::size_t>(i)];
                if (placed.X < x + w && placed.Y < y + h && placed.X + placed.Sprite->Get_Display_Width() > x &&
                    placed.Y + placed.Sprite->Get_Display_Height() > y)
                    Covers.push_back(placed);
            }
    if (Covers.empty())
        return false;

    // The masks cover the visible part only.
    Target = screen;
    Origin_X = vx0;
    Origin_Y = vy0;
    Width = vx1 - vx0;
    Height = vy1 - vy0;
    // One cell of border round the masks.
    const std::size_t cells = static_cast<std::size_t>(Width + 2) * static_cast<std::size_t>(Height + 2);
    if (!Keep_Target(true))
        return false;
    Covered.assign(cells, 0);
    for (const Cover& cover : Covers) {
        GLINT::SDL::Rect part;
        const GLINT::SDL::RGBSurface& picture = cover.Sprite->Picture(cover.SubType, cover.Orientation, part);
        Mark_Opaque(picture.get_SDL(), part, cover.X - left - vx0, cover.Y - top - vy0, Covered);
    }
    // Dithered shadows (under trees, under the characters themselves) are
    // lone pixels: they neither hide a character nor belong to its shape.
    Drop_Lone_Pixels(Covered);
    const bool covered = std::find(Covered.begin(), Covered.end(), Uint8(1)) != Covered.end();
    if (covered) {
        Shape.assign(cells, 0);
        Mark_Opaque(sheet.get_SDL(), area, fx - vx0, fy - vy0, Shape);
    }
    if (!Keep_Target(false) || !covered)
        return false;
    // Off the screen the figure is taken to go on: no edge along the screen's border.
    for (int j = -1; j <= Height; ++j)
        for (int i = -1; i <= Width; i += (j < 0 || j == Height) ? 1 : Width + 1) {
            const int frameX = vx0 + i - fx, frameY = vy0 + j - fy;
            Shape[Cell(i, j)] = frameX >= 0 && frameY >= 0 && frameX < w && frameY < h;
        }
    Drop_Lone_Pixels(Shape);

    // The edge of the shape in ink, the cells just outside it dark, where covered.
    const int bytes = screen->format->BytesPerPixel;
    const Uint32 light = SDL_MapRGB(screen->format, ink.getR(), ink.getG(), ink.getB());
    const Uint32 dark = SDL_MapRGB(screen->format, Ring.getR(), Ring.getG(), Ring.getB());
    const bool locked = SDL_MUSTLOCK(screen);
    if (locked && SDL_LockSurface(screen) != 0)
        return false;
    bool drawn = false;
    const std::ptrdiff_t stride = Width + 2;
    for (int j = 0; j < Height; ++j) {
        Uint8* row = static_cast<Uint8*>(screen->pixels) + (vy0 + j) * screen->pitch + vx0 * bytes;
        const Uint8* cover = &Covered[Cell(0, j)];
        const Uint8* shape = &Shape[Cell(0, j)];
        for (int i = 0; i < Width; ++i) {
            if (!cover[i])
                continue;
            const int neighbours = shape[i - 1] + shape[i + 1] + shape[i - stride] + shape[i + stride];
            if (shape[i] && neighbours < 4)
                Write_Pixel(row + i * bytes, bytes, light);
            else if (!shape[i] && neighbours > 0)
                Write_Pixel(row + i * bytes, bytes, dark);
            else
                continue;
            drawn = true;
        }
    }
    if (locked)
        SDL_UnlockSurface(screen);
    return drawn;
}
