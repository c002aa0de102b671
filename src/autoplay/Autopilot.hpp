#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <SDL/SDL_types.h>

#include "autoplay/Route_Map.hpp"
#include "characters/Point_List.hpp"
#include "media/Point.hpp"
#include "media/Rect.hpp"
#include "shell/Lifecycle.hpp"

class Character_Base;

// Plays in the hero's place, one decision a frame, and only with what the
// keyboard could do: steer, run, strike, draw a weapon, drink, act. It takes
// the graveyard chest's sword first, then hunts the nearest monster, shoots
// when a bow, arrows and a monster in line come together, drinks when its
// life runs low, picks up the bags it finds, and on victory signs the
// best-times window.
class Autopilot {
public:
    enum Outcome { Playing, Victory, Death, Out_Of_Time };

    // Prints its progress to report; gives up after timeLimit seconds of game time.
    Autopilot(const Game_World& world, std::ostream& report, unsigned timeLimit, std::string name);

    // Before each frame's own logic, on the main thread under the world lock.
    void Play_Frame();

    Outcome Get_Outcome() const { return Result; }
    // A line on what the bot is after, twice a second.
    void Set_Trace(bool on) { Trace = on; }
    // For staged tests: the bot takes the chest's sword, kills BOW_DROP - 1
    // monsters, then stops facing the next one within reach (whose bag holds
    // the bow), says where it stands, and leaves the hero to the keyboard;
    // from then on it tells where the nearest bag lies, twice a second.
    void Set_Hand_Over(bool on) { Hand_Over = on; }
    // The last line: outcome, game time, monsters killed, potions, arrows, frames.
    std::string Summary() const;

private:
    enum Goal_Kind { None, Chest_Goal, Bag_Goal, Monster_Goal };

    void Play();
    void Confirm_Victory();
    void Leave_After(unsigned frames);
    void Report_Progress();
    void Trace_Line() const;

    void Drink_When_Low();
    void Choose_Goal();
    bool Find_Chest(GLINT::SDL::Point& goal) const;
    bool Find_Bag(GLINT::SDL::Point& goal) const;
    bool Given_Up_On(const GLINT::SDL::Point& place) const;
    // Once handed over: where the nearest bag lies from the hero's box centre.
    void Report_Bag() const;
    // The monster cheapest to reach and kill with what the hero holds.
    Character_Base* Nearest_Monster() const;
    bool Monster_Near(int distance) const;

    // The blow or shot to deal now; false when the target is out of reach.
    bool Strike(const Character_Base& target);
    // The direction a blow at target would take; -1 when it is out of reach.
    int Blow_Direction(const Character_Base& target) const;
    bool Shoot(const Character_Base& target);
    bool In_Line(const GLINT::SDL::Rect& target, int& direction, int& distance) const;
    bool Bow_Ready() const;
    // Within a shot's range but off every line: a step that brings the target onto one.
    bool Line_Up(const Character_Base& target);
    bool Friend_In_Line(int direction, int distance) const;
    void Face(int direction);
    void Attack();

    // Walks to where the hero's position is to be; true once there.
    bool Walk_To(const GLINT::SDL::Point& goal, int near);
    void Plan(const GLINT::SDL::Point& goal);
    // Notices a hero who stays put while steered and sends him a few steps aside.
    void Track_Progress();
    void Halt();

    Game_World World;
    std::ostream& Report;
    unsigned Time_Limit;
    std::string Name;
    std::unique_ptr<Route_Map> Routes;
    bool Trace = false;
    bool Hand_Over = false;
    bool Handed_Over = false;

    Outcome Result = Playing;
    unsigned Frames = 0;
    int Potions_Drunk = 0;
    int Arrows_Shot = 0;
    unsigned Elapsed = 0;
    unsigned Last_Report = 0;
    unsigned Waiting_Frames = 0;
    unsigned Last_Drink_Frame = 0;

    Goal_Kind Goal = None;
    Character_Base* Target = nullptr;
    GLINT::SDL::Point Goal_Point;
    unsigned Goal_Chosen_Frame = 0;

    // Chests and bags that could not be reached, with the frame they were given up.
    std::vector<std::pair<GLINT::SDL::Point, unsigned>> Given_Up;

    Point_List Path;
    GLINT::SDL::Point Path_Goal;
    unsigned Path_Frame = 0;
    GLINT::SDL::Point Last_Position;
    unsigned Still_Frames = 0;
    unsigned Sidestep_Frames = 0;
    int Sidestep_X = 0;
    int Sidestep_Y = 0;
};
