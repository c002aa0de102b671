#include "media/Font.hpp"

#include <stdexcept>

#include "media/FontExtend.hpp"
#include "media/LogRethrow.hpp"
#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

Font::Font() : impl(new FontImpl()) {}

Font::Font(const std::string& trueTypeFile, int pointSize) {
    Log_Rethrow("Exception catched in Font Constructor :", LogStyle::OneEntry, [&] {
        try {
            impl.reset(new FontExtend(trueTypeFile, pointSize));
        } catch (const std::exception& e) {
            MediaLog << Logger::beginEntry << "Error in TTF File Loading :" << e.what() << std::endl;
            // The file and the reason travel with the error, so the game log names them too.
            throw std::logic_error(std::string("Font Support not available (") + trueTypeFile + ", " +
                                   std::to_string(pointSize) + " pt: " + e.what() + ")");
        }
    });
}

Font::Font(const Font& other) : impl(other.impl->clone()) {}

Font& Font::operator=(const Font& other) {
    if (this != &other)
        impl.reset(other.impl->clone());
    return *this;
}

Font::~Font() = default;

} // namespace SDL
} // namespace GLINT
