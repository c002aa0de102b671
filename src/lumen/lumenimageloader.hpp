#pragma once

#include <string>

#include <guichan/imageloader.hpp>

#include "lumen/lumenimage.hpp"
#include "media/RGBAColor.hpp"

namespace gcn {

// Loads Guichan's images as media-layer surfaces; installed with
// Image::setImageLoader before any widget is made.
class LumenImageLoader : public ImageLoader {
public:
    ~LumenImageLoader() override;

    LumenImage* load(const std::string& fileName, bool convertToDisplayFormat = true) override;
    // The colour-keyed form: a key alpha below 255 makes the whole picture translucent.
    virtual LumenImage* load(const std::string& fileName, const GLINT::SDL::RGBAColor& colorKey,
                             bool convertToDisplayFormat = true);
};

} // namespace gcn
