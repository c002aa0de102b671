#include "characters/Monster_Base.hpp"

#include <algorithm>

#include "shell/Error_Chain.hpp"

bool Monster_Base::Check_BG_Type_Allowed(const std::string&) { return true; }

void Monster_Base::Show_Life_Bar(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& screen) {
    Chain_Errors("Error in Monster_Base::Show_Life_Bar(), ", "Unhandled Error In Monster_Base::Show_Life_Bar()", [&] {
        const CH_Base_All_Infos& infos = *CH_Infos;
        const Characteristics& stats = *infos.CH_Characteristics;
        if (!Life_Bars || stats.Life <= 0 || stats.Max_Life <= 0)
            return;
        const unsigned full = Full_Bar.getw();
        const unsigned life = static_cast<unsigned>(std::min(stats.Life, stats.Max_Life));
        Current_Bar.setw(static_cast<Uint16>(full * life / static_cast<unsigned>(stats.Max_Life)));
        const int x = infos.X + (infos.Default_Sprite_Width - static_cast<int>(full)) / 2 - camera.getx();
        const int y = infos.Collision_Rect.gety() - Full_Bar.geth() - camera.gety() - 2;
        const GLINT::SDL::Point at(static_cast<Sint16>(x), static_cast<Sint16>(y));
        screen.blit(*Life_Bars, at, Full_Bar);
        screen.blit(*Life_Bars, at, Current_Bar);
    });
}
