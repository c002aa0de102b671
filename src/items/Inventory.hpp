#pragma once

#include <SDL/SDL_types.h>

#include "media/BaseSurface.hpp"
#include "media/Rect.hpp"

class Character_Base;

// What a character carries. Combat asks it for projectiles to prepare,
// launch and draw; a character without a distant weapon has none.
class Inventory {
public:
    Inventory() = default;
    virtual ~Inventory() = default;

    Inventory(const Inventory&) = delete;
    Inventory& operator=(const Inventory&) = delete;

    // The character that carries it; not owned.
    void Set_Owner(Character_Base* owner) { Owner = owner; }
    Character_Base* Get_Owner() const { return Owner; }

    // Takes a copy of other's contents (nothing yet to copy).
    void Copy_Contents(const Inventory& other);

    bool Projectile_Are_Available() const;
    void Prepare_Launch(int direction, const GLINT::SDL::Rect& launchRect, int damage);
    void Launch_Projectile();
    void Show_Launched_Projectile(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target);

private:
    Character_Base* Owner = nullptr;
};
