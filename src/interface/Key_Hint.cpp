#include "interface/Key_Hint.hpp"

#include <cctype>
#include <map>

#include "media/ButtonNames.hpp"
#include "media/KeyNames.hpp"
#include "shell/Game_Settings.hpp"
#include "shell/Status_Message.hpp"

namespace {

using S = Game_Settings;

// The first binding of an action, or its second when the first is free.
std::string Either(const Key_Binding& first, const Key_Binding& second) {
    const std::string label = Key_Hint::Label(first);
    return label.empty() ? Key_Hint::Label(second) : label;
}

// One set of the four moving keys: "arrows" for the arrow keys, else the
// keys for up, left, down and right.
std::string Moving_Set(const Key_Binding& up, const Key_Binding& left, const Key_Binding& down,
                       const Key_Binding& right) {
    using GLINT::SDL::KeyNames;
    auto is = [](const Key_Binding& b, const char* name) {
        return b.Type == "Key" && b.Code != 0 && KeyNames::name(b.Code) == name;
    };
    if (is(up, "KUP") && is(left, "KLEFT") && is(down, "KDOWN") && is(right, "KRIGHT"))
        return "arrows";
    std::string keys;
    for (const Key_Binding* b : {&up, &left, &down, &right}) {
        const std::string label = Key_Hint::Label(*b);
        if (!label.empty())
            keys += (keys.empty() ? "" : " ") + label;
    }
    return keys;
}

std::vector<std::string> Clauses() {
    std::vector<std::string> clauses{"Kill every monster to win."};
    const std::string first = Moving_Set(S::UP_1, S::LEFT_1, S::DOWN_1, S::RIGHT_1);
    const std::string second = Moving_Set(S::UP_2, S::LEFT_2, S::DOWN_2, S::RIGHT_2);
    const std::string moving = first.empty() ? second : second.empty() || second == first ? first : first + " or " + second;
    if (!moving.empty())
        clauses.push_back("move: " + moving);
    const std::pair<const char*, std::string> keys[] = {
        {"run", Either(S::RUN_1, S::RUN_2)},
        {"attack", Either(S::ATTACK_1, S::ATTACK_2)},
        {"chests and bags", Either(S::ACTION_1, S::ACTION_2)},
        {"sword", Either(S::DRAW_MELEE_W_1, S::DRAW_MELEE_W_2)},
        {"bow", Either(S::DRAW_DISTANT_W_1, S::DRAW_DISTANT_W_2)},
        {"potion", Either(S::HEAL_1, S::HEAL_2)},
        {"menu", Either(S::MENU_CALL_1, S::MENU_CALL_2)},
    };
    for (const auto& key : keys)
        if (!key.second.empty())
            clauses.push_back(std::string(key.first) + ": " + key.second);
    // The map has Tab unless an action has it.
    const int tab = GLINT::SDL::KeyNames::number("KTAB");
    bool tabFree = true;
    for (const Game_Settings::Key_Action& action : Game_Settings::Key_Actions())
        for (const Key_Binding* binding : {action.Set_1, action.Set_2})
            tabFree = tabFree && !(binding->Type == "Key" && binding->Code == tab);
    if (tabFree)
        clauses.push_back("map: Tab");
    return clauses;
}

std::string Capitalised(std::string text) {
    if (!text.empty())
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

} // namespace

std::string Key_Hint::Label(const Key_Binding& binding) {
    if (binding.Code == 0)
        return "";
    if (binding.Type != "Key") {
        static const std::map<std::string, std::string> buttons = {
            {"Left", "left click"}, {"Middle", "middle click"}, {"Right", "right click"},
            {"WheelUp", "wheel up"}, {"WheelDown", "wheel down"}};
        const auto found = buttons.find(GLINT::SDL::ButtonNames::name(binding.Code));
        return found == buttons.end() ? "" : found->second;
    }
    const std::string& stored = GLINT::SDL::KeyNames::name(binding.Code);
    if (stored.empty())
        return "";
    // Stored names are "K" + the key's name in capitals, but for a few odd world keys.
    if (stored[0] != 'K')
        return stored;
    const std::string name = stored.substr(1);
    static const std::map<std::string, std::string> named = {
        {"LCTRL", "Left Ctrl"},    {"RCTRL", "Right Ctrl"},     {"LSHIFT", "Left Shift"},
        {"RSHIFT", "Right Shift"}, {"LALT", "Left Alt"},        {"RALT", "Right Alt"},
        {"LMETA", "Left Meta"},    {"RMETA", "Right Meta"},     {"LSUPER", "Left Super"},
        {"RSUPER", "Right Super"}, {"PAGEUP", "Page Up"},       {"PAGEDOWN", "Page Down"},
        {"CAPSLOCK", "Caps Lock"}, {"NUMLOCK", "Num Lock"},     {"SCROLLOCK", "Scroll Lock"},
        {"PRINTSCREEN", "Print Screen"}, {"SYSREQ", "SysRq"},   {"BACKQUOTE", "`"},
        {"KPLUS", "keypad +"},     {"KPMINUS", "keypad -"},     {"KPMULTIPLY", "keypad *"},
        {"KPDIVIDE", "keypad /"},  {"KPPERIOD", "keypad ."},    {"KPEQUALS", "keypad ="},
        {"KPENTER", "keypad Enter"}};
    const auto found = named.find(name);
    if (found != named.end())
        return found->second;
    if (name.size() == 3 && name.compare(0, 2, "KP") == 0)
        return "keypad " + name.substr(2);
    // Letters, digits and F keys as printed on them; words in the usual case.
    if (name.size() == 1 || (name[0] == 'F' && std::isdigit(static_cast<unsigned char>(name[1]))))
        return name;
    std::string word = name;
    for (std::size_t i = 1; i < word.size(); ++i)
        word[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[i])));
    return word;
}

std::vector<std::string> Key_Hint::Messages(const Measure& width, int maxWidth) {
    std::vector<std::string> messages;
    std::string line;
    for (const std::string& clause : Clauses()) {
        if (line.empty()) {
            line = Capitalised(clause);
            continue;
        }
        const bool sentenceEnds = line.back() == '.';
        const std::string longer = line + (sentenceEnds ? " " + Capitalised(clause) : ", " + clause);
        if (width(longer) <= maxWidth) {
            line = longer;
        } else {
            messages.push_back(line);
            line = Capitalised(clause);
        }
    }
    if (!line.empty())
        messages.push_back(line);
    return messages;
}

void Key_Hint::Start(const Measure& width, int maxWidth) {
    Pending = Messages(width, maxWidth);
    Next = 0;
}

void Key_Hint::Step() {
    if (Done() || (Next > 0 && (Status_Message::Changed() || !Status_Message::Text().empty())))
        return;
    Status_Message::Set(Pending[Next++]);
}
