#pragma once

#include "OutputTree.hpp"

#include <string>
#include <vector>

// Writes the four item files with their thumbnails and the arrow tileset,
// and the drop bag and chest tilesets with their files.
class ItemWriter {
public:
    void write(OutputTree& out);
    const std::vector<std::pair<std::string, Image>>& pictures() const { return pictures_; }

private:
    void picture(OutputTree& out, const std::string& path, const Image& img);
    std::vector<std::pair<std::string, Image>> pictures_;
};
