#pragma once

#include "media/Mouse.hpp"

class GUI;
class Player;

// The game's mouse: buttons bound to the player's commands while playing
// (the mouse neither moves the hero nor opens the menu), a button captured
// for the options screen, and every button and motion handed to the interface.
class MouseInput : public GLINT::SDL::Mouse {
public:
    // Neither is owned; either may be null (then what needs it is skipped).
    MouseInput(Player* player, GUI* gui);
    ~MouseInput() override;

    bool handleMouseMotionEvent(bool buttonOne, int x, int y, int xrel, int yrel) override;
    bool handleMouseButtonEvent(int button, int x, int y, bool pressed) override;

private:
    Player* The_Player;
    GUI* Interface;
};
