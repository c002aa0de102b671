#include "characters/Character.hpp"

#include <algorithm>
#include <stdexcept>

#include "ai/AI.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "battlefield/Terrain_Rules.hpp"
#include "characters/Character_Animation.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "data/XML_Manager.hpp"
#include "data/XML_Node_Walker.hpp"
#include "items/Weapon.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Clock.hpp"

using GLINT::SDL::Point;
using GLINT::SDL::Rect;

namespace {

// Keeps an int unchanged when the element's text is empty.
void Take_Int(const XML_Node_Walker& walker, int& field) {
    const std::string text = walker.Text();
    if (!text.empty())
        field = String_To_Int(text);
}

int Optional_Attitude(const std::string& file, const char* key) {
    if (!XML_Manager::Check_Node_Exists(file, key))
        return 0;
    return Attitudes::String_To_Attitude(XML_Manager::Get_Option_String(file, key));
}

} // namespace

Character::~Character() {
    // The centres play this character's sheets: they go before the record.
    CH_Base_All_Infos& infos = *CH_Infos;
    infos.Animation_Center = nullptr;
    infos.Secondary_Animation_Center.reset();
    infos.Primary_Animation_Center.reset();
}

bool Character::Check_BG_Type_Allowed(const std::string& type) {
    return ::Check_BG_Type_Allowed(Character_Kind::Character, type);
}

bool Character::Check_Env_Type_Allowed(const std::string& type) {
    return ::Check_Env_Type_Allowed(Character_Kind::Character, type);
}

Point_List Character::Get_Initial_Positions(const std::string& file) {
    return Chain_Errors("From Character::Get_Initial_Positions(), ",
                        "Unhandled Error In Character::Get_Initial_Positions()", [&] {
                            XML_Node_Walker walker(file);
                            if (!walker.Opened())
                                throw std::logic_error("Error While Reading File " + file);
                            Point_List positions;
                            int x = 0, y = 0;
                            while (walker.Next()) {
                                if (walker.Is_Start("Allowed_Area"))
                                    break;
                                if (walker.Is_Start("Position")) {
                                    x = 0;
                                    y = 0;
                                } else if (walker.Is_Start("Initial_X")) {
                                    Take_Int(walker, x);
                                } else if (walker.Is_Start("Initial_Y")) {
                                    Take_Int(walker, y);
                                }
                                if (walker.Is_End("Position"))
                                    positions.push_back(Point(static_cast<Sint16>(x), static_cast<Sint16>(y)));
                            }
                            return positions;
                        });
}

std::list<Point_List> Character::Get_Paths_To_Follow(const std::string& file) {
    return Chain_Errors("From Character::Get_Paths_To_Follow(), ", "Unhandled Error In Character::Get_Paths_To_Follow()",
                        [&] {
                            XML_Node_Walker walker(file);
                            if (!walker.Opened())
                                throw std::logic_error("Error While Reading File " + file);
                            std::list<Point_List> paths;
                            Point_List current;
                            int x = 0, y = 0;
                            while (walker.Next()) {
                                if (walker.Is_Start("Attitude_Position_List")) {
                                    current.clear();
                                } else if (walker.Is_Start("Attitude_Position_Coord")) {
                                    x = 0;
                                    y = 0;
                                } else if (walker.Is_Start("Attitude_Position_Coord_X")) {
                                    Take_Int(walker, x);
                                } else if (walker.Is_Start("Attitude_Position_Coord_Y")) {
                                    Take_Int(walker, y);
                                }
                                if (walker.Is_End("Attitude_Position_Coord"))
                                    current.push_back(Point(static_cast<Sint16>(x), static_cast<Sint16>(y)));
                                if (walker.Is_End("Attitude_Position_List"))
                                    paths.push_back(current);
                            }
                            return paths;
                        });
}

void Character::Initialize_Animation_Center(const std::string& centreFile, const std::string& folder,
                                            Animation_Set& sheets) {
    Chain_Errors("From Character::Initialize_Animation_Center(), ",
                 "Unhandled Error in Character::Initialize_Animation_Center()", [&] {
                     sheets.Clear();
                     try {
                         XML_Manager::Validate_File(centreFile);
                         XML_Manager::Get_Option_String(centreFile, "Style");
                         XML_Manager::Get_Option_String(centreFile, "Type");
                         sheets.Stop = new Character_Animation(centreFile, "Stop_Animation_Filename", folder);
                         auto optional = [&](const char* key, Character_Animation* fallback) {
                             if (!XML_Manager::Check_Node_Exists(centreFile, key))
                                 return fallback;
                             return new Character_Animation(centreFile, key, folder);
                         };
                         sheets.Walk = optional("Walk_Animation_Filename", sheets.Stop);
                         sheets.Run = optional("Run_Animation_Filename", sheets.Stop);
                         sheets.Attack = optional("Attack_Animation_Filename", sheets.Stop);
                         sheets.Hit = optional("Hit_Animation_Filename", sheets.Stop);
                         sheets.Pause = optional("Pause_Animation_Filename", nullptr);
                         sheets.Death = optional("Death_Animation_Filename", nullptr);
                     } catch (...) {
                         sheets.Clear();
                         throw;
                     }
                 });
}

void Character::Get_CH_Infos_From_Desc_File(const std::string& file, CH_Base_All_Infos& infos, Point_List& positions,
                                            std::list<Point_List>& paths, Animation_Set& primary,
                                            Animation_Set& secondary) {
    Name_File(file, [&] { Read_Desc_File(file, infos, positions, paths, primary, secondary); });
}

void Character::Read_Desc_File(const std::string& file, CH_Base_All_Infos& infos, Point_List& positions,
                               std::list<Point_List>& paths, Animation_Set& primary, Animation_Set& secondary) {
    XML_Manager::Validate_File(file);
    if (XML_Manager::Check_Node_Exists(file, "Coords"))
        positions = Get_Initial_Positions(file);

    const std::string folder = XML_Manager::Get_Option_String(file, "Data_Root_Directory");
    infos.Default_Sprite_Width = XML_Manager::Get_Option_Value(file, "Default_Sprite_Width");
    infos.Default_Sprite_Height = XML_Manager::Get_Option_Value(file, "Default_Sprite_Height");
    Read_Area_And_Box(file, infos);

    const int type = String_To_Character_Type(XML_Manager::Get_Option_String(file, "Character_Type"));
    const int id = String_To_Character_ID(XML_Manager::Get_Option_String(file, "Character_ID"));
    const int velocity = XML_Manager::Get_Option_Value(file, "Velocity");
    const int runVelocity =
        XML_Manager::Check_Node_Exists(file, "Run_Velocity") ? XML_Manager::Get_Option_Value(file, "Run_Velocity") : 0;
    if (velocity < 0 || runVelocity < 0)
        Refuse(file, "Negative Velocity");
    const int life = XML_Manager::Get_Option_Value(file, "Life");
    const int endurance =
        XML_Manager::Check_Node_Exists(file, "Endurance") ? XML_Manager::Get_Option_Value(file, "Endurance") : 0;
    const int armor = XML_Manager::Get_Option_Value(file, "Armor");
    const int damage = XML_Manager::Get_Option_Value(file, "Damage");
    const int reach = std::max(((infos.CB_Width / 8) + (infos.CB_Height / 8)) / 2, velocity);
    infos.CH_Characteristics->Set_Initials(velocity, runVelocity, life, endurance, armor, damage, reach, type, id,
                                           false);

    Initialize_Animation_Center(
        folder + XML_Manager::Get_Option_String(file, "Primary_Attack_Animation_Center_Filename"), folder, primary);
    infos.Primary_Attack_Style =
        Weapon::Str2Weapon_Type(XML_Manager::Get_Option_String(file, "Primary_Attack_Style"));
    if (XML_Manager::Check_Node_Exists(file, "Secondary_Style")) {
        const std::string secondaryType = XML_Manager::Get_Option_String(file, "Secondary_Attack_Type");
        if (secondaryType == "Multiple")
            throw std::logic_error("sSecondary_Attack_Type == Multiple, and a CH other than Player");
        infos.Secondary_Attack_Style = Weapon::Str2Weapon_Type(secondaryType);
        Initialize_Animation_Center(
            folder + XML_Manager::Get_Option_String(file, "Secondary_Attack_Animation_Center_Filename"), folder,
            secondary);
    }
    infos.Attack_Type = infos.Primary_Attack_Style;

    const int whenAttacked = Optional_Attitude(file, "Attitude_When_Attacked");
    const int vsMonsters = Optional_Attitude(file, "Attitude_Vs_MB");
    const int vsPlayer = Optional_Attitude(file, "Attitude_Vs_PB");
    const int defaultAttitude = Attitudes::String_To_Attitude(XML_Manager::Get_Option_String(file, "Default_Attitude"));
    // The AI answers an attack by this attitude: without one the character could not be hit.
    if (whenAttacked != Attitudes::Aggressive && whenAttacked != Attitudes::Coward)
        Refuse(file, "Attitude_When_Attacked Must Be Aggressive Or Coward");
    infos.CH_Attitudes->Set_Initials(defaultAttitude, vsPlayer, vsMonsters, whenAttacked);

    paths.clear();
    if (defaultAttitude == Attitudes::Guard)
        paths = Get_Paths_To_Follow(file);
}

void Character::Set_Character_Base_Infos(const CH_Base_All_Infos& templateInfos) {
    Chain_Errors("From Character::Set_Character_Base_Infos(), ",
                 "Unhandled Error In Character::Set_Character_Base_Infos()", [&] {
                     CH_Base_All_Infos& infos = *CH_Infos;
                     infos.Copy_From(templateInfos);
                     infos.Collision_Rect = infos.Home_Collision_Rect();
                     Enter_Characters_Map();
                 });
}

void Character::Finish_Set_Up(const Animation_Set& primary, const Animation_Set& secondary, BattleField* battlefield,
                              Actionables_Manager* actionables) {
    CH_Base_All_Infos& infos = *CH_Infos;
    infos.Animation_Center = nullptr;
    infos.Primary_Animation_Center = std::make_unique<Character_Animations_Center>(this, battlefield, primary);
    if (infos.Secondary_Attack_Style != -1 && infos.Secondary_Attack_Style != infos.Primary_Attack_Style &&
        !secondary.Empty())
        infos.Secondary_Animation_Center = std::make_unique<Character_Animations_Center>(this, battlefield, secondary);
    infos.Animation_Center = infos.Primary_Animation_Center.get();
    infos.Animation_Center->Set_Last_Step(Game_Clock::Now());
    infos.Actionables = actionables;
}
