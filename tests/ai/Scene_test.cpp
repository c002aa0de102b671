// Two skeletons that hate each other, on the shipped map, run through the
// real render engine frame by frame: they find each other, fight, one dies.

#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Shipped_World.hpp"
#include "ai/AI.hpp"
#include "ai/Character_Factory.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/Reference_Scans.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/CH_Test_Support.hpp"
#include "interface/Render_Engine.hpp"
#include "media/MediaContext.hpp"
#include "media/VideoSurface.hpp"
#include "media/Window.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

namespace {

struct Scene_Skeleton : reference::Kind_Character {
    Scene_Skeleton() : Kind_Character(Character_Kind::Monster_Skeleton) {}
};

class Skeletons : public Character_Factory<Scene_Skeleton> {
public:
    explicit Skeletons(BattleField& field) : Field(field) {
        Character::Get_CH_Infos_From_Desc_File("Data/Characters/c_Monster_Skeleton.xml", *Template,
                                               Initial_Positions, Patrol_Paths, Primary_Sheets, Secondary_Sheets);
        // Enemies of every other character, and quick to answer a blow.
        Template->CH_Attitudes->Set_Initials(Attitudes::Wanderer, Attitudes::Passive, Attitudes::Aggressive,
                                             Attitudes::Aggressive);
    }
    Scene_Skeleton* Add(int x, int y) {
        Template->X = x;
        Template->Y = y;
        auto* skeleton = new Scene_Skeleton();
        skeleton->Set_Character_Base_Infos(*Template);
        skeleton->Finish_Set_Up(Primary_Sheets, Secondary_Sheets, &Field, nullptr);
        Adopt(skeleton);
        return skeleton;
    }
    // Is a skeleton's box free at (x, y)?
    bool Free_At(int x, int y) {
        Scene_Skeleton probe;
        probe.Infos().Copy_From(*Template);
        probe.Infos().X = x;
        probe.Infos().Y = y;
        probe.Infos().Collision_Rect = probe.Infos().Home_Collision_Rect();
        return AI::Manage_Collisions_Full(probe, Field, false);
    }

private:
    BattleField& Field;
};

struct Outcome {
    std::string trace;
    int frames = 0;
    int dead = 0;
    int moved = 0;
    int hits = 0;
};

Outcome Play(unsigned seed, const char* shot = nullptr) {
    Outcome out;
    // The media log opens where the tests run, before we step into the game folder.
    GLINT::SDL::MediaContext& media = GLINT::SDL::MediaContext::instance();
    shipped::In_Game_Dir inGame;
    ch_test::Use_Game_Tuning();
    Game_Random::Seed(seed);
    Game_Clock::Set(5000);
    Characters_Map::Instance().Clear();

    EXPECT_TRUE(media.InitVideo(false, false, true, false));
    GLINT::SDL::Window& window = *media.getWindow();
    EXPECT_TRUE(window.resetDisplay(640, 480, 32));
    Game_Settings::Current_Screen_Width = 640;
    Game_Settings::Current_Screen_Height = 480;
    GLINT::SDL::VideoSurface& screen = *window.getDisplay();

    BattleField field(Game_Settings::BF_Map);
    auto skeletons = std::make_unique<Skeletons>(field);
    // Two free spots three lattice steps apart, within sight of each other, away from the field's edges.
    int ax = -1, ay = -1;
    for (int y = 800; y < BF_Height - 200 && ax < 0; y += 32)
        for (int x = 640; x < BF_Width - 300 && ax < 0; x += 32)
            if (field.Check_Cutting_Allow_Monster(x, y, Undead_ID) && skeletons->Free_At(x, y) &&
                skeletons->Free_At(x + 96, y))
                ax = x, ay = y;
    if (ax < 0) {
        ADD_FAILURE() << "no room for two skeletons";
        return out;
    }
    Scene_Skeleton* a = skeletons->Add(ax, ay);
    Scene_Skeleton* b = skeletons->Add(ax + 96, ay);
    std::vector<Character_Factory_Base*> factories{skeletons.get()};

    {
        Render_Engine engine(&field);
        engine.Set_Factories(&factories);
        engine.Set_Camera_Focus(ax + 48, ay);
        const int lifeA = a->Infos().CH_Characteristics->Life, lifeB = b->Infos().CH_Characteristics->Life;
        std::ostringstream trace;
        for (int frame = 0; frame < 4000; ++frame) {
            Game_Clock::Advance(16);
            engine.prerender(16);
            engine.render(screen);
            engine.postrender();
            out.frames = frame + 1;
            for (Scene_Skeleton* s : {a, b}) {
                const CH_Base_All_Infos& i = s->Infos();
                trace << i.X << ',' << i.Y << ',' << i.CH_Characteristics->Life << ',' << i.Life_State << ';';
            }
            trace << '\n';
            if (shot && (a->Infos().Hit_State != 0 || b->Infos().Hit_State != 0))
                SDL_SaveBMP(screen.get_SDL(), shot), shot = nullptr;
            if (a->Infos().Life_State == -2 || b->Infos().Life_State == -2)
                break;
        }
        out.trace = trace.str();
        out.dead = (a->Infos().Life_State == -2) + (b->Infos().Life_State == -2);
        out.moved = (a->Infos().X != ax || a->Infos().Y != ay) + (b->Infos().X != ax + 96 || b->Infos().Y != ay);
        out.hits = (a->Infos().CH_Characteristics->Life < lifeA) + (b->Infos().CH_Characteristics->Life < lifeB);
    }
    skeletons.reset();
    EXPECT_TRUE(Characters_Map::Instance().Empty());
    Game_Clock::Use_Real_Time();
    Game_Settings::Reset();
    return out;
}

TEST(Scene_Test, TwoEnemiesPathFightAndOneDiesTheSameWayForTheSameSeed) {
    const char* shot = std::getenv("VARNHOLT_SCENE_SHOT");
    const Outcome first = Play(2024, shot && *shot ? shot : nullptr);
    EXPECT_EQ(first.dead, 1) << "after " << first.frames << " frames";
    EXPECT_GE(first.moved, 1) << "nobody walked toward the other";
    EXPECT_GE(first.hits, 1);
    EXPECT_LT(first.frames, 4000);

    const Outcome again = Play(2024);
    EXPECT_EQ(again.frames, first.frames);
    EXPECT_TRUE(again.trace == first.trace) << "the same seed played differently";
}

} // namespace
