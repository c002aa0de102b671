#pragma once

#include <string>
#include <utility>
#include <vector>

#include <guichan/listmodel.hpp>

// The screen sizes the video options offer: the display's usual modes, plus
// the size in use when the display does not list it, in ascending order.
// Rows read "1024*768". The model keeps no selection: the drop-down's own
// selected index says what the player chose.
class Resolution_List : public gcn::ListModel {
public:
    using Mode = std::pair<int, int>;

    // Replaces the rows: the modes given (any order, duplicates allowed) and current.
    void Refill(std::vector<Mode> modes, const Mode& current);

    int getNumberOfElements() override;
    std::string getElementAt(int i) override;

    const std::vector<Mode>& Modes() const { return Rows; }
    // The row of a mode, or -1.
    int Index_Of(const Mode& mode) const;
    // False when i is no row.
    bool Mode_At(int i, Mode& mode) const;

private:
    std::vector<Mode> Rows;
};
