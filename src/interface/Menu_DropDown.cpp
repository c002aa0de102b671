#include "interface/Menu_DropDown.hpp"

#include <guichan/key.hpp>

Menu_DropDown::Menu_DropDown(gcn::ListModel* listModel) : gcn::DropDown(listModel) {}

void Menu_DropDown::keyPressed(gcn::KeyEvent& keyEvent) {
    const int value = keyEvent.getKey().getValue();
    if (!mDroppedDown && (value == gcn::Key::UP || value == gcn::Key::DOWN))
        return;
    gcn::DropDown::keyPressed(keyEvent);
}

void Menu_DropDown::dropDown() {
    if (!mDroppedDown)
        Selected_When_Opened = getSelected();
    gcn::DropDown::dropDown();
}

void Menu_DropDown::Cancel() {
    if (!mDroppedDown)
        return;
    setSelected(Selected_When_Opened);
    foldUp();
    // Opened by a click, it holds the mouse until it folds.
    releaseModalMouseInputFocus();
}
