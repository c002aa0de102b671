#include "lumen/lumeninput.hpp"

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>

#include <SDL/SDL_keyboard.h>
#include <SDL/SDL_timer.h>

#include <guichan/exception.hpp>
#include <guichan/key.hpp>

#include "media/ButtonNames.hpp"
#include "media/EventNames.hpp"
#include "media/KeyNames.hpp"
#include "media/ModifierNames.hpp"

namespace gcn {

namespace {

using GLINT::SDL::ButtonNames;
using GLINT::SDL::EventNames;
using GLINT::SDL::KeyNames;
using GLINT::SDL::ModifierNames;

using KeyTable = std::unordered_map<int, int>;

KeyTable byKeyName(std::initializer_list<std::pair<const char*, int>> rows) {
    KeyTable table;
    for (const auto& row : rows) {
        const int number = KeyNames::number(row.first);
        // A misspelt name would quietly stand for "no key".
        if (number == 0)
            throw std::logic_error(std::string("LumenInput : unknown key name ") + row.first);
        table.emplace(number, row.second);
    }
    return table;
}

// Keys Guichan knows by a value of its own rather than by their character.
const KeyTable& specialKeys() {
    static const KeyTable table = byKeyName({
        {"KTAB", Key::TAB},
        {"KLALT", Key::LEFT_ALT},
        {"KRALT", Key::RIGHT_ALT},
        {"KLSHIFT", Key::LEFT_SHIFT},
        {"KRSHIFT", Key::RIGHT_SHIFT},
        {"KLCTRL", Key::LEFT_CONTROL},
        {"KRCTRL", Key::RIGHT_CONTROL},
        {"KBACKSPACE", Key::BACKSPACE},
        {"KPAUSE", Key::PAUSE},
        {"KESCAPE", Key::ESCAPE},
        {"KDELETE", Key::DELETE},
        {"KINSERT", Key::INSERT},
        {"KHOME", Key::HOME},
        {"KEND", Key::END},
        {"KPAGEUP", Key::PAGE_UP},
        {"KPRINTSCREEN", Key::PRINT_SCREEN},
        {"KPAGEDOWN", Key::PAGE_DOWN},
        {"KF1", Key::F1},
        {"KF2", Key::F2},
        {"KF3", Key::F3},
        {"KF4", Key::F4},
        {"KF5", Key::F5},
        {"KF6", Key::F6},
        {"KF7", Key::F7},
        {"KF8", Key::F8},
        {"KF9", Key::F9},
        {"KF10", Key::F10},
        {"KF11", Key::F11},
        {"KF12", Key::F12},
        {"KF13", Key::F13},
        {"KF14", Key::F14},
        {"KF15", Key::F15},
        {"KNUMLOCK", Key::NUM_LOCK},
        {"KCAPSLOCK", Key::CAPS_LOCK},
        {"KSCROLLOCK", Key::SCROLL_LOCK},
        {"KRMETA", Key::RIGHT_META},
        {"KLMETA", Key::LEFT_META},
        {"KLSUPER", Key::LEFT_SUPER},
        {"KRSUPER", Key::RIGHT_SUPER},
        {"KMODE", Key::ALT_GR},
        {"KUP", Key::UP},
        {"KDOWN", Key::DOWN},
        {"KLEFT", Key::LEFT},
        {"KRIGHT", Key::RIGHT},
        {"KRETURN", Key::ENTER},
        {"KKPENTER", Key::ENTER},
    });
    return table;
}

// With num lock off the keypad digits are the navigation keys printed on them.
const KeyTable& keypadNavigation() {
    static const KeyTable table = byKeyName({
        {"KKP0", Key::INSERT},
        {"KKP1", Key::END},
        {"KKP2", Key::DOWN},
        {"KKP3", Key::PAGE_DOWN},
        {"KKP4", Key::LEFT},
        {"KKP5", 0},
        {"KKP6", Key::RIGHT},
        {"KKP7", Key::HOME},
        {"KKP8", Key::UP},
        {"KKP9", Key::PAGE_UP},
    });
    return table;
}

SDLMod modifierMask(const char* left, const char* right) {
    return static_cast<SDLMod>(ModifierNames::toSDL(ModifierNames::number(left)) |
                               ModifierNames::toSDL(ModifierNames::number(right)));
}

bool isKeypadKey(int key) {
    static const int first = KeyNames::number("KKP0");
    static const int last = KeyNames::number("KKPEQUALS");
    return key >= first && key <= last;
}

} // namespace

LumenInput::LumenInput() : mouseDown(false), mouseInWindow(true) {}

LumenInput::~LumenInput() = default;

bool LumenInput::isKeyQueueEmpty() {
    return keyInputQueue.empty();
}

KeyInput LumenInput::dequeueKeyInput() {
    if (keyInputQueue.empty())
        throw GCN_EXCEPTION("The queue is empty.");
    KeyInput keyInput = keyInputQueue.front();
    keyInputQueue.pop();
    return keyInput;
}

bool LumenInput::isMouseQueueEmpty() {
    return mouseInputQueue.empty();
}

MouseInput LumenInput::dequeueMouseInput() {
    if (mouseInputQueue.empty())
        throw GCN_EXCEPTION("The queue is empty.");
    MouseInput mouseInput = mouseInputQueue.front();
    mouseInputQueue.pop();
    return mouseInput;
}

void LumenInput::_pollInput() {}

void LumenInput::pushInput(const SDL_Event& event) {
    // The name table gives "Active" for any type it lacks: accept only a true round trip.
    const int number = EventNames::fromSDL(event.type);
    if (EventNames::toSDL(number) != event.type)
        return;
    const std::string& name = EventNames::name(number);

    if (name == "KeyDown" || name == "KeyUp")
        queueKey(GLINT::SDL::Key(event.key.keysym), event.key.keysym.mod, name == "KeyDown");
    else if (name == "MouseButtonDown" || name == "MouseButtonUp")
        pushMouseButtonInput(ButtonNames::fromSDL(event.button.button), event.button.x,
                             event.button.y, name == "MouseButtonDown");
    else if (name == "MouseMotion")
        pushMouseMotionInput(event.motion.x, event.motion.y);
    else if (name == "Active")
        pushActiveInput(event.active.gain != 0, (event.active.state & SDL_APPMOUSEFOCUS) != 0);
}

void LumenInput::pushKeyInput(const GLINT::SDL::Key& key, bool pressed) {
    // A Key record keeps only modifier states the table names; for any other
    // mix (shift with num lock, say) SDL's current state is the best we have.
    const SDLMod modifiers = key.getMod() != ModifierNames::None
                                 ? ModifierNames::toSDL(key.getMod())
                                 : SDL_GetModState();
    queueKey(key, modifiers, pressed);
}

void LumenInput::queueKey(const GLINT::SDL::Key& key, SDLMod modifiers, bool pressed) {
    static const SDLMod shift = modifierMask("LShift", "RShift");
    static const SDLMod control = modifierMask("LCtrl", "RCtrl");
    static const SDLMod alt = modifierMask("LAlt", "RAlt");
    static const SDLMod meta = modifierMask("LMeta", "RMeta");

    int value = convertKeyValue(key, modifiers, pressed);
    if (value == -1)
        value = pressed ? static_cast<int>(key.getUnicode())
                        : static_cast<int>(KeyNames::toSDL(key.getKey()));

    KeyInput keyInput;
    keyInput.setKey(Key(value));
    keyInput.setType(pressed ? KeyInput::PRESSED : KeyInput::RELEASED);
    keyInput.setShiftPressed((modifiers & shift) != 0);
    keyInput.setControlPressed((modifiers & control) != 0);
    keyInput.setAltPressed((modifiers & alt) != 0);
    keyInput.setMetaPressed((modifiers & meta) != 0);
    keyInput.setNumericPad(isKeypadKey(key.getKey()));
    keyInputQueue.push(keyInput);
}

void LumenInput::pushMouseButtonInput(int button, int x, int y, bool pressed) {
    MouseInput mouseInput;
    mouseInput.setX(x);
    mouseInput.setY(y);
    mouseInput.setButton(convertMouseButton(button));
    const std::string& name = ButtonNames::name(button);
    if (!pressed)
        mouseInput.setType(MouseInput::RELEASED);
    else if (name == "WheelDown")
        mouseInput.setType(MouseInput::WHEEL_MOVED_DOWN);
    else if (name == "WheelUp")
        mouseInput.setType(MouseInput::WHEEL_MOVED_UP);
    else
        mouseInput.setType(MouseInput::PRESSED);
    mouseInput.setTimeStamp(static_cast<int>(SDL_GetTicks()));
    mouseDown = pressed;
    mouseInputQueue.push(mouseInput);
}

void LumenInput::pushMouseMotionInput(int x, int y) {
    MouseInput mouseInput;
    mouseInput.setX(x);
    mouseInput.setY(y);
    mouseInput.setButton(MouseInput::EMPTY);
    mouseInput.setType(MouseInput::MOVED);
    mouseInput.setTimeStamp(static_cast<int>(SDL_GetTicks()));
    mouseInputQueue.push(mouseInput);
}

void LumenInput::pushActiveInput(bool gain, bool mouseFocus) {
    if (!mouseFocus)
        return;
    if (gain) {
        mouseInWindow = true;
        return;
    }
    mouseInWindow = false;
    // Widgets under the pointer must see it leave; while a button is held the
    // drag goes on and the release will come.
    if (!mouseDown)
        pushMouseMotionInput(-1, -1);
}

unsigned int LumenInput::convertMouseButton(int button) {
    const std::string& name = ButtonNames::name(button);
    if (name == "Left")
        return MouseInput::LEFT;
    if (name == "Middle")
        return MouseInput::MIDDLE;
    if (name == "Right")
        return MouseInput::RIGHT;
    return static_cast<unsigned int>(button);
}

int LumenInput::convertKeyValue(const GLINT::SDL::Key& key, SDLMod modifiers, bool pressed) {
    static const int space = KeyNames::number("KSPACE");
    static const SDLMod numLock = ModifierNames::toSDL(ModifierNames::number("Num"));

    int value = -1;
    if (key.getKey() == space) {
        // Dead keys arrive as a space with another character; only a real space counts.
        if (!pressed || key.getUnicode() == ' ')
            value = Key::SPACE;
    } else {
        const auto special = specialKeys().find(key.getKey());
        if (special != specialKeys().end())
            value = special->second;
    }
    if (!(modifiers & numLock)) {
        const auto navigation = keypadNavigation().find(key.getKey());
        if (navigation != keypadNavigation().end())
            value = navigation->second;
    }
    return value;
}

} // namespace gcn
