#include "characters/Animation_Set.hpp"

#include <algorithm>
#include <array>

#include "characters/Character_Animation.hpp"

Animation_Set::~Animation_Set() { Clear(); }

void Animation_Set::Clear() {
    std::array<Character_Animation**, 7> slots = {&Stop, &Walk, &Run, &Attack, &Hit, &Pause, &Death};
    std::array<Character_Animation*, 7> deleted{};
    std::size_t count = 0;
    for (Character_Animation** slot : slots) {
        Character_Animation* animation = *slot;
        *slot = nullptr;
        if (!animation || std::find(deleted.begin(), deleted.begin() + count, animation) != deleted.begin() + count)
            continue;
        deleted[count++] = animation;
        delete animation;
    }
}
