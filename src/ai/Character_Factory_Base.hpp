#pragma once

#include <vector>

#include "media/BaseSurface.hpp"
#include "media/Mutex.hpp"
#include "media/Rect.hpp"

class Actionables_Manager;
class BattleField;
class Character_Base;

// What the render engine needs of every factory, whatever kind of character
// it makes: draw them, run their behaviour, and the mutex that keeps its list
// whole while monster generation adds to it from the timer thread.
class Character_Factory_Base {
public:
    Character_Factory_Base() = default;
    virtual ~Character_Factory_Base() = default;

    Character_Factory_Base(const Character_Factory_Base&) = delete;
    Character_Factory_Base& operator=(const Character_Factory_Base&) = delete;

    // Makes the kind's characters at the start; returns the factory's own list.
    virtual std::vector<Character_Base*>& Create_Characters(BattleField& battlefield,
                                                            std::vector<Character_Base*>& characters,
                                                            Actionables_Manager* actionables) = 0;
    // Called by the generation timer: may add one monster.
    virtual std::vector<Character_Base*>& Generate_New_Monster(BattleField& battlefield,
                                                               std::vector<Character_Base*>& characters,
                                                               Actionables_Manager* actionables) = 0;
    // Every character recomputes its endurance, then acts.
    virtual void Characters_Behavior(BattleField& battlefield) = 0;
    virtual void Show(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) = 0;
    virtual const std::vector<Character_Base*>& Get_Characters() const = 0;

    GLINT::SDL::Mutex& Get_Mutex() { return Factory_Mutex; }

private:
    GLINT::SDL::Mutex Factory_Mutex;
};
