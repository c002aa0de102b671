#pragma once

#include <string>

#include <SDL/SDL_types.h>

#include "items/Flying.hpp"
#include "items/Item.hpp"

// An item that flies: an arrow. In an inventory, projectiles of one name are
// merged into one Projectile_Stack; each shot flies a copy of the stack's template.
class Projectile : public Item, public Flying {
public:
    Projectile();

    // Count 1; validates, reads Additional_Damage, the common keys, then the flight keys.
    void Create_From_File(const std::string& file) override;
    Item* Clone() const override { return new Projectile(*this); }
    // A copy for one shot: it borrows this projectile's pictures (this one
    // must outlive it) and has no timer yet.
    Projectile* Make_Shot() const;

    Uint16 Get_Additional_Damage() const { return Additional_Damage; }
    Sint32 Get_Count() const { return Count; }

protected:
    Projectile(const Projectile&) = default;
    Projectile(const Projectile& other, Item::Share_Pictures);

    Uint16 Additional_Damage = 0;
    Sint32 Count = 1;
};
