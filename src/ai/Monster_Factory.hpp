#pragma once

#include <cmath>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ai/AI.hpp"
#include "ai/Character_Factory.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/Monster_Counters.hpp"
#include "battlefield/BattleField.hpp"
#include "characters/Character.hpp"
#include "data/XML_Manager.hpp"
#include "media/Logger.hpp"
#include "media/RGBAColor.hpp"
#include "media/RGBSurface.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

// The monsters of one kind: placed at random in their zones, away from the
// hero, at start and from time to time; drawn with their life bars; removed
// and counted when their death is over.
template <class T>
class Monster_Factory : public Character_Factory<T> {
public:
    static const char* const Life_Bar_File;
    // Spots drawn before a placement gives up for this time.
    static constexpr int Placement_Tries = 1000;

    Monster_Factory() {
        Chain_Errors("Error in Monster_Factory Constructor : ", "Unhandled Error in Monster_Factory Constructor", [&] {
            Initial_Monsters = Game_Settings::INITIAL_MONSTERS;
            Character::Get_CH_Infos_From_Desc_File(Character_Factory<T>::Description_File, *this->Template, this->Initial_Positions,
                                                   this->Patrol_Paths, this->Primary_Sheets, this->Secondary_Sheets);
            Set_Life_Bar_Infos();
        });
    }
    ~Monster_Factory() override { Clean_Monster_Factory(); }

    std::vector<Character_Base*>& Create_Characters(BattleField& battlefield, std::vector<Character_Base*>& characters,
                                                    Actionables_Manager* actionables) override {
        return Chain_Errors("From Monster_Factory::Create_Characters(), ",
                            "Unhandled Error In Monster_Factory::Create_Characters()",
                            [&]() -> std::vector<Character_Base*>& {
                                for (int i = 0; i < Initial_Monsters; ++i)
                                    Add(Create_One_Monster(battlefield, actionables, characters));
                                return this->Characters;
                            });
    }

    std::vector<Character_Base*>& Generate_New_Monster(BattleField& battlefield,
                                                       std::vector<Character_Base*>& characters,
                                                       Actionables_Manager* actionables) override {
        return Chain_Errors("From Monster_Factory::Generate_New_Monster(), ",
                            "Unhandled Error In Monster_Factory::Generate_New_Monster()",
                            [&]() -> std::vector<Character_Base*>& {
                                const unsigned n = static_cast<unsigned>(this->Characters.size());
                                const unsigned most = static_cast<unsigned>(Game_Settings::MAX_MONSTERS_SIMULTANEOUSLY);
                                if (n < most) {
                                    const int r = Game_Random::Draw() % 101;
                                    // An empty factory tries two times in three, an almost full one one in three.
                                    if (r > 100.0 * (most + n) / (3.0 * most))
                                        Add(Create_One_Monster(battlefield, actionables, characters));
                                }
                                return this->Characters;
                            });
    }

    void Show(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) override { Show_Monsters(camera, target); }

    // A new monster at a free spot of its zones, or null when none was found this time.
    T* Create_One_Monster(BattleField& battlefield, Actionables_Manager* actionables,
                          const std::vector<Character_Base*>& characters) {
        return Chain_Errors("From Monster_Factory::Create_One_Monster(), ",
                            "Unhandled Error In Monster_Factory::Create_One_Monster()", [&]() -> T* {
                                int x = 0, y = 0;
                                if (!Find_Spot(battlefield, characters, x, y)) {
                                    GLINT::SDL::GameLog.safeEntry("No free place for a new monster from " +
                                                                  std::string(Character_Factory<T>::Description_File) + " this time");
                                    return nullptr;
                                }
                                this->Template->X = x;
                                this->Template->Y = y;
                                std::unique_ptr<T> monster(new T(*this->Template, Life_Bars.get(), Full_Bar, Current_Bar));
                                monster->Finish_Set_Up(this->Primary_Sheets, this->Secondary_Sheets, &battlefield,
                                                       actionables);
                                return monster.release();
                            });
    }

    // Removes the monsters whose death is over, draws the others and their bars.
    void Show_Monsters(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) {
        Chain_Errors("From Monster_Factory::Show_Monsters(), ", "Unhandled Error In Monster_Factory::Show_Monsters()",
                     [&] {
                         std::vector<Character_Base*>& all = this->Characters;
                         for (std::size_t i = 0; i < all.size();) {
                             T* monster = static_cast<T*>(all[i]);
                             if (monster->Infos().Life_State == -2) {
                                 // Counted first: the bag sees the count that includes this kill.
                                 --Monster_Counters::Alive;
                                 ++Monster_Counters::Killed;
                                 monster->Death();
                                 Characters_Map::Instance().Remove(monster);
                                 delete monster;
                                 all.erase(all.begin() + static_cast<std::ptrdiff_t>(i));
                                 continue;
                             }
                             monster->Show(camera, target);
                             monster->Show_Life_Bar(camera, target);
                             ++i;
                         }
                     });
    }

    void Set_Life_Bar_Infos() {
        Chain_Errors("From Monster_Factory::Set_Life_Bar_Infos(), ", "Unhandled Error in Monster_Factory::Set_Life_Bar_Infos",
                     [&] { Read_Life_Bar_File(Life_Bar_File, Life_Bars, Full_Bar, Current_Bar); });
    }

    // The bars' tileset and strips: the full-length strip on top, the life strip under it.
    static void Read_Life_Bar_File(const std::string& file, std::unique_ptr<GLINT::SDL::RGBSurface>& bars,
                                   GLINT::SDL::Rect& fullBar, GLINT::SDL::Rect& currentBar) {
        XML_Manager::Validate_File(file);
        const std::string image = XML_Manager::Get_Option_String(file, "Tileset_Filename");
        if (XML_Manager::Check_Node_Exists(file, "Tileset_ColorKey")) {
            const Uint8 a = XML_Manager::Check_Node_Exists(file, "TS_CK_A")
                                ? static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TS_CK_A"))
                                : 255;
            const GLINT::SDL::RGBAColor key(static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TS_CK_R")),
                                            static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TS_CK_G")),
                                            static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TS_CK_B")), a);
            bars = std::make_unique<GLINT::SDL::RGBSurface>(key, image);
        } else {
            bars = std::make_unique<GLINT::SDL::RGBSurface>(image);
        }
        // Kept in 8 bits, as the file's format has them.
        const Uint8 width = static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "Bars_Width"));
        const Uint8 height = static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "Bars_Height"));
        fullBar = GLINT::SDL::Rect(0, 0, width, height);
        currentBar = GLINT::SDL::Rect(0, static_cast<Sint16>(height), width, height);
    }

    void Clean_Monster_Factory() {
        try {
            Life_Bars.reset();
        } catch (...) {
            GLINT::SDL::GameLog.safeEntry("Clean_Monster_Factory() Failed !!");
        }
    }

private:
    void Add(T* monster) {
        if (!monster)
            return;
        this->Characters.push_back(monster);
        ++Monster_Counters::Alive;
    }

    // A spot more than L beyond the hero's sprite circle, inside a zone of
    // this kind, where the box is free and nobody stands exactly.
    bool Find_Spot(const BattleField& battlefield, const std::vector<Character_Base*>& characters, int& x, int& y) {
        if (BF_Width <= 0 || BF_Height <= 0)
            return false;
        const Character_Base* player = characters.empty() ? nullptr : characters.front();
        const int px = player ? player->Infos().X : 0, py = player ? player->Infos().Y : 0;
        const int pw = player ? player->Infos().Default_Sprite_Width : 0;
        const int ph = player ? player->Infos().Default_Sprite_Height : 0;
        const double spriteW = BF_Default_Sprite_Width, spriteH = BF_Default_Sprite_Height;
        const int least = static_cast<int>(std::sqrt(spriteW * spriteW + spriteH * spriteH) * 3.5);
        const double heroRadius = std::sqrt(double(pw) * pw + double(ph) * ph) * 0.5;

        T probe;
        probe.Infos().Copy_From(*this->Template);
        for (int tries = 0; tries < Placement_Tries; ++tries) {
            x = Game_Random::Draw() % BF_Width;
            y = Game_Random::Draw() % BF_Height;
            if (player) {
                const double dx = x - pw / 2 - px, dy = y - ph / 2 - py;
                if (static_cast<int>(std::sqrt(dx * dx + dy * dy) - heroRadius) <= least)
                    continue;
            }
            if (!battlefield.Check_Cutting_Allow_Monster(x, y, this->Template->CH_Characteristics->Character_ID))
                continue;
            if (Someone_At(x, y))
                continue;
            CH_Base_All_Infos& p = probe.Infos();
            p.X = x;
            p.Y = y;
            p.Collision_Rect = p.Home_Collision_Rect();
            if (AI::Manage_Collisions_Full(probe, battlefield, false))
                return true;
        }
        return false;
    }

    static bool Someone_At(int x, int y) {
        for (const Characters_Map::Entry& entry : Characters_Map::Instance().Entries())
            if (*entry.X == x && *entry.Y == y)
                return true;
        return false;
    }

    std::unique_ptr<GLINT::SDL::RGBSurface> Life_Bars;
    GLINT::SDL::Rect Full_Bar;
    GLINT::SDL::Rect Current_Bar;
    int Initial_Monsters = 0;
};

template <class T>
const char* const Monster_Factory<T>::Life_Bar_File = "Data/Interface/Character_Life_Bar_TS.xml";
