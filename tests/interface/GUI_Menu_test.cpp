#include "interface/GUI_Fixture.hpp"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "interface/Config_Writer.hpp"
#include "interface/KeyboardInput.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "media/Mixer.hpp"
#include "media/MixerExtend.hpp"
#include "shell/Config.hpp"
#include "shell/Daemons.hpp"

using namespace gui_test;

namespace {

const char* const Hidden = "Menu_Window_Hide";
const char* const Escape = "EscapeMenu_Shown";
const char* const Quit = "Quit_Menu_Shown";
const char* const Options = "General_OptionMenu_Shown";
const char* const Sound = "Sound_OptionMenu_Shown";
const char* const Video = "Video_OptionMenu_Shown";
const char* const Inputs = "Inputs_OptionMenu_Shown";
const char* const Victory = "Victory_Menu_Shown";

// Each menu screen: the one Escape goes back to, and the button there that opens it.
const std::map<std::string, std::pair<std::string, std::string>> Screens = {
    {Escape, {Hidden, "menu key"}},           {Quit, {Escape, "Show_Quit_Game_menu"}},
    {Options, {Escape, "Show_Options_menu"}}, {Sound, {Options, "Show_Options_Sound"}},
    {Video, {Options, "Show_Options_Video"}}, {Inputs, {Options, "Show_Options_Inputs"}}};

class GUI_Menus : public GUI_Test {
protected:
    // A fresh interface showing a screen, reached by the buttons a player presses.
    void Reach(const std::string& state) {
        Restart();
        Open(state);
        ASSERT_EQ(State(), state);
    }
    void Open(const std::string& state) {
        if (state == Victory) {
            Game_Settings::GLOBAL_GAME_STATE = 5;
            Frame();
        } else if (state != Hidden) {
            const auto& [parent, button] = Screens.at(state);
            Open(parent);
            if (button == "menu key")
                gui->Show_Escape_Menu();
            else
                gui->Dispatch_Action(button);
        }
    }
    static std::vector<std::string> Every_State() { return {Hidden, Escape, Quit, Options, Sound, Video, Inputs, Victory}; }
};

TEST_F(GUI_Menus, EachScreenOpensFromTheStatesItAcceptsAndEscapeGoesBackOneLevel) {
    const struct {
        const char* operation;
        std::function<void(GUI&)> call;
        std::set<std::string> from;
        const char* to;
    } operations[] = {
        {"Show_Escape_Menu", [](GUI& g) { g.Show_Escape_Menu(); }, {Hidden}, Escape},
        {"Close_Escape_Menu", [](GUI& g) { g.Close_Escape_Menu(); }, {Escape}, Hidden},
        {"Show_Quit_Menu", [](GUI& g) { g.Show_Quit_Menu(); }, {Escape}, Quit},
        {"Close_Quit_Menu", [](GUI& g) { g.Close_Quit_Menu(); }, {Quit}, Escape},
        {"Show_Options_Menu", [](GUI& g) { g.Show_Options_Menu(); }, {Escape}, Options},
        {"Close_Options_Menu", [](GUI& g) { g.Close_Options_Menu(); }, {Options}, Escape},
        {"Show_SoundOptions_Menu", [](GUI& g) { g.Show_SoundOptions_Menu(); }, {Options}, Sound},
        {"Show_VideoOptions_Menu", [](GUI& g) { g.Show_VideoOptions_Menu(); }, {Options}, Video},
        {"Show_InputsOptions_Menu", [](GUI& g) { g.Show_InputsOptions_Menu(); }, {Options}, Inputs},
        {"Close_SpecificOption_Menu", [](GUI& g) { g.Close_SpecificOption_Menu(); }, {Sound, Video, Inputs}, Options},
        {"Menu_Back_To_Previous_Level", [](GUI& g) { g.Menu_Back_To_Previous_Level(); },
         {Escape, Quit, Options, Sound, Video, Inputs}, nullptr},
    };
    for (const auto& op : operations)
        for (const std::string& from : Every_State()) {
            Reach(from);
            op.call(*gui);
            const std::string to = !op.from.count(from) ? from : op.to ? op.to : Screens.at(from).first;
            EXPECT_EQ(State(), to) << op.operation << " from " << from;
            EXPECT_EQ(Menu().isVisible(), to != Hidden) << op.operation << " from " << from;
            EXPECT_EQ(Game_State(), from == Victory ? 5 : to == Hidden ? 3 : 4) << op.operation << " from " << from;
        }
}

TEST_F(GUI_Menus, TheMenuKeyFirstClosesAnOpenWindow) {
    for (const char* window : {"Inventory_Window", "Characteristics_Window"}) {
        Restart();
        Find(window)->setVisible(true);
        gui->Show_Escape_Menu();
        EXPECT_FALSE(Find(window)->isVisible());
        EXPECT_EQ(State(), Hidden);
        EXPECT_EQ(Game_State(), 3);
        gui->Show_Escape_Menu();
        EXPECT_EQ(State(), Escape);
        EXPECT_EQ(Game_State(), 4);
    }
}

TEST_F(GUI_Menus, KeysAndClicksDriveTheScreens) {
    gui->Show_Escape_Menu();
    EXPECT_EQ(Focused(), "Back");
    EXPECT_FALSE(Menu().Button(1).isEnabled()) << "Save Game";
    EXPECT_FALSE(Menu().Button(2).isEnabled()) << "Load Game";
    gui->Menu_FocusNext();
    EXPECT_EQ(Focused(), "Options") << "the disabled buttons are passed by";
    Key("KRETURN");
    EXPECT_EQ(State(), Options);
    Click(Menu().Button(3));
    EXPECT_EQ(State(), Escape);
    Click(Menu().Button(4));
    EXPECT_EQ(State(), Quit);
    EXPECT_EQ(Focused(), "Cancel");
    gui->Dispatch_Action("Quit_Game_To_Main_Menu");
    EXPECT_EQ(State(), Quit);
    EXPECT_FALSE(window->getExit());
    Click(Menu().Button(1));
    EXPECT_TRUE(window->getExit()) << "Exit To Dekstop ends the main loop";
}

TEST_F(GUI_Menus, KeysTypedWithinOneFrameActInTheirOrder) {
    // The keyboard handler moves the focus itself while the interface takes Return at the
    // next frame: Down, Return, Down, Return typed before a frame must still reach Video.
    KeyboardInput keyboard(nullptr, gui.get());
    gui->Show_Escape_Menu();
    for (const char* name : {"KDOWN", "KRETURN", "KDOWN", "KRETURN"}) {
        const GLINT::SDL::Key key(GLINT::SDL::KeyNames::number(name), 0, 0);
        EXPECT_TRUE(keyboard.handleKeyEvent(key, true));
        EXPECT_TRUE(keyboard.handleKeyEvent(key, false));
    }
    Frame();
    EXPECT_EQ(State(), Video);
}

TEST_F(GUI_Menus, CancelOrEscapeLeaveEverySettingAsItWas) {
    const std::pair<const char*, std::function<void(Menu_Window&)>> screens[] = {
        {Sound,
         [](Menu_Window& m) {
             m.Slider(0).setValue(10);
             m.Check_Box(5).setSelected(false);
         }},
        {Video,
         [](Menu_Window& m) {
             m.Resolution_Box().setSelected(0);
             m.Depth_Box().setSelected(0);
             m.Check_Box(0).setSelected(true);
         }},
        {Inputs,
         [](Menu_Window& m) {
             m.Unassign(0);
             m.Start_Capture(2);
             m.Capture("Z");
         }},
    };
    for (const auto& s : screens)
        for (bool by_escape : {false, true}) {
            Game_Settings::UP_1 = Key_Binding::From_Value("KW");
            const std::string before = Config_Writer::Text();
            Reach(s.first);
            s.second(Menu());
            if (by_escape)
                gui->Menu_Back_To_Previous_Level();
            else
                gui->Dispatch_Action("Cancel_Options");
            EXPECT_EQ(State(), Options);
            EXPECT_EQ(Config_Writer::Text(), before) << s.first << (by_escape ? " left by Escape" : " cancelled");
            EXPECT_FALSE(fs::exists("Config.ini"));
        }
}

// The real mixer, but what the options ask of the music is recorded instead of played.
class Recording_Mixer : public GLINT::SDL::MixerExtend {
public:
    Recording_Mixer() : MixerExtend(44100, 1, 2048) {}
    bool playMusic(const GLINT::SDL::MusicIf&, int, int loops, int) override {
        music.push_back("play " + std::to_string(loops));
        return true;
    }
    void setMusicVolume(int volume) override { volumes.push_back(volume); }
    bool haltMusic(int fade) override {
        music.push_back("halt " + std::to_string(fade));
        return true;
    }
    std::vector<std::string> music;
    std::vector<int> volumes;
};

class GUI_Sounds : public GUI_Menus {
protected:
    void SetUp() override {
        GUI_Menus::SetUp();
        GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
        ASSERT_TRUE(media.InitAudio(44100, 1, 2048));
        Init_Sounds_And_Musics();
        media.getMixer()->reset(mixer = new Recording_Mixer);
    }
    void TearDown() override {
        gui.reset();
        Release_Sounds_And_Musics();
        GLINT::SDL::MediaContext::instance().InitAudio(44100, 1, 2048); // a real mixer for whoever is next
        GUI_Menus::TearDown();
    }
    Recording_Mixer* mixer = nullptr;
};

TEST_F(GUI_Sounds, OkStartsOrStopsTheMusicOnlyWhenItsSwitchesChange) {
    const struct {
        bool all_before, music_before, all_after, music_after;
        std::vector<std::string> music;
    } cases[] = {{true, true, true, true, {}},           {true, true, true, false, {"halt 15"}},
                 {true, true, false, true, {"halt 15"}}, {true, false, true, true, {"play -1"}},
                 {false, true, true, true, {"play -1"}}, {false, true, false, true, {}}};
    for (const auto& c : cases) {
        Game_Settings::ENABLE_ALL_SOUNDS = c.all_before;
        Game_Settings::ENABLE_MUSIC_SOUNDS = c.music_before;
        Reach(Sound);
        Menu().Check_Box(5).setSelected(c.all_after);
        Menu().Check_Box(1).setSelected(c.music_after);
        Menu().Slider(5).setValue(50.9);
        Menu().Slider(1).setValue(60);
        mixer->music.clear();
        gui->Dispatch_Action("Validate_Options");
        EXPECT_EQ(mixer->music, c.music) << c.all_before << c.music_before << " -> " << c.all_after << c.music_after;
        EXPECT_EQ(mixer->volumes.back(), 30) << "60 of 50.9, truncated";
        EXPECT_NE(Read("Config.ini").find("\nMUSIC_VOLUME = 60\nVOICE_VOLUME"), std::string::npos);
        EXPECT_EQ(State(), Options);
    }
}

// A screen whose changes are recorded, and fail when told to.
class Fake_Display : public Display_Control {
public:
    bool Available() const override { return true; }
    bool Is_Fullscreen() const override { return fullscreen; }
    bool Resize(int w, int h) override { return Change("resize " + std::to_string(w) + "x" + std::to_string(h)); }
    bool Reset(int w, int h, int depth) override {
        return Change("reset " + std::to_string(w) + "x" + std::to_string(h) + "@" + std::to_string(depth));
    }
    bool Set_Fullscreen(bool on) override {
        fullscreen = on;
        return Change(on ? "fullscreen" : "windowed");
    }
    std::string Last_Error() const override { return "no such mode"; }
    bool Change(const std::string& call) {
        calls.push_back(call);
        return call != failing;
    }
    bool fullscreen = false;
    std::string failing;
    std::vector<std::string> calls;
};

class GUI_Video : public GUI_Menus {
public:
    using GUI_Test::Menu;
    void Pick(Menu_DropDown& box, gcn::ListModel& model, const std::string& text) {
        for (int i = 0; i < model.getNumberOfElements(); ++i)
            if (model.getElementAt(i) == text)
                box.setSelected(i);
    }
    void Size(const std::string& text) { Pick(Menu().Resolution_Box(), Menu().Resolutions(), text); }
    void Depth(const std::string& text) { Pick(Menu().Depth_Box(), Menu().Depths(), text); }
    void Open(int width, int height, int depth) {
        Game_Settings::SCREEN_WIDTH = Game_Settings::Current_Screen_Width = width;
        Game_Settings::SCREEN_HEIGHT = Game_Settings::Current_Screen_Height = height;
        Game_Settings::SCREEN_BPP = Game_Settings::Current_Screen_BPP = depth;
        display = Fake_Display();
        Reach(Video);
        gui->Set_Display_Control(&display);
    }
    Fake_Display display;
};

TEST_F(GUI_Video, OkChangesOnlyWhatThePlayerChanged) {
    const struct {
        const char* scenario;
        int width, height, depth;
        std::function<void(GUI_Video&)> choose;
        std::vector<std::string> calls;
        const char* saved;
    } cases[] = {
        {"nothing touched", 800, 600, 32, [](GUI_Video&) {}, {}, "800 600 32"},
        {"another size", 800, 600, 32, [](GUI_Video& t) { t.Size("1024*768"); }, {"resize 1024x768"}, "1024 768 32"},
        {"away and back", 800, 600, 32, [](GUI_Video& t) {
             t.Size("1024*768");
             t.Size("800*600");
         }, {}, "800 600 32"},
        {"a size the display does not list", 1000, 700, 32, [](GUI_Video&) {}, {}, "1000 700 32"},
        {"depth 24 kept", 800, 600, 24, [](GUI_Video&) {}, {}, "800 600 24"},
        {"another depth", 800, 600, 32, [](GUI_Video& t) { t.Depth("16"); }, {"reset 800x600@16"}, "800 600 16"},
        {"full screen", 800, 600, 32, [](GUI_Video& t) { t.Menu().Check_Box(0).setSelected(true); }, {"fullscreen"},
         "800 600 32"},
    };
    for (const auto& c : cases) {
        Open(c.width, c.height, c.depth);
        c.choose(*this);
        gui->Dispatch_Action("Validate_Options");
        EXPECT_EQ(display.calls, c.calls) << c.scenario;
        auto saved = [](const char* key) { return Get_Config_Value("Config.ini", key); };
        EXPECT_EQ(saved("SCREEN_WIDTH") + " " + saved("SCREEN_HEIGHT") + " " + saved("SCREEN_BPP"), c.saved)
            << c.scenario;
        EXPECT_EQ(saved("FULLSCREEN"), display.fullscreen ? "1" : "0") << c.scenario;
    }
}

TEST_F(GUI_Video, AFailedChangePutsTheOldModeBackAndWritesNothing) {
    const std::pair<const char*, std::vector<std::string>> failures[] = {
        {"resize 1024x768", {"resize 1024x768", "resize 800x600"}},
        {"reset 1024x768@16", {"resize 1024x768", "reset 1024x768@16", "reset 800x600@32"}}};
    for (const auto& f : failures) {
        Write("Config.ini", "old\n");
        Open(800, 600, 32);
        display.failing = f.first;
        Size("1024*768");
        Depth("16");
        gui->Dispatch_Action("Validate_Options");
        EXPECT_EQ(display.calls, f.second);
        EXPECT_EQ(Game_Settings::SCREEN_WIDTH, 800);
        EXPECT_EQ(Game_Settings::SCREEN_BPP, 32);
        EXPECT_EQ(Game_Settings::Current_Screen_Width, 800);
        EXPECT_EQ(Read("Config.ini"), "old\n");
        EXPECT_NE(log.str().find("Create Surface Failed While "), std::string::npos);
        EXPECT_EQ(Status_Message::Text(), "Video Mode Not Changed");
    }
}

TEST_F(GUI_Video, ArrowsPassAClosedListWithoutChangingIt) {
    Open(800, 600, 32);
    const int shown = Menu().Resolution_Box().getSelected();
    Menu().Resolution_Box().requestFocus();
    Key("KDOWN");
    EXPECT_EQ(Menu().Resolution_Box().getSelected(), shown);
    Key("KRETURN");
    gui->Menu_FocusNext();
    EXPECT_TRUE(Menu().Resolution_Box().isFocused()) << "an open list keeps the arrows";
    Key("KDOWN");
    EXPECT_EQ(Menu().Resolution_Box().getSelected(), shown + 1);
}

TEST_F(GUI_Video, ClosingAListKeepsTheFocusThereAndTheArrowsFollowTheScreen) {
    // As the game routes them: Escape and the arrows reach the menu through the keyboard handler.
    auto press = [&](const char* name) {
        KeyboardInput keyboard(nullptr, gui.get());
        for (bool pressed : {true, false})
            keyboard.handleKeyEvent(GLINT::SDL::Key(GLINT::SDL::KeyNames::number(name), 0, 0), pressed);
        Frame();
    };
    for (const char* closing : {"KRETURN", "KESCAPE"}) {
        Open(800, 600, 32);
        Menu_DropDown& box = Menu().Resolution_Box();
        const int shown = box.getSelected();
        for (const char* key : {"KDOWN", "KRETURN", "KDOWN", closing})
            press(key);
        EXPECT_FALSE(box.Is_Dropped_Down()) << closing;
        EXPECT_EQ(State(), Video) << closing;
        EXPECT_EQ(Focused(), "Resolution_Box") << closing;
        EXPECT_EQ(box.getSelected(), closing == std::string("KESCAPE") ? shown : shown + 1) << closing;
    }

    // An opened list is drawn last, above the others; the arrows still go by the screen.
    for (const char* key : {"KDOWN", "KRETURN", "KRETURN", "KUP", "KRETURN", "KRETURN"})
        press(key);
    std::vector<std::string> walked;
    for (const char* key : {"KDOWN", "KDOWN", "KDOWN", "KDOWN", "KDOWN", "KUP", "KUP"}) {
        press(key);
        walked.push_back(Focused());
    }
    EXPECT_EQ(walked, (std::vector<std::string>{"Depth_Box", "Check_Box_1", "OK", "Cancel", "Resolution_Box",
                                                "Cancel", "OK"}));
}

TEST_F(GUI_Menus, TheMenuAlwaysKeepsAKey) {
    const int Up_1 = 0, Menu_1 = 32, Menu_2 = 33;
    const char* const refused = "ESCAPE Is The Menu's Only Key";
    const struct {
        const char *menu_1, *menu_2;
        int cell;
        const char* captured;   // nullptr: a right click on the cell
        const char* after;      // Up's first cell and the two Menu cells
        const char* message;
    } cases[] = {
        {"KESCAPE", "", Up_1, "ESCAPE", "W ESCAPE ", refused},
        {"KESCAPE", "", Menu_1, nullptr, "W ESCAPE ", refused},
        {"KESCAPE", "", Menu_1, "Left", "W ESCAPE ", refused},
        {"KESCAPE", "Left", Menu_1, nullptr, "W ESCAPE Left", refused},
        {"KESCAPE", "", Menu_1, "F1", "W F1 ", ""},
        {"KESCAPE", "", Menu_2, "ESCAPE", "W  ESCAPE", ""},
        {"KESCAPE", "KF2", Up_1, "ESCAPE", "ESCAPE  F2", ""},
        {"KESCAPE", "KF2", Menu_1, nullptr, "W  F2", ""},
        {"", "", Up_1, nullptr, "  ", ""},
    };
    for (const auto& c : cases) {
        Game_Settings::UP_1 = Key_Binding::From_Value("KW");
        Game_Settings::MENU_CALL_1 = Key_Binding::From_Value(c.menu_1);
        Game_Settings::MENU_CALL_2 = Key_Binding::From_Value(c.menu_2);
        Status_Message::Reset();
        Reach(Inputs);
        Click(Menu().Key_Button(c.cell), c.captured ? 1 : 3);
        if (c.captured)
            gui->Show_Pushed_Key_Menu(c.captured);
        const std::string what = std::string(c.menu_1) + "/" + c.menu_2 + " " + std::to_string(c.cell) + " " +
                                 (c.captured ? c.captured : "right click");
        EXPECT_EQ(Game_State(), 4) << what;
        EXPECT_EQ(Menu().Key_Button(Up_1).getCaption() + " " + Menu().Key_Button(Menu_1).getCaption() + " " +
                      Menu().Key_Button(Menu_2).getCaption(),
                  c.after)
            << what;
        EXPECT_EQ(Status_Message::Text(), c.message) << what;
    }
}

TEST_F(GUI_Menus, CapturedKeysAndButtonsAreSavedOnOk) {
    const int Up_1 = 0, Up_2 = 1, Right_1 = 6, Heal_2 = 27, Action_1 = 28;
    Game_Settings::UP_1 = Key_Binding::From_Value("KW");
    Game_Settings::UP_2 = Key_Binding::From_Value("KUP");
    Reach(Inputs);
    auto caption = [&](int cell) { return Menu().Key_Button(cell).getCaption(); };

    Click(Menu().Key_Button(Right_1));
    EXPECT_EQ(Game_State(), 6);
    for (const char* nameless : {"", "NOT_A_KEY"})
        gui->Show_Pushed_Key_Menu(nameless);
    EXPECT_EQ(Game_State(), 6) << "nameless keys are ignored";
    gui->Show_Pushed_Key_Menu("UP");
    EXPECT_EQ(Game_State(), 4);
    EXPECT_FALSE(Menu().Press_Key_Button().isVisible());
    EXPECT_EQ(caption(Right_1), "UP");
    EXPECT_EQ(caption(Up_2), "") << "one key, one action";
    EXPECT_EQ(Game_Settings::UP_2.Code, GLINT::SDL::KeyNames::number("KUP")) << "nothing changes before OK";

    gui->Show_Pushed_Key_Menu(Heal_2);
    gui->Show_Pushed_Key_Menu("ey_World5");
    gui->Show_Pushed_Key_Menu(Action_1);
    gui->Show_Pushed_Key_Menu("Left");
    Click(Menu().Key_Button(Up_1), 3);
    EXPECT_EQ(caption(Up_1), "") << "a right click empties a cell";
    gui->Show_Pushed_Key_Menu(Up_2);
    gui->Close_Pushed_Key_Menu_Forced();
    gui->Show_Pushed_Key_Menu(Up_2);
    Menu().Press_Key_Button().setActionEventId("junk");
    gui->Show_Pushed_Key_Menu("Q");
    EXPECT_EQ(Game_State(), 4) << "a key for no cell ends the capture";
    EXPECT_EQ(caption(Up_2), "");

    gui->Dispatch_Action("Validate_Options");
    const std::string saved = Read("Config.ini");
    for (const char* line : {"\nRIGHT_1 = KUP\n", "\nUP_2 = \n", "\nUP_1 = \n", "\nHEAL_2 = Key_World5\n",
                             "\nACTION_1 = Left\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    EXPECT_EQ(Game_Settings::ACTION_1.Type, "Button");
}

class GUI_Victory : public GUI_Menus {
protected:
    void SetUp() override {
        GUI_Menus::SetUp();
        Game_Clock::Set(1000);
        Daemons::Start_Game_Time();
        Game_Clock::Set(1000 + 3725 * 1000 + 999);
        Monster_Counters::Killed = 12;
        daemons = std::make_unique<Daemons>(nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        daemons.reset();
        GUI_Menus::TearDown();
    }
    std::unique_ptr<Daemons> daemons;
};

TEST_F(GUI_Victory, OnlyPlayCanBeWonAndOnlyOnce) {
    const struct {
        int state;
        bool won;
    } cases[] = {{3, true}, {7, false}};
    for (const auto& c : cases) {
        fs::remove_all("Best_Times.txt");
        Restart();
        Game_Settings::GLOBAL_GAME_STATE = c.state;
        daemons->Check_Victory(1000, nullptr);
        Frame();
        EXPECT_EQ(State() == Victory, c.won) << c.state;
        gui->Close_Victory_Menu();
        gui->Dispatch_Action("Victory_Validated");
        EXPECT_EQ(Read("Best_Times.txt"), c.won ? " Killed 12 Monsters in: 1hr 2mn 5s\n" : "") << c.state;
        EXPECT_EQ(Game_State(), c.won ? 8 : c.state);
    }
}

TEST_F(GUI_Victory, TheTypedNameIsAppendedAndTheCreditsFollow) {
    Write("Best_Times.txt", "earlier Killed 1 Monsters in: 9s\n");
    daemons->Check_Victory(1000, nullptr);
    Frame();
    EXPECT_EQ(Menu().Option_Label(1).getCaption(), "Time Used : 1hr 2mn 5s");
    EXPECT_EQ(Focused(), "Name_Field");
    for (char c : std::string("abc"))
        Key((std::string("K") + char(c - 'a' + 'A')).c_str(), c);
    Key("KBACKSPACE");
    for (int i = 0; i < 40; ++i)
        Key("KE", 0xE9);
    EXPECT_EQ(Menu().Typed_Name(), "ab" + [] {
        std::string s;
        for (int i = 0; i < 30; ++i)
            s += "\xc3\xa9";
        return s;
    }()) << "32 characters at most, UTF-8";
    gui->Menu_FocusNext();
    Key("KRETURN");
    EXPECT_EQ(Game_State(), 8);
    EXPECT_EQ(Read("Best_Times.txt"), "earlier Killed 1 Monsters in: 9s\n" + Menu().Typed_Name() +
                                          " Killed 12 Monsters in: 1hr 2mn 5s\n");
    Frame();
    EXPECT_TRUE(Find("Credits_Area")->isVisible());
}

TEST_F(GUI_Victory, AnUnwritableFileIsLoggedAndTheCreditsStillCome) {
    fs::create_directory("Best_Times.txt");
    daemons->Check_Victory(1000, nullptr);
    Frame();
    gui->Dispatch_Action("Victory_Validated");
    EXPECT_EQ(Game_State(), 8);
    EXPECT_NE(log.str().find("Error In GUI::Close_Victory_Menu(): Can't Open Best_Times.txt"), std::string::npos);
}

} // namespace
