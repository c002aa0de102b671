#include "characters/NPC_Merchant.hpp"

#include "shell/Error_Chain.hpp"

NPC_Merchant::NPC_Merchant(const CH_Base_All_Infos& templateInfos) {
    Chain_Errors("Error in NPC_Merchant Constructor: ", "Unhandled Error in NPC_Merchant Constructor",
                 [&] { Set_Character_Base_Infos(templateInfos); });
}
