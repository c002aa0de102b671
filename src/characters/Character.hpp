#pragma once

#include <list>
#include <string>

#include "characters/Animation_Set.hpp"
#include "characters/Character_Base.hpp"
#include "characters/Point_List.hpp"

class Actionables_Manager;

// A character described by a kind's description file: NPCs and monsters.
// The loaders read a kind once into a template record; every character of
// the kind is then set up as a copy of it.
class Character : public Character_Base {
public:
    Character() = default;
    ~Character() override;

    // Every ground allowed; scenery by the common rule.
    bool Check_BG_Type_Allowed(const std::string& type) override;
    bool Check_Env_Type_Allowed(const std::string& type) override;

    // Reads a kind's description file. positions is filled when the file
    // has "Coords"; paths when the default attitude is Guard.
    static void Get_CH_Infos_From_Desc_File(const std::string& file, CH_Base_All_Infos& templateInfos,
                                            Point_List& positions, std::list<Point_List>& paths,
                                            Animation_Set& primary, Animation_Set& secondary);
    static Point_List Get_Initial_Positions(const std::string& file);
    static std::list<Point_List> Get_Paths_To_Follow(const std::string& file);
    static void Initialize_Animation_Center(const std::string& centreFile, const std::string& folder,
                                            Animation_Set& sheets);

    // Copies the template into this character and registers it in Characters_Map.
    void Set_Character_Base_Infos(const CH_Base_All_Infos& templateInfos);
    // Gives the character animation centres of its own over the kind's
    // sheets, makes the primary one current, and hands it the actionables manager.
    void Finish_Set_Up(const Animation_Set& primary, const Animation_Set& secondary, BattleField* battlefield,
                       Actionables_Manager* actionables);

private:
    // Get_CH_Infos_From_Desc_File without the file's name added to its errors.
    static void Read_Desc_File(const std::string& file, CH_Base_All_Infos& templateInfos, Point_List& positions,
                               std::list<Point_List>& paths, Animation_Set& primary, Animation_Set& secondary);
};
