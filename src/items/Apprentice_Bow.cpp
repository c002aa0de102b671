#include "items/Apprentice_Bow.hpp"

const char* const Apprentice_Bow::File = "Data/Items/Apprentice_Bow.xml";

Apprentice_Bow::Apprentice_Bow() { Create_From_File(File); }
