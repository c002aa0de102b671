#pragma once

#include <cstddef>
#include <vector>

class Character_Base;

// The register of every character on the field, read by the collision
// tests, the hit test and the opponent search. Each entry refers to its
// character's live X and Y, so it always shows where the character is now;
// the order is that of the positions when the entries were inserted (X, then
// Y) and is not re-established as characters move. It owns nothing.
//
// No lock of its own: every use happens under the world lock.
class Characters_Map {
public:
    struct Entry {
        const int* X;
        const int* Y;
        Character_Base* Character;
    };

    static Characters_Map& Instance();

    // False, inserting nothing, when an entry shows the same position.
    bool Insert(const int& x, const int& y, Character_Base* character);
    // Removes the character's entry (by identity) and clears every opponent
    // pointer to it. False when it had none.
    bool Remove(const Character_Base* character);
    bool Contains(const Character_Base* character) const;

    const std::vector<Entry>& Entries() const { return Items; }
    std::size_t Size() const { return Items.size(); }
    bool Empty() const { return Items.empty(); }
    void Clear() { Items.clear(); }

private:
    std::vector<Entry> Items;
};
