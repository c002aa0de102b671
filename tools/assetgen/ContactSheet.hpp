#pragma once

#include "Image.hpp"

#include <string>
#include <vector>

// One picture showing the whole art set for review: pictures flow left to
// right in labelled sections, over a checker that shows transparency.
class ContactSheet {
public:
    explicit ContactSheet(int width) : width_(width) {}
    void section(const std::string& title);
    void add(const std::string& label, const Image& img);
    Image render() const;

private:
    struct Entry {
        std::string label;
        Image img;
        bool heading;
    };
    int width_;
    std::vector<Entry> entries_;
};
