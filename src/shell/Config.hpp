#pragma once

#include <string>

// Reads Config.ini and Config/Dev_Config.ini (relative to the working
// directory) into Game_Settings and opens the game log. Without Config.ini it
// returns false and changes nothing, unless mayCreate allows writing the
// default file first (video must be up: the default uses the desktop size);
// when it can't be written, the defaults are used all the same. A Config.ini
// value out of range keeps the built-in one and is logged; one in
// Dev_Config.ini stops the start.
// Throws std::logic_error("Error In Get_Config() : ...") on failure.
bool Get_Config(bool& mayCreate);

// The value of key in fileName, or "" when the file can't be read or no
// line sets it. Lines holding '#' are comments; a setting is
// "KEY = value", the key followed by exactly one space; the value is one
// word, or the text between double quotes. The first match wins.
std::string Get_Config_Value(const std::string& fileName, const std::string& key);
// The same, in a file's text already read.
std::string Find_Config_Value(const std::string& text, const std::string& key);

// Replaces the content of fileName by text, through fileName + ".tmp" renamed
// over it; false when it can't be written, and then the old file is untouched.
bool Write_Config_File(const std::string& fileName, const std::string& text);

// The Config.ini written when there is none, for a width x height desktop.
std::string Default_Config_Text(int width, int height);
