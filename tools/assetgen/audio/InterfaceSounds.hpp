#pragma once

#include "Signal.hpp"

// Short, clean blips for the menus; they must not tire the ear.
class InterfaceSounds {
public:
    static Signal focus();
    static Signal click();
    static Signal hover();
};
