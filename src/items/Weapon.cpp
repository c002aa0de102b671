#include "items/Weapon.hpp"

#include "data/XML_Manager.hpp"
#include "shell/Error_Chain.hpp"

int Weapon::Str2Weapon_Type(const std::string& text) {
    return Chain_Errors("Exception In Weapon::Str2Weapon_Type(): ", "Unhandled Exception In Weapon::Str2Weapon_Type()",
                        [&] {
                            if (text == "Unarmed")
                                return static_cast<int>(Unarmed);
                            if (text == "Melee")
                                return static_cast<int>(Melee);
                            if (text == "Distant")
                                return static_cast<int>(Distant);
                            if (text == "Throw = 3")
                                return static_cast<int>(Throw);
                            return static_cast<int>(Other);
                        });
}

Weapon::Weapon() {
    Category = Weapon_Item;
    Stackable = 1;
}

void Weapon::Create_From_File(const std::string& file) {
    Chain_Errors("Exception In Weapon::Create_From_File(" + file + "): ",
                 "Unhandled Exception In Weapon::Create_From_File(" + file + " )", [&] {
                     XML_Manager::Validate_File(file);
                     auto value = [&](const char* key) {
                         return static_cast<Sint16>(XML_Manager::Get_Option_Value(file, key));
                     };
                     Damage_Max = value("Damage_Max");
                     Damage_Min = value("Damage_Min");
                     Attribute_Condition_Name = XML_Manager::Get_Option_String(file, "Attribute_Condition_Name");
                     Attribute_Condition_Value = value("Attribute_Condition_Value");
                     Critical_Multiplier = value("Critical_Multiplier");
                     Range = value("Range");
                     Read_Item_Keys(file);
                 });
}
