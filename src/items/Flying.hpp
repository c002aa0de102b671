#pragma once

#include <memory>
#include <string>

#include <SDL/SDL_types.h>

#include "items/Item_Picture.hpp"
#include "media/RGBColor.hpp"
#include "media/Rect.hpp"
#include "media/Timer.hpp"

class Character_Base;

// The flight of a projectile. Once launched, its own timer moves it one step
// along its direction every frame interval, until it hits someone or passes
// its range; the frame loop then draws and deletes it (through the state).
class Flying {
public:
    enum Fly_State { Not_Initialised = -1, Prepared = 0, In_Flight = 1, Finished = -2 };

    Flying();
    virtual ~Flying();
    Flying& operator=(const Flying&) = delete;

    // Validates, reads the flight keys and loads the tileset.
    void Create_From_File(const std::string& file);
    // Places the projectile at the launch rectangle and gives it a fresh
    // timer (the previous one is stopped and deleted). State: prepared.
    void Set_Fly_Infos(const GLINT::SDL::Rect& launchRect, Uint16 range, Sint16 direction, Sint16 damage,
                       Character_Base* owner);
    // (Re)starts the timer; a prepared projectile waits until launched.
    void Fly_Play();
    // Prepared -> in flight; anything else stays as it is.
    void Launch();
    // Picks the tileset row of the direction.
    void Set_Frame_Row(Sint16 direction);

    // One timer tick: the next interval in ms, 0 to stop. Runs on SDL's timer
    // thread under the world lock; tests call it directly.
    unsigned Fly_Callback(unsigned interval = 0, void* args = nullptr);

    Sint32 Get_Fly_State() const { return State; }
    const GLINT::SDL::Rect& Get_Start_Rect() const { return Start_Rect; }
    const GLINT::SDL::Rect& Get_Current_Rect() const { return Current_Rect; }
    const GLINT::SDL::Rect& Get_Frame_Rect() const { return Frame_Rect; }
    Uint16 Get_Range() const { return Range; }
    Sint16 Get_Damage() const { return Damage; }
    Sint16 Get_Direction() const { return Direction; }
    Character_Base* Get_Shooter() const { return Shooter; }
    Uint16 Get_Velocity() const { return Velocity; }
    Uint32 Get_Frame_Interval() const { return Frame_Interval; }
    GLINT::SDL::RGBSurface* Get_Tileset() const { return Tileset.Get(); }
    bool Is_Timer_Running() const;

    // The damage left at a distance: full at 0, nothing at the range.
    static int Damage_At(int damage, int distance, int range);

protected:
    struct Share_Pictures {};

    // Copies never take the timer: each projectile gets its own.
    Flying(const Flying& other);
    Flying(const Flying& other, Share_Pictures);

    GLINT::SDL::Rect Start_Rect;
    Uint16 Range = 0;
    Sint16 Damage = 0;
    Sint16 Direction = -1;
    Character_Base* Shooter = nullptr; // not owned
    Sint32 State = Not_Initialised;
    Uint16 Velocity = 0;
    Uint32 Frame_Interval = 1;
    Item_Picture Tileset;
    GLINT::SDL::RGBColor Color_Key;
    GLINT::SDL::Rect Frame_Rect;
    GLINT::SDL::Rect Current_Rect;
    std::unique_ptr<GLINT::SDL::Timer<Flying>> Launched_Projectile_Timer;

private:
    void Clean_Flying();
    // One step along the direction; the diagonals move v / sqrt(2) on each axis.
    void Step();
};

template <>
struct GLINT::SDL::TimerMethod<Flying> {
    static constexpr auto method = &Flying::Fly_Callback;
    // The first tick comes at once; later ones follow the frame interval.
    static unsigned interval() { return 1; }
};
