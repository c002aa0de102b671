#include "OutputTree.hpp"

#include "DtdCatalog.hpp"
#include "PngWriter.hpp"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

OutputTree::OutputTree(std::string root) : root_(std::move(root)) {}

std::string OutputTree::full(const std::string& relPath) {
    fs::path p = fs::path(root_) / relPath;
    fs::create_directories(p.parent_path());
    written_.push_back(relPath);
    return p.string();
}

void OutputTree::png(const std::string& relPath, Image image, bool snap) {
    if (snap)
        image.snapToPalette();
    PngWriter::write(full(relPath), image);
}

void OutputTree::text(const std::string& relPath, const std::string& content) {
    std::string path = full(relPath);
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

XmlWriter OutputTree::xml(const std::string& relPath, const std::string& root, const std::string& dtdName) {
    fs::path from = fs::path(relPath).parent_path();
    fs::path rel = fs::path(DtdCatalog::path(dtdName)).lexically_relative(from);
    return XmlWriter(root, rel.generic_string());
}

void OutputTree::writeDtds() {
    for (const auto& [name, body] : DtdCatalog::all())
        text(DtdCatalog::path(name), body);
}
