#pragma once

#include <string>
#include <vector>

#include "media/Engine.hpp"
#include "media/Rect.hpp"
#include "media/VideoSurface.hpp"

class BattleField;
class Character_Factory_Base;

// The game's engine in the window's main loop: draws the battlefield back to
// front around the camera every frame and follows window size changes.
//
// Until the player exists the camera is a screen-sized rectangle centred on
// the player's start position from the player's description file; the
// player, actionables and interface join the frame with their code.
class Render_Engine : public GLINT::SDL::Engine {
public:
    static const char* const Player_File;

    explicit Render_Engine(BattleField* battlefield, const std::string& playerFile = Player_File);
    ~Render_Engine() override;

    Render_Engine(const Render_Engine&) = delete;
    Render_Engine& operator=(const Render_Engine&) = delete;

    void prerender(unsigned long ticks) override;
    void render(GLINT::SDL::VideoSurface& screen) override;
    void postrender() override;
    bool init(int width, int height) override;
    bool resize(int width, int height) override;

    // The factories whose characters are drawn between the ground and the
    // scenery and act after each frame; not owned.
    void Set_Factories(std::vector<Character_Factory_Base*>* factories) { Factories = factories; }

    const GLINT::SDL::Rect& Get_Camera() const { return Camera; }
    // Centres the camera on (x, y) + half a sprite, kept inside the field.
    void Set_Camera_Focus(int x, int y);

private:
    void Set_Following_Camera();

    BattleField* Battlefield;
    std::vector<Character_Factory_Base*>* Factories = nullptr;
    GLINT::SDL::Rect Camera;
    int Focus_X = 0;
    int Focus_Y = 0;
    int Sprite_Width = 0;
    int Sprite_Height = 0;
};
