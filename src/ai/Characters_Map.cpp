#include "ai/Characters_Map.hpp"

#include <algorithm>

#include "characters/Attitudes.hpp"
#include "characters/Character_Base.hpp"

Characters_Map& Characters_Map::Instance() {
    static Characters_Map map;
    return map;
}

bool Characters_Map::Insert(const int& x, const int& y, Character_Base* character) {
    // Positions are read now: entries may have moved since they were inserted,
    // so the vector is not sorted and the whole of it is looked at.
    auto place = Items.end();
    for (auto it = Items.begin(); it != Items.end(); ++it) {
        if (*it->X == x && *it->Y == y)
            return false;
        if (place == Items.end() && (*it->X > x || (*it->X == x && *it->Y > y)))
            place = it;
    }
    Items.insert(place, Entry{&x, &y, character});
    return true;
}

bool Characters_Map::Remove(const Character_Base* character) {
    const auto found = std::find_if(Items.begin(), Items.end(),
                                    [character](const Entry& entry) { return entry.Character == character; });
    const bool present = found != Items.end();
    if (present)
        Items.erase(found);
    // Nobody may go on fighting a character that has left the field.
    for (const Entry& entry : Items) {
        Attitudes* attitudes = entry.Character->Infos().CH_Attitudes.get();
        if (attitudes && attitudes->Opponent == character)
            attitudes->Opponent = nullptr;
    }
    return present;
}

bool Characters_Map::Contains(const Character_Base* character) const {
    return std::any_of(Items.begin(), Items.end(),
                       [character](const Entry& entry) { return entry.Character == character; });
}
