#pragma once

#include <vector>

#include <SDL/SDL_types.h>

#include "items/Item.hpp"
#include "items/Projectile.hpp"
#include "media/BaseSurface.hpp"
#include "media/Rect.hpp"

// A character's arrows of one kind: a template, how many are left, and the
// shots prepared or in the air. Pictured by its template.
class Projectile_Stack : public Item {
public:
    // Takes the template, even when it throws.
    Projectile_Stack(Projectile* projectileTemplate, Sint32 count);
    ~Projectile_Stack() override;
    Item* Clone() const override;
    // The template's owner follows: every shot is fired by it.
    void Set_Owner(Character_Base* owner) override;

    // One more projectile of the template's kind; it is deleted, only its weight and count stay.
    void Merge(Projectile* projectile);

    // Readies a copy of the template at launchRect; its timer already ticks,
    // but it does not move until launched. Nothing when no projectile is left.
    void Prepare_Launch(Sint16 direction, const GLINT::SDL::Rect& launchRect, Sint16 damage, Uint16 range);
    // Looses the newest prepared shot; nothing when there is none.
    void Launch_Projectile();
    // Draws the shots in the air and deletes the finished ones.
    void Show_Launched_Projectiles(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& screen);
    void Clean_Stack();

    Sint32 Get_Count() const { return Count; }
    Projectile* Get_Template() const { return Template; }
    const std::vector<Projectile*>& Get_Launched() const { return Launched; }

protected:
    Projectile_Stack(const Projectile_Stack& other);

private:
    Sint32 Count = 0;
    Projectile* Template = nullptr; // owned
    std::vector<Projectile*> Launched; // owned
};
