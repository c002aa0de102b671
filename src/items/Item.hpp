#pragma once

#include <string>

#include <SDL/SDL_types.h>

#include "items/Item_Picture.hpp"

class Character_Base;

// Everything a character can carry. Concrete items load their values from a
// fixed file under Data/Items/; the inventory sorts them into slots by category.
class Item {
public:
    enum Item_Category { Plain = 0, Weapon_Item = 1, Potion_Item = 3, Projectile_Item = 4, Projectile_Stack_Item = 5 };

    Item();
    virtual ~Item();
    Item& operator=(const Item&) = delete;

    // Validates the file, then reads the common keys.
    virtual void Create_From_File(const std::string& file);
    // A deep copy, pictures included, for a character made from its kind's template.
    virtual Item* Clone() const;

    Character_Base* Get_Owner() const { return Owner; }
    virtual void Set_Owner(Character_Base* owner) { Owner = owner; }

    const std::string& Get_Name() const { return Name; }
    bool Is_Quest_Item() const { return Quest_Item; }
    Sint32 Get_Value() const { return Value; }
    // The item's own picture, as the inventory window shows it; may be null.
    GLINT::SDL::RGBSurface* Get_Thumbnail() const { return Thumbnail.Get(); }
    Uint16 Get_Weight() const { return Weight; }
    Uint8 Get_Stackable() const { return Stackable; }
    Sint32 Get_Category() const { return Category; }

protected:
    struct Share_Pictures {};

    Item(const Item& other);
    // A copy that borrows other's pictures instead of copying them.
    Item(const Item& other, Share_Pictures);

    // The common keys, without validating: the derived loaders validate first.
    void Read_Item_Keys(const std::string& file);

    Character_Base* Owner = nullptr; // not owned
    std::string Name;
    bool Quest_Item = false;
    Sint32 Value = 0;
    Item_Picture Thumbnail;
    Uint16 Weight = 0;
    Uint8 Stackable = 0;
    Sint32 Category = Plain;
};
