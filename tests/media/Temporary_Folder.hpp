#pragma once

// A fresh folder, entered for its lifetime, whole files read and written in it, and the
// shipped game data linked into it.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "Shipped_World.hpp"

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

// Data/ of links to the shipped folders, Data/<sub> of links to its files
// but without: a test can take one file away. Credits.txt is a copy.
inline void Link_Shipped_Data(const std::string& sub = "", const std::string& without = "") {
    const fs::path shipped = fs::path(shipped::Game_Dir()) / "Data";
    fs::create_directory("Data");
    for (const auto& entry : fs::directory_iterator(shipped))
        if (entry.path().filename() != sub)
            fs::create_directory_symlink(entry.path(), fs::path("Data") / entry.path().filename());
    if (!sub.empty()) {
        fs::create_directory(fs::path("Data") / sub);
        for (const auto& entry : fs::directory_iterator(shipped / sub))
            if (entry.path().filename() != without)
                fs::create_symlink(entry.path(), fs::path("Data") / sub / entry.path().filename());
    }
    fs::copy_file(fs::path(shipped::Game_Dir()) / "Credits.txt", "Credits.txt");
}

} // namespace test_files
