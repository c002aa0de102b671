#include "interface/Resolution_List.hpp"

#include <algorithm>

void Resolution_List::Refill(std::vector<Mode> modes, const Mode& current) {
    // A desktop size the display does not list still shows as what is in use.
    if (current.first > 0 && current.second > 0)
        modes.push_back(current);
    std::sort(modes.begin(), modes.end());
    modes.erase(std::unique(modes.begin(), modes.end()), modes.end());
    Rows = std::move(modes);
}

int Resolution_List::getNumberOfElements() { return static_cast<int>(Rows.size()); }

std::string Resolution_List::getElementAt(int i) {
    Mode mode;
    if (!Mode_At(i, mode))
        return std::string();
    return std::to_string(mode.first) + "*" + std::to_string(mode.second);
}

int Resolution_List::Index_Of(const Mode& mode) const {
    const auto found = std::find(Rows.begin(), Rows.end(), mode);
    return found == Rows.end() ? -1 : static_cast<int>(found - Rows.begin());
}

bool Resolution_List::Mode_At(int i, Mode& mode) const {
    if (i < 0 || i >= static_cast<int>(Rows.size()))
        return false;
    mode = Rows[static_cast<std::size_t>(i)];
    return true;
}
