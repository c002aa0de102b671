#include "items/Drop.hpp"

#include "shell/Error_Chain.hpp"

void Drop::Concatenate(Drop** other) {
    Chain_Errors("Exception In Drop::Concatenate: ", "Unhandled Exception In Drop::Concatenate()", [&] {
        if (!other || !*other || *other == this)
            return;
        Drop* old = *other;
        for (Item* item : old->Take_Items())
            Add_Item(item);
        // The only bow must not erode because a newer bag fell on it.
        if (old->Erosion_State == Permanent)
            Erosion_State = Permanent;
        delete old;
        *other = nullptr;
    });
}
