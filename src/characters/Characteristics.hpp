#pragma once

#include <SDL/SDL_types.h>

// A character's numbers: life, endurance, armour, damage and reach, each as a
// maximum (or base) and a current value; speeds, the movement vector and the
// running flag. Weapons add bonuses, potions life, hits take life away.
class Characteristics {
public:
    Characteristics() = default;
    Characteristics(const Characteristics&) = default;
    Characteristics& operator=(const Characteristics&) = default;
    virtual ~Characteristics() = default;

    void Set_Initials(int velocity, int runVelocity, int life, int endurance, int armor, int damage, int baseReach,
                      int characterType, int characterId, bool invulnerable);
    // Bonuses of the drawn weapon; the unarmed values when it is hidden.
    void Update_Character_Attack_Infos(Sint16 damageMinBonus, Sint16 damageMaxBonus, Sint16 reachBonus);
    // Takes damage less armour; life may end at 0 or below, which is death.
    void Calculate_Real_Life(int damage);
    void Add_Life(Sint16 amount);
    // Running drains 5 a second, walking gives back 2, standing 4.
    void Calculate_Real_Endurance();

    int Max_Life = 0;
    int Life = 0;
    int Max_Endurance = 0;
    int Endurance = 0;
    int Base_Armor = 0;
    int Armor = 0;
    int Base_Damage = 0;
    int Damage = 0;
    int Base_Reach = 0;
    int Reach = 0;
    Sint16 Weapon_Damage_Min_Bonus = 0;
    Sint16 Weapon_Damage_Max_Bonus = 0;
    Sint16 Weapon_Reach_Bonus = 0;
    Sint16 Damage_Min = 0;
    Sint16 Damage_Max = 0;
    int Character_Type = 1;
    int Character_ID = 1;
    int Velocity = 0;
    int Run_Velocity = 0;
    float Vector_X = 0.0f;
    float Vector_Y = 0.0f;
    bool Running = false;
    bool Invulnerable = false;
    Uint32 Last_Endurance_Update = 0;
};
