#pragma once

#include <string>

// The one-line message the interface shows at the top of the screen ("Melee
// Hit", …). The player writes it; the interface takes it once per change and
// clears it after a while. Each message has its own number, so a late clear
// never wipes a newer message. Safe from any thread.
class Status_Message {
public:
    Status_Message() = delete;

    // Sets the text and marks it changed; returns its number.
    static unsigned Set(const std::string& text);
    // When the message changed since the last call: true, its text and number.
    static bool Take(std::string& text, unsigned& number);
    // Clears the text unless a newer message has replaced message number.
    static bool Clear(unsigned number);
    static std::string Text();
    static bool Changed();
    static void Reset();
};
