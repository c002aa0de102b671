#include "media/DefaultGLEngine.hpp"

#include <vector>

#include "media/BuiltinImages.hpp"
#include "media/Logger.hpp"
#include "media/RWOps.hpp"
#include "media/VideoSurface.hpp"

namespace GLINT {
namespace SDL {

DefaultGLEngine::DefaultGLEngine() {
    RWOps stream(Builtin::DefaultLogo, static_cast<int>(Builtin::DefaultLogoSize));
    logo.reset(new RGBSurface(stream));
}

DefaultGLEngine::~DefaultGLEngine() {
    if (texture != 0)
        glDeleteTextures(1, &texture);
}

void DefaultGLEngine::prerender(unsigned long) { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void DefaultGLEngine::render(VideoSurface& screen) {
    const GLfloat w = static_cast<GLfloat>(screen.getWidth());
    const GLfloat h = static_cast<GLfloat>(screen.getHeight());
    const GLfloat lw = static_cast<GLfloat>(logo->getWidth());
    const GLfloat lh = static_cast<GLfloat>(logo->getHeight());

    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(w - lw, h - lh);
    glTexCoord2f(1, 0);
    glVertex2f(w, h - lh);
    glTexCoord2f(1, 1);
    glVertex2f(w, h);
    glTexCoord2f(0, 1);
    glVertex2f(w - lw, h);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

bool DefaultGLEngine::init(int width, int height) {
    if (texture != 0)
        glDeleteTextures(1, &texture);
    texture = 0;

    // Upload the logo as RGB bytes in the order OpenGL expects, whatever the BMP layout.
    RGBSurface rgb(logo->getWidth(), logo->getHeight(), 32);
    SDL_SetAlpha(logo->get_SDL(), 0, 255);
    rgb.blit(*logo, Point(0, 0));
    std::vector<GLubyte> pixels;
    pixels.reserve(static_cast<std::size_t>(rgb.getWidth() * rgb.getHeight() * 3));
    for (int y = 0; y < rgb.getHeight(); ++y)
        for (int x = 0; x < rgb.getWidth(); ++x) {
            const RGBColor c = RGBColor::fromPixel(rgb.getpixel(x, y), rgb.getFormat());
            pixels.push_back(c.getR());
            pixels.push_back(c.getG());
            pixels.push_back(c.getB());
        }

    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (!glIsTexture(texture))
        MediaLog << Logger::beginEntry << "Unable to generate logo texture" << std::endl;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, rgb.getWidth(), rgb.getHeight(), 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    return true;
}

bool DefaultGLEngine::resize(int width, int height) {
    init(width, height);
    return true;
}

} // namespace SDL
} // namespace GLINT
