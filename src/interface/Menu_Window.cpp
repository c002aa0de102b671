#include "interface/Menu_Window.hpp"

#include <algorithm>

#include <guichan/color.hpp>
#include <guichan/graphics.hpp>
#include <guichan/rectangle.hpp>

#include "interface/Best_Times.hpp"
#include "media/DisplayModes.hpp"
#include "shell/Game_Settings.hpp"

const char* const Menu_Window::Hidden = "Menu_Window_Hide";
const char* const Menu_Window::Escape_Shown = "EscapeMenu_Shown";
const char* const Menu_Window::Quit_Shown = "Quit_Menu_Shown";
const char* const Menu_Window::Quit_Hidden = "Quit_Menu_Hide";
const char* const Menu_Window::Options_Shown = "General_OptionMenu_Shown";
const char* const Menu_Window::Options_Hidden = "General_OptionMenu_Hide";
const char* const Menu_Window::Sound_Shown = "Sound_OptionMenu_Shown";
const char* const Menu_Window::Video_Shown = "Video_OptionMenu_Shown";
const char* const Menu_Window::Inputs_Shown = "Inputs_OptionMenu_Shown";
const char* const Menu_Window::Victory_Shown = "Victory_Menu_Shown";

namespace {

const gcn::Color Button_Colour(200, 225, 200, 255);
const gcn::Color Option_Colour(200, 225, 200, 190);

// The key grid: two columns of buttons beside the row labels, at least
// this far from the left and this wide; wider when the names need it.
const int Key_Column_X = 107;
const int Key_Width = 40;
const int Key_Height = 15;
int Key_Row_Y(int row) { return 40 + 15 * (row - 1); }
// The inputs screen's content ends below its OK and Cancel buttons.
const int Inputs_Height = 330;

// Where the widgets beside a column of labels start: at least minimum, and
// clear of the widest label.
int Beside(const std::vector<const gcn::Label*>& labels, int minimum) {
    int x = minimum;
    for (const gcn::Label* label : labels)
        x = std::max(x, label->getX() + label->getWidth() + 8);
    return x;
}

void Set_Game_State(int state) { Game_Settings::GLOBAL_GAME_STATE = state; }

} // namespace

Menu_Window::Menu_Window(const std::string& caption, gcn::Font* menuFont, gcn::Font* keyFont,
                         gcn::ActionListener* actions, gcn::MouseListener* mouse)
    : gcn::Window(caption), Window_Name(caption), Menu_Font(menuFont), Key_Font(keyFont) {
    setBaseColor(gcn::Color(200, 210, 220, 190));
    setActionEventId(Hidden);
    setVisible(false);

    auto listen = [&](gcn::Button& button) {
        button.addActionListener(actions);
        button.addMouseListener(mouse);
    };
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        Buttons[i] = std::make_unique<gcn::Button>();
        Buttons[i]->setSize(70, 20);
        Buttons[i]->setBaseColor(Button_Colour);
        Buttons[i]->setAlignment(gcn::Graphics::CENTER);
        listen(*Buttons[i]);
    }
    for (std::size_t i = 0; i < Labels.size(); ++i) {
        Labels[i] = std::make_unique<gcn::Label>();
        Labels[i]->setFont(Menu_Font);
        Check_Boxes[i] = std::make_unique<gcn::CheckBox>();
        Check_Boxes[i]->setId("Check_Box_" + std::to_string(i + 1));
        Check_Boxes[i]->setSize(13, 13);
        Check_Boxes[i]->setBackgroundColor(Option_Colour);
        Sliders[i] = std::make_unique<gcn::Slider>(0.0, 100.0);
        Sliders[i]->setSize(100, 10);
        Sliders[i]->setFocusable(false);
        Sliders[i]->setBaseColor(Option_Colour);
    }
    Resolution_DropDown = std::make_unique<Menu_DropDown>(&Resolution_Model);
    Resolution_DropDown->setId("Resolution_Box");
    Depth_DropDown = std::make_unique<Menu_DropDown>(&Depth_Model);
    Depth_DropDown->setId("Depth_Box");
    for (Menu_DropDown* box : {Resolution_DropDown.get(), Depth_DropDown.get()}) {
        box->setBaseColor(Option_Colour);
        box->setBackgroundColor(Option_Colour);
    }
    Resolution_DropDown->setWidth(110);
    Depth_DropDown->setWidth(50);

    for (std::size_t column = 0; column < Keys_Header.size(); ++column) {
        Keys_Header[column] = std::make_unique<gcn::Label>("Key" + std::to_string(column + 1));
        Keys_Header[column]->setFont(Key_Font);
        Keys_Header[column]->adjustSize();
    }
    for (int row = 1; row <= Key_Grid::Rows; ++row) {
        auto& label = Row_Labels[static_cast<std::size_t>(row - 1)];
        label = std::make_unique<gcn::Label>(Key_Grid::Table()[static_cast<std::size_t>((row - 1) * 2)].Row_Label);
        label->setFont(Key_Font);
        label->adjustSize();
    }
    for (int cell = 0; cell < Key_Grid::Cells; ++cell) {
        auto& button = Key_Buttons[static_cast<std::size_t>(cell)];
        button = std::make_unique<gcn::Button>();
        button->setFont(Key_Font);
        button->setActionEventId(Key_Grid::Id(cell));
        button->setId(Key_Grid::Id(cell));
        button->setSize(Key_Width, Key_Height);
        button->setBaseColor(Button_Colour);
        button->setAlignment(gcn::Graphics::CENTER);
        listen(*button);
    }
    Press_Key = std::make_unique<gcn::Button>("Press A Key");
    Press_Key->adjustSize();
    Press_Key->setBaseColor(gcn::Color(255, 255, 255, 255));
    Press_Key->setFrameSize(1);
    Press_Key->setVisible(false);
    listen(*Press_Key);

    Name = std::make_unique<Player_Name_Field>(Best_Times::Name_Limit);
    Name->setId("Name_Field");
    Name->setSize(85, 20);
}

Menu_Window::~Menu_Window() {
    // The member widgets die before the window's Guichan part: take them out
    // first, so that none reports its death to a half-destroyed container.
    clear();
}

bool Menu_Window::In(std::initializer_list<const char*> states) const {
    const std::string state = State();
    return std::any_of(states.begin(), states.end(), [&](const char* s) { return state == s; });
}

bool Menu_Window::Is_Option_Screen() const { return In({Sound_Shown, Video_Shown, Inputs_Shown}); }

void Menu_Window::Start_Screen() {
    setVisible(false);
    clear();
}

void Menu_Window::Finish_Screen(const char* state, const std::string& caption) {
    setActionEventId(state);
    setCaption(caption);
    resizeToContent();
    setDimension(gcn::Rectangle(0, 0, getWidth() + 10, getHeight() + 10));
    setPosition((Game_Settings::Current_Screen_Width - getWidth()) / 2,
                (Game_Settings::Current_Screen_Height - getHeight()) / 2);
    setVisible(true);
    // From nothing focused, next then previous lands on the screen's first
    // choice: the name field of the victory window, Cancel on the dialogs.
    focusNext();
    focusPrevious();
}

int Menu_Window::Fitted_Width(int width, std::initializer_list<const char*> captions) const {
    // The font is wider than the one the sizes were drawn for: no caption is cut.
    const gcn::Font* font = Buttons[0]->getFont();
    for (const char* caption : captions)
        width = std::max(width, font->getWidth(caption) + 12);
    return width;
}

void Menu_Window::Place_Button(int i, const std::string& caption, const std::string& id, bool enabled, int x,
                               int y, int width, int height) {
    gcn::Button& button = Button(i);
    button.setCaption(caption);
    button.setActionEventId(id);
    button.setEnabled(enabled);
    // Guichan draws a disabled button like any other: grey its caption.
    button.setForegroundColor(enabled ? gcn::Color(0, 0, 0) : gcn::Color(128, 128, 128));
    button.setSize(width, height);
    add(&button, x, y);
}

void Menu_Window::Place_Label(int i, const std::string& caption, int x, int y) {
    gcn::Label& label = Option_Label(i);
    label.setFont(Menu_Font);
    label.setCaption(caption);
    label.adjustSize();
    add(&label, x, y);
}

bool Menu_Window::Show_Escape_Menu() {
    if (!In({Hidden, Options_Hidden, Quit_Hidden}))
        return false;
    Start_Screen();
    const int width = Fitted_Width(70, {"Back", "Save Game", "Load Game", "Options", "Quit Game"});
    Place_Button(0, "Back", "Quit_Escape_Menu", true, 10, 10, width);
    Place_Button(1, "Save Game", "Show_Save_Game_menu", false, 10, 40, width);
    Place_Button(2, "Load Game", "Show_Load_Game_menu", false, 10, 70, width);
    Place_Button(3, "Options", "Show_Options_menu", true, 10, 100, width);
    Place_Button(4, "Quit Game", "Show_Quit_Game_menu", true, 10, 130, width);
    Finish_Screen(Escape_Shown, Window_Name);
    return true;
}

bool Menu_Window::Close_Escape_Menu() {
    if (!In({Escape_Shown}))
        return false;
    Start_Screen();
    setActionEventId(Hidden);
    Set_Game_State(3);
    return true;
}

bool Menu_Window::Show_Quit_Menu() {
    if (!In({Escape_Shown}))
        return false;
    Start_Screen();
    const int width = Fitted_Width(90, {"Exit To Main Menu", "Exit To Dekstop", "Cancel"});
    const std::string question = "Are You Really Want To Exit ?";
    // The question stays centred over the row of buttons.
    Place_Label(0, question, std::max(10, 10 + (3 * width + 20 - Menu_Font->getWidth(question)) / 2), 10);
    Place_Button(0, "Exit To Main Menu", "Quit_Game_To_Main_Menu", false, 10, 50, width);
    Place_Button(1, "Exit To Dekstop", "Quit_Game", true, 20 + width, 50, width);
    Place_Button(2, "Cancel", "Cancel_Quit_Menu", true, 30 + 2 * width, 50, width);
    Finish_Screen(Quit_Shown, Window_Name);
    return true;
}

bool Menu_Window::Close_Quit_Menu() {
    if (!In({Quit_Shown}))
        return false;
    Start_Screen();
    setActionEventId(Quit_Hidden);
    for (int i = 0; i < 3; ++i)
        Button(i).setSize(70, 20);
    return Show_Escape_Menu();
}

bool Menu_Window::Show_Options_Menu() {
    if (!In({Options_Hidden, Escape_Shown}))
        return false;
    Start_Screen();
    const int width = Fitted_Width(70, {"Sound", "Video", "Inputs", "Back"});
    Place_Button(0, "Sound", "Show_Options_Sound", true, 10, 10, width);
    Place_Button(1, "Video", "Show_Options_Video", true, 10, 40, width);
    Place_Button(2, "Inputs", "Show_Options_Inputs", true, 10, 70, width);
    Place_Button(3, "Back", "General_OptionMenu_Hide", true, 10, 100, width);
    Finish_Screen(Options_Shown, "Options");
    return true;
}

bool Menu_Window::Close_Options_Menu() {
    if (!In({Options_Shown}))
        return false;
    Start_Screen();
    setActionEventId(Options_Hidden);
    return Show_Escape_Menu();
}

bool Menu_Window::Show_SoundOptions_Menu() {
    if (!In({Options_Shown}))
        return false;
    using S = Game_Settings;
    Start_Screen();
    const char* const names[Option_Rows] = {"SFXs", "Musics", "Voices", "Videos", "Interface", "All"};
    const int volumes[Option_Rows] = {S::SFXS_VOLUME, S::MUSIC_VOLUME, S::VOICE_VOLUME,
                                      S::VIDEO_VOLUME, S::INTERFACE_VOLUME, S::ALL_SOUNDS_VOLUME};
    const bool switches[Option_Rows] = {S::ENABLE_SFXS_SOUNDS, S::ENABLE_MUSIC_SOUNDS, S::ENABLE_VOICE_SOUNDS,
                                        S::ENABLE_VIDEO_SOUNDS, S::ENABLE_INTERFACE_SOUNDS, S::ENABLE_ALL_SOUNDS};
    std::vector<const gcn::Label*> labels;
    for (int row = 0; row < Option_Rows; ++row) {
        Place_Label(row, names[row], 10, 10 + 20 * row);
        labels.push_back(&Option_Label(row));
    }
    const int x = Beside(labels, 80);
    for (int row = 0; row < Option_Rows; ++row) {
        Slider(row).setValue(volumes[row]);
        add(&Slider(row), x, 16 + 20 * row);
    }
    for (int row = 0; row < Option_Rows; ++row) {
        Check_Box(row).setSelected(switches[row]);
        add(&Check_Box(row), x + 110, 15 + 20 * row);
    }
    Place_Button(0, "OK", "Validate_Options", true, 30, 145);
    Place_Button(1, "Cancel", "Cancel_Options", true, 110, 145);
    Finish_Screen(Sound_Shown, "Sound Options");
    return true;
}

bool Menu_Window::Show_VideoOptions_Menu(bool fullscreenNow) {
    if (!In({Options_Shown}))
        return false;
    using S = Game_Settings;
    Start_Screen();
    Place_Label(0, "Resolution", 10, 10);
    Place_Label(1, "BPP", 10, 35);
    Place_Label(2, "Fullscreen", 10, 60);
    const int x = Beside({&Option_Label(0), &Option_Label(1), &Option_Label(2)}, 90);

    // A size of 0 in Config.ini means the desktop's: show what the screen has.
    const Resolution_List::Mode current = S::SCREEN_WIDTH > 0 && S::SCREEN_HEIGHT > 0
                                              ? Resolution_List::Mode(S::SCREEN_WIDTH, S::SCREEN_HEIGHT)
                                              : Resolution_List::Mode(S::Current_Screen_Width, S::Current_Screen_Height);
    Resolution_Model.Refill(GLINT::SDL::getAvailableDisplayModes(), current);
    Resolution_DropDown->setListModel(&Resolution_Model);
    Resolution_Shown = Resolution_Model.Index_Of(current);
    Resolution_DropDown->setSelected(Resolution_Shown);
    add(Resolution_DropDown.get(), x, 13);

    Depth_Model.Refill(S::SCREEN_BPP);
    Depth_DropDown->setListModel(&Depth_Model);
    Depth_Shown = Depth_Model.Index_Of(S::SCREEN_BPP);
    Depth_DropDown->setSelected(Depth_Shown);
    add(Depth_DropDown.get(), x, 38);

    Check_Box(0).setSelected(fullscreenNow);
    add(&Check_Box(0), x, 66);
    Place_Button(0, "OK", "Validate_Options", true, 25, 95);
    Place_Button(1, "Cancel", "Cancel_Options", true, 105, 95);
    Finish_Screen(Video_Shown, "Video Options");
    return true;
}

bool Menu_Window::Show_InputsOptions_Menu() {
    if (!In({Options_Shown}))
        return false;
    Close_Capture();
    Start_Screen();
    Grid.Load();
    for (auto& header : Keys_Header)
        add(header.get());
    for (int row = 1; row <= Key_Grid::Rows; ++row) {
        add(Row_Labels[static_cast<std::size_t>(row - 1)].get(), 10, Key_Row_Y(row));
        for (int column = 1; column <= 2; ++column)
            add(&Key_Button((row - 1) * 2 + column - 1));
    }
    Place_Button(0, "OK", "Validate_Options", true, 30, 310);
    Place_Button(1, "Cancel", "Cancel_Options", true, 120, 310);
    add(Press_Key.get());
    Refresh_Key_Captions();
    Finish_Screen(Inputs_Shown, "Inputs Options");
    return true;
}

bool Menu_Window::Close_SpecificOption_Menu() {
    if (!Is_Option_Screen())
        return false;
    Close_Capture();
    Start_Screen();
    setActionEventId(Options_Hidden);
    return Show_Options_Menu();
}

void Menu_Window::Back_To_Previous_Level() {
    if (Menu_DropDown* list = Open_List())
        list->Cancel();
    else if (In({Escape_Shown}))
        Close_Escape_Menu();
    else if (In({Quit_Shown}))
        Close_Quit_Menu();
    else if (In({Options_Shown}))
        Close_Options_Menu();
    else if (Is_Option_Screen())
        Close_SpecificOption_Menu();
}

Menu_DropDown* Menu_Window::Open_List() const {
    for (Menu_DropDown* box : {Resolution_DropDown.get(), Depth_DropDown.get()})
        if (box->getParent() == this && box->Is_Dropped_Down())
            return box;
    return nullptr;
}

void Menu_Window::Focus_Next() { Move_Focus(true); }

void Menu_Window::Focus_Previous() { Move_Focus(false); }

void Menu_Window::Move_Focus(bool forward) {
    // An open list keeps the arrows to choose in it.
    if (!isVisible() || Open_List())
        return;
    // Not the drawing order, which an opened list changes: it is drawn last.
    std::vector<gcn::Widget*> order;
    for (gcn::Widget* child : mWidgets)
        if (child->isFocusable())
            order.push_back(child);
    if (order.empty())
        return;
    std::stable_sort(order.begin(), order.end(), [](const gcn::Widget* a, const gcn::Widget* b) {
        return a->getY() != b->getY() ? a->getY() < b->getY() : a->getX() < b->getX();
    });
    const auto focused = std::find_if(order.begin(), order.end(), [](const gcn::Widget* w) { return w->isFocused(); });
    const std::size_t count = order.size();
    std::size_t next = forward ? 0 : count - 1;
    if (focused != order.end()) {
        const std::size_t at = static_cast<std::size_t>(focused - order.begin());
        next = forward ? (at + 1) % count : (at + count - 1) % count;
    }
    order[next]->requestFocus();
}

bool Menu_Window::Start_Capture(int cell) {
    if (!In({Inputs_Shown}) || cell < 0 || cell >= Key_Grid::Cells)
        return false;
    Set_Game_State(6);
    Press_Key->setActionEventId(Key_Grid::Id(cell));
    Press_Key->setVisible(true);
    moveToTop(Press_Key.get());
    return true;
}

bool Menu_Window::Is_Capturing() const { return Press_Key->isVisible(); }

bool Menu_Window::Capture(const std::string& label) {
    const int cell = Key_Grid::Index_Of(Press_Key->getActionEventId());
    if (cell < 0 || !In({Inputs_Shown})) {
        Close_Capture();
        return true;
    }
    Key_Binding binding;
    // A key without a name could be neither shown nor saved: keep waiting.
    if (label.empty() || !Key_Grid::From_Caption(label, binding))
        return true;
    const bool taken = Grid.Assign(cell, binding);
    Refresh_Key_Captions();
    Close_Capture();
    return taken;
}

void Menu_Window::Close_Capture() {
    Press_Key->setActionEventId("");
    Press_Key->setVisible(false);
    if (Game_Settings::GLOBAL_GAME_STATE == 6)
        Set_Game_State(4);
}

bool Menu_Window::Unassign(int cell) {
    if (!In({Inputs_Shown}) || Is_Capturing() || cell < 0 || cell >= Key_Grid::Cells)
        return true;
    const bool emptied = Grid.Unassign(cell);
    Refresh_Key_Captions();
    return emptied;
}

void Menu_Window::Refresh_Key_Captions() {
    std::vector<const gcn::Label*> labels;
    for (const auto& label : Row_Labels)
        labels.push_back(label.get());
    const int first = Beside(labels, Key_Column_X);
    int width = Key_Width;
    for (int cell = 0; cell < Key_Grid::Cells; ++cell) {
        Key_Button(cell).setCaption(Grid.Caption(cell));
        width = std::max(width, Key_Font->getWidth(Grid.Caption(cell)) + 8);
    }
    const int column_x[2] = {first, first + width + 12};
    for (int cell = 0; cell < Key_Grid::Cells; ++cell) {
        const Key_Grid::Cell& place = Key_Grid::Table()[static_cast<std::size_t>(cell)];
        Key_Button(cell).setSize(width, Key_Height);
        Key_Button(cell).setPosition(column_x[place.Column - 1], Key_Row_Y(place.Row));
    }
    for (std::size_t column = 0; column < Keys_Header.size(); ++column)
        Keys_Header[column]->setPosition(column_x[column] + (width - Keys_Header[column]->getWidth()) / 2, 10);
    const int content_width = column_x[1] + width;
    Press_Key->setPosition((content_width - Press_Key->getWidth()) / 2, (Inputs_Height - Press_Key->getHeight()) / 2);
    // A longer name widens the grid while the screen is up.
    if (isVisible() && In({Inputs_Shown})) {
        resizeToContent();
        setSize(getWidth() + 10, getHeight() + 10);
    }
}

void Menu_Window::Show_Victory(const std::string& timeUsed) {
    Start_Screen();
    Place_Label(0, "Congratulations You Win !!", 20, 10);
    Place_Label(1, "Time Used : " + timeUsed, 20, 40);
    Place_Label(2, "Please Enter Your Name:", 20, 70);
    Place_Button(0, "OK", "Victory_Validated", true, 120, 100);
    Name->setText("");
    add(Name.get(), 20, 100);
    Finish_Screen(Victory_Shown, Window_Name);
}

void Menu_Window::Close_Victory() {
    Start_Screen();
    setActionEventId(Hidden);
}

std::string Menu_Window::Typed_Name() const { return Name->getText(); }

void Menu_Window::Hide_All() {
    Close_Capture();
    Start_Screen();
    setActionEventId(Hidden);
}

double Menu_Window::Volume(int row) const { return Sliders.at(static_cast<std::size_t>(row))->getValue(); }

bool Menu_Window::Switch(int row) const { return Check_Boxes.at(static_cast<std::size_t>(row))->isSelected(); }

bool Menu_Window::Chosen_Resolution(Resolution_List::Mode& mode) const {
    const int selected = Resolution_DropDown->getSelected();
    return selected != Resolution_Shown && Resolution_Model.Mode_At(selected, mode);
}

bool Menu_Window::Chosen_Depth(int& depth) const {
    const int selected = Depth_DropDown->getSelected();
    return selected != Depth_Shown && Depth_Model.Depth_At(selected, depth);
}

bool Menu_Window::Fullscreen_Choice() const { return Check_Boxes[0]->isSelected(); }

std::vector<gcn::Widget*> Menu_Window::Children() const { return {mWidgets.begin(), mWidgets.end()}; }
