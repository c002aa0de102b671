#include "items/Bow.hpp"

Bow::Bow() {
    Subtype = 1;
    Class_Constant = 3;
}
