#include "items/Flying.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "characters/Character_Base.hpp"
#include "data/XML_Manager.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Settings.hpp"

Flying::Flying() = default;

Flying::Flying(const Flying& other)
    : Start_Rect(other.Start_Rect), Range(other.Range), Damage(other.Damage), Direction(other.Direction),
      Shooter(other.Shooter), State(other.State), Velocity(other.Velocity), Frame_Interval(other.Frame_Interval),
      Tileset(other.Tileset), Color_Key(other.Color_Key), Frame_Rect(other.Frame_Rect),
      Current_Rect(other.Current_Rect) {}

Flying::Flying(const Flying& other, Share_Pictures)
    : Start_Rect(other.Start_Rect), Range(other.Range), Damage(other.Damage), Direction(other.Direction),
      Shooter(other.Shooter), State(other.State), Velocity(other.Velocity), Frame_Interval(other.Frame_Interval),
      Color_Key(other.Color_Key), Frame_Rect(other.Frame_Rect), Current_Rect(other.Current_Rect) {
    Tileset.Share(other.Tileset.Get());
}

Flying::~Flying() { Clean_Flying(); }

void Flying::Clean_Flying() {
    try {
        // Deleting the timer stops it and waits for a tick in progress.
        Launched_Projectile_Timer.reset();
        Tileset.Clear();
    } catch (...) {
        GLINT::SDL::GameLog.safeEntry("Clean_Flying() Failed !!");
    }
}

void Flying::Create_From_File(const std::string& file) {
    Chain_Errors("Exception In Flying::Create_From_File(" + file + "): ",
                 "Unhandled Exception In Flying::Create_From_File(" + file, [&] {
                     XML_Manager::Validate_File(file);
                     // 0 would stop the timer at the first tick of a prepared arrow.
                     Frame_Interval = static_cast<Uint32>(
                         std::max(1L, XML_Manager::Get_Option_Value_Long(file, "TS_Frame_Interval")));
                     Velocity = static_cast<Uint16>(XML_Manager::Get_Option_Value(file, "TS_Velocity"));
                     const bool keyed = XML_Manager::Check_Node_Exists(file, "TS_ColorKey_RGB");
                     if (keyed)
                         Color_Key = GLINT::SDL::RGBColor(
                             static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TS_ColorKey_R")),
                             static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TS_ColorKey_G")),
                             static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TS_ColorKey_B")));
                     const std::string tileset = XML_Manager::Get_Option_String(file, "TS_Filename");
                     Frame_Rect.setw(static_cast<Uint16>(XML_Manager::Get_Option_Value(file, "TS_Width")));
                     Frame_Rect.seth(static_cast<Uint16>(XML_Manager::Get_Option_Value(file, "TS_Height")));
                     if (keyed)
                         Tileset.Load(GLINT::SDL::RGBAColor(Color_Key, 255), tileset);
                     else
                         Tileset.Load(tileset);
                 });
}

void Flying::Set_Fly_Infos(const GLINT::SDL::Rect& launchRect, Uint16 range, Sint16 direction, Sint16 damage,
                           Character_Base* owner) {
    Chain_Errors("Exception In Flying::Set_Fly_Infos(): ", "Unhandled Exception In Flying::Set_Fly_Infos()", [&] {
        Start_Rect = launchRect;
        Current_Rect = launchRect;
        Range = range;
        Direction = direction;
        Damage = damage;
        Shooter = owner;
        // The old timer goes first: a second preparation must not leave one ticking.
        Launched_Projectile_Timer.reset();
        Launched_Projectile_Timer = std::make_unique<GLINT::SDL::Timer<Flying>>();
        State = Prepared;
    });
}

void Flying::Fly_Play() {
    Chain_Errors("Exception In Flying::Fly_Play(): ", "Unhandled Exception In Flying::Fly_Play()", [&] {
        if (!Launched_Projectile_Timer)
            Launched_Projectile_Timer = std::make_unique<GLINT::SDL::Timer<Flying>>();
        Launched_Projectile_Timer->abort();
        Launched_Projectile_Timer->setCallback(this);
        if (!Launched_Projectile_Timer->launch())
            throw std::logic_error("Unable to launch the callback on Launched_Projectile_Timer");
    });
}

void Flying::Launch() {
    if (State == Prepared)
        State = In_Flight;
}

void Flying::Set_Frame_Row(Sint16 direction) {
    // The tileset holds one row per direction code.
    Frame_Rect.sety(static_cast<Sint16>(std::max(0, direction * Frame_Rect.geth())));
}

bool Flying::Is_Timer_Running() const { return Launched_Projectile_Timer && Launched_Projectile_Timer->isRunning(); }

int Flying::Damage_At(int damage, int distance, int range) {
    if (range <= 0)
        return distance <= 0 ? damage : 0;
    return damage - (distance * damage) / range;
}

void Flying::Step() {
    using S = Game_Settings;
    const int v = Velocity;
    const float root2 = static_cast<float>(std::sqrt(2.0));
    const int d = static_cast<int>(std::floor(static_cast<float>(v) / root2 + 0.5f));
    int dx = 0, dy = 0;
    if (Direction == S::CH_RIGHT)
        dx = v;
    else if (Direction == S::CH_LEFT)
        dx = -v;
    else if (Direction == S::CH_DOWN)
        dy = v;
    else if (Direction == S::CH_UP)
        dy = -v;
    else if (Direction == S::CH_RIGHT_DOWN)
        dx = d, dy = d;
    else if (Direction == S::CH_LEFT_DOWN)
        dx = -d, dy = d;
    else if (Direction == S::CH_LEFT_UP)
        dx = -d, dy = -d;
    else if (Direction == S::CH_RIGHT_UP)
        dx = d, dy = -d;
    Current_Rect.setx(static_cast<Sint16>(Current_Rect.getx() + dx));
    Current_Rect.sety(static_cast<Sint16>(Current_Rect.gety() + dy));
}

unsigned Flying::Fly_Callback(unsigned, void*) {
    return Chain_Errors("Exception In Flying::Fly_Callback() : ", "Unhandled Exception In Flying::Fly_Callback()",
                        [&]() -> unsigned {
                            const unsigned wait = std::max<Uint32>(Frame_Interval, 1u);
                            switch (State) {
                            case Not_Initialised:
                                GLINT::SDL::GameLog.safeEntry(
                                    " Calling In Flying::Fly() Callback Without Calling Flying::Set_Fly_Infos() "
                                    "Before !!. Class Flying is not Initialized ");
                                return 0;
                            case Prepared:
                                return wait;
                            case In_Flight:
                                break;
                            default:
                                return 0;
                            }

                            Step();
                            const double dx = Current_Rect.getx() - Start_Rect.getx();
                            const double dy = Current_Rect.gety() - Start_Rect.gety();
                            const int distance = static_cast<int>(std::sqrt(dx * dx + dy * dy));
                            const GLINT::SDL::Sound* sound = &SFX_ItemArrowMiss;
                            if (distance <= Range) {
                                int hit = 0;
                                if (Shooter) {
                                    hit = Shooter->Attack_Check_Status(Current_Rect,
                                                                       Damage_At(Damage, distance, Range));
                                    Shooter->Infos().Attack_Result = hit;
                                }
                                if (hit == 0)
                                    return wait;
                                sound = &SFX_ItemArrowHit;
                            } else if (Shooter) {
                                // The message must not report an earlier blow.
                                Shooter->Infos().Attack_Result = 0;
                            }
                            Play_Sound(*sound);
                            if (Shooter)
                                Shooter->Set_Attack_Msg();
                            State = Finished;
                            return 0;
                        });
}
