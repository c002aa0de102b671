#pragma once

#include <string>
#include <vector>

#include "media/Engine.hpp"
#include "media/Rect.hpp"
#include "media/VideoSurface.hpp"

class BattleField;
class Character_Factory_Base;
class Actionables_Manager;
class GUI;
class Player;

// The game's engine in the window's main loop: draws the battlefield back to
// front around the camera every frame and follows window size changes.
//
// The camera is the player's. Without a player (scenes and benchmarks) it is
// a screen-sized rectangle, at the field's top-left corner until it is given a
// focus; the actionables join the frame with their code.
class Render_Engine : public GLINT::SDL::Engine {
public:
    explicit Render_Engine(BattleField* battlefield);
    ~Render_Engine() override;

    Render_Engine(const Render_Engine&) = delete;
    Render_Engine& operator=(const Render_Engine&) = delete;

    void prerender(unsigned long ticks) override;
    void render(GLINT::SDL::VideoSurface& screen) override;
    void postrender() override;
    // The ground copied from the field's cache covers the whole screen.
    bool coversDisplay(const GLINT::SDL::VideoSurface& screen) const override;
    bool init(int width, int height) override;
    bool resize(int width, int height) override;

    // The factories whose characters are drawn between the ground and the
    // scenery and act after each frame; not owned.
    void Set_Factories(std::vector<Character_Factory_Base*>* factories) { Factories = factories; }

    // The player moved and drawn every frame, whose camera the field is seen
    // through, and the interface run and drawn over it; not owned.
    void Set_Player(Player* player) { The_Player = player; }
    void Set_GUI(GUI* gui) { Interface = gui; }
    void Set_Actionables(Actionables_Manager* actionables) { Actionables = actionables; }

    // The player's camera once there is a player, else the start-position one.
    const GLINT::SDL::Rect& Get_Camera() const;
    // Centres the camera without a player on (x, y), kept inside the field.
    void Set_Camera_Focus(int x, int y);

private:
    void Set_Following_Camera();

    BattleField* Battlefield;
    std::vector<Character_Factory_Base*>* Factories = nullptr;
    Player* The_Player = nullptr;
    GUI* Interface = nullptr;
    Actionables_Manager* Actionables = nullptr;
    GLINT::SDL::Rect Camera;
    int Focus_X = 0;
    int Focus_Y = 0;
};
