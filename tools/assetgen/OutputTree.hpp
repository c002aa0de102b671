#pragma once

#include "Image.hpp"
#include "XmlWriter.hpp"

#include <string>
#include <vector>

// The game folder being written: every file goes through here, so folders
// are made as needed and the list of written files is known.
class OutputTree {
public:
    explicit OutputTree(std::string root);

    // Snaps the picture to the palette (unless told not to) and writes it.
    void png(const std::string& relPath, Image image, bool snap = true);
    void text(const std::string& relPath, const std::string& content);
    // Starts an XML document whose DOCTYPE names the DTD relative to relPath.
    static XmlWriter xml(const std::string& relPath, const std::string& root, const std::string& dtdName);
    void writeDtds();

    const std::string& root() const { return root_; }
    const std::vector<std::string>& written() const { return written_; }

private:
    std::string full(const std::string& relPath);
    std::string root_;
    std::vector<std::string> written_;
};
