#pragma once

#include <vector>

#include <SDL/SDL_types.h>

#include "media/BaseSurface.hpp"
#include "media/Rect.hpp"

class Character_Base;
class Item;
class Projectile;
class Projectile_Stack;

// What a character carries. Owns its items and keeps one quick slot per use
// (melee weapon, distant weapon, arrows, healing potion) pointing into them;
// holds the values of the drawn weapon, which combat reads. Arrows are merged
// into stacks by name as they come in.
class Inventory {
public:
    Inventory() = default;
    virtual ~Inventory();

    Inventory(const Inventory&) = delete;
    Inventory& operator=(const Inventory&) = delete;

    // The character that carries it; not owned. The items follow.
    void Set_Owner(Character_Base* owner);
    Character_Base* Get_Owner() const { return Owner; }

    // Replaces the contents by deep copies of other's, slots, potion count and
    // drawn values included. A template holding nothing changes nothing.
    void Copy_Contents(const Inventory& other);

    // Takes the item (deleted on failure). An arrow joins the stack of its
    // name when there is one.
    void Add(Item* item);
    // Add for each, in order; the vector is emptied.
    void Add(std::vector<Item*>& items);
    // Puts a carried item into its quick slot by category.
    void Equip(Item* item);
    // Takes the projectile: merged into the first stack of its name (and
    // deleted), or made the template of a new stack, which is returned.
    Projectile_Stack* Stack(Projectile* projectile);

    // The drawn values become those of the melee weapon (or of the second
    // melee slot); returns the slot used, null when both are empty.
    Item* Draw_Melee_Weapon();
    // Likewise with the distant weapon.
    Item* Draw_Distant_Weapon();
    // Unarmed: damage 0-0, critical multiplier 1, range 0.
    void Hide_Weapon();

    // Some arrow left in the stack.
    bool Projectile_Are_Available() const;
    // Prepares a shot at the distant weapon's range; nothing without arrows or a distant weapon.
    void Prepare_Launch(int direction, const GLINT::SDL::Rect& launchRect, int damage);
    // Looses the prepared shot, even the last arrow's.
    void Launch_Projectile();
    void Show_Launched_Projectile(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target);

    // Drinks one healing potion; false (and silent) when none is left.
    bool Use_Healing_Potion();
    // Deletes every item and empties every slot.
    void Clean_Inventory();

    const std::vector<Item*>& Get_Items() const { return Items; }
    Item* Get_Melee_Weapon() const { return Melee_Weapon; }
    Item* Get_Second_Melee_Weapon() const { return Second_Melee_Weapon; }
    Item* Get_Distant_Weapon() const { return Distant_Weapon; }
    Projectile_Stack* Get_Projectile_Stack() const { return Projectiles; }
    Item* Get_Healing_Potion() const { return Healing_Potion_Slot; }
    Sint16 Get_Healing_Potion_Count() const { return Healing_Potion_Count; }

    Sint16 Get_Drawn_Damage_Min() const { return Drawn_Damage_Min; }
    Sint16 Get_Drawn_Damage_Max() const { return Drawn_Damage_Max; }
    Sint16 Get_Drawn_Critical_Multiplier() const { return Drawn_Critical_Multiplier; }
    Sint16 Get_Drawn_Range() const { return Drawn_Range; }

private:
    void Draw(const Item* weapon);

    Character_Base* Owner = nullptr;
    Sint16 Healing_Potion_Count = 0;
    std::vector<Item*> Items; // owned
    // The slots point into Items.
    Item* Melee_Weapon = nullptr;
    Item* Second_Melee_Weapon = nullptr;
    Item* Distant_Weapon = nullptr;
    Projectile_Stack* Projectiles = nullptr;
    Item* Healing_Potion_Slot = nullptr;
    Sint16 Drawn_Damage_Min = 0;
    Sint16 Drawn_Damage_Max = 0;
    Sint16 Drawn_Critical_Multiplier = 1;
    Sint16 Drawn_Range = 0;
};
