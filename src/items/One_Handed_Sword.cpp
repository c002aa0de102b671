#include "items/One_Handed_Sword.hpp"

One_Handed_Sword::One_Handed_Sword() {
    Subtype = 1;
    Class_Constant = 1;
}
