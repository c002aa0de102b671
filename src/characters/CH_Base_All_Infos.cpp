#include "characters/CH_Base_All_Infos.hpp"

#include "battlefield/BattleField.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "items/Inventory.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Random.hpp"

CH_Base_All_Infos::CH_Base_All_Infos() {
    Chain_Errors("Error In Character_Base::CH_Base_All_Infos Constructor: ",
                 "Unhandled Error In Character_Base::CH_Base_All_Infos Constructor", [&] {
                     CH_Characteristics = std::make_unique<Characteristics>();
                     CH_Attitudes = std::make_unique<Attitudes>();
                     CH_Inventory = std::make_unique<Inventory>();
                     Direction = Random_Between(0, 7);
                     Allowed_Area = GLINT::SDL::Rect(0, 0, static_cast<Uint16>(BF_Width > 0 ? BF_Width : 0),
                                                     static_cast<Uint16>(BF_Height > 0 ? BF_Height : 0));
                     Sight_Radius = 4 * (BF_Default_Sprite_Width + BF_Default_Sprite_Height);
                 });
}

CH_Base_All_Infos::~CH_Base_All_Infos() { Clean_CH_Base_All_Infos(); }

void CH_Base_All_Infos::Clean_CH_Base_All_Infos() {
    try {
        CH_Inventory.reset();
        CH_Characteristics.reset();
        CH_Attitudes.reset();
        Secondary_Animation_Center.reset();
        Primary_Animation_Center.reset();
        Animation_Center = nullptr;
    } catch (...) {
        GLINT::SDL::GameLog.safeEntry(" CH_Base_All_Infos::Clean_CH_Base_All_Infos() Failed !!");
    }
}

void CH_Base_All_Infos::Copy_From(const CH_Base_All_Infos& other) {
    X = other.X;
    Y = other.Y;
    Default_Sprite_Width = other.Default_Sprite_Width;
    Default_Sprite_Height = other.Default_Sprite_Height;
    *CH_Characteristics = *other.CH_Characteristics;
    *CH_Attitudes = *other.CH_Attitudes;
    Direction = other.Direction;
    Allowed_Area = other.Allowed_Area;
    Collision_Rect = other.Collision_Rect;
    Path = other.Path;
    Sight_Radius = other.Sight_Radius;
    Attack_Rect = other.Attack_Rect;
    Attack_Result = other.Attack_Result;
    Attack_Point_X = other.Attack_Point_X;
    Attack_Point_Y = other.Attack_Point_Y;
    Attack_Direction = other.Attack_Direction;
    Source_Rect = other.Source_Rect;
    Current_Sheet = other.Current_Sheet;
    Attack_Type = other.Attack_Type;
    Primary_Attack_Style = other.Primary_Attack_Style;
    Secondary_Attack_Style = other.Secondary_Attack_Style;
    X_Modifier = other.X_Modifier;
    Y_Modifier = other.Y_Modifier;
    CB_Width = other.CB_Width;
    CB_Height = other.CB_Height;
    Anim_State = other.Anim_State;
    Life_State = other.Life_State;
    Killed_By_Player = other.Killed_By_Player;
    Attack_State = other.Attack_State;
    Hit_State = other.Hit_State;
    CH_Inventory->Copy_Contents(*other.CH_Inventory);
    Actionables = other.Actionables;
}

GLINT::SDL::Rect CH_Base_All_Infos::Home_Collision_Rect() const {
    return GLINT::SDL::Rect(static_cast<Sint16>(X + X_Modifier), static_cast<Sint16>(Y + Y_Modifier),
                            static_cast<Uint16>(CB_Width), static_cast<Uint16>(CB_Height));
}

GLINT::SDL::Point CH_Base_All_Infos::Box_Centre() const {
    return GLINT::SDL::Point(static_cast<Sint16>(X + X_Modifier + CB_Width / 2),
                             static_cast<Sint16>(Y + Y_Modifier + CB_Height / 2));
}
