#pragma once

#include "characters/Monster_Base.hpp"

// The badlands' worms: no river, no snow.
class Monster_Worm : public Monster_Base {
public:
    // An unregistered one, for probing places.
    Monster_Worm() = default;
    // Made from its kind's template, registered at its position.
    Monster_Worm(const CH_Base_All_Infos& templateInfos, GLINT::SDL::RGBSurface* lifeBars,
                  const GLINT::SDL::Rect& fullBar, const GLINT::SDL::Rect& currentBar);
    ~Monster_Worm() override = default;

    bool Check_BG_Type_Allowed(const std::string& type) override;
};
