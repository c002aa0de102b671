#include "items/Chest.hpp"

Chest::Chest(const std::string& position) : Actionable(Chest_Type) {
    if (position == "Center")
        Position = 1;
    else if (position == "Right")
        Position = 2;
}
