#include "media/DefaultEngine.hpp"

#include "media/BuiltinImages.hpp"
#include "media/RWOps.hpp"
#include "media/VideoSurface.hpp"

namespace GLINT {
namespace SDL {

DefaultEngine::DefaultEngine() {
    RWOps stream(Builtin::DefaultLogo, static_cast<int>(Builtin::DefaultLogoSize));
    logo.reset(new RGBSurface(stream));
}

void DefaultEngine::render(VideoSurface& screen) {
    screen.blit(*logo, Point(static_cast<Sint16>(screen.getWidth() - logo->getWidth()),
                             static_cast<Sint16>(screen.getHeight() - logo->getHeight())));
}

bool DefaultEngine::init(int, int) { return true; }

bool DefaultEngine::resize(int, int) { return true; }

} // namespace SDL
} // namespace GLINT
