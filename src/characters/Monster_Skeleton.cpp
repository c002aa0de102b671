#include "characters/Monster_Skeleton.hpp"

#include "battlefield/Terrain_Rules.hpp"
#include "shell/Error_Chain.hpp"

Monster_Skeleton::Monster_Skeleton(const CH_Base_All_Infos& templateInfos, GLINT::SDL::RGBSurface* lifeBars,
                                 const GLINT::SDL::Rect& fullBar, const GLINT::SDL::Rect& currentBar)
    : Monster_Base(lifeBars, fullBar, currentBar) {
    Chain_Errors("Error in Monster_Skeleton Constructor: ", "Unhandled Error in Monster_Skeleton Constructor",
                 [&] { Set_Character_Base_Infos(templateInfos); });
}

bool Monster_Skeleton::Check_BG_Type_Allowed(const std::string& type) {
    return ::Check_BG_Type_Allowed(Character_Kind::Monster_Skeleton, type);
}
