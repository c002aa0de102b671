// The numbers a player meets, from the shipped files through the game's own
// combat: blows to kill each monster with each weapon, whether a blow reaches a
// monster close enough to strike back, how long the hero lasts against one
// monster while he stands still, and how long he may walk between its blows.
// The figures printed are the README's table.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "ai/Character_Factory.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "characters/Monster_Skeleton.hpp"
#include "characters/Monster_Worm.hpp"
#include "characters/Player_Test_Support.hpp"
#include "items/Apprentice_Bow.hpp"
#include "items/Apprentice_Sword.hpp"
#include "items/Flying.hpp"
#include "items/Healing_Potion.hpp"
#include "items/Inventory.hpp"
#include "items/Normal_Arrow.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"

using GLINT::SDL::Rect;

namespace {

// Monsters of one kind, as the shipped files make them, where the test puts them.
template <class T>
class Placed_Monsters : public Character_Factory<T> {
public:
    Placed_Monsters() {
        Character::Get_CH_Infos_From_Desc_File(Character_Factory<T>::Description_File, *this->Template,
                                               this->Initial_Positions, this->Patrol_Paths, this->Primary_Sheets,
                                               this->Secondary_Sheets);
    }
    T& Add(BattleField& field, int x, int y) {
        this->Template->X = x;
        this->Template->Y = y;
        auto* monster = new T(*this->Template, nullptr, Rect(), Rect());
        monster->Finish_Set_Up(this->Primary_Sheets, this->Secondary_Sheets, &field, nullptr);
        this->Adopt(monster);
        return *monster;
    }
};

struct Blows {
    int fewest = 0, most = 0;
    std::string Text() const {
        return most == fewest ? std::to_string(most) : std::to_string(fewest) + "\u2013" + std::to_string(most);
    }
};

struct Figures {
    int life = 0, armor = 0, damage = 0; // the monster's
    Blows fists, sword, arrows;
    int monster_blows = 0; // to kill the hero
    double seconds_to_die = 0, least_free = 0;
};

class Balance_Test : public player_test::Shipped_Hero {
protected:
    void SetUp() override {
        Shipped_Hero::SetUp();
        Game_Random::Seed(7);
        shipped::In_Game_Dir here;
        Inventory& pack = *hero->Infos().CH_Inventory;
        pack.Add(new Apprentice_Sword());
        pack.Add(new Apprentice_Bow());
        pack.Add(new Healing_Potion());
        arrow_bonus = Normal_Arrow().Get_Additional_Damage();
    }

    enum Weapon_In_Hand { Fists, Sword, Bow };
    void Hold(Weapon_In_Hand weapon) {
        Inventory& pack = *hero->Infos().CH_Inventory;
        if (weapon == Fists)
            hero->Hide_Weapon();
        else
            hero->Interpret_DrawnWeapon(weapon == Sword ? pack.Draw_Melee_Weapon() : pack.Draw_Distant_Weapon());
    }

    // The monster's box beside the hero's, on the side (dx, dy) points to, gap pixels away.
    static void Put_Beside(Character_Base& hero, Character_Base& monster, int dx, int dy, int gap) {
        const Rect h = hero.Infos().Collision_Rect;
        CH_Base_All_Infos& m = monster.Infos();
        const int x = dx > 0 ? h.getx() + h.getw() + gap
                             : dx < 0 ? h.getx() - m.CB_Width - gap : h.getx() + (h.getw() - m.CB_Width) / 2;
        const int y = dy > 0 ? h.gety() + h.geth() + gap
                             : dy < 0 ? h.gety() - m.CB_Height - gap : h.gety() + (h.geth() - m.CB_Height) / 2;
        m.X = x - m.X_Modifier;
        m.Y = y - m.Y_Modifier;
        m.Collision_Rect = m.Home_Collision_Rect();
    }

    // Where the attacker's next blow facing that way would strike.
    static Rect Strike_Zone(Character_Base& attacker, int direction) {
        attacker.Infos().Direction = direction;
        attacker.Attack_SetValues();
        attacker.Attack_Reset();
        return attacker.Infos().Attack_Rect;
    }

    // Landed blows until the monster dies, each of the given damage.
    int Blows_To_Kill(Character_Base& monster, const Rect& strike, int damage) {
        Characteristics& life = *monster.Infos().CH_Characteristics;
        life.Life = life.Max_Life;
        monster.Infos().Life_State = 1;
        int blows = 0;
        while (monster.Infos().Life_State == 1 && blows < 1000)
            if (hero->Attack_Check_Status(strike, damage) != 0)
                ++blows;
        return blows;
    }

public:
    template <class T>
    Figures Measure() {
        Figures out;
        std::unique_ptr<Placed_Monsters<T>> kinds;
        T* monster = nullptr;
        {
            shipped::In_Game_Dir here;
            kinds = std::make_unique<Placed_Monsters<T>>();
            monster = &kinds->Add(*field, 900, 300);
        }
        Placed_Monsters<T>& kind = *kinds;
        using S = Game_Settings;
        const struct {
            int code, dx, dy;
        } facings[] = {{S::CH_RIGHT, 1, 0}, {S::CH_RIGHT_DOWN, 1, 1}, {S::CH_DOWN, 0, 1},   {S::CH_LEFT_DOWN, -1, 1},
                       {S::CH_LEFT, -1, 0}, {S::CH_LEFT_UP, -1, -1}, {S::CH_UP, 0, -1}, {S::CH_RIGHT_UP, 1, -1}};
        const Characteristics& hand = *hero->Infos().CH_Characteristics;

        for (Weapon_In_Hand weapon : {Fists, Sword, Bow}) {
            Hold(weapon);
            Blows& blows = weapon == Fists ? out.fists : weapon == Sword ? out.sword : out.arrows;
            Put_Beside(*hero, *monster, 1, 0, 0);
            if (weapon == Bow) {
                // An arrow at close range: a lattice step away.
                const int range = hero->Infos().CH_Inventory->Get_Drawn_Range();
                const Rect box = monster->Infos().Collision_Rect;
                auto arrow = [&](int drawn) { return Flying::Damage_At(drawn + arrow_bonus, 32, range); };
                blows.fewest = Blows_To_Kill(*monster, box, arrow(hand.Damage_Max));
                blows.most = Blows_To_Kill(*monster, box, arrow(hand.Damage_Min));
                continue;
            }
            const Rect strike = Strike_Zone(*hero, S::CH_RIGHT);
            blows.fewest = Blows_To_Kill(*monster, strike, hand.Damage_Max);
            blows.most = Blows_To_Kill(*monster, strike, hand.Damage_Min);

            // Touching, or anywhere the monster's own blow reaches him from, the hero's blow lands.
            for (const auto& f : facings)
                for (int gap = 0; gap < 64; ++gap) {
                    Put_Beside(*hero, *monster, f.dx, f.dy, gap);
                    const int back = facings[(&f - facings + 4) % 8].code;
                    const bool struck = Check_Rects_Overlap(Strike_Zone(*monster, back), hero->Infos().Collision_Rect);
                    if (gap > 0 && !struck)
                        break;
                    if (!Check_Rects_Overlap(Strike_Zone(*hero, f.code), monster->Infos().Collision_Rect))
                        ADD_FAILURE() << "the hero's blow falls short: weapon " << weapon << ", facing " << f.code
                                      << ", gap " << gap;
                }
        }
        Hold(Fists);
        Characteristics& monster_life = *monster->Infos().CH_Characteristics;
        monster_life.Life = monster_life.Max_Life;
        out.life = monster_life.Max_Life;
        out.armor = monster_life.Armor;
        out.damage = monster_life.Damage_Max;
        monster->Infos().Life_State = 1;
        monster->Infos().Hit_State = 0;
        monster->Infos().CH_Attitudes->Opponent = nullptr;

        // The hero stands still beside the monster and never strikes back, 60 frames a second.
        Put_Beside(*hero, *monster, 1, 0, 0);
        Characteristics& life = *hero->Infos().CH_Characteristics;
        life.Life = life.Max_Life;
        hero->Infos().Life_State = 1;
        hero->Infos().Hit_State = 0;
        hero->Infos().Animation_Center->Stop_Animation_Play();
        const Uint32 start = Game_Clock::Now();
        Uint32 free_since = 0;
        bool first = true;
        out.least_free = 1e9;
        for (int frame = 1; frame < 60 * 300 && hero->Infos().Life_State == 1; ++frame) {
            Game_Clock::Set(start + static_cast<Uint32>(frame * 1000 / 60));
            const int before = life.Life;
            hero->Behavior(*field);
            kind.Characters_Behavior(*field);
            const Uint32 now = Game_Clock::Now();
            if (life.Life < before) {
                ++out.monster_blows;
                out.seconds_to_die = (now - start) / 1000.0;
                if (!first)
                    out.least_free = std::min(out.least_free, free_since ? (now - free_since) / 1000.0 : 0.0);
                first = false;
                free_since = 0;
            } else if (!first && !free_since && hero->Can_Act()) {
                free_since = now;
            }
        }
        EXPECT_NE(hero->Infos().Life_State, 1) << "the monster never killed the hero";
        return out;
    }

    int arrow_bonus = 0;
};

TEST_F(Balance_Test, FairNumbersAgainstEachMonsterWithEachWeapon) {
    struct Row {
        const char* kind;
        std::function<Figures(Balance_Test&)> measure;
        int fists, sword;              // most blows to kill
        int fewest_arrows, most_arrows; // 0: no bound
        double seconds_to_die;          // standing still
    } rows[] = {
        {"skeleton", [](Balance_Test& t) { return t.Measure<Monster_Skeleton>(); }, 15, 5, 2, 4, 30},
        {"worm", [](Balance_Test& t) { return t.Measure<Monster_Worm>(); }, 8, 3, 0, 0, 40},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        const Figures f = row.measure(*this);
        std::printf("| %s | %d, %d, %d | %s | %s | %s | %d blows, %.1f s | %.2f s |\n", row.kind, f.life, f.armor,
                    f.damage, f.fists.Text().c_str(), f.sword.Text().c_str(), f.arrows.Text().c_str(), f.monster_blows,
                    f.seconds_to_die, f.least_free);
        EXPECT_LE(f.fists.most, row.fists);
        EXPECT_LE(f.sword.most, row.sword);
        if (row.most_arrows) {
            EXPECT_GE(f.arrows.fewest, row.fewest_arrows);
            EXPECT_LE(f.arrows.most, row.most_arrows);
        }
        EXPECT_GE(f.seconds_to_die, row.seconds_to_die);
        EXPECT_GE(f.least_free, 0.5) << "hit-locked";
    }

    // A potion gives back at least 40 % of his life.
    Characteristics& life = *hero->Infos().CH_Characteristics;
    life.Life = 1;
    ASSERT_TRUE(hero->Infos().CH_Inventory->Use_Healing_Potion());
    std::printf("Potion: %d of %d life\n", life.Life - 1, life.Max_Life);
    EXPECT_GE((life.Life - 1) * 10, life.Max_Life * 4);
}

} // namespace
