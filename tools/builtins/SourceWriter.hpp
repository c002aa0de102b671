#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Turns a named byte array into the C++ source that defines it (one file per
// picture, declared in src/media/BuiltinImages.hpp).
class SourceWriter {
public:
    static std::string text(const std::string& name, const std::string& sizeConstant,
                            const std::vector<std::uint8_t>& bytes);
};
