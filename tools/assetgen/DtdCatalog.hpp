#pragma once

#include <string>
#include <vector>

// The document type definitions of every data file. They live under
// Data/DTD/ and each data file names its own by a relative path.
class DtdCatalog {
public:
    static const std::vector<std::pair<std::string, std::string>>& all();
    // Path of a DTD inside the game folder, e.g. "Data/DTD/Animation.dtd".
    static std::string path(const std::string& name);
};
