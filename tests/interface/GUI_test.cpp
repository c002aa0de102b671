#include "interface/GUI_Fixture.hpp"

#include <algorithm>
#include <chrono>
#include <regex>
#include <stdexcept>
#include <thread>

#include "characters/Characteristics.hpp"
#include "data/XML_Manager.hpp"
#include "interface/KeyboardInput.hpp"
#include "items/Apprentice_Bow.hpp"
#include "items/Apprentice_Sword.hpp"
#include "items/Healing_Potion.hpp"
#include "items/Inventory.hpp"
#include "items/Normal_Arrow.hpp"
#include "media/DisplayModes.hpp"

using namespace gui_test;

namespace {

TEST_F(GUI_Test, AMissingFileStopsTheConstructionNamingIt) {
    gui.reset();
    const std::pair<const char*, const char*> missing[] = {
        {"Fonts", "SlimSansSerif.ttf"},    {"Interface", "Inventory_Win_BG.png"},
        {"Interface", "DeathHead.png"},    {"Interface", "DeathHead.xml"}};
    for (const auto& m : missing) {
        folder.reset();
        folder = std::make_unique<Temporary_Folder>();
        Link_Shipped_Data(m.first, m.second);
        try {
            GUI broken;
            ADD_FAILURE() << m.second;
        } catch (const std::logic_error& e) {
            EXPECT_NE(std::string(e.what()).find("Error In GUI Constructor: "), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(m.second), std::string::npos) << e.what();
        }
        EXPECT_EQ(gcn::Image::getImageLoader(), nullptr) << m.second << ": cleaned up";
    }
}

TEST_F(GUI_Test, TheHudCountsMonstersAndClearsOnlyItsOwnStatusMessage) {
    Monster_Counters::Alive = 3;
    Monster_Counters::Killed = 12;
    Status_Message::Set("Melee Hit");
    Frame();
    gcn::Widget* counters = Find("Monsters_Stats_Label");
    EXPECT_EQ(Caption("Monsters_Stats_Label"), "Monsters ALiVED: 3; Monsters KiLLED: 12");
    EXPECT_EQ(counters->getX() + counters->getWidth(), 800 - 10);
    gcn::Widget* status = Find("Status_Label");
    EXPECT_EQ(Caption("Status_Label"), "Melee Hit");
    EXPECT_EQ(status->getX() + status->getWidth() / 2, 400);
    EXPECT_EQ(status->getFrameSize(), 2u);

    // The tick for "Melee Hit" comes after a newer message was set.
    auto tick = [&] { (gui.get()->*GLINT::SDL::TimerMethod<GUI>::method)(4000, nullptr); };
    Status_Message::Set("Melee Miss");
    tick();
    EXPECT_EQ(Caption("Status_Label"), "Melee Hit");
    Frame();
    EXPECT_EQ(Caption("Status_Label"), "Melee Miss");
    tick();
    EXPECT_EQ(Caption("Status_Label"), "");
    EXPECT_EQ(status->getFrameSize(), 0u);

    // After a resize the top follows and the next message is centred on the new width.
    Game_Settings::Current_Screen_Width = 640;
    gui->UpdateTopContainerDimensions();
    EXPECT_EQ(gui->Get_Top().getWidth(), 640);
    Status_Message::Set("Ranged Hit");
    Frame();
    EXPECT_NEAR(status->getX() + status->getWidth() / 2.0, 320, 1);
}

// Every screen the video options offer, the widest counter, the shipped bars and a status line of each
// kind: the start's hint, a short message and one longer than any screen (cut to fit).
TEST_F(GUI_Test, TheHudTextsStayApartAndOnScreenAtEveryOfferedResolution) {
    const char* bars = "Data/Interface/Player_Characteristics_Bars_TS.xml";
    const gcn::Rectangle barsArea(0, 0, XML_Manager::Get_Option_Value(bars, "Bars_Width"),
                                  3 * XML_Manager::Get_Option_Value(bars, "Bars_Height"));
    Monster_Counters::Alive = 20;
    Monster_Counters::Killed = 999;
    Restart();
    gui->Set_Bars_Area(barsArea);
    gcn::Widget* counter = Find("Monsters_Stats_Label");
    gcn::Widget* status = Find("Status_Label");
    // Readable on snow: over white, both texts are ringed in dark.
    Status_Message::Set("Melee Hit");
    GLINT::SDL::VideoSurface& screen = *window->getDisplay();
    screen.fill(GLINT::SDL::RGBColor(255, 255, 255));
    Frame();
    for (gcn::Widget* text : {counter, status}) {
        int dark = 0;
        for (int y = text->getY(); y < text->getY() + text->getHeight(); ++y)
            for (int x = text->getX(); x < text->getX() + text->getWidth(); ++x) {
                Uint8 r, g, b;
                SDL_GetRGB(screen.getpixel(x, y), screen.get_SDL()->format, &r, &g, &b);
                dark += r + g + b < 200;
            }
        EXPECT_GT(dark, text->getWidth() * 2) << text->getId();
    }
    auto apart = [](const gcn::Rectangle& a, int frame, const gcn::Rectangle& b) {
        return a.x - frame >= b.x + b.width || b.x >= a.x + a.width + frame || a.y - frame >= b.y + b.height ||
               b.y >= a.y + a.height + frame;
    };
    const std::vector<std::pair<int, int>> modes = GLINT::SDL::getAvailableDisplayModes();
    ASSERT_FALSE(modes.empty());
    for (const auto& mode : modes) {
        Game_Settings::Current_Screen_Width = mode.first;
        Game_Settings::Current_Screen_Height = mode.second;
        gui->UpdateTopContainerDimensions();
        // The hint's messages in turn, each fitted to this width.
        gui->Start_Key_Hint();
        std::vector<std::string> lines{"Melee Hit", std::string(300, 'W')};
        for (Frame(); !Caption("Status_Label").empty() && lines.size() < 12; Frame()) {
            lines.push_back(Caption("Status_Label"));
            (gui.get()->*GLINT::SDL::TimerMethod<GUI>::method)(4000, nullptr);
        }
        ASSERT_GT(lines.size(), 2u);
        for (const std::string& line : lines) {
            Status_Message::Set(line);
            Frame();
            const std::string where = std::to_string(mode.first) + "x" + std::to_string(mode.second) + " " + line;
            const gcn::Rectangle s = status->getDimension(), c = counter->getDimension();
            const int frame = static_cast<int>(status->getFrameSize());
            EXPECT_TRUE(apart(s, frame, c) && apart(s, frame, barsArea) && apart(c, 0, barsArea)) << where;
            EXPECT_TRUE(s.x - frame >= 0 && s.x + s.width + frame <= mode.first && c.x >= 0 &&
                        c.x + c.width <= mode.first && s.y + s.height + frame < mode.second / 4) << where;
            // The hint and short messages are shown whole.
            if (line.size() < 300) {
                EXPECT_EQ(Caption("Status_Label"), line) << where;
            }
        }
    }
}

// The hint reads the bindings as they are: rebound keys show under their own names, and a message the
// game says meanwhile is not cut short.
TEST_F(GUI_Test, TheStartHintSaysTheGoalAndThePlayersOwnKeysInTurn) {
    using S = Game_Settings;
    S::ATTACK_1 = Key_Binding::From_Value("KSPACE");
    S::ACTION_1 = Key_Binding();
    S::ACTION_2 = Key_Binding::From_Value("KRETURN");
    S::RUN_1 = Key_Binding::From_Value("Right");
    S::HEAL_1 = Key_Binding::From_Value("KKP7");
    S::UP_1 = Key_Binding::From_Value("KI");
    S::LEFT_1 = Key_Binding::From_Value("KJ");
    S::DOWN_1 = Key_Binding::From_Value("KK");
    S::RIGHT_1 = Key_Binding::From_Value("KL");
    S::UP_2 = Key_Binding::From_Value("KUP");
    S::LEFT_2 = Key_Binding::From_Value("KLEFT");
    S::DOWN_2 = Key_Binding::From_Value("KDOWN");
    S::RIGHT_2 = Key_Binding::From_Value("KRIGHT");
    S::MENU_CALL_1 = Key_Binding::From_Value("KF10");
    S::DRAW_DISTANT_W_1 = Key_Binding::From_Value("KKP2");
    Restart();
    gui->Start_Key_Hint();
    auto tick = [&] { (gui.get()->*GLINT::SDL::TimerMethod<GUI>::method)(4000, nullptr); };
    Frame();
    std::string said = Caption("Status_Label");
    EXPECT_EQ(said.rfind("Kill every monster to win. Move: I J K L or arrows", 0), 0u) << said;
    Status_Message::Set("Melee Hit");
    Frame();
    Frame();
    EXPECT_EQ(Caption("Status_Label"), "Melee Hit");
    tick();
    for (Frame(); !Caption("Status_Label").empty(); Frame()) {
        said += " | " + Caption("Status_Label");
        EXPECT_LE(Find("Status_Label")->getWidth(), 800);
        tick();
    }
    for (const char* key : {"attack: Space", "hests and bags: Return", "un: right click", "potion: keypad 7",
                            "enu: F10", "ow: keypad 2", "ap: Tab"})
        EXPECT_NE(said.find(key), std::string::npos) << key << " in " << said;
    EXPECT_EQ(said.find("Ctrl"), std::string::npos) << said;
    // Tab bound to an action is the action's, not the map's.
    S::HEAL_2 = Key_Binding::From_Value("KTAB");
    const std::vector<std::string> bound = Key_Hint::Messages([](const std::string&) { return 0; }, 800);
    ASSERT_EQ(bound.size(), 1u);
    EXPECT_EQ(bound[0].find("Tab"), std::string::npos) << bound[0];
    EXPECT_GE(std::count(said.begin(), said.end(), '|'), 1) << "one line at 800 pixels: " << said;
}

TEST_F(GUI_Test, TheStatusTimerClearsTheLineUnderTheWorldLock) {
    ASSERT_TRUE(GLINT::SDL::MediaContext::instance().InitTimer());
    Game_Settings::RESET_STATUS_MSG_INTERVAL = 30;
    Status_Message::Set("Potion Drunk");
    Frame();
    world.reset();
    auto shown = [&] {
        GLINT::SDL::ScopedLock frame(GLINT::SDL::WorldLock::mutex());
        return Caption("Status_Label");
    };
    for (int i = 0; i < 100 && shown() != ""; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(shown(), "");
    world = std::make_unique<GLINT::SDL::ScopedLock>(GLINT::SDL::WorldLock::mutex());
}

TEST_F(GUI_Test, InventoryAndCharacteristicsWindows) {
    Inventory bag;
    Characteristics stats;
    stats.Life = 72;
    stats.Max_Life = 100;
    stats.Damage_Min = 4;
    stats.Damage_Max = 9;
    stats.Reach = 20;
    stats.Weapon_Reach_Bonus = 12;
    stats.Armor = 3;
    Inventory* carried = &bag;
    Characteristics* shown = &stats;
    auto visible = [&](const char* id) { return Find(id)->isVisible(); };

    bag.Add(new Apprentice_Sword());
    bag.Add(new Apprentice_Bow());
    for (int i = 0; i < 7; ++i)
        bag.Add(new Normal_Arrow());
    gui->Show_Inventory(&carried);
    const struct {
        const char* id;
        int x, y, w, h;
    } slots[] = {{"Inventory_Slot_1", 32, 32, 112, 192}, {"Inventory_Slot_4", 616, 24, 160, 256},
                 {"Inventory_Slot_10", 512, 120, 48, 160}};
    for (const auto& s : slots) {
        gcn::Widget* icon = Find(s.id);
        ASSERT_NE(icon, nullptr) << s.id;
        EXPECT_EQ(icon->getX(), s.x + (s.w - icon->getWidth()) / 2) << s.id;
        EXPECT_EQ(icon->getY(), s.y + (s.h - icon->getHeight()) / 2) << s.id;
    }
    EXPECT_EQ(Find("Inventory_Slot_2"), nullptr) << "an empty slot has no icon";
    gcn::Widget* arrows = Find("Projectiles_Count_Label");
    EXPECT_EQ(Caption("Projectiles_Count_Label"), "7");
    EXPECT_EQ(arrows->getX() + arrows->getWidth(), 560);
    EXPECT_EQ(arrows->getY() + arrows->getHeight(), 280);
    EXPECT_EQ(Find("Potions_Count_Label"), nullptr) << "no potion, no count";
    Frame();

    // The key toggles; the contents are read again at each opening.
    gui->Show_Inventory(&carried);
    EXPECT_FALSE(visible("Inventory_Window"));
    EXPECT_EQ(Find("Inventory_Slot_1"), nullptr);
    bag.Add(new Healing_Potion());
    bag.Add(new Healing_Potion());
    gui->Show_Inventory(&carried);
    EXPECT_EQ(Caption("Potions_Count_Label"), "2");

    // Each window closes the other.
    gui->Show_Characteristics(&shown);
    EXPECT_FALSE(visible("Inventory_Window"));
    EXPECT_TRUE(visible("Characteristics_Window"));
    EXPECT_EQ(Caption("Characteristics_Label_1"), "72 / 100");
    EXPECT_EQ(Caption("Characteristics_Label_2"), "4 - 9");
    EXPECT_EQ(Caption("Characteristics_Label_3"), "32");
    EXPECT_EQ(Caption("Characteristics_Label_4"), "3");
    gui->Show_Inventory(&carried);
    EXPECT_FALSE(visible("Characteristics_Window"));
    Frame();
}

TEST_F(GUI_Test, DeathClosesOneWindowAFrameUnderTheSkull) {
    gui->Show_Escape_Menu();
    Find("Inventory_Window")->setVisible(true);
    Game_Settings::GLOBAL_GAME_STATE = 7;
    GLINT::SDL::VideoSurface& screen = *window->getDisplay();
    screen.fill(GLINT::SDL::RGBColor(0, 0, 0));
    Frame();
    EXPECT_FALSE(Find("Inventory_Window")->isVisible());
    EXPECT_TRUE(Menu().isVisible());
    Frame();
    EXPECT_FALSE(Menu().isVisible());
    EXPECT_EQ(State(), "Menu_Window_Hide");
    // The skull's eye sockets (night blue) in the middle of the black screen.
    const auto eye = GLINT::SDL::RGBAColor::fromPixel(screen.getpixel(400 - 25, 300 - 115 + 95), screen.getFormat());
    EXPECT_NE(eye.getR() + eye.getG() + eye.getB(), 0);
}

TEST_F(GUI_Test, TheDeathPictureAndTheCreditsNameTheKeyThatLeadsOn) {
    Write("Credits.txt", "VARNHOLT\n");
    Game_Settings::GLOBAL_GAME_STATE = 3;
    Frame();
    gcn::Widget* box = Find("Leading_Key_Box");
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isVisible()) << "not while playing";
    const std::pair<int, std::string> screens[] = {{7, " For The Credits"}, {8, " To Quit"}};
    for (const auto& [state, then] : screens) {
        Game_Settings::GLOBAL_GAME_STATE = state;
        Frame();
        ASSERT_TRUE(box->isVisible()) << state;
        // Under the skull (230 high) or the credits, on the screen.
        const gcn::Widget* credits = Find("Credits_Area");
        EXPECT_GE(box->getY(), state == 7 ? 300 + 115 : credits->getY() + credits->getHeight()) << state;
        EXPECT_LE(box->getY() + box->getHeight(), 600) << state;
        std::smatch named;
        const std::string hint = Caption("Leading_Key_Label");
        ASSERT_TRUE(std::regex_match(hint, named, std::regex("Press (\\S+)(.*)"))) << hint;
        EXPECT_EQ(named[2].str(), then);
        // The key it names is one the keyboard takes there.
        KeyboardInput keyboard(nullptr, gui.get());
        keyboard.handleKeyEvent(GLINT::SDL::Key(GLINT::SDL::KeyNames::number("K" + named[1].str()), 0, 0), true);
        EXPECT_EQ(Game_State(), 8) << hint;
        EXPECT_EQ(window->getExit(), state == 8) << hint;
    }
}

TEST_F(GUI_Test, CreditsAreReadOnceCleanedAndFitTheScreen) {
    Write("Credits.txt", "VARNHOLT\r\n\r\nMade by us\tall\r\nno last line feed \xe9");
    Game_Settings::Current_Screen_Width = 320;
    Game_Settings::Current_Screen_Height = 240;
    Game_Settings::GLOBAL_GAME_STATE = 8;
    Frame();
    auto* box = Find<gcn::TextBox>("Credits_Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->getText(), "VARNHOLT\n\nMade by us    all\nno last line feed \xc3\xa9\n");
    gcn::Widget* area = Find("Credits_Area");
    EXPECT_GE(area->getY(), 0);
    EXPECT_GT(area->getHeight(), 0);
    EXPECT_LE(area->getY() + area->getHeight(), 240);
    Write("Credits.txt", "other");
    Frame();
    EXPECT_EQ(box->getText().rfind("VARNHOLT", 0), 0u);

    for (bool folder_in_the_way : {false, true}) {
        fs::remove_all("Credits.txt");
        if (folder_in_the_way)
            fs::create_directory("Credits.txt");
        Restart();
        Game_Settings::GLOBAL_GAME_STATE = 8;
        try {
            Frame();
            ADD_FAILURE() << "no error";
        } catch (const std::logic_error& e) {
            EXPECT_STREQ(e.what(), "Error In GUI::Draw(): Error In GUI::Show_Credits(): Can't Read Credits.txt File");
        }
    }
}

} // namespace
