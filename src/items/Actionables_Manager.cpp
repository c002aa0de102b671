#include "items/Actionables_Manager.hpp"

void Actionables_Manager::Drop_Items(int, int, bool) { ++Drops; }
