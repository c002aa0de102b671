#include "interface/Depth_List.hpp"

#include <algorithm>

namespace {
const std::vector<int> Offered = {8, 16, 32};
} // namespace

Depth_List::Depth_List() : Rows(Offered) {}

void Depth_List::Refill(int current) {
    Rows = Offered;
    if (std::find(Rows.begin(), Rows.end(), current) == Rows.end()) {
        Rows.push_back(current);
        std::sort(Rows.begin(), Rows.end());
    }
}

int Depth_List::getNumberOfElements() { return static_cast<int>(Rows.size()); }

std::string Depth_List::getElementAt(int i) {
    int depth = 0;
    return Depth_At(i, depth) ? std::to_string(depth) : std::string();
}

int Depth_List::Index_Of(int depth) const {
    const auto found = std::find(Rows.begin(), Rows.end(), depth);
    return found == Rows.end() ? -1 : static_cast<int>(found - Rows.begin());
}

bool Depth_List::Depth_At(int i, int& depth) const {
    if (i < 0 || i >= static_cast<int>(Rows.size()))
        return false;
    depth = Rows[static_cast<std::size_t>(i)];
    return true;
}
