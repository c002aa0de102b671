#include "items/Healing_Potion.hpp"

#include <stdexcept>

#include "characters/Character_Base.hpp"
#include "data/XML_Manager.hpp"
#include "shell/Error_Chain.hpp"

const char* const Healing_Potion::File = "Data/Items/Healing_Potion.xml";

Healing_Potion::Healing_Potion() {
    Create_From_File(File);
    Bonus = static_cast<Sint16>(XML_Manager::Get_Option_Value(File, "Bonus"));
}

void Healing_Potion::Use() {
    Chain_Errors("Exception In Healing_Potion::Use: ", "Unhandled Exception In Healing_Potion::Use()", [&] {
        if (!Owner)
            throw std::logic_error("Healing_Potion has no owner");
        Owner->Infos().CH_Characteristics->Add_Life(Bonus);
    });
}
