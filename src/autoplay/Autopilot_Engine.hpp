#pragma once

#include "media/Engine.hpp"

class Autopilot;

// The game's own engine with the autopilot's decision before each frame.
class Autopilot_Engine : public GLINT::SDL::Engine {
public:
    // Neither is owned; the game's engine is not called once the main loop ends.
    Autopilot_Engine(GLINT::SDL::Engine& game, Autopilot& pilot) : Game(game), Pilot(pilot) {}

    void prerender(unsigned long ticks) override;
    void render(GLINT::SDL::VideoSurface& screen) override { Game.render(screen); }
    void postrender() override { Game.postrender(); }
    bool init(int width, int height) override { return Game.init(width, height); }
    bool resize(int width, int height) override { return Game.resize(width, height); }
    bool coversDisplay(const GLINT::SDL::VideoSurface& screen) const override { return Game.coversDisplay(screen); }

private:
    GLINT::SDL::Engine& Game;
    Autopilot& Pilot;
};
