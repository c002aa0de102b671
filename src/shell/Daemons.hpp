#pragma once

#include <vector>

#include <SDL/SDL_types.h>

class Actionables_Manager;
class BattleField;
class Character_Base;
class Character_Factory_Base;

// The game's periodic tasks that belong to no one object: new monsters now
// and then, and once a second the check whether every monster is dead.
// Both are timer callbacks, run under the world lock; tests call them directly.
class Daemons {
public:
    Daemons(BattleField* battlefield, std::vector<Character_Factory_Base*>* factories,
            std::vector<Character_Base*>* characters, Actionables_Manager* actionables);
    ~Daemons();

    Daemons(const Daemons&) = delete;
    Daemons& operator=(const Daemons&) = delete;

    unsigned Generate_Monsters(unsigned interval, void* args);
    unsigned Check_Victory(unsigned interval, void* args);

    // The run's start, on the game clock; the victory turns it into the time used.
    static void Start_Game_Time();
    // Whole seconds from the start to the victory (or to now, before it).
    static Uint32 Get_Elapsed_Seconds();

private:
    BattleField* Battlefield;
    std::vector<Character_Factory_Base*>* Factories;
    std::vector<Character_Base*>* Characters;
    Actionables_Manager* Actionables;
};
