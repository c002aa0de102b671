#include "items/Clothes.hpp"

Clothes::Clothes() = default;
