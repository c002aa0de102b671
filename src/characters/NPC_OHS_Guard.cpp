#include "characters/NPC_OHS_Guard.hpp"

#include "shell/Error_Chain.hpp"

const char* const NPC_OHS_Guard::Sword_File = "Data/Items/Apprentice_Sword.xml";

NPC_OHS_Guard::NPC_OHS_Guard(const CH_Base_All_Infos& templateInfos) {
    Chain_Errors("Error in NPC_OHS_Guard Constructor: ", "Unhandled Error in NPC_OHS_Guard Constructor",
                 [&] { Set_Character_Base_Infos(templateInfos); });
}
