#pragma once

// The interface for the tests: a GUI over the shipped fonts and pictures, in a
// private folder (where it writes Config.ini and Best_Times.txt), on a dummy
// 800 x 600 display, under the world lock as in the game, with the game log captured.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include <guichan.hpp>

#include "Log_Capture.hpp"
#include "Shipped_World.hpp"
#include "ai/Monster_Counters.hpp"
#include "interface/GUI.hpp"
#include "interface/Menu_Window.hpp"
#include "lumen/lumeninput.hpp"
#include "media/KeyNames.hpp"
#include "media/MediaContext.hpp"
#include "media/ScopedLock.hpp"
#include "media/Temporary_Folder.hpp"
#include "media/Window.hpp"
#include "media/WorldLock.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Settings.hpp"
#include "shell/Status_Message.hpp"

namespace gui_test {

namespace fs = std::filesystem;

using test_files::Link_Shipped_Data;
using test_files::Read;
using test_files::Temporary_Folder;
using test_files::Write;

class GUI_Test : public ::testing::Test {
protected:
    void SetUp() override {
        using S = Game_Settings;
        S::Reset();
        S::Window_Name = "Varnholt";
        S::RESET_STATUS_MSG_INTERVAL = 4000;
        S::SCREEN_WIDTH = S::Current_Screen_Width = 800;
        S::SCREEN_HEIGHT = S::Current_Screen_Height = 600;
        S::SCREEN_BPP = S::Current_Screen_BPP = 32;
        S::FULLSCREEN = false;
        Monster_Counters::Reset();
        Status_Message::Reset();
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        ASSERT_TRUE(media.InitVideo(false, false, true, false));
        ASSERT_TRUE(media.InitText());
        window = media.getWindow();
        window->setExit(false);
        ASSERT_TRUE(window->resetDisplay(800, 600, 32));
        folder = std::make_unique<Temporary_Folder>();
        Link_Shipped_Data();
        // A status timer left from an earlier test waits for the lock, as it would for a frame.
        world = std::make_unique<GLINT::SDL::ScopedLock>(GLINT::SDL::WorldLock::mutex());
        gui = std::make_unique<GUI>();
    }

    void TearDown() override {
        gui.reset();
        world.reset();
        folder.reset();
        window->setExit(false);
        Game_Clock::Use_Real_Time();
        Status_Message::Reset();
        Monster_Counters::Reset();
        Game_Settings::Reset();
    }

    // A fresh interface, the game playing.
    void Restart() {
        gui = std::make_unique<GUI>();
        Game_Settings::GLOBAL_GAME_STATE = 3;
    }
    Menu_Window& Menu() { return gui->Get_Menu_Window(); }
    std::string State() { return Menu().State(); }
    int Game_State() { return Game_Settings::GLOBAL_GAME_STATE; }

    // A widget on the screen now, by its id; null when it is not shown anywhere.
    template <class W = gcn::Widget>
    W* Find(const std::string& id) {
        return dynamic_cast<W*>(gui->Get_Top().findWidgetById(id));
    }
    std::string Caption(const std::string& id) {
        auto* label = Find<gcn::Label>(id);
        return label ? label->getCaption() : "(not shown)";
    }
    std::string Focused() {
        for (gcn::Widget* child : Menu().Children())
            if (child->isFocused()) {
                auto* button = dynamic_cast<gcn::Button*>(child);
                return button ? button->getCaption() : child->getId();
            }
        return "";
    }

    // A key as the keyboard handler passes it on, then a frame's logic.
    void Key(const char* name, int unicode = 0) {
        const GLINT::SDL::Key key(GLINT::SDL::KeyNames::number(name), 0, static_cast<Uint16>(unicode));
        gui->Get_Input().pushKeyInput(key, true);
        gui->Get_Input().pushKeyInput(key, false);
        gui->Logic();
    }
    // A click (a ButtonNames number) in the middle of a widget, then a frame's logic.
    void Click(gcn::Widget& widget, int button = 1) {
        int x = 0, y = 0;
        widget.getAbsolutePosition(x, y);
        x += widget.getWidth() / 2;
        y += widget.getHeight() / 2;
        gui->Get_Input().pushMouseMotionInput(x, y);
        gui->Get_Input().pushMouseButtonInput(button, x, y, true);
        gui->Get_Input().pushMouseButtonInput(button, x, y, false);
        gui->Logic();
    }
    void Frame() {
        gui->Logic();
        gui->Draw(*window->getDisplay());
    }

    GLINT::SDL::Window* window = nullptr;
    std::unique_ptr<Temporary_Folder> folder;
    Log_Capture log;
    std::unique_ptr<GLINT::SDL::ScopedLock> world;
    std::unique_ptr<GUI> gui;
};

} // namespace gui_test
