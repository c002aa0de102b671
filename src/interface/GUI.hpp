#pragma once

#include <memory>
#include <string>

#include "media/VideoSurface.hpp"

namespace gcn {
class Container;
class Gui;
class LumenGraphics;
class LumenImageLoader;
class LumenInput;
} // namespace gcn

class Characteristics;
class Inventory;

// The game's widget interface: the status line and monster counters, the
// inventory and characteristics windows, the menus and options, the victory
// window and the credits. One object, made first when the world is built.
class GUI {
public:
    GUI();
    ~GUI();

    GUI(const GUI&) = delete;
    GUI& operator=(const GUI&) = delete;

    // Per frame, from the render engine.
    void Logic();
    void Draw(GLINT::SDL::VideoSurface& screen);
    void UpdateTopContainerDimensions();

    // Where the input handlers pass every event on.
    gcn::LumenInput& Get_Input();

    // The two in-game windows; each call toggles its window.
    void Show_Inventory(Inventory** inventory);
    void Show_Characteristics(Characteristics** characteristics);

    // The escape menu and its keyboard moves.
    void Show_Escape_Menu();
    void Menu_Back_To_Previous_Level();
    void Menu_FocusPrev();
    void Menu_FocusNext();

    // Key capture on the inputs screen: the label of the key or button pressed.
    void Show_Pushed_Key_Menu(const std::string& label);
    void Close_Pushed_Key_Menu_Forced();

private:
    std::unique_ptr<gcn::LumenImageLoader> Image_Loader;
    std::unique_ptr<gcn::LumenGraphics> Graphics;
    std::unique_ptr<gcn::LumenInput> Input;
    std::unique_ptr<gcn::Container> Top;
    std::unique_ptr<gcn::Gui> Gui;
};
