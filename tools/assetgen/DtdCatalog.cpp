#include "DtdCatalog.hpp"

namespace {
const char* kBattlefield = R"(<!-- Battlefield description: size, mapping file, default ground and the two map layers -->
<!ELEMENT Battlefield (BF_Width, BF_Height, BF_Default_Sprite_Width, BF_Default_Sprite_Height,
                       Mapping_File, BF_Default_BG_Id, Background, Environment)>
<!ELEMENT BF_Width (#PCDATA)>
<!ELEMENT BF_Height (#PCDATA)>
<!ELEMENT BF_Default_Sprite_Width (#PCDATA)>
<!ELEMENT BF_Default_Sprite_Height (#PCDATA)>
<!ELEMENT Mapping_File (#PCDATA)>
<!ELEMENT BF_Default_BG_Id (#PCDATA)>
<!ELEMENT Background (Background_Sprite*)>
<!ELEMENT Background_Sprite (Background_Sprite_X, Background_Sprite_Y, Background_Sprite_Id,
                             Background_Sprite_SubType, Background_Sprite_Orientation)>
<!ELEMENT Background_Sprite_X (#PCDATA)>
<!ELEMENT Background_Sprite_Y (#PCDATA)>
<!ELEMENT Background_Sprite_Id (#PCDATA)>
<!ELEMENT Background_Sprite_SubType (#PCDATA)>
<!ELEMENT Background_Sprite_Orientation (#PCDATA)>
<!ELEMENT Environment (Environment_Sprite*)>
<!ELEMENT Environment_Sprite (Environment_Sprite_X, Environment_Sprite_Y, Environment_Sprite_Id,
                              Environment_Sprite_SubType, Environment_Sprite_Orientation)>
<!ELEMENT Environment_Sprite_X (#PCDATA)>
<!ELEMENT Environment_Sprite_Y (#PCDATA)>
<!ELEMENT Environment_Sprite_Id (#PCDATA)>
<!ELEMENT Environment_Sprite_SubType (#PCDATA)>
<!ELEMENT Environment_Sprite_Orientation (#PCDATA)>
)";

const char* kMapping = R"(<!-- Sprite mapping: binds each sprite id of the map to a sprite description file -->
<!ELEMENT BF_Mapping (BF_BG_Sprite_Mapping, BF_Env_Sprite_Mapping)>
<!ELEMENT BF_BG_Sprite_Mapping (BF_BG_Sprite_Mapping_File_Default_Folder, BF_BG_Sprite_Mapping_El*)>
<!ELEMENT BF_BG_Sprite_Mapping_File_Default_Folder (#PCDATA)>
<!ELEMENT BF_BG_Sprite_Mapping_El (BF_BG_Sprite_Mapping_Id, BF_BG_Sprite_Mapping_File)>
<!ELEMENT BF_BG_Sprite_Mapping_Id (#PCDATA)>
<!ELEMENT BF_BG_Sprite_Mapping_File (#PCDATA)>
<!ELEMENT BF_Env_Sprite_Mapping (BF_Env_Sprite_Mapping_File_Default_Folder, BF_Env_Sprite_Mapping_El*)>
<!ELEMENT BF_Env_Sprite_Mapping_File_Default_Folder (#PCDATA)>
<!ELEMENT BF_Env_Sprite_Mapping_El (BF_Env_Sprite_Mapping_Id, BF_Env_Sprite_Mapping_File)>
<!ELEMENT BF_Env_Sprite_Mapping_Id (#PCDATA)>
<!ELEMENT BF_Env_Sprite_Mapping_File (#PCDATA)>
)";

const char* kSprite = R"(<!-- One kind of battlefield tile or scenery object -->
<!ELEMENT BF_Sprite (Type, Display_Width, Display_Height, Tileset_File, TS_ColorKey_RGB?,
                     CollisionBox_Dimensions?)>
<!ELEMENT Type (#PCDATA)>
<!ELEMENT Display_Width (#PCDATA)>
<!ELEMENT Display_Height (#PCDATA)>
<!ELEMENT Tileset_File (#PCDATA)>
<!ELEMENT TS_ColorKey_RGB (ColorKey_R, ColorKey_G, ColorKey_B)>
<!ELEMENT ColorKey_R (#PCDATA)>
<!ELEMENT ColorKey_G (#PCDATA)>
<!ELEMENT ColorKey_B (#PCDATA)>
<!ELEMENT CollisionBox_Dimensions (X_Modifier, Y_Modifier, CB_Width, CB_Height)>
<!ELEMENT X_Modifier (#PCDATA)>
<!ELEMENT Y_Modifier (#PCDATA)>
<!ELEMENT CB_Width (#PCDATA)>
<!ELEMENT CB_Height (#PCDATA)>
)";

const char* kAnimation = R"(<!-- One animation sheet: a row per direction, a column per frame -->
<!ELEMENT Animation (Animation_TS_Filename, TS_ColorKey_RGB?, Frames, KeyFrame?, Frames_Interval?,
                     Width, Height, Coordinates_n_CB_Modifier?)>
<!ELEMENT Animation_TS_Filename (#PCDATA)>
<!ELEMENT TS_ColorKey_RGB (ColorKey_R, ColorKey_G, ColorKey_B)>
<!ELEMENT ColorKey_R (#PCDATA)>
<!ELEMENT ColorKey_G (#PCDATA)>
<!ELEMENT ColorKey_B (#PCDATA)>
<!ELEMENT Frames (#PCDATA)>
<!ELEMENT KeyFrame (#PCDATA)>
<!ELEMENT Frames_Interval (#PCDATA)>
<!ELEMENT Width (#PCDATA)>
<!ELEMENT Height (#PCDATA)>
<!ELEMENT Coordinates_n_CB_Modifier (X_Modifier?, Y_Modifier?, CB_X_Modifier?, CB_Y_Modifier?,
                                     CB_W_Modifier?, CB_H_Modifier?)>
<!ELEMENT X_Modifier (#PCDATA)>
<!ELEMENT Y_Modifier (#PCDATA)>
<!ELEMENT CB_X_Modifier (#PCDATA)>
<!ELEMENT CB_Y_Modifier (#PCDATA)>
<!ELEMENT CB_W_Modifier (#PCDATA)>
<!ELEMENT CB_H_Modifier (#PCDATA)>
)";

const char* kAnimationCenter = R"(<!-- The animation set of one attack style -->
<!ELEMENT Animation_Center (Style, Type, Stop_Animation_Filename, Walk_Animation_Filename?,
                            Run_Animation_Filename?, Attack_Animation_Filename?,
                            Hit_Animation_Filename?, Pause_Animation_Filename?,
                            Death_Animation_Filename?)>
<!ELEMENT Style (#PCDATA)>
<!ELEMENT Type (#PCDATA)>
<!ELEMENT Stop_Animation_Filename (#PCDATA)>
<!ELEMENT Walk_Animation_Filename (#PCDATA)>
<!ELEMENT Run_Animation_Filename (#PCDATA)>
<!ELEMENT Attack_Animation_Filename (#PCDATA)>
<!ELEMENT Hit_Animation_Filename (#PCDATA)>
<!ELEMENT Pause_Animation_Filename (#PCDATA)>
<!ELEMENT Death_Animation_Filename (#PCDATA)>
)";

const char* kCharacter = R"(<!-- An NPC or monster kind: start positions, body, stats, animations, attitudes, patrols -->
<!ELEMENT Character_Description (Coords?, Data_Root_Directory, Default_Sprite_Width,
                                 Default_Sprite_Height, Allowed_Area?, X_Modifier, Y_Modifier,
                                 CB_Width, CB_Height, Character_Type, Character_ID, Velocity,
                                 Run_Velocity?, Life, Endurance?, Armor, Damage,
                                 Primary_Attack_Animation_Center_Filename, Primary_Attack_Style,
                                 Secondary_Style?, Attitude_When_Attacked?, Attitude_Vs_MB?,
                                 Attitude_Vs_PB?, Default_Attitude, Attitude_Position_List*)>
<!ELEMENT Coords (Position+)>
<!ELEMENT Position (Initial_X, Initial_Y)>
<!ELEMENT Initial_X (#PCDATA)>
<!ELEMENT Initial_Y (#PCDATA)>
<!ELEMENT Data_Root_Directory (#PCDATA)>
<!ELEMENT Default_Sprite_Width (#PCDATA)>
<!ELEMENT Default_Sprite_Height (#PCDATA)>
<!ELEMENT Allowed_Area (Allowed_Area_H, Allowed_Area_W, Allowed_Area_Y, Allowed_Area_X)>
<!ELEMENT Allowed_Area_H (#PCDATA)>
<!ELEMENT Allowed_Area_W (#PCDATA)>
<!ELEMENT Allowed_Area_Y (#PCDATA)>
<!ELEMENT Allowed_Area_X (#PCDATA)>
<!ELEMENT X_Modifier (#PCDATA)>
<!ELEMENT Y_Modifier (#PCDATA)>
<!ELEMENT CB_Width (#PCDATA)>
<!ELEMENT CB_Height (#PCDATA)>
<!ELEMENT Character_Type (#PCDATA)>
<!ELEMENT Character_ID (#PCDATA)>
<!ELEMENT Velocity (#PCDATA)>
<!ELEMENT Run_Velocity (#PCDATA)>
<!ELEMENT Life (#PCDATA)>
<!ELEMENT Endurance (#PCDATA)>
<!ELEMENT Armor (#PCDATA)>
<!ELEMENT Damage (#PCDATA)>
<!ELEMENT Primary_Attack_Animation_Center_Filename (#PCDATA)>
<!ELEMENT Primary_Attack_Style (#PCDATA)>
<!ELEMENT Secondary_Style (Secondary_Attack_Type, Secondary_Attack_Animation_Center_Filename?)>
<!ELEMENT Secondary_Attack_Type (#PCDATA)>
<!ELEMENT Secondary_Attack_Animation_Center_Filename (#PCDATA)>
<!ELEMENT Attitude_When_Attacked (#PCDATA)>
<!ELEMENT Attitude_Vs_MB (#PCDATA)>
<!ELEMENT Attitude_Vs_PB (#PCDATA)>
<!ELEMENT Default_Attitude (#PCDATA)>
<!ELEMENT Attitude_Position_List (Attitude_Position_Coord+)>
<!ELEMENT Attitude_Position_Coord (Attitude_Position_Coord_X, Attitude_Position_Coord_Y)>
<!ELEMENT Attitude_Position_Coord_X (#PCDATA)>
<!ELEMENT Attitude_Position_Coord_Y (#PCDATA)>
)";

const char* kPlayer = R"(<!-- The hero: body, start, stats and attack styles -->
<!ELEMENT Player_Description (Data_Root_Directory, Default_Sprite_Width, Default_Sprite_Height,
                              Coords?, Allowed_Area?, X_Modifier, Y_Modifier, CB_Width, CB_Height,
                              Velocity, Run_Velocity?, Life, Endurance?, Armor, Damage,
                              Character_Type, Character_ID,
                              Primary_Attack_Animation_Center_Filename, Primary_Attack_Style,
                              Secondary_Style?, Secondary_Attack_Animation_Center_Filename?)>
<!ELEMENT Data_Root_Directory (#PCDATA)>
<!ELEMENT Default_Sprite_Width (#PCDATA)>
<!ELEMENT Default_Sprite_Height (#PCDATA)>
<!ELEMENT Coords (Initial_X, Initial_Y)>
<!ELEMENT Initial_X (#PCDATA)>
<!ELEMENT Initial_Y (#PCDATA)>
<!ELEMENT Allowed_Area (Allowed_Area_X, Allowed_Area_Y, Allowed_Area_W, Allowed_Area_H)>
<!ELEMENT Allowed_Area_X (#PCDATA)>
<!ELEMENT Allowed_Area_Y (#PCDATA)>
<!ELEMENT Allowed_Area_W (#PCDATA)>
<!ELEMENT Allowed_Area_H (#PCDATA)>
<!ELEMENT X_Modifier (#PCDATA)>
<!ELEMENT Y_Modifier (#PCDATA)>
<!ELEMENT CB_Width (#PCDATA)>
<!ELEMENT CB_Height (#PCDATA)>
<!ELEMENT Velocity (#PCDATA)>
<!ELEMENT Run_Velocity (#PCDATA)>
<!ELEMENT Life (#PCDATA)>
<!ELEMENT Endurance (#PCDATA)>
<!ELEMENT Armor (#PCDATA)>
<!ELEMENT Damage (#PCDATA)>
<!ELEMENT Character_Type (#PCDATA)>
<!ELEMENT Character_ID (#PCDATA)>
<!ELEMENT Primary_Attack_Animation_Center_Filename (#PCDATA)>
<!ELEMENT Primary_Attack_Style (#PCDATA)>
<!ELEMENT Secondary_Style (Secondary_Attack_Style)>
<!ELEMENT Secondary_Attack_Style (#PCDATA)>
<!ELEMENT Secondary_Attack_Animation_Center_Filename (#PCDATA)>
)";

const char* kWeaponStyles = R"(<!-- The hero's animation sets, one per weapon style -->
<!ELEMENT Weapon_Styles (Melee?, Distant?, Throw?, Magic?)>
<!ELEMENT Melee (One_Handed_Sword_Animation_Center?, Two_Handed_Sword_Animation_Center?,
                 One_Handed_Axe_Animations_Center?, Two_Handed_Axe_Animations_Center?,
                 Mace_Animations_Center?, Flail_Animations_Center?,
                 One_Handed_Hammer_Animations_Center?, Two_Handed_Hammer_Animations_Center?,
                 Staff_Animations_Center?, Polearm_Animations_Center?)>
<!ELEMENT One_Handed_Sword_Animation_Center (#PCDATA)>
<!ELEMENT Two_Handed_Sword_Animation_Center (#PCDATA)>
<!ELEMENT One_Handed_Axe_Animations_Center (#PCDATA)>
<!ELEMENT Two_Handed_Axe_Animations_Center (#PCDATA)>
<!ELEMENT Mace_Animations_Center (#PCDATA)>
<!ELEMENT Flail_Animations_Center (#PCDATA)>
<!ELEMENT One_Handed_Hammer_Animations_Center (#PCDATA)>
<!ELEMENT Two_Handed_Hammer_Animations_Center (#PCDATA)>
<!ELEMENT Staff_Animations_Center (#PCDATA)>
<!ELEMENT Polearm_Animations_Center (#PCDATA)>
<!ELEMENT Distant (Bow_Animations_Center?, CrossBow_Animations_Center?, Firearm_Animations_Center?)>
<!ELEMENT Bow_Animations_Center (#PCDATA)>
<!ELEMENT CrossBow_Animations_Center (#PCDATA)>
<!ELEMENT Firearm_Animations_Center (#PCDATA)>
<!ELEMENT Throw EMPTY>
<!ELEMENT Magic EMPTY>
)";

const char* kItem = R"(<!-- An item: common values, then weapon, projectile, potion and flight values by kind -->
<!ELEMENT Item (Name, Value, Thunbnail_ColorKey_RGB?, Thunbnail_Name, Weight, Quest_Item?,
                Weapon_Values?, Additional_Damage?, Bonus?, Flight?)>
<!ELEMENT Name (#PCDATA)>
<!ELEMENT Value (#PCDATA)>
<!ELEMENT Thunbnail_ColorKey_RGB (TB_ColorKey_R, TB_ColorKey_G, TB_ColorKey_B)>
<!ELEMENT TB_ColorKey_R (#PCDATA)>
<!ELEMENT TB_ColorKey_G (#PCDATA)>
<!ELEMENT TB_ColorKey_B (#PCDATA)>
<!ELEMENT Thunbnail_Name (#PCDATA)>
<!ELEMENT Weight (#PCDATA)>
<!ELEMENT Quest_Item (#PCDATA)>
<!ELEMENT Weapon_Values (Damage_Max, Damage_Min, Attribute_Condition_Name,
                         Attribute_Condition_Value, Critical_Multiplier, Range)>
<!ELEMENT Damage_Max (#PCDATA)>
<!ELEMENT Damage_Min (#PCDATA)>
<!ELEMENT Attribute_Condition_Name (#PCDATA)>
<!ELEMENT Attribute_Condition_Value (#PCDATA)>
<!ELEMENT Critical_Multiplier (#PCDATA)>
<!ELEMENT Range (#PCDATA)>
<!ELEMENT Additional_Damage (#PCDATA)>
<!ELEMENT Bonus (#PCDATA)>
<!ELEMENT Flight (TS_Frame_Interval, TS_Velocity, TS_ColorKey_RGB?, TS_Filename, TS_Width,
                  TS_Height)>
<!ELEMENT TS_Frame_Interval (#PCDATA)>
<!ELEMENT TS_Velocity (#PCDATA)>
<!ELEMENT TS_ColorKey_RGB (TS_ColorKey_R, TS_ColorKey_G, TS_ColorKey_B)>
<!ELEMENT TS_ColorKey_R (#PCDATA)>
<!ELEMENT TS_ColorKey_G (#PCDATA)>
<!ELEMENT TS_ColorKey_B (#PCDATA)>
<!ELEMENT TS_Filename (#PCDATA)>
<!ELEMENT TS_Width (#PCDATA)>
<!ELEMENT TS_Height (#PCDATA)>
)";

const char* kActionable = R"(<!-- The picture of a chest or a drop bag: tileset, colour key and cell size -->
<!ELEMENT Actionable_Tileset (Tileset_ColorKey?, Tileset_Filename, Width, Height)>
<!ELEMENT Tileset_ColorKey (TS_CK_R, TS_CK_G, TS_CK_B, TS_CK_A?)>
<!ELEMENT TS_CK_R (#PCDATA)>
<!ELEMENT TS_CK_G (#PCDATA)>
<!ELEMENT TS_CK_B (#PCDATA)>
<!ELEMENT TS_CK_A (#PCDATA)>
<!ELEMENT Tileset_Filename (#PCDATA)>
<!ELEMENT Width (#PCDATA)>
<!ELEMENT Height (#PCDATA)>
)";

const char* kBars = R"(<!-- A strip tileset of bars: tileset, colour key and the size of one strip -->
<!ELEMENT Bars_Tileset (Tileset_ColorKey?, Tileset_Filename, Bars_Width, Bars_Height)>
<!ELEMENT Tileset_ColorKey (TS_CK_R, TS_CK_G, TS_CK_B, TS_CK_A?)>
<!ELEMENT TS_CK_R (#PCDATA)>
<!ELEMENT TS_CK_G (#PCDATA)>
<!ELEMENT TS_CK_B (#PCDATA)>
<!ELEMENT TS_CK_A (#PCDATA)>
<!ELEMENT Tileset_Filename (#PCDATA)>
<!ELEMENT Bars_Width (#PCDATA)>
<!ELEMENT Bars_Height (#PCDATA)>
)";

const char* kInterfaceSprite = R"(<!-- One interface picture with an optional colour key -->
<!ELEMENT Interface_Sprite (Sprite_ColorKey?, Sprite_Filename)>
<!ELEMENT Sprite_ColorKey (Sp_CK_R, Sp_CK_G, Sp_CK_B, Sp_CK_A?)>
<!ELEMENT Sp_CK_R (#PCDATA)>
<!ELEMENT Sp_CK_G (#PCDATA)>
<!ELEMENT Sp_CK_B (#PCDATA)>
<!ELEMENT Sp_CK_A (#PCDATA)>
<!ELEMENT Sprite_Filename (#PCDATA)>
)";
} // namespace

const std::vector<std::pair<std::string, std::string>>& DtdCatalog::all() {
    static const std::vector<std::pair<std::string, std::string>> dtds = {
        {"Battlefield.dtd", kBattlefield},
        {"BF_Mapping.dtd", kMapping},
        {"BF_Sprite.dtd", kSprite},
        {"Animation.dtd", kAnimation},
        {"Animation_Center.dtd", kAnimationCenter},
        {"Character_Description.dtd", kCharacter},
        {"Player_Description.dtd", kPlayer},
        {"Weapon_Styles.dtd", kWeaponStyles},
        {"Item.dtd", kItem},
        {"Actionable_Tileset.dtd", kActionable},
        {"Bars_Tileset.dtd", kBars},
        {"Interface_Sprite.dtd", kInterfaceSprite},
    };
    return dtds;
}

std::string DtdCatalog::path(const std::string& name) { return "Data/DTD/" + name; }
