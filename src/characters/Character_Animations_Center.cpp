#include "characters/Character_Animations_Center.hpp"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "ai/AI.hpp"
#include "characters/Animation_Set.hpp"
#include "characters/Character_Animation.hpp"
#include "characters/Character_Base.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "items/Inventory.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Clock.hpp"

namespace {

Character_Animation* Required(Character_Animation* animation, const char* slot) {
    if (!animation)
        throw std::logic_error(std::string("No ") + slot + " animation");
    return animation;
}

// The whole pixels of a step, toward zero, its fraction carried to the next
// one: a diagonal step of 2.83 pixels is then 2.83 on average whichever way
// it goes, where truncating the new coordinate made it 3 toward the origin
// and 2 away from it. Whole steps carry nothing.
int Whole_Step(float step, float& carry) {
    const float total = step + carry;
    const int whole = static_cast<int>(total);
    carry = total - static_cast<float>(whole);
    return whole;
}

} // namespace

Character_Animations_Center::Character_Animations_Center(Character_Base* character, BattleField* battlefield,
                                                         Character_Animation* stop, Character_Animation* walk,
                                                         Character_Animation* run, Character_Animation* attack,
                                                         Character_Animation* hit, Character_Animation* pause,
                                                         Character_Animation* death, bool ownsAnimations)
    : Owns_Animations(ownsAnimations), Last_Step(Game_Clock::Now()), Attack(attack), Death(death), Run(run),
      Walk(walk), Hit(hit), Stop(stop), Pause(pause), Character(character), Battlefield(battlefield) {}

Character_Animations_Center::Character_Animations_Center(Character_Base* character, BattleField* battlefield,
                                                         const Animation_Set& set)
    : Character_Animations_Center(character, battlefield, set.Stop, set.Walk, set.Run, set.Attack, set.Hit, set.Pause,
                                  set.Death, false) {}

Character_Animations_Center::~Character_Animations_Center() { Clean_Character_Animations_Center(); }

// --- Helpers ---

bool Character_Animations_Center::Frame_Due(const Character_Animation* animation) {
    const Uint32 interval = animation->Interval();
    const Uint32 now = Game_Clock::Now();
    if (now - Reference_Time < interval)
        return false;
    // Counted from the reference, not from now: a late call catches up one frame per call.
    Reference_Time += interval;
    Last_Step = now;
    return true;
}

void Character_Animations_Center::Start_Sheet(Character_Animation* animation) {
    Set_Character_Movement_Values(animation);
    Current_Frame = 0;
    // Frame 0 is due at the first callback.
    Reference_Time = Game_Clock::Now() - animation->Interval();
    Character->Infos().Current_Sheet = animation->Sheet;
}

void Character_Animations_Center::Show_Frame(const Character_Animation* animation) {
    CH_Base_All_Infos& infos = Character->Infos();
    infos.Source_Rect = animation->Frame(infos.Direction, Current_Frame);
}

void Character_Animations_Center::Fail(const std::string& operation, const std::string* message) {
    if (message)
        GLINT::SDL::GameLog.safeEntry("Error in Character_Animations_Center::" + operation + "(), " + *message);
    else
        GLINT::SDL::GameLog.safeEntry("Unhandled Error In Character_Animations_Center::" + operation + "()");
    Stop_Animation_Play();
}

template <class Body> void Character_Animations_Center::Guarded(const char* operation, Body&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        const std::string message = e.what();
        Fail(operation, &message);
    } catch (...) {
        Fail(operation, nullptr);
    }
}

// --- Modifiers ---

void Character_Animations_Center::Set_Character_Movement_Values(const Character_Animation* animation) {
    Chain_Errors("Exception In Character_Animations_Center::Set_Character_Movement_Values: ",
                 "Unhandled Exception In Character_Animations_Center::Set_Character_Movement_Values()", [&] {
                     if (!animation)
                         throw std::logic_error("No animation");
                     CH_Base_All_Infos& infos = Character->Infos();

                     // The modifiers in force belong to the character, whichever of its
                     // centres applied them: take them over from the other one.
                     const Character_Animation* previous = Applied;
                     for (Character_Animations_Center* other :
                          {infos.Animation_Center, infos.Primary_Animation_Center.get(),
                           infos.Secondary_Animation_Center.get()})
                         if (other && other != this && other->Applied) {
                             previous = other->Applied;
                             other->Applied = nullptr;
                         }

                     // Only the change from the previous sheet moves the character, so
                     // going back and forth between sheets never drifts it.
                     infos.X += animation->X_Modifier - (previous ? previous->X_Modifier : 0);
                     infos.Y += animation->Y_Modifier - (previous ? previous->Y_Modifier : 0);
                     infos.X_Modifier += animation->CB_X_Modifier - (previous ? previous->CB_X_Modifier : 0);
                     infos.Y_Modifier += animation->CB_Y_Modifier - (previous ? previous->CB_Y_Modifier : 0);
                     Applied = animation;

                     const int width = std::max(infos.CB_Width + animation->CB_W_Modifier, 0);
                     const int height = std::max(infos.CB_Height + animation->CB_H_Modifier, 0);
                     infos.Collision_Rect =
                         GLINT::SDL::Rect(static_cast<Sint16>(infos.X + infos.X_Modifier),
                                          static_cast<Sint16>(infos.Y + infos.Y_Modifier),
                                          static_cast<Uint16>(width), static_cast<Uint16>(height));
                 });
}

void Character_Animations_Center::Hand_Over_To(Character_Animations_Center& next) {
    if (&next == this)
        return;
    Current_Frame = next.Current_Frame;
    Reference_Time = next.Reference_Time;
    if (Applied) {
        next.Applied = Applied;
        Applied = nullptr;
    }
}

// --- Stop ---

void Character_Animations_Center::Stop_Animation_Play() {
    // Standing is the fallback of every other failure, so a failure here is only logged.
    Log_Errors(GLINT::SDL::GameLog, "Error in Character_Animations_Center::Stop_Animation_Play(), ",
               "Unhandled Error In Character_Animations_Center::Stop_Animation_Play()", [&] {
                   Reference_Time = 0;
                   Last_Step = Game_Clock::Now();
                   Current_Frame = 0;
                   Carry_X = Carry_Y = 0.0f;
                   Set_Character_Movement_Values(Required(Stop, "Stop"));
                   CH_Base_All_Infos& infos = Character->Infos();
                   if (infos.Anim_State >= 0) {
                       Characteristics& values = *infos.CH_Characteristics;
                       values.Vector_X = 0.0f;
                       values.Vector_Y = 0.0f;
                       values.Running = false;
                       infos.Path.clear();
                   }
                   infos.Anim_State = -1;
                   infos.Current_Sheet = Stop->Sheet;
                   Show_Frame(Stop);
               });
}

// --- Walk and run ---

void Character_Animations_Center::Movement_Play(Character_Animation* animation, bool running) {
    if (!Battlefield)
        throw std::logic_error("No battlefield to move on");
    Start_Sheet(animation);
    Character->Infos().Anim_State = 1;
    Character->Movement_Sound(*Battlefield, running);
    if (running)
        Run_Animation_Callback();
    else
        Walk_Animation_Callback();
}

void Character_Animations_Center::Movement_Step(Character_Animation* animation, bool running) {
    if (!Frame_Due(animation))
        return;
    CH_Base_All_Infos& infos = Character->Infos();
    if (Current_Frame < animation->Frames) {
        if (!Battlefield)
            throw std::logic_error("No battlefield to move on");
        Show_Frame(animation);
        const Characteristics& values = *infos.CH_Characteristics;
        const int speed = running ? values.Run_Velocity : values.Velocity;
        GLINT::SDL::Rect& box = infos.Collision_Rect;
        if (values.Vector_X != Carried_For_X || values.Vector_Y != Carried_For_Y) {
            Carry_X = Carry_Y = 0.0f;
            Carried_For_X = values.Vector_X;
            Carried_For_Y = values.Vector_Y;
        }
        box.setx(static_cast<Sint16>(box.getx() + Whole_Step(static_cast<float>(speed) * values.Vector_X, Carry_X)));
        box.sety(static_cast<Sint16>(box.gety() + Whole_Step(static_cast<float>(speed) * values.Vector_Y, Carry_Y)));

        const bool free = AI::Manage_Collisions_Full(*Character, *Battlefield, true);
        // Free or not, the character stands where the collision test left its box.
        infos.X = box.getx() - infos.X_Modifier;
        infos.Y = box.gety() - infos.Y_Modifier;
        if (free)
            ++Current_Frame;
        else
            Stop_Animation_Play();
        Character->Set_Following_Camera();
    }
    if (Current_Frame >= animation->Frames) {
        // The cycle ends with its last frame; the caller starts the next.
        Current_Frame = 0;
        infos.Anim_State = 0;
    }
}

void Character_Animations_Center::Walk_Animation_Play() {
    Guarded("Walk_Animation_Play", [&] { Movement_Play(Required(Walk, "Walk"), false); });
}

void Character_Animations_Center::Run_Animation_Play() {
    Guarded("Run_Animation_Play", [&] { Movement_Play(Required(Run, "Run"), true); });
}

void Character_Animations_Center::Walk_Animation_Callback() {
    Guarded("Walk_Animation_Callback", [&] { Movement_Step(Required(Walk, "Walk"), false); });
}

void Character_Animations_Center::Run_Animation_Callback() {
    Guarded("Run_Animation_Callback", [&] { Movement_Step(Required(Run, "Run"), true); });
}

// --- Attack ---

void Character_Animations_Center::Attack_Animation_Play() {
    Guarded("Attack_Animation_Play", [&] {
        Start_Sheet(Required(Attack, "Attack"));
        Attack_Animation_Callback();
    });
}

void Character_Animations_Center::Attack_Animation_Callback() {
    Guarded("Attack_Animation_Callback", [&] {
        Character_Animation* animation = Required(Attack, "Attack");
        if (!Frame_Due(animation))
            return;
        CH_Base_All_Infos& infos = Character->Infos();
        const bool closeCombat = infos.Attack_Type == 0 || infos.Attack_Type == 1;
        if (Current_Frame < animation->Frames) {
            Show_Frame(animation);
            if (Current_Frame == animation->KeyFrame) {
                if (closeCombat) {
                    const int damage = Character->Draw_Damage();
                    infos.Attack_Result = Character->Attack_Check_Status(infos.Attack_Rect, damage);
                } else if (infos.Attack_Type == 2 && infos.CH_Inventory) {
                    infos.CH_Inventory->Launch_Projectile();
                }
            }
            ++Current_Frame;
        }
        // The blow ends in the call that shows its last frame.
        if (Current_Frame < animation->Frames)
            return;
        Current_Frame = 0;
        if (closeCombat) {
            Character->Attack_PlayEndSounds();
            Character->Set_Attack_Msg();
        }
        Character->Attack_Reset();
        Stop_Animation_Play();
    });
}

// --- Hit ---

void Character_Animations_Center::Hit_Animation_Play() {
    Guarded("Hit_Animation_Play", [&] {
        Character_Animation* animation = Required(Hit, "Hit");
        if (Character->Infos().Anim_State >= 0)
            Stop_Animation_Play();
        Start_Sheet(animation);
        Character->Infos().Hit_State = 1;
        Hit_Animation_Callback();
    });
}

void Character_Animations_Center::Hit_Animation_Callback() {
    Guarded("Hit_Animation_Callback", [&] {
        Character_Animation* animation = Required(Hit, "Hit");
        if (!Frame_Due(animation))
            return;
        if (Current_Frame < animation->Frames) {
            Show_Frame(animation);
            ++Current_Frame;
        }
        if (Current_Frame < animation->Frames)
            return;
        Current_Frame = 0;
        Character->Infos().Hit_State = 0;
        Stop_Animation_Play();
    });
}

// --- Pause ---

void Character_Animations_Center::Pause_Animation_Play() {
    Guarded("Pause_Animation_Play", [&] {
        CH_Base_All_Infos& infos = Character->Infos();
        if (!Pause) {
            infos.Anim_State = -1;
            return;
        }
        Start_Sheet(Pause);
        infos.Anim_State = -3;
        if (Pause->Frames > 1)
            Pause_Animation_Callback();
        else
            Show_Frame(Pause);
    });
}

void Character_Animations_Center::Pause_Animation_Callback() {
    Guarded("Pause_Animation_Callback", [&] {
        if (!Pause || !Frame_Due(Pause))
            return;
        // Loops until something else replaces it.
        if (Current_Frame >= Pause->Frames)
            Current_Frame = 0;
        Show_Frame(Pause);
        ++Current_Frame;
    });
}

// --- Death ---

void Character_Animations_Center::Death_Animation_Play() {
    Guarded("Death_Animation_Play", [&] {
        CH_Base_All_Infos& infos = Character->Infos();
        if (infos.Anim_State >= 0)
            Stop_Animation_Play();
        infos.Attack_State = 0;
        if (!Death) {
            infos.Life_State = -2;
            return;
        }
        Start_Sheet(Death);
        infos.Life_State = -1;
        if (infos.Killed_By_Player == 1) {
            switch (infos.CH_Characteristics->Character_ID) {
            case Humanoid_ID:
                Play_Sound(SFX_HumanoidDeath);
                break;
            case Crawler_ID:
                Play_Sound(SFX_CrawlerDeath);
                break;
            case Undead_ID:
                Play_Sound(SFX_UndeadDeathCrumble);
                break;
            default:
                break;
            }
        }
        Death_Animation_Callback();
    });
}

void Character_Animations_Center::Death_Animation_Callback() {
    Guarded("Death_Animation_Callback", [&] {
        if (!Death || !Frame_Due(Death))
            return;
        if (Current_Frame < Death->Frames) {
            Show_Frame(Death);
            ++Current_Frame;
        }
        if (Current_Frame < Death->Frames)
            return;
        // The last frame stays shown.
        Current_Frame = 0;
        Character->Infos().Life_State = -2;
    });
}

// --- Clean-up ---

void Character_Animations_Center::Clean_Character_Animations_Center() {
    try {
        Applied = nullptr;
        if (!Owns_Animations)
            return;
        // Slots may share a sheet (Walk falling back to Stop): the set deletes each once.
        Animation_Set owned;
        owned.Stop = Stop;
        owned.Walk = Walk;
        owned.Run = Run;
        owned.Attack = Attack;
        owned.Hit = Hit;
        owned.Pause = Pause;
        owned.Death = Death;
        Stop = Walk = Run = Attack = Hit = Pause = Death = nullptr;
        owned.Clear();
    } catch (...) {
        GLINT::SDL::GameLog.safeEntry(" Clean_Character_Animations_Center() Failed !!");
    }
}
