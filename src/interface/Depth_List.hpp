#pragma once

#include <string>
#include <vector>

#include <guichan/listmodel.hpp>

// The colour depths the video options offer: 8, 16 and 32, plus the depth in
// use when it is another one (0, 15, 24), in ascending order. Like the
// resolution list it keeps no selection of its own.
class Depth_List : public gcn::ListModel {
public:
    Depth_List();

    void Refill(int current);

    int getNumberOfElements() override;
    // "16"; an index outside the list gives "".
    std::string getElementAt(int i) override;

    int Index_Of(int depth) const;
    bool Depth_At(int i, int& depth) const;

private:
    std::vector<int> Rows;
};
