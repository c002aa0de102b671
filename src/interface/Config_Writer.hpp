#pragma once

#include <string>

#include "shell/Key_Binding.hpp"

// Config.ini as the options screens write it back: every current setting in
// the layout of the file the game creates at first start (screen, audio, the
// first keys, the second keys), so an unchanged game writes the same bytes.
class Config_Writer {
public:
    Config_Writer() = delete;

    static const char* const File;

    static std::string Text();
    // A binding as Config.ini stores it: "KW", "Left", or "" when unbound.
    static std::string Value(const Key_Binding& binding);
    // Replaces fileName through a temporary file; on failure the old file stays
    // and error names the file.
    static bool Save(std::string& error, const std::string& fileName = File);
};
