#pragma once

#include <memory>

#include <SDL/SDL_types.h>

#include "characters/Attitudes.hpp"
#include "characters/Characteristics.hpp"
#include "characters/Point_List.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

class Actionables_Manager;
class Character_Animations_Center;
class Inventory;

// The one record of a character's description and state: where it is, how it
// collides, what it is drawing and doing. A kind's description file fills a
// template record once; every character of that kind starts as a copy.
class CH_Base_All_Infos {
public:
    CH_Base_All_Infos();
    CH_Base_All_Infos(const CH_Base_All_Infos&) = delete;
    CH_Base_All_Infos& operator=(const CH_Base_All_Infos&) = delete;
    virtual ~CH_Base_All_Infos();

    // Copies every member of other. The characteristics, attitudes and the
    // inventory's contents are copied into this record's own objects;
    // animation centres are not shared: this record's stay as they were.
    void Copy_From(const CH_Base_All_Infos& other);

    void Clean_CH_Base_All_Infos();

    // Collision box at the current position: (X + X_Modifier, Y + Y_Modifier, CB_Width, CB_Height).
    GLINT::SDL::Rect Home_Collision_Rect() const;
    // The centre of Home_Collision_Rect, halves truncated.
    GLINT::SDL::Point Box_Centre() const;

    int X = 0;
    int Y = 0;
    int Default_Sprite_Width = 0;
    int Default_Sprite_Height = 0;
    std::unique_ptr<Characteristics> CH_Characteristics;
    std::unique_ptr<Attitudes> CH_Attitudes;
    int Direction = 0;
    GLINT::SDL::Rect Allowed_Area;
    GLINT::SDL::Rect Collision_Rect;
    Point_List Path;
    int Sight_Radius = 0;
    GLINT::SDL::Rect Attack_Rect;
    int Attack_Result = 0;
    int Attack_Point_X = -1;
    int Attack_Point_Y = -1;
    int Attack_Direction = -1;
    GLINT::SDL::Rect Source_Rect;
    // Not owned: a sheet of one of the character's animations.
    GLINT::SDL::RGBSurface* Current_Sheet = nullptr;
    // The active set, primary or secondary; not owned.
    Character_Animations_Center* Animation_Center = nullptr;
    int Attack_Type = 0;
    std::unique_ptr<Character_Animations_Center> Primary_Animation_Center;
    int Primary_Attack_Style = 0;
    std::unique_ptr<Character_Animations_Center> Secondary_Animation_Center;
    int Secondary_Attack_Style = -1;
    // The collision box relative to X, Y.
    int X_Modifier = 0;
    int Y_Modifier = 0;
    int CB_Width = 0;
    int CB_Height = 0;
    Sint16 Anim_State = -1;
    Sint16 Life_State = 1;
    Sint16 Killed_By_Player = -1;
    Sint16 Attack_State = 0;
    Sint16 Hit_State = 0;
    std::unique_ptr<Inventory> CH_Inventory;
    // Where the bag is dropped at death; not owned.
    Actionables_Manager* Actionables = nullptr;
};
