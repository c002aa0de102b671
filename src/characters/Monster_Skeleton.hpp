#pragma once

#include "characters/Monster_Base.hpp"

// The graveyard's dead: they sink in sand.
class Monster_Skeleton : public Monster_Base {
public:
    // An unregistered one, for probing places.
    Monster_Skeleton() = default;
    // Made from its kind's template, registered at its position.
    Monster_Skeleton(const CH_Base_All_Infos& templateInfos, GLINT::SDL::RGBSurface* lifeBars,
                  const GLINT::SDL::Rect& fullBar, const GLINT::SDL::Rect& currentBar);
    ~Monster_Skeleton() override = default;

    bool Check_BG_Type_Allowed(const std::string& type) override;
};
