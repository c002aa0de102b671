#pragma once

#include "OutputTree.hpp"

#include <string>
#include <vector>

// Writes the interface pictures and their files: loading screen, window
// icon, the player's bars, the monsters' life bar, the inventory and
// characteristics backgrounds and the death head.
class InterfaceWriter {
public:
    explicit InterfaceWriter(Image heroPortrait) : hero_(std::move(heroPortrait)) {}
    void write(OutputTree& out);
    const std::vector<std::pair<std::string, Image>>& pictures() const { return pictures_; }

private:
    void picture(OutputTree& out, const std::string& path, const Image& img);
    Image hero_;
    std::vector<std::pair<std::string, Image>> pictures_;
};
