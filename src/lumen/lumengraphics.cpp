#include "lumen/lumengraphics.hpp"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include <guichan/exception.hpp>

#include "lumen/lumenimage.hpp"
#include "media/RGBAColor.hpp"

namespace gcn {

namespace {

using GLINT::SDL::Point;
using GLINT::SDL::Rect;

// Guichan's SDL blend, channel by channel: (source × a + destination × (255 − a)) / 256.
// Worked on colours rather than raw bits, so it holds for any pixel layout; the
// destination keeps its own alpha.
Uint32 blend(Uint32 under, const Color& over, const SDL_PixelFormat* format) {
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRGBA(under, const_cast<SDL_PixelFormat*>(format), &r, &g, &b, &a);
    const unsigned int alpha = static_cast<unsigned int>(over.a) & 0xff;
    auto mix = [alpha](unsigned int src, unsigned int dst) {
        return static_cast<Uint8>(((src & 0xff) * alpha + dst * (255 - alpha)) >> 8);
    };
    return SDL_MapRGBA(const_cast<SDL_PixelFormat*>(format), mix(over.r, r), mix(over.g, g),
                       mix(over.b, b), a);
}

// Clip rectangles are ints; the media layer's rectangles are SDL's 16-bit ones.
Rect toRect(int x, int y, int width, int height) {
    return Rect(static_cast<Sint16>(x), static_cast<Sint16>(y),
                static_cast<Uint16>(std::max(0, width)), static_cast<Uint16>(std::max(0, height)));
}

} // namespace

LumenGraphics::LumenGraphics() : target(nullptr), alpha(false) {}

LumenGraphics::~LumenGraphics() = default;

void LumenGraphics::_beginDraw() {
    // Guichan would crash on a missing target; say what is wrong instead.
    if (!target)
        throw GCN_EXCEPTION("LumenGraphics has no target surface to draw on.");
    Rectangle area;
    area.x = 0;
    area.y = 0;
    area.width = target->getWidth();
    area.height = target->getHeight();
    pushClipArea(area);
}

void LumenGraphics::_endDraw() {
    popClipArea();
}

void LumenGraphics::setTarget(GLINT::SDL::BaseSurface* surface) {
    target = surface;
}

GLINT::SDL::BaseSurface* LumenGraphics::getTarget() const {
    return target;
}

bool LumenGraphics::pushClipArea(Rectangle area) {
    const bool result = Graphics::pushClipArea(area);
    applyTopClipArea();
    return result;
}

void LumenGraphics::popClipArea() {
    Graphics::popClipArea();
    if (mClipStack.empty())
        return;
    applyTopClipArea();
}

void LumenGraphics::applyTopClipArea() {
    if (!target)
        return;
    const ClipRectangle& top = mClipStack.top();
    target->setClipRect(toRect(top.x, top.y, top.width, top.height));
}

const ClipRectangle& LumenGraphics::drawingArea() const {
    if (mClipStack.empty())
        throw GCN_EXCEPTION(
            "Clip stack is empty, perhaps you called a draw funtion outside of _beginDraw() and "
            "_endDraw()?");
    if (!target)
        throw GCN_EXCEPTION("LumenGraphics has no target surface to draw on.");
    return mClipStack.top();
}

void LumenGraphics::plot(int x, int y) {
    const SDL_PixelFormat* format = target->getFormat();
    if (alpha)
        target->putpixel(x, y, blend(target->getpixel(x, y), color, format));
    else
        target->putpixel(x, y,
                         SDL_MapRGB(const_cast<SDL_PixelFormat*>(format),
                                    static_cast<Uint8>(color.r), static_cast<Uint8>(color.g),
                                    static_cast<Uint8>(color.b)));
}

void LumenGraphics::drawImage(const Image* image, int srcX, int srcY, int dstX, int dstY, int width,
                              int height) {
    const ClipRectangle& top = drawingArea();
    const LumenImage* source = dynamic_cast<const LumenImage*>(image);
    if (!source)
        throw GCN_EXCEPTION("Trying to draw an image of unknown format, must be an LumenImage.");
    if (!source->getSurface())
        return;
    // The target's clip rectangle is the top area, so the blit clips itself.
    target->blit(
        *source->getSurface(),
        Point(static_cast<Sint16>(dstX + top.xOffset), static_cast<Sint16>(dstY + top.yOffset)),
        toRect(srcX, srcY, width, height));
}

void LumenGraphics::drawLumenSurface(const GLINT::SDL::BaseSurface& surface, const Rect& source,
                                     const Point& destination) {
    const ClipRectangle& top = drawingArea();
    const Point moved(static_cast<Sint16>(destination.getx() + top.xOffset),
                      static_cast<Sint16>(destination.gety() + top.yOffset));
    target->blit(surface, moved, source);
}

void LumenGraphics::fillRectangle(const Rectangle& rectangle) {
    const ClipRectangle& top = drawingArea();

    Rectangle area = rectangle;
    area.x += top.xOffset;
    area.y += top.yOffset;
    if (!area.isIntersecting(top))
        return;

    const int x1 = std::max(area.x, top.x);
    const int y1 = std::max(area.y, top.y);
    const int x2 = std::min(area.x + area.width, top.x + top.width);
    const int y2 = std::min(area.y + area.height, top.y + top.height);
    if (x1 >= x2 || y1 >= y2)
        return;

    if (!alpha) {
        const GLINT::SDL::RGBAColor fill(static_cast<Uint8>(color.r), static_cast<Uint8>(color.g),
                                         static_cast<Uint8>(color.b), static_cast<Uint8>(color.a));
        target->fill(fill, toRect(x1, y1, x2 - x1, y2 - y1));
        return;
    }

    // One lock for the whole area rather than one per pixel.
    const bool locking = target->mustLock() && target->lock();
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            plot(x, y);
    if (locking)
        target->unlock();
}

void LumenGraphics::drawPoint(int x, int y) {
    const ClipRectangle& top = drawingArea();
    x += top.xOffset;
    y += top.yOffset;
    if (!top.isPointInRect(x, y))
        return;
    plot(x, y);
}

void LumenGraphics::drawHLine(int x1, int y, int x2) {
    const ClipRectangle& top = drawingArea();
    x1 += top.xOffset;
    x2 += top.xOffset;
    y += top.yOffset;

    if (y < top.y || y >= top.y + top.height)
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    x1 = std::max(x1, top.x);
    x2 = std::min(x2, top.x + top.width - 1);

    const bool locking = target->mustLock() && target->lock();
    for (int x = x1; x <= x2; ++x)
        plot(x, y);
    if (locking)
        target->unlock();
}

void LumenGraphics::drawVLine(int x, int y1, int y2) {
    const ClipRectangle& top = drawingArea();
    x += top.xOffset;
    y1 += top.yOffset;
    y2 += top.yOffset;

    if (x < top.x || x >= top.x + top.width)
        return;
    if (y1 > y2)
        std::swap(y1, y2);
    y1 = std::max(y1, top.y);
    y2 = std::min(y2, top.y + top.height - 1);

    const bool locking = target->mustLock() && target->lock();
    for (int y = y1; y <= y2; ++y)
        plot(x, y);
    if (locking)
        target->unlock();
}

void LumenGraphics::drawRectangle(const Rectangle& rectangle) {
    const int x1 = rectangle.x;
    const int x2 = rectangle.x + rectangle.width - 1;
    const int y1 = rectangle.y;
    const int y2 = rectangle.y + rectangle.height - 1;

    drawHLine(x1, y1, x2);
    drawHLine(x1, y2, x2);
    drawVLine(x1, y1, y2);
    drawVLine(x2, y1, y2);
}

void LumenGraphics::drawLine(int x1, int y1, int x2, int y2) {
    if (x1 == x2) {
        drawVLine(x1, y1, y2);
        return;
    }
    if (y1 == y2) {
        drawHLine(x1, y1, x2);
        return;
    }

    const ClipRectangle& top = drawingArea();
    x1 += top.xOffset;
    y1 += top.yOffset;
    x2 += top.xOffset;
    y2 += top.yOffset;

    // Bresenham along the longer axis, always stepping forwards along it.
    const int dx = std::abs(x2 - x1);
    const int dy = std::abs(y2 - y1);
    const bool locking = target->mustLock() && target->lock();
    if (dx > dy) {
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int step = y1 < y2 ? 1 : -1;
        int y = y1;
        int p = 0;
        for (int x = x1; x <= x2; ++x) {
            if (top.isPointInRect(x, y))
                plot(x, y);
            p += dy;
            if (p * 2 >= dx) {
                y += step;
                p -= dx;
            }
        }
    } else {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int step = x1 < x2 ? 1 : -1;
        int x = x1;
        int p = 0;
        for (int y = y1; y <= y2; ++y) {
            if (top.isPointInRect(x, y))
                plot(x, y);
            p += dx;
            if (p * 2 >= dy) {
                x += step;
                p -= dy;
            }
        }
    }
    if (locking)
        target->unlock();
}

void LumenGraphics::setColor(const Color& newColor) {
    color = newColor;
    alpha = newColor.a != 255;
}

const Color& LumenGraphics::getColor() const {
    return color;
}

} // namespace gcn
