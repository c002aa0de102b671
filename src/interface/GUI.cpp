#include "interface/GUI.hpp"

#include <guichan.hpp>

#include "lumen/lumengraphics.hpp"
#include "lumen/lumenimageloader.hpp"
#include "lumen/lumeninput.hpp"
#include "media/Logger.hpp"
#include "shell/Game_Settings.hpp"

GUI::GUI()
    : Image_Loader(std::make_unique<gcn::LumenImageLoader>()), Graphics(std::make_unique<gcn::LumenGraphics>()),
      Input(std::make_unique<gcn::LumenInput>()), Top(std::make_unique<gcn::Container>()),
      Gui(std::make_unique<gcn::Gui>()) {
    gcn::Image::setImageLoader(Image_Loader.get());
    Top->setOpaque(false);
    UpdateTopContainerDimensions();
    Gui->setGraphics(Graphics.get());
    Gui->setInput(Input.get());
    Gui->setTop(Top.get());
    GLINT::SDL::GameLog.safeEntry("GUI CONSTRUCTED Successfully ");
}

GUI::~GUI() {
    Gui.reset();
    Top.reset();
    if (gcn::Image::getImageLoader() == Image_Loader.get())
        gcn::Image::setImageLoader(nullptr);
    GLINT::SDL::GameLog.safeEntry("GUI DESTRUCTED Successfully ");
}

void GUI::Logic() { Gui->logic(); }

void GUI::Draw(GLINT::SDL::VideoSurface& screen) {
    Graphics->setTarget(&screen);
    Gui->draw();
}

void GUI::UpdateTopContainerDimensions() {
    Top->setDimension(gcn::Rectangle(0, 0, Game_Settings::Current_Screen_Width, Game_Settings::Current_Screen_Height));
}

gcn::LumenInput& GUI::Get_Input() { return *Input; }

void GUI::Show_Inventory(Inventory**) {}

void GUI::Show_Characteristics(Characteristics**) {}

void GUI::Show_Escape_Menu() {}

void GUI::Menu_Back_To_Previous_Level() {}

void GUI::Menu_FocusPrev() {}

void GUI::Menu_FocusNext() {}

void GUI::Show_Pushed_Key_Menu(const std::string&) {}

void GUI::Close_Pushed_Key_Menu_Forced() {}
