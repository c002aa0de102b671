#include "characters/NPC_OHS_Guard.hpp"

#include "items/Apprentice_Sword.hpp"
#include "items/Inventory.hpp"
#include "shell/Error_Chain.hpp"

NPC_OHS_Guard::NPC_OHS_Guard(const CH_Base_All_Infos& templateInfos) {
    Chain_Errors("Error in NPC_OHS_Guard Constructor: ", "Unhandled Error in NPC_OHS_Guard Constructor", [&] {
        Set_Character_Base_Infos(templateInfos);
        Inventory& inventory = *CH_Infos->CH_Inventory;
        inventory.Add(new Apprentice_Sword());
        inventory.Draw_Melee_Weapon();
        CH_Infos->CH_Characteristics->Update_Character_Attack_Infos(
            inventory.Get_Drawn_Damage_Min(), inventory.Get_Drawn_Damage_Max(), inventory.Get_Drawn_Range());
    });
}
