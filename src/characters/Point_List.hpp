#pragma once

#include <deque>

#include "media/Point.hpp"

// A route or a patrol: positions in the order they are reached.
using Point_List = std::deque<GLINT::SDL::Point>;
