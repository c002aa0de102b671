#pragma once

#include <cstddef>
#include <functional>
#include <string>

// Text typed by the player or read from a file, made safe to draw and to
// write: valid UTF-8 out, whatever came in. A byte that does not begin a valid
// UTF-8 sequence is taken as Latin-1 (what older editors and key events give).
class Printable_Text {
public:
    Printable_Text() = delete;

    // UTF-8 without control characters (C0, DEL, C1), at most maxCharacters
    // characters. With keepLines, line feeds stay and tabs become spaces.
    static std::string Clean(const std::string& bytes, std::size_t maxCharacters, bool keepLines = false);

    // Valid UTF-8 text as wide as width measures it, at most maxWidth: whole
    // when it fits, else its longest head that fits with an ellipsis.
    static std::string Fit(const std::string& utf8, int maxWidth, const std::function<int(const std::string&)>& width);

    // Characters (not bytes) of valid UTF-8 text.
    static std::size_t Length(const std::string& utf8);

    static std::string Encode(char32_t character);
    static bool Is_Control(char32_t character);

    // The character starting at bytes[position]: its code and how many bytes
    // it takes (1 for a byte read as Latin-1).
    static char32_t Decode(const std::string& bytes, std::size_t position, std::size_t& size);
};
