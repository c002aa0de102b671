#pragma once

#include <cstddef>
#include <string>

#include <guichan/keyevent.hpp>
#include <guichan/mouseevent.hpp>
#include <guichan/widgets/textfield.hpp>

// The victory window's name entry. Guichan's text field stores one byte per
// key, which turns "é" into a byte that is not UTF-8 and lets the name grow
// without end; this one stores UTF-8, moves and deletes whole characters, and
// takes at most Limit characters.
class Player_Name_Field : public gcn::TextField {
public:
    explicit Player_Name_Field(std::size_t limit);

    void keyPressed(gcn::KeyEvent& keyEvent) override;
    void mousePressed(gcn::MouseEvent& mouseEvent) override;

    std::size_t Limit() const { return Maximum; }

private:
    std::size_t Previous_Boundary(std::size_t position) const;
    std::size_t Next_Boundary(std::size_t position) const;

    std::size_t Maximum;
};
