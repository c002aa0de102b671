#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "ai/Character_Factory_Base.hpp"
#include "characters/Animation_Set.hpp"
#include "characters/CH_Base_All_Infos.hpp"
#include "characters/Character_Base.hpp"
#include "characters/Characteristics.hpp"
#include "characters/Point_List.hpp"
#include "shell/Error_Chain.hpp"

class Actionables_Manager;
class Monster_Skeleton;
class Monster_Worm;
class NPC_Merchant;
class NPC_OHS_Guard;

// Owns every character of one kind T: the kind's template read once from its
// description file, the sheets they all play, the characters themselves.
// The monster and NPC factories build on it; on its own it creates nothing.
template <class T>
class Character_Factory : public Character_Factory_Base {
public:
    // The kind's description file, one per kind.
    static const char* const Description_File;

    Character_Factory() : Template(std::make_unique<CH_Base_All_Infos>()) {}
    ~Character_Factory() override {
        for (Character_Base* character : Characters)
            delete character;
        Characters.clear();
    }

    std::vector<Character_Base*>& Create_Characters(BattleField&, std::vector<Character_Base*>&,
                                                    Actionables_Manager*) override {
        return Characters;
    }

    void Characters_Behavior(BattleField& battlefield) override {
        Chain_Errors("From Character_Factory::Characters_Behavior(), ",
                     "Unhandled Error In Character_Factory::Characters_Behavior()", [&] {
                         for (Character_Base* character : Characters) {
                             character->Infos().CH_Characteristics->Calculate_Real_Endurance();
                             character->Behavior(battlefield);
                         }
                     });
    }

    void Show(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) override {
        Chain_Errors("From Character_Factory::Show(), ", "Unhandled Error In Character_Factory::Show()", [&] {
            for (Character_Base* character : Characters)
                character->Show(camera, target);
        });
    }

    std::vector<Character_Base*>& Generate_New_Monster(BattleField&, std::vector<Character_Base*>&,
                                                       Actionables_Manager*) override {
        return Characters;
    }

    const std::vector<Character_Base*>& Get_Characters() const override { return Characters; }

    // Takes ownership of a character set up elsewhere.
    void Adopt(T* character) { Characters.push_back(character); }

protected:
    Point_List Initial_Positions;
    Animation_Set Primary_Sheets;
    Animation_Set Secondary_Sheets;
    std::unique_ptr<CH_Base_All_Infos> Template;
    std::list<Point_List> Patrol_Paths;
    std::vector<Character_Base*> Characters;
};

template <>
const char* const Character_Factory<NPC_Merchant>::Description_File;
template <>
const char* const Character_Factory<NPC_OHS_Guard>::Description_File;
template <>
const char* const Character_Factory<Monster_Skeleton>::Description_File;
template <>
const char* const Character_Factory<Monster_Worm>::Description_File;
