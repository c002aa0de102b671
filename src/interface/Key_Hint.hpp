#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "shell/Key_Binding.hpp"

// The first seconds of play: the goal and the keys that play it, read from
// the player's own bindings, on the status line. The text is cut into
// messages that each fit the screen; they are shown in turn, the next once
// the status line has cleared.
class Key_Hint {
public:
    using Measure = std::function<int(const std::string&)>;

    // A key as a player reads it ("Left Ctrl", "Space", "keypad 1", "W",
    // "left click"); "" when unbound.
    static std::string Label(const Key_Binding& binding);

    // The goal, then "move: …", "run: …", the other keys bound and the map's, packed in
    // order into as few messages as stay within maxWidth by width.
    static std::vector<std::string> Messages(const Measure& width, int maxWidth);

    // Builds the messages from the bindings as they are now; Step shows them.
    void Start(const Measure& width, int maxWidth);
    // Once a frame while playing: the next message when the status line is clear.
    void Step();
    bool Done() const { return Next >= Pending.size(); }

private:
    std::vector<std::string> Pending;
    std::size_t Next = 0;
};
