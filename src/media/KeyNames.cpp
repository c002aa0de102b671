#include "media/KeyNames.hpp"

#include <vector>

namespace GLINT {
namespace SDL {

namespace {

std::vector<NameTable<SDLKey>::Row> keyRows() {
    std::vector<NameTable<SDLKey>::Row> rows;
    auto add = [&rows](int key, const std::string& name) {
        rows.push_back({static_cast<int>(rows.size()) + 1, static_cast<SDLKey>(key), name});
    };

    add(SDLK_BACKSPACE, "KBACKSPACE");
    add(SDLK_TAB, "KTAB");
    add(SDLK_CLEAR, "KCLEAR");
    add(SDLK_RETURN, "KRETURN");
    add(SDLK_PAUSE, "KPAUSE");
    add(SDLK_ESCAPE, "KESCAPE");
    add(SDLK_SPACE, "KSPACE");
    add(SDLK_EXCLAIM, "KEXCLAIM");
    add(SDLK_QUOTEDBL, "KQUOTEDBL");
    add(SDLK_HASH, "KHASH");
    add(SDLK_DOLLAR, "KDOLLAR");
    add(SDLK_AMPERSAND, "KAMPERSAND");
    add(SDLK_QUOTE, "KQUOTE");
    add(SDLK_LEFTPAREN, "KLEFTPAREN");
    add(SDLK_RIGHTPAREN, "KRIGHTPAREN");
    add(SDLK_ASTERISK, "KASTERISK");
    add(SDLK_PLUS, "KPLUS");
    add(SDLK_COMMA, "KCOMMA");
    add(SDLK_MINUS, "KMINUS");
    add(SDLK_PERIOD, "KPERIOD");
    add(SDLK_SLASH, "KSLASH");
    for (int digit = 0; digit <= 9; ++digit)
        add(SDLK_0 + digit, "K" + std::to_string(digit));
    add(SDLK_COLON, "KCOLON");
    add(SDLK_SEMICOLON, "KSEMICOLON");
    add(SDLK_LESS, "KLESS");
    add(SDLK_EQUALS, "KEQUALS");
    add(SDLK_GREATER, "KGREATER");
    add(SDLK_QUESTION, "KQUESTION");
    add(SDLK_AT, "KAT");
    add(SDLK_LEFTBRACKET, "KLEFTBRACKET");
    add(SDLK_BACKSLASH, "KBACKSLASH");
    add(SDLK_RIGHTBRACKET, "KRIGHTBRACKET");
    add(SDLK_CARET, "KCARET");
    add(SDLK_UNDERSCORE, "KUNDERSCORE");
    add(SDLK_BACKQUOTE, "KBACKQUOTE");
    for (int letter = 0; letter < 26; ++letter)
        add(SDLK_a + letter, std::string("K") + static_cast<char>('A' + letter));
    add(SDLK_DELETE, "KDELETE");
    // Only the first five international keys follow the K pattern; saved
    // configurations depend on the others keeping their odd names.
    for (int world = 0; world <= 95; ++world)
        add(SDLK_WORLD_0 + world, (world < 5 ? "KWORLD" : "Key_World") + std::to_string(world));
    for (int digit = 0; digit <= 9; ++digit)
        add(SDLK_KP0 + digit, "KKP" + std::to_string(digit));
    add(SDLK_KP_PERIOD, "KKPPERIOD");
    add(SDLK_KP_DIVIDE, "KKPDIVIDE");
    add(SDLK_KP_MULTIPLY, "KKPMULTIPLY");
    add(SDLK_KP_MINUS, "KKPMINUS");
    add(SDLK_KP_PLUS, "KKPLUS");
    add(SDLK_KP_ENTER, "KKPENTER");
    add(SDLK_KP_EQUALS, "KKPEQUALS");
    add(SDLK_UP, "KUP");
    add(SDLK_DOWN, "KDOWN");
    add(SDLK_RIGHT, "KRIGHT");
    add(SDLK_LEFT, "KLEFT");
    add(SDLK_INSERT, "KINSERT");
    add(SDLK_HOME, "KHOME");
    add(SDLK_END, "KEND");
    add(SDLK_PAGEUP, "KPAGEUP");
    add(SDLK_PAGEDOWN, "KPAGEDOWN");
    for (int f = 1; f <= 15; ++f)
        add(SDLK_F1 + f - 1, "KF" + std::to_string(f));
    add(SDLK_NUMLOCK, "KNUMLOCK");
    add(SDLK_CAPSLOCK, "KCAPSLOCK");
    add(SDLK_SCROLLOCK, "KSCROLLOCK");
    add(SDLK_RSHIFT, "KRSHIFT");
    add(SDLK_LSHIFT, "KLSHIFT");
    // Left control before right, unlike SDL; every other pair keeps right first.
    add(SDLK_LCTRL, "KLCTRL");
    add(SDLK_RCTRL, "KRCTRL");
    add(SDLK_RALT, "KRALT");
    add(SDLK_LALT, "KLALT");
    add(SDLK_RMETA, "KRMETA");
    add(SDLK_LMETA, "KLMETA");
    add(SDLK_RSUPER, "KRSUPER");
    add(SDLK_LSUPER, "KLSUPER");
    add(SDLK_MODE, "KMODE");
    add(SDLK_COMPOSE, "KCOMPOSE");
    add(SDLK_HELP, "KHELP");
    add(SDLK_PRINT, "KPRINTSCREEN");
    add(SDLK_SYSREQ, "KSYSREQ");
    add(SDLK_BREAK, "KBREAK");
    add(SDLK_MENU, "KMENU");
    add(SDLK_POWER, "KPOWER");
    add(SDLK_EURO, "KEURO");
    add(SDLK_UNDO, "KUNDO");
    return rows;
}

} // namespace

const NameTable<SDLKey>& KeyNames::table() {
    static const NameTable<SDLKey> keys(keyRows());
    return keys;
}

namespace {
// Built before main, so the first key event never pays for it.
[[maybe_unused]] const NameTable<SDLKey>& keysAtStart = KeyNames::table();
} // namespace

const std::string& KeyNames::name(int number) {
    return table().name(number);
}
int KeyNames::number(const std::string& name) {
    return table().number(name);
}
int KeyNames::fromSDL(SDLKey key) {
    return table().fromSDL(key);
}
SDLKey KeyNames::toSDL(int number) {
    return table().toSDL(number);
}

} // namespace SDL
} // namespace GLINT
