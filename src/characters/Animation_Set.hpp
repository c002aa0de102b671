#pragma once

class Character_Animation;

// The seven sheets of one attack style, loaded from an animation-centre
// file (Character::Initialize_Animation_Center). Stop is always there; Walk, Run, Attack and Hit fall back to Stop;
// Pause and Death may be missing. Owns what it loaded.
class Animation_Set {
public:
    Animation_Set() = default;
    ~Animation_Set();

    Animation_Set(const Animation_Set&) = delete;
    Animation_Set& operator=(const Animation_Set&) = delete;

    // Deletes every sheet once, however many slots share it.
    void Clear();
    bool Empty() const { return Stop == nullptr; }

    Character_Animation* Stop = nullptr;
    Character_Animation* Walk = nullptr;
    Character_Animation* Run = nullptr;
    Character_Animation* Attack = nullptr;
    Character_Animation* Hit = nullptr;
    Character_Animation* Pause = nullptr;
    Character_Animation* Death = nullptr;
};
