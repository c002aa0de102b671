#pragma once

#include <memory>

#include "media/Engine.hpp"
#include "media/RGBSurface.hpp"

namespace GLINT {
namespace SDL {

// Shows the built-in logo in the bottom-right corner until the application installs its engine.
class DefaultEngine : public Engine {
public:
    DefaultEngine();
    void render(VideoSurface& screen) override;
    bool init(int width, int height) override;
    bool resize(int width, int height) override;

    const RGBSurface& getLogo() const { return *logo; }

private:
    std::unique_ptr<RGBSurface> logo;
};

} // namespace SDL
} // namespace GLINT
