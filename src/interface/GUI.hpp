#pragma once

#include <array>
#include <atomic>
#include <memory>
#include <string>

#include <SDL/SDL_types.h>

#include <guichan/actionlistener.hpp>
#include <guichan/mouselistener.hpp>
#include <guichan/rectangle.hpp>

#include "interface/Display_Control.hpp"
#include "interface/Key_Hint.hpp"
#include "media/RGBSurface.hpp"
#include "media/Timer.hpp"
#include "media/VideoSurface.hpp"

namespace gcn {
class Container;
class Gui;
class Icon;
class Image;
class Label;
class LumenFont;
class LumenGraphics;
class LumenImage;
class LumenImageLoader;
class LumenInput;
class ScrollArea;
class TextBox;
class Window;
} // namespace gcn

class Characteristics;
class Inventory;
class Menu_Window;

// The game's widget interface: the status line and monster counters, the
// inventory and characteristics windows, the death picture, the menus and
// options (in the Menu_Window), the victory window and the credits. One
// object, made first when the world is built; every call but the status
// timer's runs on the main thread, under the world lock like the rest of a frame.
class GUI {
public:
    class ButtonActionListener : public gcn::ActionListener {
    public:
        explicit ButtonActionListener(GUI* gui) : Owner(gui) {}
        void action(const gcn::ActionEvent& event) override;

    private:
        GUI* Owner;
    };

    class ButtonMouseListener : public gcn::MouseListener {
    public:
        explicit ButtonMouseListener(GUI* gui) : Owner(gui) {}
        void mouseEntered(gcn::MouseEvent& event) override;
        void mouseClicked(gcn::MouseEvent& event) override;

    private:
        GUI* Owner;
    };

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
    // Acts now on the keys and clicks passed on since the last frame, so that a key
    // the keyboard handler acts on itself comes after them, as it was typed.
    void Take_Queued_Input();

    // The status line and the monster counters.
    void Show_Status_Msg();
    void Update_Monsters_Stats();
    // Where the player's bars are drawn: the status line keeps clear of them.
    void Set_Bars_Area(const gcn::Rectangle& area) { Bars_Area = area; }
    // The goal and the keys, from the bindings, on the status line in the first seconds of play.
    void Start_Key_Hint();

    // The two in-game windows; each Show toggles its window and closes the other.
    void Show_Inventory(Inventory** inventory);
    void Close_Inventory();
    void Show_Characteristics(Characteristics** characteristics);
    void Close_Characteristics();

    // The menus. Show_Escape_Menu first closes an open in-game window and stops there.
    void Show_Escape_Menu();
    void Close_Escape_Menu();
    void Show_Quit_Menu();
    void Close_Quit_Menu();
    void Show_Options_Menu();
    void Close_Options_Menu();
    void Show_SoundOptions_Menu();
    void Show_VideoOptions_Menu();
    void Show_InputsOptions_Menu();
    void Close_SpecificOption_Menu();
    void Menu_Back_To_Previous_Level();
    void Menu_FocusPrev();
    void Menu_FocusNext();

    // Key capture on the inputs screen. The cell form (a Key_Grid index, from
    // a key button) starts waiting; the label form delivers the key or button
    // pressed (its name without the leading "K", or a button name). An empty
    // or unknown label is ignored and the capture goes on.
    void Show_Pushed_Key_Menu(int cell);
    void Show_Pushed_Key_Menu(const std::string& label);
    void Close_Pushed_Key_Menu_Forced();
    void Unassign_Key(const std::string& id);

    // Applies the option screen on show and rewrites Config.ini. A failed
    // video change puts the old mode back and writes nothing; a failed write
    // keeps the old file. Both are reported in the game log and the status line.
    void Save_And_Apply_Options();
    // Shows Credits.txt; throws when it cannot be read.
    void Show_Credits();

    void Show_Victory_Menu();
    // Appends the result to Best_Times.txt once per victory and starts the credits.
    void Close_Victory_Menu();

    // What a button's action id does (the action listener's dispatch).
    void Dispatch_Action(const std::string& id);

    // Where the video options change the screen; not owned, null for the window.
    void Set_Display_Control(Display_Control* control);

    // For the render engine's tests and the screenshots.
    gcn::Container& Get_Top();
    Menu_Window& Get_Menu_Window();

private:
    friend struct GLINT::SDL::TimerMethod<GUI>;

    void Clean_GUI();
    void Build();
    void Place_Status();
    unsigned Reset_Status_Msg(unsigned interval, void* args);
    void Apply_Sound_Options();
    bool Apply_Video_Options();
    void Report(const std::string& logged, const std::string& shown);
    void Close_Everything();
    void Refuse_Key_Change();
    // Under the death picture and the credits: the key that leads on from there.
    void Show_Leading_Key(const std::string& text, int below, int screenWidth, int screenHeight);

    std::unique_ptr<gcn::LumenImageLoader> Image_Loader;
    std::unique_ptr<gcn::LumenGraphics> Graphics;
    std::unique_ptr<gcn::LumenInput> Input;
    std::unique_ptr<gcn::Container> Top;
    std::unique_ptr<gcn::LumenFont> Global_Font;
    std::unique_ptr<gcn::Gui> Gui;

    std::unique_ptr<ButtonActionListener> Button_Action_Listener;
    std::unique_ptr<ButtonMouseListener> Button_Mouse_Listener;

    std::unique_ptr<gcn::LumenFont> Menu_Font;
    std::unique_ptr<gcn::LumenFont> Key_Font;
    std::unique_ptr<gcn::LumenFont> Characteristics_Font;
    std::unique_ptr<gcn::LumenFont> Monsters_Font;
    std::unique_ptr<gcn::LumenFont> Status_Font;
    std::unique_ptr<Menu_Window> Menu;

    std::unique_ptr<gcn::Label> Monsters_Stats_Label;
    std::unique_ptr<gcn::Label> Status_Label;
    GLINT::SDL::Timer<GUI> Status_Timer;
    // The message on show; the timer clears it only if no newer one came.
    std::atomic<unsigned> Shown_Status{0};
    gcn::Rectangle Bars_Area;
    Key_Hint Hint;
    bool Hint_Started = false;

    std::unique_ptr<gcn::Image> Inventory_Background;
    std::unique_ptr<gcn::Icon> Inventory_Background_Icon;
    std::unique_ptr<gcn::Window> Inventory_Window;
    std::array<std::unique_ptr<gcn::LumenImage>, 13> Slot_Images;
    std::array<std::unique_ptr<gcn::Icon>, 13> Slot_Icons;
    std::unique_ptr<gcn::Label> Projectiles_Count_Label;
    std::unique_ptr<gcn::Label> Potions_Count_Label;

    std::unique_ptr<gcn::Image> Characteristics_Background;
    std::unique_ptr<gcn::Icon> Characteristics_Background_Icon;
    std::unique_ptr<gcn::Window> Characteristics_Window;
    std::array<std::unique_ptr<gcn::Label>, 4> Characteristics_Labels;

    std::unique_ptr<GLINT::SDL::RGBSurface> Death_Head;

    std::unique_ptr<gcn::TextBox> Credits_Box;
    std::unique_ptr<gcn::ScrollArea> Credits_Area;
    std::unique_ptr<gcn::Container> Leading_Key_Box;
    std::unique_ptr<gcn::Label> Leading_Key_Label;

    // The time the victory window shows, kept for the best-times line.
    Uint32 Victory_Seconds = 0;

    Display_Control Window_Display;
    Display_Control* Display = &Window_Display;
};

// The status line is cleared RESET_STATUS_MSG_INTERVAL ms after its latest message.
template <>
struct GLINT::SDL::TimerMethod<GUI> {
    static constexpr auto method = &GUI::Reset_Status_Msg;
    static unsigned interval();
};
