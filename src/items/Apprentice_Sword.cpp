#include "items/Apprentice_Sword.hpp"

const char* const Apprentice_Sword::File = "Data/Items/Apprentice_Sword.xml";

Apprentice_Sword::Apprentice_Sword() { Create_From_File(File); }
