#pragma once

#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <guichan/actionlistener.hpp>
#include <guichan/font.hpp>
#include <guichan/mouselistener.hpp>
#include <guichan/widgets/button.hpp>
#include <guichan/widgets/checkbox.hpp>
#include <guichan/widgets/label.hpp>
#include <guichan/widgets/slider.hpp>
#include <guichan/widgets/window.hpp>

#include "interface/Depth_List.hpp"
#include "interface/Key_Grid.hpp"
#include "interface/Menu_DropDown.hpp"
#include "interface/Player_Name_Field.hpp"
#include "interface/Resolution_List.hpp"

// The one window every menu screen is shown in: the escape menu, the quit
// dialog, the options with their sound, video and inputs screens, and the
// victory window. Each screen empties the window and fills it again. The
// window's action event id names the screen on show and drives the menu state
// machine; a Show or Close runs only from the states it accepts.
//
// The screens change the game state (3 playing, 4 menu, 6 capturing a key)
// but nothing else: what the option screens chose is read back by the GUI,
// which applies and saves it.
class Menu_Window : public gcn::Window {
public:
    // The menu states.
    static const char* const Hidden;         // "Menu_Window_Hide"
    static const char* const Escape_Shown;   // "EscapeMenu_Shown"
    static const char* const Quit_Shown;     // "Quit_Menu_Shown"
    static const char* const Quit_Hidden;    // "Quit_Menu_Hide"
    static const char* const Options_Shown;  // "General_OptionMenu_Shown"
    static const char* const Options_Hidden; // "General_OptionMenu_Hide"
    static const char* const Sound_Shown;    // "Sound_OptionMenu_Shown"
    static const char* const Video_Shown;    // "Video_OptionMenu_Shown"
    static const char* const Inputs_Shown;   // "Inputs_OptionMenu_Shown"
    static const char* const Victory_Shown;  // "Victory_Menu_Shown"

    static constexpr int Menu_Buttons = 6;
    static constexpr int Option_Rows = 6;

    // The fonts are the GUI's; every button reports to both listeners.
    Menu_Window(const std::string& caption, gcn::Font* menuFont, gcn::Font* keyFont,
                gcn::ActionListener* actions, gcn::MouseListener* mouse);
    ~Menu_Window() override;

    std::string State() const { return getActionEventId(); }
    bool Is_Option_Screen() const;

    // Each returns whether it ran.
    bool Show_Escape_Menu();
    bool Close_Escape_Menu();
    bool Show_Quit_Menu();
    bool Close_Quit_Menu();
    bool Show_Options_Menu();
    bool Close_Options_Menu();
    bool Show_SoundOptions_Menu();
    bool Show_VideoOptions_Menu(bool fullscreenNow);
    bool Show_InputsOptions_Menu();
    bool Close_SpecificOption_Menu();
    // One level up from the screen on show; option screens are left unsaved.
    // An open drop-down list is only folded back.
    void Back_To_Previous_Level();
    // Moves the keyboard focus in reading order, top to bottom and left to
    // right, unless an open drop-down list takes the arrows.
    void Focus_Next();
    void Focus_Previous();

    // Key capture on the inputs screen: the prompt waits for a key for one cell.
    bool Start_Capture(int cell);
    bool Is_Capturing() const;
    // The key or button label that arrived; see GUI::Show_Pushed_Key_Menu.
    // False when the grid refused it (it would take the menu's last key):
    // the capture ends and the cells stay as they were.
    bool Capture(const std::string& label);
    void Close_Capture();
    // False when refused, as for Capture.
    bool Unassign(int cell);

    // The victory screen, and its closing (it returns the menu to Hidden).
    void Show_Victory(const std::string& timeUsed);
    void Close_Victory();
    std::string Typed_Name() const;

    // Hides whatever is shown and forgets it: the player died.
    void Hide_All();

    // What the option screens hold now.
    double Volume(int row) const;
    bool Switch(int row) const;
    // The resolution or depth the player picked, when the selection differs
    // from the one the screen opened with.
    bool Chosen_Resolution(Resolution_List::Mode& mode) const;
    bool Chosen_Depth(int& depth) const;
    bool Fullscreen_Choice() const;
    const Key_Grid& Keys() const { return Grid; }

    // The widgets, for the GUI's sounds and for tests.
    gcn::Button& Button(int i) { return *Buttons.at(static_cast<std::size_t>(i)); }
    gcn::Label& Option_Label(int i) { return *Labels.at(static_cast<std::size_t>(i)); }
    gcn::CheckBox& Check_Box(int i) { return *Check_Boxes.at(static_cast<std::size_t>(i)); }
    gcn::Slider& Slider(int i) { return *Sliders.at(static_cast<std::size_t>(i)); }
    Menu_DropDown& Resolution_Box() { return *Resolution_DropDown; }
    Menu_DropDown& Depth_Box() { return *Depth_DropDown; }
    gcn::Button& Key_Button(int cell) { return *Key_Buttons.at(static_cast<std::size_t>(cell)); }
    gcn::Button& Press_Key_Button() { return *Press_Key; }
    Player_Name_Field& Name_Field() { return *Name; }
    Resolution_List& Resolutions() { return Resolution_Model; }
    Depth_List& Depths() { return Depth_Model; }
    // The widgets on the screen now, in drawing order.
    std::vector<gcn::Widget*> Children() const;

private:
    bool In(std::initializer_list<const char*> states) const;
    void Start_Screen();
    void Finish_Screen(const char* state, const std::string& caption);
    void Place_Button(int i, const std::string& caption, const std::string& id, bool enabled, int x, int y,
                      int width = 70, int height = 20);
    // width, or more when a caption needs it in the buttons' font.
    int Fitted_Width(int width, std::initializer_list<const char*> captions) const;
    void Place_Label(int i, const std::string& caption, int x, int y);
    void Refresh_Key_Captions();
    void Move_Focus(bool forward);
    Menu_DropDown* Open_List() const;

    std::string Window_Name;
    gcn::Font* Menu_Font;
    gcn::Font* Key_Font;

    std::array<std::unique_ptr<gcn::Button>, Menu_Buttons> Buttons;
    std::array<std::unique_ptr<gcn::Label>, Option_Rows> Labels;
    std::array<std::unique_ptr<gcn::CheckBox>, Option_Rows> Check_Boxes;
    std::array<std::unique_ptr<gcn::Slider>, Option_Rows> Sliders;
    Resolution_List Resolution_Model;
    Depth_List Depth_Model;
    std::unique_ptr<Menu_DropDown> Resolution_DropDown;
    std::unique_ptr<Menu_DropDown> Depth_DropDown;
    int Resolution_Shown = -1;
    int Depth_Shown = -1;
    std::array<std::unique_ptr<gcn::Label>, 2> Keys_Header;
    std::array<std::unique_ptr<gcn::Label>, Key_Grid::Rows> Row_Labels;
    std::array<std::unique_ptr<gcn::Button>, Key_Grid::Cells> Key_Buttons;
    std::unique_ptr<gcn::Button> Press_Key;
    std::unique_ptr<Player_Name_Field> Name;
    Key_Grid Grid;
};
