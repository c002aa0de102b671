#pragma once

#include <guichan/keyevent.hpp>
#include <guichan/listmodel.hpp>
#include <guichan/widgets/dropdown.hpp>

// A drop-down for the option screens. The arrow keys walk from widget to
// widget in the menus; Guichan's drop-down would also step its selection when
// an arrow lands on it, so a player merely passing by would change the screen
// mode. Folded, it leaves the arrows alone: Return or Space open the list,
// where the arrows choose.
class Menu_DropDown : public gcn::DropDown {
public:
    explicit Menu_DropDown(gcn::ListModel* listModel);

    void keyPressed(gcn::KeyEvent& keyEvent) override;
    bool Is_Dropped_Down() const { return mDroppedDown; }
    // Folds an open list, the selection back to what it was when it opened.
    void Cancel();

protected:
    void dropDown() override;

private:
    int Selected_When_Opened = -1;
};
