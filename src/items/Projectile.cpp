#include "items/Projectile.hpp"

#include "data/XML_Manager.hpp"
#include "shell/Error_Chain.hpp"

Projectile::Projectile() {
    Category = Projectile_Item;
    Stackable = 0;
}

Projectile::Projectile(const Projectile& other, Item::Share_Pictures)
    : Item(other, Item::Share_Pictures()), Flying(other, Flying::Share_Pictures()),
      Additional_Damage(other.Additional_Damage), Count(other.Count) {}

Projectile* Projectile::Make_Shot() const { return new Projectile(*this, Item::Share_Pictures()); }

void Projectile::Create_From_File(const std::string& file) {
    Chain_Errors("Exception In Projectile::Create_From_File(" + file + "): ",
                 "Unhandled Exception In Projectile::Create_From_File(" + file + " )", [&] {
                     Count = 1;
                     XML_Manager::Validate_File(file);
                     if (XML_Manager::Check_Node_Exists(file, "Additional_Damage"))
                         Additional_Damage =
                             static_cast<Uint16>(XML_Manager::Get_Option_Value(file, "Additional_Damage"));
                     Read_Item_Keys(file);
                     Flying::Create_From_File(file);
                 });
}
