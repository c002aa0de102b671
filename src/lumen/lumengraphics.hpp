#pragma once

#include <guichan/color.hpp>
#include <guichan/graphics.hpp>
#include <guichan/rectangle.hpp>

#include "media/BaseSurface.hpp"
#include "media/Point.hpp"
#include "media/Rect.hpp"

namespace gcn {

// Guichan's drawing primitives on a media-layer surface (the display or any
// RGBSurface). Coordinates are relative to the top clip area; nothing is ever
// drawn outside it.
class LumenGraphics : public Graphics {
public:
    LumenGraphics();
    ~LumenGraphics() override;

    LumenGraphics(const LumenGraphics&) = delete;
    LumenGraphics& operator=(const LumenGraphics&) = delete;

    // Push and pop a clip area covering the whole target.
    void _beginDraw() override;
    void _endDraw() override;

    bool pushClipArea(Rectangle area) override;
    void popClipArea() override;

    using Graphics::drawImage;
    void drawImage(const Image* image, int srcX, int srcY, int dstX, int dstY, int width,
                   int height) override;
    void drawPoint(int x, int y) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void drawRectangle(const Rectangle& rectangle) override;
    void fillRectangle(const Rectangle& rectangle) override;

    void setColor(const Color& color) override;
    const Color& getColor() const override;

    // The target is not owned; it must outlive its use here.
    virtual void setTarget(GLINT::SDL::BaseSurface* target);
    virtual GLINT::SDL::BaseSurface* getTarget() const;

    // Blits the source area of a surface at destination, moved by the clip offsets.
    virtual void drawLumenSurface(const GLINT::SDL::BaseSurface& surface,
                                  const GLINT::SDL::Rect& source,
                                  const GLINT::SDL::Point& destination);

protected:
    virtual void drawHLine(int x1, int y, int x2);
    virtual void drawVLine(int x, int y1, int y2);

    // The top clip area; throws when drawing outside _beginDraw() and _endDraw().
    const ClipRectangle& drawingArea() const;

    // Writes one pixel in absolute target coordinates, blended by the colour's
    // alpha when the alpha flag is on. The caller has clipped the point.
    void plot(int x, int y);

    // Makes the target's own clip rectangle follow the top of the clip stack.
    void applyTopClipArea();

    GLINT::SDL::BaseSurface* target;
    Color color;
    bool alpha;
};

} // namespace gcn
