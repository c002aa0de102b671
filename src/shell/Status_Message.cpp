#include "shell/Status_Message.hpp"

#include <mutex>

namespace {

std::mutex Guard;
std::string Current;
unsigned Number = 0;
bool Is_Changed = false;

} // namespace

unsigned Status_Message::Set(const std::string& text) {
    std::lock_guard<std::mutex> lock(Guard);
    Current = text;
    Is_Changed = true;
    return ++Number;
}

bool Status_Message::Take(std::string& text, unsigned& number) {
    std::lock_guard<std::mutex> lock(Guard);
    if (!Is_Changed)
        return false;
    Is_Changed = false;
    text = Current;
    number = Number;
    return true;
}

bool Status_Message::Clear(unsigned number) {
    std::lock_guard<std::mutex> lock(Guard);
    if (number != Number)
        return false;
    Current.clear();
    return true;
}

std::string Status_Message::Text() {
    std::lock_guard<std::mutex> lock(Guard);
    return Current;
}

bool Status_Message::Changed() {
    std::lock_guard<std::mutex> lock(Guard);
    return Is_Changed;
}

void Status_Message::Reset() {
    std::lock_guard<std::mutex> lock(Guard);
    Current.clear();
    Is_Changed = false;
}
