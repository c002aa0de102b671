#include "interface/GUI.hpp"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <guichan.hpp>

#include "ai/Monster_Counters.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "characters/Characteristics.hpp"
#include "data/XML_Manager.hpp"
#include "interface/Best_Times.hpp"
#include "interface/Config_Writer.hpp"
#include "interface/HUD_Layout.hpp"
#include "interface/Key_Grid.hpp"
#include "interface/KeyboardInput.hpp"
#include "interface/Menu_Window.hpp"
#include "interface/Printable_Text.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "items/Inventory.hpp"
#include "items/Item.hpp"
#include "items/Projectile_Stack.hpp"
#include "lumen/lumenfont.hpp"
#include "lumen/lumengraphics.hpp"
#include "lumen/lumenimage.hpp"
#include "lumen/lumenimageloader.hpp"
#include "lumen/lumeninput.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Mixer.hpp"
#include "shell/Daemons.hpp"
#include "shell/Game_Settings.hpp"
#include "shell/Status_Message.hpp"

using GLINT::SDL::GameLog;
using S = Game_Settings;

unsigned GLINT::SDL::TimerMethod<GUI>::interval() {
    const long ms = Game_Settings::RESET_STATUS_MSG_INTERVAL;
    return ms <= 0 ? 0u : static_cast<unsigned>(std::min<long>(ms, UINT_MAX));
}

namespace {

const char* const Font_File = "Data/Fonts/SlimSansSerif.ttf";
const char* const Inventory_Background_File = "Data/Interface/Inventory_Win_BG.png";
const char* const Characteristics_Background_File = "Data/Interface/Characteristics_Win_BG.png";
const char* const Death_Head_File = "Data/Interface/DeathHead.xml";
const char* const Credits_File = "Credits.txt";
// More than any credits need; a runaway file must not stall the frame.
const std::size_t Credits_Limit = 100000;

// Every GUI operation reports failure in three forms: a standard exception,
// a Guichan exception, anything else. what is "GUI::Show_Inventory()" or the like.
template <class Body>
auto Guarded(const char* word, const std::string& what, Body&& body) -> decltype(body()) {
    std::string operation = what;
    try {
        return body();
    } catch (const std::exception& e) {
        throw std::logic_error(std::string("Error ") + word + " " + operation + ": " + e.what());
    } catch (const gcn::Exception& e) {
        throw std::logic_error(std::string("GuiChan Error ") + word + " " + operation + ": " + e.getMessage());
    } catch (...) {
        throw std::logic_error(std::string("Unhandled Error ") + word + " " + operation);
    }
}

std::unique_ptr<gcn::LumenFont> Make_Font(int size, int style = GLINT::SDL::FontNormal) {
    return std::make_unique<gcn::LumenFont>(Font_File, size, GLINT::SDL::FontBlended, style);
}

// The inventory background is drawn for 800 x 600; each slot's box on it.
struct Slot_Box {
    int X, Y, W, H;
};
const Slot_Box Inventory_Slots[13] = {
    {32, 32, 112, 192}, {160, 32, 112, 192}, {352, 32, 144, 256}, {616, 24, 160, 256}, {32, 240, 48, 48},
    {96, 240, 48, 48},  {160, 240, 48, 48},  {224, 240, 48, 48},  {512, 40, 48, 64},   {512, 120, 48, 160},
    {288, 40, 48, 48},  {288, 104, 48, 48},  {288, 168, 48, 48}};
const int Projectiles_Slot = 9;
const int Potions_Slot = 10;

// What each slot shows: the two melee weapons, the bow, the arrows (pictured
// by their kind) and the potions. The other boxes wait for equipment the
// inventory does not hold yet.
Item* Slot_Item(const Inventory& inventory, int slot) {
    switch (slot) {
    case 0:
        return inventory.Get_Melee_Weapon();
    case 1:
        return inventory.Get_Second_Melee_Weapon();
    case 3:
        return inventory.Get_Distant_Weapon();
    case Projectiles_Slot:
        return inventory.Get_Projectile_Stack();
    case Potions_Slot:
        return inventory.Get_Healing_Potion();
    default:
        return nullptr;
    }
}

// A label whose bottom-right corner sits at (x, y).
void Add_Aligned_Label(gcn::Window& window, gcn::Label& label, int x, int y) {
    label.adjustSize();
    window.add(&label, x - label.getWidth(), y - label.getHeight());
}

GLINT::SDL::Mixer* Game_Mixer() { return GLINT::SDL::MediaContext::instance().getMixer(); }

} // namespace

GUI::GUI() {
    Guarded("In", "GUI Constructor", [&] {
        try {
            Build();
        } catch (...) {
            Clean_GUI();
            throw;
        }
    });
    GameLog.safeEntry("GUI CONSTRUCTED Successfully ");
}

void GUI::Build() {
    Image_Loader = std::make_unique<gcn::LumenImageLoader>();
    gcn::Image::setImageLoader(Image_Loader.get());
    Graphics = std::make_unique<gcn::LumenGraphics>();
    Input = std::make_unique<gcn::LumenInput>();
    Top = std::make_unique<gcn::Container>();
    Top->setOpaque(false);
    Top->setDimension(gcn::Rectangle(0, 0, S::Current_Screen_Width, S::Current_Screen_Height));
    Global_Font = Make_Font(14);
    Gui = std::make_unique<gcn::Gui>();
    Gui->setGraphics(Graphics.get());
    Gui->setInput(Input.get());
    Gui->setTop(Top.get());

    Button_Action_Listener = std::make_unique<ButtonActionListener>(this);
    Button_Mouse_Listener = std::make_unique<ButtonMouseListener>(this);

    Menu_Font = Make_Font(18);
    Key_Font = Make_Font(13);
    Characteristics_Font = Make_Font(12);
    Monsters_Font = Make_Font(14, GLINT::SDL::FontBold);
    Status_Font = Make_Font(18);
    // A dark ring keeps the texts over the play readable on any ground, snow included.
    const gcn::Color ring(0x22, 0x20, 0x34);
    Monsters_Font->setOutline(1, ring);
    Status_Font->setOutline(1, ring);
    // Labels measure themselves in the global font unless given one.
    gcn::Widget::setGlobalFont(Global_Font.get());

    Menu = std::make_unique<Menu_Window>(S::Window_Name, Menu_Font.get(), Key_Font.get(),
                                         Button_Action_Listener.get(), Button_Mouse_Listener.get());

    Monsters_Stats_Label = std::make_unique<gcn::Label>();
    Monsters_Stats_Label->setId("Monsters_Stats_Label");
    Monsters_Stats_Label->setAlignment(gcn::Graphics::RIGHT);
    Monsters_Stats_Label->setForegroundColor(gcn::Color(255, 255, 255, 255));
    Monsters_Stats_Label->setFont(Monsters_Font.get());

    Status_Label = std::make_unique<gcn::Label>();
    Status_Label->setId("Status_Label");
    Status_Label->setBaseColor(gcn::Color(255, 255, 255, 200));
    Status_Label->setForegroundColor(gcn::Color(255, 150, 150, 255));
    Status_Label->setFont(Status_Font.get());
    Status_Label->setFrameSize(0);

    Inventory_Background.reset(
        Image_Loader->load(Inventory_Background_File, GLINT::SDL::RGBAColor(255, 255, 255, 130)));
    Inventory_Background_Icon = std::make_unique<gcn::Icon>(Inventory_Background.get());
    Inventory_Window = std::make_unique<gcn::Window>("Inventory");
    Inventory_Window->setId("Inventory_Window");
    Inventory_Window->setBaseColor(gcn::Color(255, 255, 255, 190));
    Inventory_Window->setMovable(false);
    Inventory_Window->add(Inventory_Background_Icon.get(), 0, 0);
    Inventory_Window->resizeToContent();
    Inventory_Window->setVisible(false);

    Characteristics_Background.reset(
        Image_Loader->load(Characteristics_Background_File, GLINT::SDL::RGBAColor(255, 255, 255, 255)));
    Characteristics_Background_Icon = std::make_unique<gcn::Icon>(Characteristics_Background.get());
    Characteristics_Window = std::make_unique<gcn::Window>("Characteristics");
    Characteristics_Window->setId("Characteristics_Window");
    Characteristics_Window->setBaseColor(gcn::Color(255, 255, 255, 190));
    Characteristics_Window->setMovable(false);
    Characteristics_Window->setFrameSize(2);
    Characteristics_Window->add(Characteristics_Background_Icon.get(), 0, 0);
    // The window's own labels: borrowing the menu's would give one widget two parents.
    const int label_positions[4][2] = {{219, 42}, {82, 107}, {219, 107}, {219, 91}};
    for (std::size_t i = 0; i < Characteristics_Labels.size(); ++i) {
        Characteristics_Labels[i] = std::make_unique<gcn::Label>();
        Characteristics_Labels[i]->setId("Characteristics_Label_" + std::to_string(i + 1));
        Characteristics_Labels[i]->setFont(Characteristics_Font.get());
        Characteristics_Window->add(Characteristics_Labels[i].get(), label_positions[i][0], label_positions[i][1]);
    }
    Characteristics_Window->resizeToContent();
    Characteristics_Window->setVisible(false);

    XML_Manager::Validate_File(Death_Head_File);
    const std::string picture = XML_Manager::Get_Option_String(Death_Head_File, "Sprite_Filename");
    if (XML_Manager::Check_Node_Exists(Death_Head_File, "Sprite_ColorKey")) {
        auto byte = [](const char* key) {
            return static_cast<Uint8>(std::clamp(XML_Manager::Get_Option_Value(Death_Head_File, key), 0, 255));
        };
        const Uint8 alpha = XML_Manager::Check_Node_Exists(Death_Head_File, "Sp_CK_A") ? byte("Sp_CK_A") : 255;
        Death_Head = std::make_unique<GLINT::SDL::RGBSurface>(
            GLINT::SDL::RGBAColor(byte("Sp_CK_R"), byte("Sp_CK_G"), byte("Sp_CK_B"), alpha), picture);
    } else {
        Death_Head = std::make_unique<GLINT::SDL::RGBSurface>(picture);
    }

    Credits_Box = std::make_unique<gcn::TextBox>();
    Credits_Box->setId("Credits_Box");
    Credits_Box->setVisible(false);
    Credits_Area = std::make_unique<gcn::ScrollArea>(Credits_Box.get());
    Credits_Area->setId("Credits_Area");
    Credits_Area->setVisible(false);

    Leading_Key_Label = std::make_unique<gcn::Label>();
    Leading_Key_Label->setId("Leading_Key_Label");
    Leading_Key_Label->setFont(Menu_Font.get());
    Leading_Key_Label->setForegroundColor(gcn::Color(0, 0, 0, 255));
    Leading_Key_Box = std::make_unique<gcn::Container>();
    Leading_Key_Box->setId("Leading_Key_Box");
    Leading_Key_Box->setBaseColor(gcn::Color(200, 210, 220, 180));
    Leading_Key_Box->setOpaque(true);
    Leading_Key_Box->add(Leading_Key_Label.get(), 8, 3);
    Leading_Key_Box->setVisible(false);

    Top->add(Menu.get());
    Top->add(Monsters_Stats_Label.get());
    Top->add(Status_Label.get(), 0, 5);
    Top->add(Inventory_Window.get());
    Top->add(Characteristics_Window.get());
    Top->add(Credits_Area.get());
    Top->add(Leading_Key_Box.get());
    Characteristics_Window->setPosition((S::Current_Screen_Width - Characteristics_Window->getWidth()) / 2,
                                        (S::Current_Screen_Height - Characteristics_Window->getHeight()) / 2);
}

GUI::~GUI() {
    Clean_GUI();
    GameLog.safeEntry("GUI DESTRUCTED Successfully ");
}

void GUI::Clean_GUI() {
    try {
        Status_Timer.abort();
        // Guichan first lets go of the top, then every widget leaves its parent
        // before anything is deleted.
        if (Gui)
            Gui->setTop(nullptr);
        Gui.reset();
        if (Top)
            Top->clear();
        if (Leading_Key_Box)
            Leading_Key_Box->clear();
        Leading_Key_Box.reset();
        Leading_Key_Label.reset();
        Credits_Area.reset();
        Credits_Box.reset();
        for (auto& icon : Slot_Icons)
            icon.reset();
        for (auto& image : Slot_Images)
            image.reset();
        Projectiles_Count_Label.reset();
        Potions_Count_Label.reset();
        Inventory_Window.reset();
        Inventory_Background_Icon.reset();
        Inventory_Background.reset();
        Characteristics_Window.reset();
        for (auto& label : Characteristics_Labels)
            label.reset();
        Characteristics_Background_Icon.reset();
        Characteristics_Background.reset();
        Death_Head.reset();
        Status_Label.reset();
        Monsters_Stats_Label.reset();
        Menu.reset();
        Button_Action_Listener.reset();
        Button_Mouse_Listener.reset();
        Top.reset();
        // Guichan keeps the global font in a static: it must not outlive the font.
        if (Global_Font)
            gcn::Widget::setGlobalFont(nullptr);
        Global_Font.reset();
        Menu_Font.reset();
        Key_Font.reset();
        Characteristics_Font.reset();
        Monsters_Font.reset();
        Status_Font.reset();
        Input.reset();
        Graphics.reset();
        if (gcn::Image::getImageLoader() == Image_Loader.get())
            gcn::Image::setImageLoader(nullptr);
        Image_Loader.reset();
    } catch (...) {
        GameLog.safeEntry(" Clean_GUI() Failed !!");
    }
}

void GUI::Logic() {
    Guarded("In", "GUI::Logic()", [&] {
        if (Hint_Started && S::GLOBAL_GAME_STATE == 3)
            Hint.Step();
        Update_Monsters_Stats();
        Gui->logic();
    });
}

void GUI::Take_Queued_Input() {
    Guarded("In", "GUI::Take_Queued_Input()", [&] { Gui->logic(); });
}

void GUI::Draw(GLINT::SDL::VideoSurface& screen) {
    Guarded("In", "GUI::Draw()", [&] {
        Graphics->setTarget(&screen);
        Show_Status_Msg();
        const int state = S::GLOBAL_GAME_STATE;
        if (state == 4)
            Show_Escape_Menu();
        else if (state == 5)
            Show_Victory_Menu();
        if (state == 7) {
            // One window a frame, the nearest first.
            if (Inventory_Window->isVisible())
                Close_Inventory();
            else if (Characteristics_Window->isVisible())
                Close_Characteristics();
            else if (Menu->isVisible())
                Menu->Hide_All();
            const int top = (screen.getHeight() - Death_Head->getHeight()) / 2;
            screen.blit(*Death_Head, GLINT::SDL::Point(static_cast<Sint16>((screen.getWidth() - Death_Head->getWidth()) / 2),
                                                       static_cast<Sint16>(top)));
            Show_Leading_Key(" For The Credits", top + Death_Head->getHeight(), screen.getWidth(), screen.getHeight());
        }
        if (state == 8) {
            Show_Credits();
            Show_Leading_Key(" To Quit", Credits_Area->getY() + Credits_Area->getHeight(), S::Current_Screen_Width,
                             S::Current_Screen_Height);
        }
        Gui->draw();
    });
}

void GUI::Show_Leading_Key(const std::string& text, int below, int screenWidth, int screenHeight) {
    // The key the keyboard handler takes there (Escape and keypad Enter do too).
    const std::string caption = "Press " + Key_Grid::Caption(Key_Binding{KeyboardInput::Key_Return, "Key"}) + text;
    if (Leading_Key_Label->getCaption() != caption) {
        Leading_Key_Label->setCaption(caption);
        Leading_Key_Label->adjustSize();
        Leading_Key_Box->setSize(Leading_Key_Label->getWidth() + 16, Leading_Key_Label->getHeight() + 6);
    }
    // Just below, or at the foot of a screen too small for that.
    const int y = std::min(below + 8, screenHeight - Leading_Key_Box->getHeight() - 8);
    Leading_Key_Box->setPosition((screenWidth - Leading_Key_Box->getWidth()) / 2, std::max(y, 0));
    Leading_Key_Box->setVisible(true);
}

void GUI::UpdateTopContainerDimensions() {
    Guarded("From", "GUI::UpdateTopContainerDimensions()", [&] {
        Top->setDimension(gcn::Rectangle(0, 0, S::Current_Screen_Width, S::Current_Screen_Height));
    });
}

gcn::LumenInput& GUI::Get_Input() { return *Input; }

gcn::Container& GUI::Get_Top() { return *Top; }

Menu_Window& GUI::Get_Menu_Window() { return *Menu; }

void GUI::Set_Display_Control(Display_Control* control) { Display = control ? control : &Window_Display; }

// ---------------------------------------------------------------------------
// Status line and counters

void GUI::Show_Status_Msg() {
    Guarded("From", "GUI::Show_Status_Msg()", [&] {
        std::string text;
        unsigned number = 0;
        if (!Status_Message::Take(text, number))
            return;
        const gcn::Font& font = *Status_Label->getFont();
        Status_Label->setCaption(Printable_Text::Fit(Printable_Text::Clean(text, 200),
                                                     HUD_Layout::Status_Width_Limit(S::Current_Screen_Width),
                                                     [&](const std::string& t) { return font.getWidth(t); }));
        Status_Label->adjustSize();
        Status_Label->setFrameSize(text.empty() ? 0 : HUD_Layout::Status_Frame);
        Place_Status();
        Shown_Status = number;
        Status_Timer.abort();
        Status_Timer.setCallback(this);
        Status_Timer.launch();
    });
}

unsigned GUI::Reset_Status_Msg(unsigned, void*) {
    // A late tick for an older message finds a newer number and leaves it be.
    if (Status_Message::Clear(Shown_Status)) {
        Status_Label->setCaption("");
        Status_Label->setFrameSize(0);
    }
    return 0;
}

void GUI::Update_Monsters_Stats() {
    Guarded("From", "GUI::Update_Monsters_Stats()", [&] {
        Monsters_Stats_Label->setCaption("Monsters ALiVED: " + std::to_string(Monster_Counters::Alive.load()) +
                                         "; Monsters KiLLED: " + std::to_string(Monster_Counters::Killed.load()));
        Monsters_Stats_Label->adjustSize();
        Monsters_Stats_Label->setDimension(HUD_Layout::Counter(
            S::Current_Screen_Width, Monsters_Stats_Label->getWidth(), Monsters_Stats_Label->getHeight()));
        Place_Status();
    });
}

void GUI::Place_Status() {
    // The counter's width and the screen change under a message on show.
    Status_Label->setDimension(HUD_Layout::Status(S::Current_Screen_Width, Status_Label->getWidth(),
                                                  Status_Label->getHeight(), Bars_Area,
                                                  Monsters_Stats_Label->getDimension()));
}

void GUI::Start_Key_Hint() {
    Guarded("In", "GUI::Start_Key_Hint()", [&] {
        const gcn::Font& font = *Status_Label->getFont();
        Hint.Start([&](const std::string& text) { return font.getWidth(text); },
                   HUD_Layout::Status_Width_Limit(S::Current_Screen_Width));
        Hint_Started = true;
    });
}

// ---------------------------------------------------------------------------
// Inventory and characteristics

void GUI::Show_Inventory(Inventory** inventory) {
    Guarded("In", "GUI::Show_Inventory()", [&] {
        if (!inventory || !*inventory)
            return;
        if (Inventory_Window->isVisible()) {
            Close_Inventory();
            return;
        }
        if (Characteristics_Window->isVisible())
            Close_Characteristics();
        Inventory_Window->setPosition(std::max(0, (S::Current_Screen_Width - 800) / 2),
                                      std::max(0, (S::Current_Screen_Height - 600) / 2));
        const Inventory& carried = **inventory;
        for (int slot = 0; slot < 13; ++slot) {
            const Item* item = Slot_Item(carried, slot);
            if (!item || !item->Get_Thumbnail())
                continue;
            const std::size_t i = static_cast<std::size_t>(slot);
            Slot_Images[i] = std::make_unique<gcn::LumenImage>(item->Get_Thumbnail(), false);
            Slot_Icons[i] = std::make_unique<gcn::Icon>(Slot_Images[i].get());
            Slot_Icons[i]->setId("Inventory_Slot_" + std::to_string(slot + 1));
            const Slot_Box& box = Inventory_Slots[slot];
            Inventory_Window->add(Slot_Icons[i].get(), box.X + (box.W - Slot_Icons[i]->getWidth()) / 2,
                                  box.Y + (box.H - Slot_Icons[i]->getHeight()) / 2);
        }
        if (const Projectile_Stack* arrows = carried.Get_Projectile_Stack()) {
            Projectiles_Count_Label = std::make_unique<gcn::Label>(std::to_string(arrows->Get_Count()));
            Projectiles_Count_Label->setId("Projectiles_Count_Label");
            Add_Aligned_Label(*Inventory_Window, *Projectiles_Count_Label, 560, 280);
        }
        if (carried.Get_Healing_Potion_Count() > 0) {
            Potions_Count_Label = std::make_unique<gcn::Label>(std::to_string(carried.Get_Healing_Potion_Count()));
            Potions_Count_Label->setId("Potions_Count_Label");
            Add_Aligned_Label(*Inventory_Window, *Potions_Count_Label, 336, 88);
        }
        Inventory_Window->setVisible(true);
    });
}

void GUI::Close_Inventory() {
    Guarded("In", "GUI::Close_Inventory()", [&] {
        auto drop = [&](auto& widget) {
            if (widget && widget->getParent())
                Inventory_Window->remove(widget.get());
            widget.reset();
        };
        for (auto& icon : Slot_Icons)
            drop(icon);
        for (auto& image : Slot_Images)
            image.reset();
        drop(Projectiles_Count_Label);
        drop(Potions_Count_Label);
        Inventory_Window->setVisible(false);
    });
}

void GUI::Show_Characteristics(Characteristics** characteristics) {
    Guarded("In", "GUI::Show_Characteristics()", [&] {
        if (!characteristics || !*characteristics)
            return;
        if (Characteristics_Window->isVisible()) {
            Close_Characteristics();
            return;
        }
        if (Inventory_Window->isVisible())
            Close_Inventory();
        const Characteristics& c = **characteristics;
        const std::string captions[4] = {
            std::to_string(c.Life) + " / " + std::to_string(c.Max_Life),
            std::to_string(c.Damage_Min) + " - " + std::to_string(c.Damage_Max),
            std::to_string(c.Reach + c.Weapon_Reach_Bonus), std::to_string(c.Armor)};
        for (std::size_t i = 0; i < Characteristics_Labels.size(); ++i) {
            Characteristics_Labels[i]->setCaption(captions[i]);
            Characteristics_Labels[i]->adjustSize();
        }
        Characteristics_Window->setPosition((S::Current_Screen_Width - Characteristics_Window->getWidth()) / 2,
                                            (S::Current_Screen_Height - Characteristics_Window->getHeight()) / 2);
        Characteristics_Window->setVisible(true);
    });
}

void GUI::Close_Characteristics() {
    Guarded("In", "GUI::Close_Characteristics()", [&] { Characteristics_Window->setVisible(false); });
}

// ---------------------------------------------------------------------------
// Menus

void GUI::Show_Escape_Menu() {
    Guarded("From", "GUI::Show_Escape_Menu()", [&] {
        // The menu key closes an in-game window first; the menu needs a second press.
        if (Inventory_Window->isVisible()) {
            Close_Inventory();
            return;
        }
        if (Characteristics_Window->isVisible()) {
            Close_Characteristics();
            return;
        }
        const int state = S::GLOBAL_GAME_STATE;
        if (state != 3 && state != 4)
            return;
        S::GLOBAL_GAME_STATE = 4;
        Menu->Show_Escape_Menu();
    });
}

void GUI::Close_Escape_Menu() {
    Guarded("From", "GUI::Close_Escape_Menu()", [&] { Menu->Close_Escape_Menu(); });
}

void GUI::Show_Quit_Menu() {
    Guarded("From", "GUI::Show_Quit_Menu()", [&] { Menu->Show_Quit_Menu(); });
}

void GUI::Close_Quit_Menu() {
    Guarded("From", "GUI::Close_Quit_Menu()", [&] { Menu->Close_Quit_Menu(); });
}

void GUI::Show_Options_Menu() {
    Guarded("In", "GUI::Show_Options_Menu()", [&] { Menu->Show_Options_Menu(); });
}

void GUI::Close_Options_Menu() {
    Guarded("In", "GUI::Close_Options_Menu()", [&] { Menu->Close_Options_Menu(); });
}

void GUI::Show_SoundOptions_Menu() {
    Guarded("In", "GUI::Show_SoundOptions_Menu()", [&] { Menu->Show_SoundOptions_Menu(); });
}

void GUI::Show_VideoOptions_Menu() {
    Guarded("In", "GUI::Show_VideoOptions_Menu()", [&] { Menu->Show_VideoOptions_Menu(Display->Is_Fullscreen()); });
}

void GUI::Show_InputsOptions_Menu() {
    Guarded("In", "GUI::Show_InputsOptions_Menu()", [&] { Menu->Show_InputsOptions_Menu(); });
}

void GUI::Close_SpecificOption_Menu() {
    Guarded("In", "GUI::Close_SpecificOption_Menu()", [&] { Menu->Close_SpecificOption_Menu(); });
}

void GUI::Menu_Back_To_Previous_Level() {
    Guarded("From", "GUI::Menu_Back_To_Previous_Level()", [&] { Menu->Back_To_Previous_Level(); });
}

void GUI::Menu_FocusPrev() {
    Guarded("From", "GUI::Menu_FocusPrev()", [&] {
        Play_Sound(Interface_KeyboardFocus);
        Menu->Focus_Previous();
    });
}

void GUI::Menu_FocusNext() {
    Guarded("From", "GUI::Menu_FocusNext()", [&] {
        Play_Sound(Interface_KeyboardFocus);
        Menu->Focus_Next();
    });
}

void GUI::Show_Pushed_Key_Menu(int cell) {
    Guarded("In", "GUI::Show_Pushed_Key_Menu()", [&] { Menu->Start_Capture(cell); });
}

void GUI::Show_Pushed_Key_Menu(const std::string& label) {
    Guarded("In", "GUI::Show_Pushed_Key_Menu()", [&] {
        if (Menu->Is_Capturing() && !Menu->Capture(label))
            Refuse_Key_Change();
    });
}

void GUI::Close_Pushed_Key_Menu_Forced() {
    Guarded("In", "GUI::Close_Pushed_Key_Menu_Forced()", [&] { Menu->Close_Capture(); });
}

void GUI::Unassign_Key(const std::string& id) {
    Guarded("In", "GUI::Unassign_Key()", [&] {
        if (!Menu->Unassign(Key_Grid::Index_Of(id)))
            Refuse_Key_Change();
    });
}

void GUI::Refuse_Key_Change() {
    // Without it the options, and this very screen, could never be reached again.
    Status_Message::Set(Menu->Keys().Menu_Key() + " Is The Menu's Only Key");
}

void GUI::Report(const std::string& logged, const std::string& shown) {
    GameLog.safeEntry(logged);
    Status_Message::Set(shown);
}

void GUI::Save_And_Apply_Options() {
    Guarded("In", "GUI::Save_And_Apply_Options()", [&] {
        const std::string state = Menu->State();
        if (state == Menu_Window::Sound_Shown) {
            Apply_Sound_Options();
        } else if (state == Menu_Window::Video_Shown) {
            if (!Apply_Video_Options())
                return;
        } else if (state == Menu_Window::Inputs_Shown) {
            Menu->Keys().Apply();
        } else {
            return;
        }
        std::string error;
        if (!Config_Writer::Save(error))
            Report("Error In GUI::Save_And_Apply_Options(): " + error, "Options Not Saved: Can't Write Config.ini");
    });
}

void GUI::Apply_Sound_Options() {
    // Read before any switch moves: it decides whether OK starts the music.
    const bool music_was_on = S::ENABLE_MUSIC_SOUNDS && S::ENABLE_ALL_SOUNDS;
    auto volume = [&](int row) { return std::clamp(static_cast<int>(Menu->Volume(row)), 0, 100); };
    GLINT::SDL::Mixer* mixer = Game_Mixer();

    S::SFXS_VOLUME = volume(0);
    S::MUSIC_VOLUME = volume(1);
    S::VOICE_VOLUME = volume(2);
    S::VIDEO_VOLUME = volume(3);
    S::INTERFACE_VOLUME = volume(4);
    S::ALL_SOUNDS_VOLUME = volume(5);
    if (mixer)
        mixer->setMusicVolume(S::MUSIC_VOLUME * S::ALL_SOUNDS_VOLUME / 100);

    S::ENABLE_SFXS_SOUNDS = Menu->Switch(0);
    S::ENABLE_MUSIC_SOUNDS = Menu->Switch(1);
    S::ENABLE_VOICE_SOUNDS = Menu->Switch(2);
    S::ENABLE_VIDEO_SOUNDS = Menu->Switch(3);
    S::ENABLE_INTERFACE_SOUNDS = Menu->Switch(4);
    S::ENABLE_ALL_SOUNDS = Menu->Switch(5);

    const bool music_on = S::ENABLE_MUSIC_SOUNDS && S::ENABLE_ALL_SOUNDS;
    if (!music_on && music_was_on && mixer)
        mixer->haltMusic(15);
    else if (music_on && !music_was_on)
        Play_Music();
}

bool GUI::Apply_Video_Options() {
    Resolution_List::Mode mode;
    int depth = 0;
    const bool size_chosen = Menu->Chosen_Resolution(mode);
    const int old_width = S::Current_Screen_Width, old_height = S::Current_Screen_Height;
    const int old_depth = S::Current_Screen_BPP;
    // The mode in use is never set again: choosing it changes nothing on screen.
    const bool new_size = size_chosen && mode != Resolution_List::Mode(old_width, old_height);
    const bool new_depth = Menu->Chosen_Depth(depth) && depth != S::SCREEN_BPP;
    const bool was_fullscreen = Display->Is_Fullscreen();
    const bool new_fullscreen = Menu->Fullscreen_Choice() != was_fullscreen;

    if ((new_size || new_depth || new_fullscreen) && !Display->Available()) {
        Report("Error In GUI::Save_And_Apply_Options(): no display to change", "Video Mode Not Changed");
        return false;
    }
    // Nothing is stored until the screen has taken the new mode; a failure
    // undoes what was tried, puts the old mode back and leaves Config.ini alone.
    bool resized = false, reset = false;
    auto fail = [&](const std::string& what) {
        const std::string why = Display->Last_Error();
        if (Display->Is_Fullscreen() != was_fullscreen)
            Display->Set_Fullscreen(was_fullscreen);
        if (reset)
            Display->Reset(old_width, old_height, old_depth);
        else if (resized)
            Display->Resize(old_width, old_height);
        S::Current_Screen_Width = old_width;
        S::Current_Screen_Height = old_height;
        S::Current_Screen_BPP = old_depth;
        UpdateTopContainerDimensions();
        Report("Error In GUI::Save_And_Apply_Options(): " + what + why, "Video Mode Not Changed");
        return false;
    };
    if (new_size) {
        resized = true;
        if (!Display->Resize(mode.first, mode.second))
            return fail("Create Surface Failed While Resizing: ");
        S::Current_Screen_Width = mode.first;
        S::Current_Screen_Height = mode.second;
        UpdateTopContainerDimensions();
    }
    if (new_depth) {
        reset = true;
        if (!Display->Reset(S::Current_Screen_Width, S::Current_Screen_Height, depth))
            return fail("Create Surface Failed While Reseting: ");
        S::Current_Screen_BPP = depth;
    }
    if (new_fullscreen && !Display->Set_Fullscreen(!was_fullscreen))
        return fail("Create Surface Failed While Switching Fullscreen: ");

    if (size_chosen) {
        S::SCREEN_WIDTH = mode.first;
        S::SCREEN_HEIGHT = mode.second;
    }
    if (new_depth)
        S::SCREEN_BPP = depth;
    if (Display->Available())
        S::FULLSCREEN = Display->Is_Fullscreen();
    return true;
}

void GUI::Close_Everything() {
    if (Inventory_Window->isVisible())
        Close_Inventory();
    if (Characteristics_Window->isVisible())
        Close_Characteristics();
    if (Menu->isVisible())
        Menu->Hide_All();
}

void GUI::Show_Credits() {
    Guarded("In", "GUI::Show_Credits()", [&] {
        if (Credits_Box->isVisible())
            return;
        const std::string cannot = std::string("Can't Read ") + Credits_File + " File";
        std::error_code ignored;
        if (std::filesystem::is_directory(Credits_File, ignored))
            throw std::logic_error(cannot);
        std::ifstream file(Credits_File, std::ios::binary);
        if (!file)
            throw std::logic_error(cannot);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (file.bad())
            throw std::logic_error(cannot);
        // Carriage returns, stray controls and bytes that are not UTF-8 would
        // draw as boxes or stop the font; every line ends with a line feed.
        std::string text = Printable_Text::Clean(bytes, Credits_Limit, true);
        if (!text.empty() && text.back() != '\n')
            text += '\n';

        Close_Everything();
        Credits_Box->setFont(Monsters_Font.get());
        Credits_Box->setText(text);
        Credits_Box->setEditable(false);
        Credits_Box->setOpaque(false);
        Credits_Box->setVisible(true);

        const int screen_width = S::Current_Screen_Width, screen_height = S::Current_Screen_Height;
        Credits_Area->setContent(Credits_Box.get());
        Credits_Area->setBackgroundColor(gcn::Color(200, 210, 220, 180));
        Credits_Area->setBaseColor(gcn::Color(200, 210, 220, 180));
        Credits_Area->setScrollPolicy(gcn::ScrollArea::SHOW_AUTO, gcn::ScrollArea::SHOW_AUTO);
        // 100 pixels of margin above and below, but never less than half the
        // screen, and never more than the screen.
        const int width = std::min(Credits_Box->getWidth() + 20, std::max(screen_width - 20, 1));
        const int height = std::min(std::max(screen_height - 200, screen_height / 2), std::max(screen_height, 1));
        Credits_Area->setSize(width, std::max(height, 1));
        Credits_Area->setPosition((screen_width - Credits_Area->getWidth()) / 2,
                                  (screen_height - Credits_Area->getHeight()) / 2);
        Credits_Area->setVisible(true);
    });
}

// ---------------------------------------------------------------------------
// Victory

void GUI::Show_Victory_Menu() {
    Guarded("In", "GUI::Show_Victory_Menu()", [&] {
        if (S::GLOBAL_GAME_STATE != 5 || Menu->State() != Menu_Window::Hidden)
            return;
        if (Inventory_Window->isVisible())
            Close_Inventory();
        if (Characteristics_Window->isVisible())
            Close_Characteristics();
        Victory_Seconds = Daemons::Get_Elapsed_Seconds();
        const int shown = Victory_Seconds > static_cast<Uint32>(INT_MAX) ? INT_MAX : static_cast<int>(Victory_Seconds);
        Menu->Show_Victory(Format_Duration(shown));
    });
}

void GUI::Close_Victory_Menu() {
    Guarded("In", "GUI::Close_Victory_Menu()", [&] {
        // Once per victory: a second OK finds the window closed.
        if (S::GLOBAL_GAME_STATE != 5 || Menu->State() != Menu_Window::Victory_Shown)
            return;
        const std::string line = Best_Times::Line(Menu->Typed_Name(), Monster_Counters::Killed, Victory_Seconds);
        Menu->Close_Victory();
        std::string error;
        if (!Best_Times::Append(line, error))
            GameLog.safeEntry("Error In GUI::Close_Victory_Menu(): " + error);
        S::GLOBAL_GAME_STATE = 8;
    });
}

// ---------------------------------------------------------------------------
// Buttons

void GUI::Dispatch_Action(const std::string& id) {
    if (id == "Quit_Escape_Menu")
        Close_Escape_Menu();
    else if (id == "Show_Quit_Game_menu")
        Show_Quit_Menu();
    else if (id == "Quit_Game_To_Main_Menu") {
        // Shown disabled: there is no main menu.
    } else if (id == "Quit_Game")
        GLINT::SDL::MediaContext::instance().requestQuit();
    else if (id == "Cancel_Quit_Menu")
        Close_Quit_Menu();
    else if (id == "Show_Options_menu")
        Show_Options_Menu();
    else if (id == "General_OptionMenu_Hide")
        Close_Options_Menu();
    else if (id == "Show_Options_Sound")
        Show_SoundOptions_Menu();
    else if (id == "Show_Options_Video")
        Show_VideoOptions_Menu();
    else if (id == "Show_Options_Inputs")
        Show_InputsOptions_Menu();
    else if (id == "Validate_Options") {
        Save_And_Apply_Options();
        Close_SpecificOption_Menu();
    } else if (id == "Cancel_Options")
        Close_SpecificOption_Menu();
    else if (id == "Victory_Validated")
        Close_Victory_Menu();
    else if (id.compare(0, Key_Grid::Id_Prefix.size(), Key_Grid::Id_Prefix) == 0)
        Show_Pushed_Key_Menu(Key_Grid::Index_Of(id));
    Play_Sound(Interface_KeyboardFocus);
}

void GUI::ButtonActionListener::action(const gcn::ActionEvent& event) {
    Guarded("From", "GUI::ButtonActionListener::action()", [&] { Owner->Dispatch_Action(event.getId()); });
}

void GUI::ButtonMouseListener::mouseEntered(gcn::MouseEvent&) {
    Guarded("From", "GUI::ButtonMouseListener::mouseEntered()", [&] { Play_Sound(Interface_MouseHover); });
}

void GUI::ButtonMouseListener::mouseClicked(gcn::MouseEvent& event) {
    Guarded("From", "GUI::ButtonMouseListener::mouseClicked()", [&] {
        const gcn::Widget* source = event.getSource();
        if (source && event.getButton() == gcn::MouseEvent::RIGHT &&
            source->getActionEventId().compare(0, Key_Grid::Id_Prefix.size(), Key_Grid::Id_Prefix) == 0)
            Owner->Unassign_Key(source->getActionEventId());
        Play_Sound(Interface_MouseClick);
    });
}
