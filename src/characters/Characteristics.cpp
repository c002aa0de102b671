#include "characters/Characteristics.hpp"

#include <algorithm>

#include "shell/Error_Chain.hpp"
#include "shell/Game_Clock.hpp"

void Characteristics::Set_Initials(int velocity, int runVelocity, int life, int endurance, int armor, int damage,
                                   int baseReach, int characterType, int characterId, bool invulnerable) {
    Chain_Errors("Exception In Characteristics::Set_Initials(): ",
                 "Unhandled Exception In Characteristics::Set_Initials()", [&] {
                     Velocity = velocity;
                     Run_Velocity = runVelocity;
                     Max_Life = Life = life > 1 ? life : 1;
                     Max_Endurance = Endurance = endurance;
                     Base_Armor = Armor = armor;
                     Base_Damage = Damage = damage;
                     Base_Reach = Reach = baseReach;
                     Damage_Min = Damage_Max = static_cast<Sint16>(damage);
                     Character_Type = characterType;
                     Character_ID = characterId;
                     Invulnerable = invulnerable;
                     Last_Endurance_Update = Game_Clock::Now();
                 });
}

void Characteristics::Update_Character_Attack_Infos(Sint16 damageMinBonus, Sint16 damageMaxBonus, Sint16 reachBonus) {
    Weapon_Damage_Min_Bonus = damageMinBonus;
    Weapon_Damage_Max_Bonus = damageMaxBonus;
    Weapon_Reach_Bonus = reachBonus;
    Reach = Base_Reach + reachBonus;
    Damage_Min = static_cast<Sint16>(Base_Damage + damageMinBonus);
    Damage_Max = static_cast<Sint16>(Base_Damage + damageMaxBonus);
}

void Characteristics::Calculate_Real_Life(int damage) {
    if (Invulnerable)
        return;
    const int loss = std::max(damage - Armor, 0);
    Life = std::min(Life - loss, Max_Life);
}

void Characteristics::Add_Life(Sint16 amount) { Life = std::min(Life + amount, Max_Life); }

void Characteristics::Calculate_Real_Endurance() {
    Chain_Errors("Exception In Characteristics::Calculate_Real_Endurance(): ",
                 "Unhandled Exception In Characteristics::Calculate_Real_Endurance()", [&] {
                     const Uint32 seconds = (Game_Clock::Now() - Last_Endurance_Update) / 1000u;
                     const int s = static_cast<int>(std::min<Uint32>(seconds, 1000000u));
                     if (Running) {
                         Endurance = std::max(Endurance - 5 * s, 0);
                         if (Endurance == 0)
                             Running = false;
                     } else if (Endurance <= Max_Endurance) {
                         const int rate = (Vector_X == 0.0f && Vector_Y == 0.0f) ? 4 : 2;
                         Endurance = std::min(Endurance + rate * s, Max_Endurance);
                     }
                     // The fraction of a second left over counts towards the next call.
                     Last_Endurance_Update += seconds * 1000u;
                 });
}
