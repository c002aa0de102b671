#include "items/Actionable.hpp"

#include <memory>

#include "items/Item.hpp"

Actionable::~Actionable() {
    for (Item* item : Items)
        delete item;
    Items.clear();
}

void Actionable::Add_Item(Item* item) {
    std::unique_ptr<Item> owned(item);
    if (!owned)
        return;
    Items.push_back(owned.get());
    owned.release();
}

std::vector<Item*> Actionable::Take_Items() {
    std::vector<Item*> taken;
    taken.swap(Items);
    return taken;
}
