#pragma once

#include "Signal.hpp"

// Deaths: a man's groan, a crawler's screech, a skeleton falling to bits,
// and the hero's two ways of dying.
class CreatureSounds {
public:
    static Signal humanoidDeath();
    static Signal crawlerDeath();
    static Signal undeadCrumble();
    static Signal playerDeathCry();
    static Signal playerDeathGasp();
};
