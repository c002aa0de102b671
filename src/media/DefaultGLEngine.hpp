#pragma once

#include <memory>

#include <SDL/SDL_opengl.h>

#include "media/Engine.hpp"
#include "media/RGBSurface.hpp"

namespace GLINT {
namespace SDL {

// The OpenGL counterpart of DefaultEngine: the logo as one textured quad.
class DefaultGLEngine : public Engine {
public:
    DefaultGLEngine();
    ~DefaultGLEngine() override;

    void prerender(unsigned long ticks) override;
    void render(VideoSurface& screen) override;
    bool init(int width, int height) override;
    bool resize(int width, int height) override;

private:
    std::unique_ptr<RGBSurface> logo;
    GLuint texture = 0;
};

} // namespace SDL
} // namespace GLINT
