#pragma once

#include <vector>

#include <SDL/SDL_types.h>

class Item;

// Something lying on the battlefield that the player can act on, holding items.
class Actionable {
public:
    enum Actionable_Type { Drop_Type = 1, Chest_Type = 2 };

    virtual ~Actionable();
    Actionable(const Actionable&) = delete;
    Actionable& operator=(const Actionable&) = delete;

    // Appends the item and takes it.
    virtual void Add_Item(Item* item);
    // Hands the contents over in order; the actionable is left empty.
    std::vector<Item*> Take_Items();

    Uint32 Get_Type() const { return Type; }
    const std::vector<Item*>& Get_Items() const { return Items; }

protected:
    explicit Actionable(Uint32 type) : Type(type) {}

    Uint32 Type;
    std::vector<Item*> Items; // owned
};
