#pragma once

#include <string>

// What one game action is bound to: a key (Code is a media-layer key number,
// Type "Key") or a mouse button (Code is a button number, Type "Button").
// Code 0 means unbound.
struct Key_Binding {
    int Code = 0;
    std::string Type = "Key";

    // A Config.ini value: a key name ("KW"), a button name ("Left") or nothing.
    static Key_Binding From_Value(const std::string& value);
};
