#pragma once

// A fresh folder, entered for its lifetime, and whole files read and written in it.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace test_files {

namespace fs = std::filesystem;

inline std::string Read(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Creates the folders on the way.
inline void Write(const std::string& name, const std::string& text) {
    if (fs::path(name).has_parent_path())
        fs::create_directories(fs::path(name).parent_path());
    std::ofstream(name, std::ios::binary) << text;
}

class Temporary_Folder {
public:
    Temporary_Folder() : previous(fs::current_path()) {
        char pattern[] = "/tmp/varnholt_test_XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("mkdtemp failed");
        folder = pattern;
        fs::current_path(folder);
    }
    ~Temporary_Folder() {
        std::error_code ignored;
        fs::current_path(previous, ignored);
        fs::remove_all(folder, ignored);
    }
    Temporary_Folder(const Temporary_Folder&) = delete;
    Temporary_Folder& operator=(const Temporary_Folder&) = delete;
    const fs::path& Path() const { return folder; }

private:
    fs::path previous;
    fs::path folder;
};

} // namespace test_files
