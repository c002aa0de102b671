#include "interface/World_Map.hpp"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ai/Character_Factory_Base.hpp"
#include "battlefield/BF_Ground_Cache.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/Character_Base.hpp"
#include "items/Actionables_Manager.hpp"
#include "items/Chest.hpp"
#include "items/Drop.hpp"
#include "media/Logger.hpp"
#include "media/ScopedLock.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::GameLog;
using GLINT::SDL::Point;
using GLINT::SDL::Rect;

bool World_Map::Shown = false;

void World_Map::Toggle() {
    Shown = !Shown;
    GameLog.safeEntry(Shown ? "Map shown" : "Map hidden");
}

void World_Map::Hide() {
    if (Shown)
        Toggle();
}

Rect World_Map::Place(int screenWidth, int screenHeight, int fieldWidth, int fieldHeight) {
    const long long roomW = screenWidth * 4LL / 5 - 2 * Border, roomH = screenHeight * 4LL / 5 - 2 * Border;
    if (roomW < 16 || roomH < 16 || fieldWidth <= 0 || fieldHeight <= 0)
        return Rect();
    // Kept to the field's proportions, whichever side fills its room.
    long long w = roomW, h = roomH;
    if (fieldWidth * roomH <= fieldHeight * roomW)
        w = std::max(1LL, fieldWidth * roomH / fieldHeight);
    else
        h = std::max(1LL, fieldHeight * roomW / fieldWidth);
    w = std::min<long long>(w, fieldWidth);
    h = std::min<long long>(h, fieldHeight);
    return Rect(static_cast<Sint16>((screenWidth - w) / 2), static_cast<Sint16>((screenHeight - h) / 2),
                static_cast<Uint16>(w), static_cast<Uint16>(h));
}

Point World_Map::To_Map(const Rect& area, int x, int y, int fieldWidth, int fieldHeight) {
    const int w = area.getw(), h = area.geth();
    const long long mx = std::min<long long>(std::max(0LL, 1LL * x * w / std::max(1, fieldWidth)), w - 1);
    const long long my = std::min<long long>(std::max(0LL, 1LL * y * h / std::max(1, fieldHeight)), h - 1);
    return Point(static_cast<Sint16>(area.getx() + mx), static_cast<Sint16>(area.gety() + my));
}

bool World_Map::Make_Picture(const BattleField& field, const Rect& area, const SDL_PixelFormat& format) {
    Picture.reset();
    SDL_Surface* raw =
        SDL_CreateRGBSurface(SDL_SWSURFACE, area.getw() + 2 * Border, area.geth() + 2 * Border, format.BitsPerPixel,
                             format.Rmask, format.Gmask, format.Bmask, format.Amask);
    if (!raw)
        return false;
    Picture.reset(new GLINT::SDL::RGBSurface(raw));
    // A dark frame with a light line inside, readable over any ground.
    Picture->fill(GLINT::SDL::RGBColor(24, 22, 30));
    Picture->fill(GLINT::SDL::RGBColor(176, 164, 128),
                  Rect(Border - 1, Border - 1, static_cast<Uint16>(area.getw() + 2), static_cast<Uint16>(area.geth() + 2)));
    const Rect inside(Border, Border, area.getw(), area.geth());
    const BF_Ground_Cache* ground = field.Get_Ground_Cache();
    // Without a ground copy (an odd default ground, a huge field) the map is
    // still worth its dots on a plain field.
    if (!ground || !ground->Draw_Small(field, *Picture, inside))
        Picture->fill(GLINT::SDL::RGBColor(60, 84, 52), inside);
    SDL_Surface* picture = Picture->get_SDL();
    Outline = SDL_MapRGB(picture->format, 16, 14, 20);
    Hero = SDL_MapRGB(picture->format, 255, 255, 255);
    Monster = SDL_MapRGB(picture->format, 236, 40, 40);
    Loot = SDL_MapRGB(picture->format, 255, 214, 40);
    View = SDL_MapRGB(picture->format, 240, 240, 232);
    Picture_Area = area;
    Picture_Field = &field;
    Picture_Depth = format.BitsPerPixel;
    return true;
}

void World_Map::Copy_Picture(GLINT::SDL::BaseSurface& screen, int x, int y) const {
    SDL_Surface* from = Picture->get_SDL();
    SDL_Surface* to = screen.get_SDL();
    const SDL_Rect& clip = to->clip_rect;
    const SDL_PixelFormat& a = *from->format;
    const SDL_PixelFormat& b = *to->format;
    const bool same = a.BytesPerPixel == b.BytesPerPixel && a.Rmask == b.Rmask && a.Gmask == b.Gmask &&
                      a.Bmask == b.Bmask && a.BytesPerPixel >= 2;
    const bool inside = x >= clip.x && y >= clip.y && x + from->w <= clip.x + clip.w && y + from->h <= clip.y + clip.h;
    // SDL copies with stores that bypass the cache, twice as slow here as
    // plain row copies: the screen is read again before long.
    if (!same || !inside || to->locked || (SDL_MUSTLOCK(to) && SDL_LockSurface(to) != 0)) {
        screen.blit(*Picture, Point(static_cast<Sint16>(x), static_cast<Sint16>(y)));
        return;
    }
    const std::size_t row = static_cast<std::size_t>(from->w) * a.BytesPerPixel;
    for (int line = 0; line < from->h; ++line)
        std::memcpy(static_cast<Uint8*>(to->pixels) + (y + line) * to->pitch + x * b.BytesPerPixel,
                    static_cast<const Uint8*>(from->pixels) + line * from->pitch, row);
    if (SDL_MUSTLOCK(to))
        SDL_UnlockSurface(to);
}

void World_Map::Dot(GLINT::SDL::BaseSurface& screen, int x, int y, int radius, Uint32 colour) const {
    SDL_Surface* target = screen.get_SDL();
    const Uint16 outer = static_cast<Uint16>(2 * radius + 3), inner = static_cast<Uint16>(2 * radius + 1);
    SDL_Rect ring{static_cast<Sint16>(x - radius - 1), static_cast<Sint16>(y - radius - 1), outer, outer};
    SDL_Rect spot{static_cast<Sint16>(x - radius), static_cast<Sint16>(y - radius), inner, inner};
    SDL_FillRect(target, &ring, Outline);
    SDL_FillRect(target, &spot, colour);
}

bool World_Map::Ready(const BattleField& field, const GLINT::SDL::BaseSurface& screen) {
    const SDL_Surface* target = screen.get_SDL();
    const Rect area = Place(screen.getWidth(), screen.getHeight(), BF_Width, BF_Height);
    if (!target || area.getw() == 0)
        return false;
    if (Picture && area == Picture_Area && Picture_Field == &field && Picture_Depth == target->format->BitsPerPixel)
        return true;
    if (Make_Picture(field, area, *target->format))
        return true;
    // Said once: the map is put away, and the next key press tries again.
    GameLog.safeEntry(std::string("Map not drawn: ") + SDL_GetError());
    Picture.reset();
    Hide();
    return false;
}

bool World_Map::Render_Ground(const BattleField& field, const Rect& camera, GLINT::SDL::BaseSurface& screen) {
    if (Shown && Game_Settings::GLOBAL_GAME_STATE != 3)
        Hide();
    if (!Shown || !Ready(field, screen)) {
        field.Render_Ground(camera, screen);
        return false;
    }
    // The ground the map would cover is not drawn: the shown map then costs
    // the frame hardly more than the hidden one.
    const int W = screen.getWidth(), H = screen.getHeight();
    const int left = Picture_Area.getx() - Border, top = Picture_Area.gety() - Border;
    const int right = left + Picture->getWidth(), bottom = top + Picture->getHeight();
    const Rect clip = screen.getClipRect();
    const int bands[][4] = {{0, 0, W, top}, {0, bottom, W, H}, {0, top, left, bottom}, {right, top, W, bottom}};
    for (const auto& band : bands) {
        const int x0 = std::max<int>(band[0], clip.getx()), y0 = std::max<int>(band[1], clip.gety());
        const int x1 = std::min<int>(band[2], clip.getx() + clip.getw()), y1 = std::min<int>(band[3], clip.gety() + clip.geth());
        if (x0 >= x1 || y0 >= y1)
            continue;
        screen.setClipRect(Rect(static_cast<Sint16>(x0), static_cast<Sint16>(y0), static_cast<Uint16>(x1 - x0),
                                static_cast<Uint16>(y1 - y0)));
        field.Render_Ground(camera, screen);
    }
    screen.setClipRect(clip);
    return true;
}

void World_Map::Draw(const Rect& camera, const Character_Base* hero, std::vector<Character_Factory_Base*>* factories,
                     const Actionables_Manager* actionables, GLINT::SDL::BaseSurface& screen) {
    if (!Picture)
        return;
    SDL_Surface* target = screen.get_SDL();
    const Rect area = Picture_Area;
    Copy_Picture(screen, area.getx() - Border, area.gety() - Border);

    // The marks stay inside the map, even at its edges.
    const Rect clip = screen.getClipRect();
    screen.setClipRect(area);
    auto at = [&](int x, int y) { return To_Map(area, x, y, BF_Width, BF_Height); };
    // What the screen shows, under the marks.
    const Point from = at(camera.getx(), camera.gety());
    const Point to = at(camera.getx() + camera.getw() - 1, camera.gety() + camera.geth() - 1);
    const Uint16 w = static_cast<Uint16>(to.getx() - from.getx() + 1), h = static_cast<Uint16>(to.gety() - from.gety() + 1);
    SDL_Rect sides[] = {{from.getx(), from.gety(), w, 1},
                        {from.getx(), to.gety(), w, 1},
                        {from.getx(), from.gety(), 1, h},
                        {to.getx(), from.gety(), 1, h}};
    for (SDL_Rect& side : sides)
        SDL_FillRect(target, &side, View);
    if (actionables)
        for (const auto& lying : actionables->Get_Actionables()) {
            const Actionable* thing = lying.second;
            if (!thing)
                continue;
            const bool chest = thing->Get_Type() == Actionable::Chest_Type;
            if (chest ? thing->Get_Items().empty()
                      : thing->Get_Type() != Actionable::Drop_Type ||
                            static_cast<const Drop*>(thing)->Erosion_State == Drop::Eroded)
                continue;
            const Rect& size = chest ? actionables->Get_Chest_Size() : actionables->Get_Drop_Size();
            const Point p = at(lying.first.first + size.getw() / 2, lying.first.second + size.geth() / 2);
            Dot(screen, p.getx(), p.gety(), chest ? 2 : 1, Loot);
        }
    if (factories)
        for (Character_Factory_Base* factory : *factories) {
            GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
            for (const Character_Base* character : factory->Get_Characters()) {
                const CH_Base_All_Infos& infos = character->Infos();
                if (infos.Life_State != 1 || !infos.CH_Characteristics ||
                    infos.CH_Characteristics->Character_Type != Monster_Type)
                    continue;
                const Point p = at(infos.Box_Centre().getx(), infos.Box_Centre().gety());
                Dot(screen, p.getx(), p.gety(), 2, Monster);
            }
        }
    // The hero over everything.
    if (hero) {
        const Point p = at(hero->Infos().Box_Centre().getx(), hero->Infos().Box_Centre().gety());
        Dot(screen, p.getx(), p.gety(), 3, Hero);
    }
    screen.setClipRect(clip);
}
