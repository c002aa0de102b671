#pragma once

#include "items/Bow.hpp"

// The bow a monster drops once enough of them are killed. Loaded from Data/Items/Apprentice_Bow.xml.
class Apprentice_Bow : public Bow {
public:
    static const char* const File;

    Apprentice_Bow();
    Item* Clone() const override { return new Apprentice_Bow(*this); }

protected:
    Apprentice_Bow(const Apprentice_Bow&) = default;
};
