#include "interface/Player_Name_Field.hpp"

#include <algorithm>

#include <guichan/key.hpp>

#include "interface/Printable_Text.hpp"

Player_Name_Field::Player_Name_Field(std::size_t limit) : Maximum(limit) {}

std::size_t Player_Name_Field::Previous_Boundary(std::size_t position) const {
    if (position == 0)
        return 0;
    --position;
    while (position > 0 && (static_cast<unsigned char>(mText[position]) & 0xC0) == 0x80)
        --position;
    return position;
}

std::size_t Player_Name_Field::Next_Boundary(std::size_t position) const {
    if (position >= mText.size())
        return mText.size();
    ++position;
    while (position < mText.size() && (static_cast<unsigned char>(mText[position]) & 0xC0) == 0x80)
        ++position;
    return position;
}

void Player_Name_Field::keyPressed(gcn::KeyEvent& keyEvent) {
    const gcn::Key key = keyEvent.getKey();
    const int value = key.getValue();
    std::size_t caret = mCaretPosition;
    if (key.isCharacter() && value != gcn::Key::TAB) {
        const char32_t character = static_cast<char32_t>(value);
        if (!Printable_Text::Is_Control(character) && Printable_Text::Length(mText) < Maximum) {
            const std::string bytes = Printable_Text::Encode(character);
            mText.insert(caret, bytes);
            caret += bytes.size();
        }
    } else if (value == gcn::Key::LEFT) {
        caret = Previous_Boundary(caret);
    } else if (value == gcn::Key::RIGHT) {
        caret = Next_Boundary(caret);
    } else if (value == gcn::Key::BACKSPACE && caret > 0) {
        const std::size_t start = Previous_Boundary(caret);
        mText.erase(start, caret - start);
        caret = start;
    } else if (value == gcn::Key::DELETE && caret < mText.size()) {
        mText.erase(caret, Next_Boundary(caret) - caret);
    } else {
        gcn::TextField::keyPressed(keyEvent);
        return;
    }
    mCaretPosition = static_cast<unsigned int>(caret);
    keyEvent.consume();
    fixScroll();
}

void Player_Name_Field::mousePressed(gcn::MouseEvent& mouseEvent) {
    gcn::TextField::mousePressed(mouseEvent);
    // Guichan places the caret by bytes; never inside a character.
    std::size_t caret = std::min<std::size_t>(mCaretPosition, mText.size());
    while (caret > 0 && caret < mText.size() && (static_cast<unsigned char>(mText[caret]) & 0xC0) == 0x80)
        --caret;
    mCaretPosition = static_cast<unsigned int>(caret);
    fixScroll();
}
