#pragma once

#include "Image.hpp"

// The interface pictures: loading screen, window icon, bars, the inventory
// and characteristics window backgrounds and the death head.
class InterfacePainter {
public:
    static Image loadingScreen();            // 800 x 600
    static Image icon();                     // 32 x 32
    static Image playerBars();               // 4 strips of BarsW x BarsH
    static Image lifeBar();                  // 2 strips of LifeW x LifeH
    static Image inventoryBackground();      // 800 x 600
    // `hero` is a 64 x 64 frame drawn as the portrait.
    static Image characteristicsBackground(const Image& hero);
    static Image deathHead();

    static constexpr int BarsW = 160, BarsH = 14;
    static constexpr int LifeW = 32, LifeH = 5;
    static constexpr int CharacteristicsW = 300, CharacteristicsH = 136;

    // The thirteen inventory boxes (x, y, w, h), in slot order.
    static const int Slots[13][4];
};
