#pragma once

// Items on the shipped data. Tests run in the game folder with SDL's timer
// service up and the world lock held: arrow timers start, but their ticks wait
// at the lock, and the tests drive every flight through the callbacks.

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "Shipped_World.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/Monster_Counters.hpp"
#include "battlefield/BF_Fixture.hpp"
#include "characters/CH_Test_Support.hpp"
#include "items/Normal_Arrow.hpp"
#include "media/ScopedLock.hpp"
#include "media/WorldLock.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

namespace items_test {

// A shipped arrow with the name, weight and speed a test wants; counts the live ones.
class Test_Arrow : public Normal_Arrow {
public:
    explicit Test_Arrow(const std::string& name = "Normal Arrow", Uint16 weight = 3, Uint16 velocity = 10) {
        Name = name;
        Weight = weight;
        Velocity = velocity;
        ++Live;
    }
    ~Test_Arrow() override { --Live; }

    static inline int Live = 0;
};

class Items_Fixture : public ::testing::Test {
protected:
    void SetUp() override {
        ch_test::Use_Game_Tuning();
        Characters_Map::Instance().Clear();
        Monster_Counters::Reset();
        Game_Clock::Set(100000);
        inGame = std::make_unique<shipped::In_Game_Dir>();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0) << SDL_GetError();
        world = std::make_unique<GLINT::SDL::ScopedLock>(GLINT::SDL::WorldLock::mutex());
    }
    void TearDown() override {
        world.reset();
        SDL_QuitSubSystem(SDL_INIT_TIMER);
        inGame.reset();
        Game_Random::Clear_Script();
        Game_Clock::Use_Real_Time();
        Characters_Map::Instance().Clear();
        Monster_Counters::Reset();
        Game_Settings::Reset();
    }

    // Ticks a launched arrow until its flight ends; the ticks taken, -1 if it never does.
    static int Fly_To_The_End(Flying& arrow) {
        for (int i = 1; i <= 100; ++i)
            if (arrow.Fly_Callback() == 0)
                return i;
        return -1;
    }

    std::unique_ptr<shipped::In_Game_Dir> inGame;
    std::unique_ptr<GLINT::SDL::ScopedLock> world;
};

using ch_test::Error_Of;
using ch_test::Tag;

// An item file checked against the shipped DTD; the common keys come first.
inline std::string Write_Item(const bf_test::BF_Fixture& files, const std::string& name, const std::string& body) {
    const auto dtd = std::filesystem::path(shipped::Game_Dir()) / "Data/DTD/Item.dtd";
    return files.Write(name, "<?xml version=\"1.0\"?>\n<!DOCTYPE Item SYSTEM \"" + dtd.string() + "\">\n<Item>" +
                                 body + "</Item>\n");
}

// The common keys, with the shipped arrow's thumbnail.
inline std::string Item_Keys(const std::string& name, bool keyed = true) {
    const std::string key = Tag("TB_ColorKey_R", "255") + Tag("TB_ColorKey_G", "0") + Tag("TB_ColorKey_B", "255");
    return Tag("Name", name) + Tag("Value", "7") + (keyed ? Tag("Thunbnail_ColorKey_RGB", key) : "") +
           Tag("Thunbnail_Name", "Data/Items/Normal_Arrow_TB.png") + Tag("Weight", "2");
}

} // namespace items_test
