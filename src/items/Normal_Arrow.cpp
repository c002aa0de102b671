#include "items/Normal_Arrow.hpp"

const char* const Normal_Arrow::File = "Data/Items/Normal_Arrow.xml";

Normal_Arrow::Normal_Arrow() { Create_From_File(File); }
