#pragma once

#include <string>

#include <SDL/SDL_types.h>

class BattleField;
class Character_Animation;
class Character_Base;
class Animation_Set;

// Plays one character's animations. Each action has a Play operation that
// starts its sheet and a Callback, polled every frame, that shows the next
// frame when the clock says it is due; walking and running move the
// character through the collision test, the attack strikes at its key frame.
// A failing Play or Callback is logged and leaves the character standing.
class Character_Animations_Center {
public:
    Character_Animations_Center(Character_Base* character, BattleField* battlefield, Character_Animation* stop,
                                Character_Animation* walk, Character_Animation* run, Character_Animation* attack,
                                Character_Animation* hit, Character_Animation* pause, Character_Animation* death,
                                bool ownsAnimations);
    // Plays the sheets of set without owning them.
    Character_Animations_Center(Character_Base* character, BattleField* battlefield, const Animation_Set& set);
    ~Character_Animations_Center();

    Character_Animations_Center(const Character_Animations_Center&) = delete;
    Character_Animations_Center& operator=(const Character_Animations_Center&) = delete;

    void Stop_Animation_Play();
    void Walk_Animation_Play();
    void Run_Animation_Play();
    void Attack_Animation_Play();
    void Hit_Animation_Play();
    void Pause_Animation_Play();
    void Death_Animation_Play();

    void Walk_Animation_Callback();
    void Run_Animation_Callback();
    void Attack_Animation_Callback();
    void Hit_Animation_Callback();
    void Pause_Animation_Callback();
    void Death_Animation_Callback();

    // Applies the sheet's position and collision-box modifiers to the character.
    void Set_Character_Movement_Values(const Character_Animation* animation);
    void Clean_Character_Animations_Center();
    // A character changing sets (the player drawing a weapon): this outgoing
    // centre takes next's frame and reference time, and next takes over the
    // sheet modifiers in force so that the character does not shift.
    void Hand_Over_To(Character_Animations_Center& next);

    Uint32 Get_Last_Step() const { return Last_Step; }
    // Stamps the start of play, as a new character's centre is made current.
    void Set_Last_Step(Uint32 ms) { Last_Step = ms; }

    Character_Animation* Get_Stop() const { return Stop; }
    Character_Animation* Get_Walk() const { return Walk; }
    Character_Animation* Get_Run() const { return Run; }
    Character_Animation* Get_Attack() const { return Attack; }
    Character_Animation* Get_Hit() const { return Hit; }
    Character_Animation* Get_Pause() const { return Pause; }
    Character_Animation* Get_Death() const { return Death; }

private:
    // True when a frame of animation is due; then counts it.
    bool Frame_Due(const Character_Animation* animation);
    // Starts a sheet: its modifiers, frame 0 due at once, the character's current sheet.
    void Start_Sheet(Character_Animation* animation);
    void Show_Frame(const Character_Animation* animation);
    void Movement_Step(Character_Animation* animation, bool running);
    void Movement_Play(Character_Animation* animation, bool running);
    // Logs the failure of operation and stands the character.
    void Fail(const std::string& operation, const std::string* message);
    template <class Body> void Guarded(const char* operation, Body&& body);

    int Current_Frame = 0;
    bool Owns_Animations;
    Uint32 Last_Step;
    Uint32 Reference_Time = 0;
    Character_Animation* Attack;
    Character_Animation* Death;
    Character_Animation* Run;
    Character_Animation* Walk;
    Character_Animation* Hit;
    Character_Animation* Stop;
    Character_Animation* Pause;
    Character_Base* Character;
    BattleField* Battlefield;
    // The sheet whose modifiers were applied last: a new sheet applies only the difference.
    const Character_Animation* Applied = nullptr;
    // The fractions of pixels the steps along this vector have not made yet.
    float Carry_X = 0.0f, Carry_Y = 0.0f;
    float Carried_For_X = 0.0f, Carried_For_Y = 0.0f;
};
