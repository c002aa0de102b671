#include "lumen/lumenimageloader.hpp"

#include <exception>
#include <memory>

#include <guichan/exception.hpp>

#include "media/RGBSurface.hpp"

namespace gcn {

namespace {

// The media layer's own error only says that loading failed; the interface's
// error chain should also say which file.
template <class Make>
GLINT::SDL::RGBSurface* loadSurface(const std::string& fileName, Make&& make) {
    try {
        return make();
    } catch (const std::exception& e) {
        throw GCN_EXCEPTION("Unable to load image file: " + fileName + " (" + e.what() + ")");
    }
}

LumenImage* wrap(GLINT::SDL::RGBSurface* surface, bool convertToDisplayFormat) {
    std::unique_ptr<LumenImage> image(new LumenImage(surface, true));
    if (convertToDisplayFormat)
        image->convertToDisplayFormat();
    return image.release();
}

} // namespace

LumenImageLoader::~LumenImageLoader() = default;

LumenImage* LumenImageLoader::load(const std::string& fileName, bool convertToDisplayFormat) {
    return wrap(loadSurface(fileName, [&] { return new GLINT::SDL::RGBSurface(fileName); }),
                convertToDisplayFormat);
}

LumenImage* LumenImageLoader::load(const std::string& fileName,
                                   const GLINT::SDL::RGBAColor& colorKey,
                                   bool convertToDisplayFormat) {
    return wrap(
        loadSurface(fileName, [&] { return new GLINT::SDL::RGBSurface(colorKey, fileName); }),
        convertToDisplayFormat);
}

} // namespace gcn
