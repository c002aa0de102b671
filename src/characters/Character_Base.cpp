#include "characters/Character_Base.hpp"

#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "ai/AI.hpp"
#include "ai/Characters_Map.hpp"
#include "ai/PathFinder.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "battlefield/BattleField.hpp"
#include "battlefield/BattleField_Sprite.hpp"
#include "characters/Character_Animation.hpp"
#include "characters/Character_Animations_Center.hpp"
#include "data/XML_Manager.hpp"
#include "items/Actionables_Manager.hpp"
#include "items/Inventory.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::Point;
using GLINT::SDL::Rect;

int Character_Base::Player_Sprite_Width = 0;
int Character_Base::Player_Sprite_Height = 0;

int String_To_Character_Type(const std::string& text) {
    if (text == "Player")
        return Player_Type;
    if (text == "NPC")
        return NPC_Type;
    if (text == "Monster")
        return Monster_Type;
    throw std::logic_error("Trying to convert string to Character_Types with an unknown str_Character_Type");
}

int String_To_Character_ID(const std::string& text) {
    if (text == "Humanoid")
        return Humanoid_ID;
    if (text == "Crawler")
        return Crawler_ID;
    if (text == "Undead")
        return Undead_ID;
    throw std::logic_error("Trying to convert string to Character_IDs with an unknown str_Character_ID");
}

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

} // namespace

Character_Base::Character_Base() {
    Chain_Errors("Error In Character Base Constructor : ", "Unhandled Error In Character Base Constructor", [&] {
        CH_Infos = std::make_unique<CH_Base_All_Infos>();
        CH_Infos->CH_Inventory->Set_Owner(this);
    });
}

Character_Base::~Character_Base() {
    // Nobody may find a destroyed character, nor keep it as an opponent.
    Characters_Map::Instance().Remove(this);
}

void Character_Base::Refuse(const std::string& file, const std::string& what) {
    throw std::logic_error(what + " In File " + file);
}

void Character_Base::Read_Area_And_Box(const std::string& file, CH_Base_All_Infos& infos) {
    if (XML_Manager::Check_Node_Exists(file, "Allowed_Area")) {
        const int h = XML_Manager::Get_Option_Value(file, "Allowed_Area_H");
        const int w = XML_Manager::Get_Option_Value(file, "Allowed_Area_W");
        const int y = XML_Manager::Get_Option_Value(file, "Allowed_Area_Y");
        const int x = XML_Manager::Get_Option_Value(file, "Allowed_Area_X");
        if (w < 0 || h < 0)
            Refuse(file, "Allowed_Area Has A Negative Size");
        infos.Allowed_Area = Make_Rect(x, y, w, h);
    }
    infos.X_Modifier = XML_Manager::Get_Option_Value(file, "X_Modifier");
    infos.Y_Modifier = XML_Manager::Get_Option_Value(file, "Y_Modifier");
    infos.CB_Width = XML_Manager::Get_Option_Value(file, "CB_Width");
    infos.CB_Height = XML_Manager::Get_Option_Value(file, "CB_Height");
    // A box smaller than a pixel would never collide, nor give a sight radius.
    if (infos.CB_Width < 1 || infos.CB_Height < 1)
        Refuse(file, "Collision Box Smaller Than 1 x 1");
    infos.Sight_Radius = 2 * (infos.CB_Width + infos.CB_Height);
}

void Character_Base::Enter_Characters_Map() { AI::Fill_Collision_Map(CH_Infos->X, CH_Infos->Y, this); }

int Character_Base::Movement_Sound(BattleField&, bool) { return 0; }

bool Character_Base::Cached_Verdict(std::vector<signed char>& verdicts, const BattleField_Sprite& sprite,
                                    bool (Character_Base::*test)(const std::string&)) {
    const std::size_t id = static_cast<std::size_t>(sprite.Get_Type_Id());
    if (id >= verdicts.size())
        verdicts.resize(id + 1, -1);
    if (verdicts[id] < 0)
        verdicts[id] = (this->*test)(sprite.Get_Type()) ? 1 : 0;
    return verdicts[id] == 1;
}

bool Character_Base::Allows_BG_Sprite(const BattleField_Sprite& sprite) {
    return Cached_Verdict(BG_Verdicts, sprite, &Character_Base::Check_BG_Type_Allowed);
}

bool Character_Base::Allows_Env_Sprite(const BattleField_Sprite& sprite) {
    return Cached_Verdict(Env_Verdicts, sprite, &Character_Base::Check_Env_Type_Allowed);
}

int Character_Base::Draw_Damage() const {
    const Characteristics& stats = *CH_Infos->CH_Characteristics;
    return Random_Between(stats.Damage_Min, stats.Damage_Max);
}

int Character_Base::Find_Direction_From_Velocities() {
    return Chain_Errors("Error In Character_Base::Find_Direction_From_Velocities() : ",
                        "Unhandled Error In Character_Base::Find_Direction_From_Velocities()", [&] {
                            const Characteristics& stats = *CH_Infos->CH_Characteristics;
                            const int dx = stats.Vector_X > 0.0f ? 1 : (stats.Vector_X < 0.0f ? -1 : 0);
                            const int dy = stats.Vector_Y > 0.0f ? 1 : (stats.Vector_Y < 0.0f ? -1 : 0);
                            using S = Game_Settings;
                            // Rows: dy -1, 0, +1; columns: dx -1, 0, +1.
                            const int table[3][3] = {{S::CH_LEFT_UP, S::CH_UP, S::CH_RIGHT_UP},
                                                     {S::CH_LEFT, CH_Infos->Direction, S::CH_RIGHT},
                                                     {S::CH_LEFT_DOWN, S::CH_DOWN, S::CH_RIGHT_DOWN}};
                            return table[dy + 1][dx + 1];
                        });
}

void Character_Base::Behavior(BattleField& battlefield) {
    Chain_Errors("From Character_Base::Behavior(), ", "Unhandled Error In Character_Base::Behavior()", [&] {
        CH_Base_All_Infos& infos = *CH_Infos;
        Character_Animations_Center* center = infos.Animation_Center;
        if (!center)
            return;
        Characteristics& stats = *infos.CH_Characteristics;

        if (infos.Life_State != 1) {
            if (infos.Life_State == 0)
                center->Death_Animation_Play();
            else if (infos.Life_State == -1)
                center->Death_Animation_Callback();
            return;
        }
        if (infos.Hit_State == 2) {
            if (infos.Attack_State < 1)
                center->Hit_Animation_Play();
            else
                infos.Hit_State = 0; // an attacking character finishes its blow
            return;
        }
        if (infos.Hit_State == 1) {
            center->Hit_Animation_Callback();
            return;
        }
        if (infos.Attack_State == 2) {
            center->Attack_Animation_Callback();
            return;
        }
        if (infos.Attack_State == 1)
            return;

        if (infos.Anim_State < 0) {
            const Point position(static_cast<Sint16>(infos.X), static_cast<Sint16>(infos.Y));
            Point destination = position;
            const Uint32 now = Game_Clock::Now();
            const std::uint64_t elapsed = static_cast<Uint32>(now - Last_Destination_Choice);
            if (Last_Destination_Choice == 0 || elapsed * Game_Settings::AI_CHOOSE_DESTINATION_PS > 999) {
                Last_Destination_Choice = now;
                destination = AI::Choose_Destination(battlefield, *this);
            }
            if (destination != position) {
                PathFinder finder;
                infos.Path = finder.Get_Path(position, destination, AI::Get_Grid_Size(*this), *this, battlefield);
                if (!infos.Path.empty())
                    infos.Anim_State = 2;
            } else if (infos.Attack_State == 1) {
                Attack();
            } else if (now - center->Get_Last_Step() > Game_Settings::PAUSE_ANIM_TIME * 1000u &&
                       infos.Anim_State > -2) {
                infos.Anim_State = -2;
                center->Pause_Animation_Play();
            } else if (infos.Anim_State == -3) {
                center->Pause_Animation_Callback();
            }
            return;
        }

        if (infos.Anim_State == 2 || infos.Anim_State == 0) {
            if (infos.Path.empty()) {
                center->Stop_Animation_Play();
                return;
            }
            const Point next = infos.Path.front();
            stats.Vector_X = static_cast<float>(Sign(next.getx() - infos.X));
            stats.Vector_Y = static_cast<float>(Sign(next.gety() - infos.Y));
            infos.Direction = Find_Direction_From_Velocities();
            infos.Path.pop_front();
            if (stats.Running)
                center->Run_Animation_Play();
            else
                center->Walk_Animation_Play();
            return;
        }

        if (infos.Anim_State == 1) {
            if (!stats.Running) {
                const Character_Animation* walk = center->Get_Walk();
                if (walk && infos.Current_Sheet == walk->Sheet)
                    center->Walk_Animation_Callback();
                else
                    center->Walk_Animation_Play();
            } else {
                const Character_Animation* run = center->Get_Run();
                if (run && infos.Current_Sheet == run->Sheet)
                    center->Run_Animation_Callback();
                else
                    center->Run_Animation_Play();
            }
        }
    });
}

void Character_Base::Attack() {
    Chain_Errors("Error In Character_Base::Attack() : ", "Unhandled Error In Character_Base::Attack()", [&] {
        CH_Base_All_Infos& infos = *CH_Infos;
        if (infos.Animation_Center)
            infos.Animation_Center->Stop_Animation_Play();
        if (infos.Attack_Type == 2 && !infos.CH_Inventory->Projectile_Are_Available()) {
            // Nothing to fire: the request is dropped, or the character would wait for ever.
            infos.Attack_State = 0;
            return;
        }
        Attack_SetValues();
        Attack_PlayBeginningSounds();
        Attack_SetAnimations();
    });
}

void Character_Base::Attack_SetValues() {
    Chain_Errors("Error In Character_Base::Attack_SetValues() : ",
                 "Unhandled Error In Character_Base::Attack_SetValues()", [&] {
                     CH_Base_All_Infos& infos = *CH_Infos;
                     const Characteristics& stats = *infos.CH_Characteristics;
                     infos.Attack_State = 2;
                     infos.Attack_Direction = infos.Direction;
                     infos.Attack_Result = 0;
                     const int x = infos.Collision_Rect.getx(), y = infos.Collision_Rect.gety();
                     const int w = infos.Collision_Rect.getw(), h = infos.Collision_Rect.geth();
                     // The weapon's reach bonus counts here as well as in the current reach.
                     const int r = stats.Reach + stats.Weapon_Reach_Bonus;
                     const int d = infos.Direction;
                     using S = Game_Settings;

                     if (infos.Attack_Type == 2) {
                         const float s = static_cast<float>(std::sqrt(2.0));
                         auto diag = [s](int v) { return static_cast<int>(std::floor(static_cast<float>(v) / s + 0.5f)); };
                         int lx = x, ly = y;
                         if (d == S::CH_RIGHT) {
                             lx = x + w, ly = y + h / 2;
                         } else if (d == S::CH_RIGHT_DOWN) {
                             lx = x + diag(w), ly = y + diag(h);
                         } else if (d == S::CH_DOWN) {
                             lx = x + w / 2, ly = y + h;
                         } else if (d == S::CH_LEFT_DOWN) {
                             lx = x + w - diag(w), ly = y + diag(h);
                         } else if (d == S::CH_LEFT) {
                             lx = x, ly = y + h / 2;
                         } else if (d == S::CH_LEFT_UP) {
                             lx = x + w - diag(w), ly = y + h - diag(h);
                         } else if (d == S::CH_UP) {
                             lx = x + w / 2, ly = y;
                         } else if (d == S::CH_RIGHT_UP) {
                             lx = x + diag(w), ly = y + h - diag(h);
                         }
                         infos.Attack_Point_X = lx;
                         infos.Attack_Point_Y = ly;
                         infos.Attack_Rect = Make_Rect(lx, ly, 1, 1);
                         return;
                     }

                     infos.Attack_Point_X = x;
                     infos.Attack_Point_Y = y;
                     infos.Attack_Rect = Melee_Attack_Rect(infos.Collision_Rect, d, r);
                 });
}

Rect Character_Base::Melee_Attack_Rect(const Rect& box, int direction, int reach) {
    const int x = box.getx(), y = box.gety(), w = box.getw(), h = box.geth(), r = reach;
    const int d = direction;
    using S = Game_Settings;
    // Straight ahead a strip as wide as the box; on a diagonal the quarter
    // around the corner it faces.
    if (d == S::CH_RIGHT)
        return Make_Rect(x + w, y, r, h);
    if (d == S::CH_RIGHT_DOWN)
        return Make_Rect(x + w / 2, y + h / 2, w / 2 + r, h / 2 + r);
    if (d == S::CH_DOWN)
        return Make_Rect(x, y + h, w, r);
    if (d == S::CH_LEFT_DOWN)
        return Make_Rect(x - r, y + h / 2, w / 2 + r, h / 2 + r);
    if (d == S::CH_LEFT)
        return Make_Rect(x - r, y, r, h);
    if (d == S::CH_LEFT_UP)
        return Make_Rect(x - r, y - r, w / 2 + r, h / 2 + r);
    if (d == S::CH_UP)
        return Make_Rect(x, y - r, w, r);
    if (d == S::CH_RIGHT_UP)
        return Make_Rect(x + w / 2, y - r, w / 2 + r, h / 2 + r);
    return Rect();
}

void Character_Base::Attack_SetAnimations() {
    Chain_Errors("From Character_Base::Attack_SetAnimations(), ",
                 "Unhandled Error In Character_Base::Attack_SetAnimations()", [&] {
                     CH_Base_All_Infos& infos = *CH_Infos;
                     // The arrow is ready before the sheet starts: a key frame 0 looses it at once.
                     if (infos.Attack_Type == 2)
                         infos.CH_Inventory->Prepare_Launch(infos.Attack_Direction, infos.Attack_Rect, Draw_Damage());
                     if (infos.Animation_Center)
                         infos.Animation_Center->Attack_Animation_Play();
                 });
}

int Character_Base::Attack_Check_Status(const Rect& attackRect, int damage) {
    return Chain_Errors("From Character_Base::Attack_Check_Status(), ",
                        "Unhandled Error In Character_Base::Attack_Check_Status()", [&] {
                            const CH_Base_All_Infos& own = *CH_Infos;
                            for (const Characters_Map::Entry& entry : Characters_Map::Instance().Entries()) {
                                // A character at the attacker's very place is taken for the attacker.
                                if (*entry.X == own.X && *entry.Y == own.Y)
                                    continue;
                                Character_Base* victim = entry.Character;
                                CH_Base_All_Infos& v = victim->Infos();
                                if (v.Life_State <= 0 || !Check_Rects_Overlap(v.Collision_Rect, attackRect))
                                    continue;
                                v.CH_Characteristics->Calculate_Real_Life(damage);
                                if (v.CH_Characteristics->Life < 1) {
                                    v.Life_State = 0;
                                    v.Killed_By_Player = own.CH_Characteristics->Character_Type == Player_Type ? 1 : 0;
                                    for (const Characters_Map::Entry& other : Characters_Map::Instance().Entries()) {
                                        CH_Base_All_Infos& o = other.Character->Infos();
                                        if (o.Life_State > 0 && o.CH_Attitudes->Opponent == victim)
                                            o.CH_Attitudes->Opponent = nullptr;
                                    }
                                } else {
                                    v.CH_Attitudes->Opponent = this;
                                }
                                v.Hit_State = 2;
                                return v.CH_Characteristics->Character_ID;
                            }
                            return 0;
                        });
}

void Character_Base::Attack_Reset() {
    Chain_Errors("From Character_Base::Attack_Reset(), ", "Unhandled Error In Character_Base::Attack_Reset()", [&] {
        CH_Infos->Attack_Point_X = -1;
        CH_Infos->Attack_Point_Y = -1;
        CH_Infos->Attack_Direction = -1;
        CH_Infos->Attack_State = 0;
    });
}

void Character_Base::Death() {
    Chain_Errors("From Character_Base::Death(), ", "Unhandled Error In Character_Base::Death()", [&] {
        const CH_Base_All_Infos& infos = *CH_Infos;
        if (!infos.Actionables)
            throw std::logic_error("Actionables_Manager Not Set !");
        infos.Actionables->Drop_Items(infos.X + infos.X_Modifier + infos.CB_Width / 2,
                                      infos.Y + infos.Y_Modifier + infos.CB_Height / 2, infos.Killed_By_Player == 1);
    });
}

void Character_Base::Show(const Rect& camera, GLINT::SDL::BaseSurface& target) {
    Chain_Errors("From Character_Base::Show(), ", "Unhandled Error In Character_Base::Show()", [&] {
        CH_Base_All_Infos& infos = *CH_Infos;
        infos.CH_Inventory->Show_Launched_Projectile(camera, target);
        if (infos.Life_State == -2)
            return;
        if (!infos.Current_Sheet && infos.Animation_Center)
            infos.Animation_Center->Stop_Animation_Play();
        if (!infos.Current_Sheet)
            return;
        const int cx = camera.getx(), cy = camera.gety();
        if (cx - Player_Sprite_Width <= infos.X && infos.X < cx + camera.getw() &&
            cy - Player_Sprite_Height <= infos.Y && infos.Y < cy + camera.geth())
            target.blit(*infos.Current_Sheet, Point(static_cast<Sint16>(infos.X - cx), static_cast<Sint16>(infos.Y - cy)),
                        infos.Source_Rect);
    });
}
