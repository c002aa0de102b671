#include "interface/Printable_Text.hpp"

#include <vector>

namespace {

bool Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

} // namespace

char32_t Printable_Text::Decode(const std::string& bytes, std::size_t position, std::size_t& size) {
    const unsigned char lead = static_cast<unsigned char>(bytes[position]);
    size = 1;
    std::size_t length = 0;
    char32_t code = 0;
    char32_t lowest = 0;
    if (lead < 0x80)
        return lead;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        lowest = 0x10000;
    } else {
        return lead;
    }
    if (position + length > bytes.size())
        return lead;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = static_cast<unsigned char>(bytes[position + i]);
        if (!Continuation(next))
            return lead;
        code = (code << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    if (code < lowest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return lead;
    size = length;
    return code;
}

std::string Printable_Text::Encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

bool Printable_Text::Is_Control(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string Printable_Text::Clean(const std::string& bytes, std::size_t maxCharacters, bool keepLines) {
    std::string out;
    std::size_t characters = 0;
    std::size_t size = 1;
    for (std::size_t i = 0; i < bytes.size() && characters < maxCharacters; i += size) {
        char32_t c = Decode(bytes, i, size);
        if (keepLines && c == '\t') {
            out += "    ";
            characters += 4;
            continue;
        }
        if (Is_Control(c) && !(keepLines && c == '\n'))
            continue;
        out += Encode(c);
        ++characters;
    }
    return out;
}

std::size_t Printable_Text::Length(const std::string& utf8) {
    std::size_t characters = 0;
    std::size_t size = 1;
    for (std::size_t i = 0; i < utf8.size(); i += size) {
        Decode(utf8, i, size);
        ++characters;
    }
    return characters;
}

std::string Printable_Text::Fit(const std::string& utf8, int maxWidth,
                                const std::function<int(const std::string&)>& width) {
    if (width(utf8) <= maxWidth)
        return utf8;
    static const std::string Ellipsis = "\u2026";
    // Where each character ends: the heads that can be cut without splitting one.
    std::vector<std::size_t> ends;
    std::size_t size = 1;
    for (std::size_t i = 0; i < utf8.size(); i += size) {
        Decode(utf8, i, size);
        ends.push_back(i + size);
    }
    // The longest head that fits, by halving: widths grow with the head.
    std::size_t fits = 0, tooLong = ends.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        if (width(utf8.substr(0, ends[middle - 1]) + Ellipsis) <= maxWidth)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits == 0)
        return width(Ellipsis) <= maxWidth ? Ellipsis : std::string();
    return utf8.substr(0, ends[fits - 1]) + Ellipsis;
}
