#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Turns named byte arrays into the C++ source of src/media/BuiltinImages.cpp.
class SourceWriter {
public:
    void add(const std::string& name, const std::string& sizeConstant,
             const std::vector<std::uint8_t>& bytes);
    std::string text() const;

private:
    struct Array {
        std::string name, sizeConstant;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Array> arrays;
};
