#include "items/Projectile_Stack.hpp"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "characters/Character_Base.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"

namespace {

// The weight is 16-bit: the bow's stack of 99,999 arrows must neither wrap
// when it is built nor underflow as it is shot empty.
Uint16 Saturated(std::int64_t weight) { return static_cast<Uint16>(std::clamp<std::int64_t>(weight, 0, 0xffff)); }

} // namespace

Projectile_Stack::Projectile_Stack(Projectile* projectileTemplate, Sint32 count) {
    std::unique_ptr<Projectile> owned(projectileTemplate);
    Chain_Errors("Exception In Projectile_Stack Constructor: ", "Unhandled Exception In Projectile_Stack Constructor",
                 [&] {
                     if (!owned)
                         throw std::logic_error("No projectile template");
                     Category = Projectile_Stack_Item;
                     Stackable = 1;
                     Owner = owned->Get_Owner();
                     Name = owned->Get_Name();
                     Thumbnail.Share(owned->Get_Thumbnail());
                     Count = count;
                     Weight = Saturated(static_cast<std::int64_t>(owned->Get_Weight()) * std::max(count, 0));
                     Template = owned.release();
                 });
}

Projectile_Stack::Projectile_Stack(const Projectile_Stack& other)
    : Item(other, Item::Share_Pictures()), Count(other.Count) {
    std::unique_ptr<Item> copy(other.Template->Clone());
    Template = dynamic_cast<Projectile*>(copy.get());
    if (!Template)
        throw std::logic_error("A projectile template cloned into something else");
    copy.release();
    Thumbnail.Share(Template->Get_Thumbnail());
}

Projectile_Stack::~Projectile_Stack() { Clean_Stack(); }

Item* Projectile_Stack::Clone() const { return new Projectile_Stack(*this); }

void Projectile_Stack::Set_Owner(Character_Base* owner) {
    Item::Set_Owner(owner);
    if (Template)
        Template->Set_Owner(owner);
}

void Projectile_Stack::Merge(Projectile* projectile) {
    std::unique_ptr<Projectile> merged(projectile);
    Weight = Saturated(static_cast<std::int64_t>(Weight) + (Template ? Template->Get_Weight() : 0));
    ++Count;
}

void Projectile_Stack::Prepare_Launch(Sint16 direction, const GLINT::SDL::Rect& launchRect, Sint16 damage,
                                      Uint16 range) {
    Chain_Errors("Exception In Projectile_Stack::Prepare_Launch(): ",
                 "Unhandled Exception In Projectile_Stack::Prepare_Launch()", [&] {
                     if (Count <= 0 || !Template)
                         return;
                     std::unique_ptr<Projectile> shot(Template->Make_Shot());
                     shot->Set_Frame_Row(direction);
                     shot->Set_Owner(Owner);
                     shot->Set_Fly_Infos(launchRect, range, direction,
                                         static_cast<Sint16>(damage + shot->Get_Additional_Damage()), Owner);
                     shot->Fly_Play();
                     Launched.push_back(shot.get());
                     shot.release();
                     Weight = Saturated(static_cast<std::int64_t>(Weight) - Template->Get_Weight());
                     --Count;
                 });
}

void Projectile_Stack::Launch_Projectile() {
    Chain_Errors("Exception In Projectile_Stack::Launch_Projectile(): ",
                 "Unhandled Exception In Projectile_Stack::Launch_Projectile()", [&] {
                     // The newest shot still waiting; a finished or flying one is left alone.
                     for (auto it = Launched.rbegin(); it != Launched.rend(); ++it)
                         if ((*it)->Get_Fly_State() == Flying::Prepared) {
                             (*it)->Launch();
                             return;
                         }
                 });
}

void Projectile_Stack::Show_Launched_Projectiles(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& screen) {
    Chain_Errors("Exception In Projectile_Stack::Show_Launched_Projectiles(): ",
                 "Unhandled Exception In Projectile_Stack::Show_Launched_Projectiles()", [&] {
                     const int offsetX = Owner ? Owner->Infos().X_Modifier : 0;
                     const int offsetY = Owner ? Owner->Infos().Y_Modifier : 0;
                     const int cx = camera.getx(), cy = camera.gety();
                     std::size_t i = 0;
                     while (i < Launched.size()) {
                         Projectile* shot = Launched[i];
                         if (shot->Get_Fly_State() == Flying::Finished) {
                             delete shot;
                             Launched.erase(Launched.begin() + static_cast<std::ptrdiff_t>(i));
                             continue;
                         }
                         ++i;
                         if (shot->Get_Fly_State() != Flying::In_Flight || !shot->Get_Tileset())
                             continue;
                         const int x = shot->Get_Current_Rect().getx() - offsetX;
                         const int y = shot->Get_Current_Rect().gety() - offsetY;
                         if (cx - Character_Base::Player_Sprite_Width <= x && x < cx + camera.getw() &&
                             cy - Character_Base::Player_Sprite_Height <= y && y < cy + camera.geth())
                             screen.blit(*shot->Get_Tileset(),
                                         GLINT::SDL::Point(static_cast<Sint16>(x - cx), static_cast<Sint16>(y - cy)),
                                         shot->Get_Frame_Rect());
                     }
                 });
}

void Projectile_Stack::Clean_Stack() {
    try {
        // The shots borrow the template's pictures: they go first.
        for (Projectile* shot : Launched)
            delete shot;
        Launched.clear();
        Launched.shrink_to_fit();
        delete Template;
        Template = nullptr;
        Thumbnail.Clear();
    } catch (...) {
        GLINT::SDL::GameLog.safeEntry("Clean_Stack() Failed !!");
    }
}
