#pragma once

#include "characters/Character.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

// A monster: any ground will do unless its kind says otherwise, and a life
// bar floats over its head.
class Monster_Base : public Character {
public:
    Monster_Base() = default;
    // lifeBars is shared with the factory, not owned; null draws no bar.
    Monster_Base(GLINT::SDL::RGBSurface* lifeBars, const GLINT::SDL::Rect& fullBar, const GLINT::SDL::Rect& currentBar)
        : Life_Bars(lifeBars), Full_Bar(fullBar), Current_Bar(currentBar) {}
    ~Monster_Base() override = default;

    bool Check_BG_Type_Allowed(const std::string& type) override;

    void Show_Life_Bar(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& screen);

protected:
    GLINT::SDL::RGBSurface* Life_Bars = nullptr;
    GLINT::SDL::Rect Full_Bar;
    GLINT::SDL::Rect Current_Bar;
};
