#pragma once

#include "items/One_Handed_Sword.hpp"

// The first sword: the chest's and the guards'. Loaded from Data/Items/Apprentice_Sword.xml.
class Apprentice_Sword : public One_Handed_Sword {
public:
    static const char* const File;

    Apprentice_Sword();
    Item* Clone() const override { return new Apprentice_Sword(*this); }

protected:
    Apprentice_Sword(const Apprentice_Sword&) = default;
};
