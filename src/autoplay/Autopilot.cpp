#include "autoplay/Autopilot.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>
#include <utility>

#include "ai/AI.hpp"
#include "ai/Character_Factory_Base.hpp"
#include "ai/Monster_Counters.hpp"
#include "ai/PathFinder.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "characters/CH_Base_All_Infos.hpp"
#include "characters/Monster_Base.hpp"
#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "interface/Menu_Window.hpp"
#include "interface/Player_Commands.hpp"
#include "items/Actionable.hpp"
#include "items/Actionables_Manager.hpp"
#include "items/Chest.hpp"
#include "items/Inventory.hpp"
#include "items/Projectile_Stack.hpp"
#include "items/Weapon.hpp"
#include "media/MediaContext.hpp"
#include "media/ScopedLock.hpp"
#include "shell/Daemons.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"

using GLINT::SDL::Point;
using GLINT::SDL::Rect;
using S = Game_Settings;

namespace {

// Seconds of play between two progress lines.
const unsigned Report_Interval = 15;
// A monster this close is fought before anything else is done.
const int Close_Quarters = 96;
// Bags further than this wait until the hunting brings the hero nearer.
const int Bag_Reach = 480;
// Frames a chest or a bag may take before it is given up as out of reach.
const unsigned Goal_Patience = 60 * 25;
// Frames before a chest or bag given up is tried again: the monsters around it may have gone.
const unsigned Retry_After = 60 * 90;
// A shot needs some room: closer, the sword is the better answer.
const int Shortest_Shot = 48;

struct Heading {
    int Code;
    int X;
    int Y;
};

// The eight facings with the way each steps.
std::vector<Heading> Headings() {
    return {{S::CH_RIGHT, 1, 0},   {S::CH_RIGHT_DOWN, 1, 1}, {S::CH_DOWN, 0, 1},  {S::CH_LEFT_DOWN, -1, 1},
            {S::CH_LEFT, -1, 0},   {S::CH_LEFT_UP, -1, -1},  {S::CH_UP, 0, -1},   {S::CH_RIGHT_UP, 1, -1}};
}

Heading Heading_Of(int direction) {
    for (const Heading& h : Headings())
        if (h.Code == direction)
            return h;
    return {direction, 0, 0};
}

Point Centre(const Rect& r) { return Point(static_cast<Sint16>(r.getx() + r.getw() / 2), static_cast<Sint16>(r.gety() + r.geth() / 2)); }

int Overlap(const Rect& a, const Rect& b) {
    const int w = std::min(a.getx() + a.getw(), b.getx() + b.getw()) - std::max<int>(a.getx(), b.getx());
    const int h = std::min(a.gety() + a.geth(), b.gety() + b.geth()) - std::max<int>(a.gety(), b.gety());
    return w > 0 && h > 0 ? w * h : 0;
}

long Squared(const Point& a, const Point& b) {
    const long dx = a.getx() - b.getx(), dy = a.gety() - b.gety();
    return dx * dx + dy * dy;
}

int Sign(int value, int deadBand) { return value > deadBand ? 1 : (value < -deadBand ? -1 : 0); }

bool Alive(const Character_Base& character) { return character.Infos().Life_State == 1; }

} // namespace

Autopilot::Autopilot(const Game_World& world, std::ostream& report, unsigned timeLimit, std::string name)
    : World(world), Report(report), Time_Limit(timeLimit), Name(std::move(name)) {
    const Uint32 started = Game_Clock::Now();
    Routes.reset(new Route_Map(*World.Battlefield, *World.Hero));
    Report << "Route map: " << Routes->Free_Nodes() << " of " << Routes->Columns() * Routes->Rows()
           << " places free, made in " << Game_Clock::Now() - started << " ms" << std::endl;
    Last_Position = Point(static_cast<Sint16>(World.Hero->Infos().X), static_cast<Sint16>(World.Hero->Infos().Y));
}

void Autopilot::Play_Frame() {
    ++Frames;
    if (Result != Playing && Result != Victory)
        return Leave_After(120);
    switch (S::GLOBAL_GAME_STATE.load()) {
    case 3:
        Elapsed = Daemons::Get_Elapsed_Seconds();
        Report_Progress();
        if (Elapsed >= Time_Limit) {
            Result = Out_Of_Time;
            Halt();
            return;
        }
        Play();
        break;
    case 5:
        Confirm_Victory();
        break;
    case 7:
        if (Result == Playing) {
            Result = Death;
            Report << "The hero fell" << std::endl;
        }
        break;
    case 8:
        // The credits roll a moment, then the player leaves as a key would.
        Leave_After(120);
        break;
    default:
        break;
    }
}

void Autopilot::Leave_After(unsigned frames) {
    if (++Waiting_Frames >= frames)
        GLINT::SDL::MediaContext::instance().requestQuit();
}

void Autopilot::Confirm_Victory() {
    Halt();
    if (!World.Interface || World.Interface->Get_Menu_Window().State() != Menu_Window::Victory_Shown)
        return;
    if (Result != Victory) {
        Result = Victory;
        Elapsed = Daemons::Get_Elapsed_Seconds();
        Waiting_Frames = 0;
        Report << "Victory: the window is open" << std::endl;
    }
    // Let the window be seen before it is signed.
    if (++Waiting_Frames < 60)
        return;
    World.Interface->Get_Menu_Window().Name_Field().setText(Name);
    World.Interface->Close_Victory_Menu();
    Waiting_Frames = 0;
}

void Autopilot::Report_Progress() {
    if (Elapsed < Last_Report + Report_Interval && Last_Report != 0)
        return;
    if (Last_Report == 0 && Elapsed == 0 && Frames > 1)
        return;
    Last_Report = std::max(Elapsed, 1u);
    const Characteristics& stats = *World.Hero->Infos().CH_Characteristics;
    const Inventory& inventory = *World.Hero->Infos().CH_Inventory;
    const Projectile_Stack* arrows = inventory.Get_Projectile_Stack();
    Report << Format_Duration(static_cast<int>(Elapsed)) << ": " << Monster_Counters::Alive.load() << " monsters alive, "
           << Monster_Counters::Killed.load() << " killed, life " << stats.Life << "/" << stats.Max_Life << ", "
           << inventory.Get_Healing_Potion_Count() << " potions, " << (arrows ? arrows->Get_Count() : 0) << " arrows"
           << (inventory.Get_Melee_Weapon() ? ", sword" : "") << (inventory.Get_Distant_Weapon() ? ", bow" : "")
           << std::endl;
}

std::string Autopilot::Summary() const {
    const char* outcome = Result == Victory ? "Victory" : Result == Death ? "Death" : Result == Out_Of_Time ? "Out of time" : "Stopped";
    return std::string(outcome) + " after " + Format_Duration(static_cast<int>(Elapsed)) + " of play: " +
           std::to_string(Monster_Counters::Killed.load()) + " monsters killed, " + std::to_string(Potions_Drunk) +
           " potions drunk, " + std::to_string(Arrows_Shot) + " arrows shot, " + std::to_string(Frames) + " frames";
}

void Autopilot::Trace_Line() const {
    const CH_Base_All_Infos& hero = World.Hero->Infos();
    static const char* const Goals[] = {"none", "chest", "bag", "monster"};
    Report << "  frame " << Frames << " at " << hero.X << "," << hero.Y << " life " << hero.CH_Characteristics->Life
           << " goal " << Goals[Goal];
    if (Goal == Monster_Goal && Target) {
        const CH_Base_All_Infos& target = Target->Infos();
        Report << " " << (target.CH_Characteristics->Character_ID == Undead_ID ? "skeleton" : "worm") << " at "
               << target.X << "," << target.Y << " life " << target.CH_Characteristics->Life;
    } else if (Goal != None) {
        Report << " " << Goal_Point.getx() << "," << Goal_Point.gety();
    }
    Report << " weapon " << hero.Attack_Type << " path " << Path.size() << (Sidestep_Frames ? " sidestep" : "")
           << std::endl;
}

// ---------------------------------------------------------------------------
// Playing

void Autopilot::Play() {
    Player& hero = *World.Hero;
    if (Trace && Frames % 30 == 0)
        Trace_Line();
    if (Handed_Over) {
        if (Frames % 30 == 0)
            Report_Bag();
        return;
    }
    if (!Alive(hero) || !hero.Can_Act())
        return;
    Drink_When_Low();

    if (Sidestep_Frames > 0) {
        --Sidestep_Frames;
        Player_Commands::Steer(hero, Sidestep_X, Sidestep_Y);
        return;
    }
    // The bow in hand whenever no monster is at arm's length.
    if (Bow_Ready() && hero.Infos().Attack_Type != Weapon::Distant && !Monster_Near(48))
        Player_Commands::Carry_Out(Player_Commands::Draw_Distant_W, hero, World.Interface);
    if (Goal == None || Frames - Goal_Chosen_Frame >= 15 || (Goal == Monster_Goal && (!Target || !Alive(*Target))))
        Choose_Goal();

    switch (Goal) {
    case Chest_Goal:
    case Bag_Goal: {
        CH_Base_All_Infos& infos = hero.Infos();
        // What the action key would take from where the hero stands.
        bool within = false;
        for (const auto& entry : World.Actionables->Get_Actionables()) {
            const Actionable& thing = *entry.second;
            if (thing.Get_Items().empty())
                continue;
            const Rect& box = infos.Collision_Rect;
            const Rect& size = thing.Get_Type() == Actionable::Chest_Type ? World.Actionables->Get_Chest_Size()
                                                                           : World.Actionables->Get_Drop_Size();
            within = within || Overlap(box, Rect(static_cast<Sint16>(entry.first.first), static_cast<Sint16>(entry.first.second), size.getw(), size.geth())) > 0;
        }
        if (within) {
            Halt();
            Player_Commands::Carry_Out(Player_Commands::Action, hero, World.Interface);
            Goal = None;
            return;
        }
        if (Frames - Goal_Chosen_Frame > Goal_Patience) {
            Given_Up.emplace_back(Goal_Point, Frames);
            Goal = None;
            return;
        }
        Walk_To(Goal_Point, 1);
        return;
    }
    case Monster_Goal: {
        if (Hand_Over && Monster_Counters::Killed.load() + 1 >= static_cast<int>(S::BOW_DROP)) {
            const int direction = Blow_Direction(*Target);
            if (direction >= 0) {
                Halt();
                Face(direction);
                Handed_Over = true;
                const Point own = Centre(hero.Infos().Collision_Rect), other = Centre(Target->Infos().Collision_Rect);
                Report << "Hand over: a monster at " << other.getx() - own.getx() << ", " << other.gety() - own.gety()
                       << " from the hero, who faces it" << std::endl;
                return;
            }
        }
        if (Shoot(*Target) || Strike(*Target))
            return;
        // Whoever else stands in reach is struck on the way.
        for (Character_Factory_Base* factory : *World.Factories) {
            GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
            for (Character_Base* other : factory->Get_Characters())
                if (other != Target && dynamic_cast<Monster_Base*>(other) && Alive(*other) && Strike(*other))
                    return;
        }
        if (Line_Up(*Target))
            return;
        const CH_Base_All_Infos& hero_infos = hero.Infos();
        const Point target = Centre(Target->Infos().Collision_Rect);
        Walk_To(Point(static_cast<Sint16>(target.getx() - hero_infos.X_Modifier - hero_infos.CB_Width / 2),
                      static_cast<Sint16>(target.gety() - hero_infos.Y_Modifier - hero_infos.CB_Height / 2)),
                0);
        return;
    }
    case None:
        Halt();
        return;
    }
}

void Autopilot::Drink_When_Low() {
    Player& hero = *World.Hero;
    const Characteristics& stats = *hero.Infos().CH_Characteristics;
    Inventory& inventory = *hero.Infos().CH_Inventory;
    if (stats.Life * 5 >= stats.Max_Life * 2 || inventory.Get_Healing_Potion_Count() <= 0 || Frames - Last_Drink_Frame < 30)
        return;
    const Sint16 before = inventory.Get_Healing_Potion_Count();
    Player_Commands::Carry_Out(Player_Commands::Heal, hero, World.Interface);
    Last_Drink_Frame = Frames;
    if (inventory.Get_Healing_Potion_Count() < before)
        ++Potions_Drunk;
}

void Autopilot::Choose_Goal() {
    const Goal_Kind previous = Goal;
    const Point previousPoint = Goal_Point;
    Character_Base* monster = Nearest_Monster();
    const Inventory& inventory = *World.Hero->Infos().CH_Inventory;
    Point place;
    Goal = None;
    if (monster && Monster_Near(Close_Quarters)) {
        Goal = Monster_Goal;
    } else if (!inventory.Get_Melee_Weapon() && (Bow_Ready() || !monster || Hand_Over) && Find_Chest(place)) {
        // Bare fists would not get through the graveyard: the chest waits for the bow.
        Goal = Chest_Goal;
        Goal_Point = place;
    } else if (Find_Bag(place)) {
        Goal = Bag_Goal;
        Goal_Point = place;
    } else if (monster) {
        Goal = Monster_Goal;
    }
    Target = Goal == Monster_Goal ? monster : nullptr;
    // A chest or bag keeps its own clock, so that one out of reach is given up.
    if (Goal == Monster_Goal || Goal != previous || Squared(Goal_Point, previousPoint) > 0)
        Goal_Chosen_Frame = Frames;
}

void Autopilot::Report_Bag() const {
    const Point own = Centre(World.Hero->Infos().Collision_Rect);
    for (const auto& entry : World.Actionables->Get_Actionables())
        if (entry.second->Get_Type() == Actionable::Drop_Type && !entry.second->Get_Items().empty()) {
            const int x = entry.first.first - own.getx(), y = entry.first.second - own.gety();
            if (x * x + y * y <= 200 * 200) {
                Report << "Bag: at " << x << ", " << y << " from the hero" << std::endl;
                return;
            }
        }
    Report << "Bag: none near the hero" << std::endl;
}

bool Autopilot::Given_Up_On(const Point& place) const {
    for (const auto& given : Given_Up)
        if (given.first.getx() == place.getx() && given.first.gety() == place.gety() && Frames - given.second < Retry_After)
            return true;
    return false;
}

bool Autopilot::Find_Chest(Point& goal) const {
    const CH_Base_All_Infos& hero = World.Hero->Infos();
    for (const auto& entry : World.Actionables->Get_Actionables()) {
        const auto* chest = dynamic_cast<const Chest*>(entry.second);
        if (!chest || !chest->Closed || chest->Get_Items().empty())
            continue;
        const Rect& size = World.Actionables->Get_Chest_Size();
        const Point place(static_cast<Sint16>(entry.first.first + size.getw() / 2 - hero.X_Modifier - hero.CB_Width / 2),
                          static_cast<Sint16>(entry.first.second + size.geth() / 2 - hero.Y_Modifier - hero.CB_Height / 2));
        if (Given_Up_On(place))
            continue;
        goal = place;
        return true;
    }
    return false;
}

bool Autopilot::Find_Bag(Point& goal) const {
    const CH_Base_All_Infos& hero = World.Hero->Infos();
    const Point here(static_cast<Sint16>(hero.X), static_cast<Sint16>(hero.Y));
    long best = static_cast<long>(Bag_Reach) * Bag_Reach;
    bool found = false;
    for (const auto& entry : World.Actionables->Get_Actionables()) {
        if (entry.second->Get_Type() != Actionable::Drop_Type || entry.second->Get_Items().empty())
            continue;
        const Point place(static_cast<Sint16>(entry.first.first - hero.X_Modifier - hero.CB_Width / 2),
                          static_cast<Sint16>(entry.first.second - hero.Y_Modifier - hero.CB_Height / 2));
        const long distance = Squared(place, here);
        if (distance < best && !Given_Up_On(place)) {
            best = distance;
            goal = place;
            found = true;
        }
    }
    return found;
}

Character_Base* Autopilot::Nearest_Monster() const {
    const CH_Base_All_Infos& hero = World.Hero->Infos();
    const Point here = Centre(hero.Collision_Rect);
    const int damage = std::max<int>(1, hero.CH_Characteristics->Damage_Min);
    Character_Base* nearest = nullptr;
    double best = 0.0;
    for (Character_Factory_Base* factory : *World.Factories) {
        GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
        for (Character_Base* character : factory->Get_Characters()) {
            if (!dynamic_cast<Monster_Base*>(character) || !Alive(*character))
                continue;
            // The way there plus a price for every blow it will take: with bare
            // fists an armoured skeleton is a long and bloody fight.
            const Characteristics& stats = *character->Infos().CH_Characteristics;
            const int blows = stats.Life / std::max(1, damage - stats.Armor) + 1;
            double cost = std::sqrt(static_cast<double>(Squared(Centre(character->Infos().Collision_Rect), here))) + 32.0 * blows;
            // The monster already hunted keeps the hunt unless another is much better.
            if (character == Target)
                cost *= 0.75;
            if (!nearest || cost < best) {
                nearest = character;
                best = cost;
            }
        }
    }
    return nearest;
}

bool Autopilot::Monster_Near(int distance) const {
    const Point here = Centre(World.Hero->Infos().Collision_Rect);
    for (Character_Factory_Base* factory : *World.Factories) {
        GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
        for (Character_Base* character : factory->Get_Characters())
            if (dynamic_cast<Monster_Base*>(character) && Alive(*character) &&
                Squared(Centre(character->Infos().Collision_Rect), here) <= static_cast<long>(distance) * distance)
                return true;
    }
    return false;
}

// ---------------------------------------------------------------------------
// Fighting

bool Autopilot::Strike(const Character_Base& target) {
    Player& hero = *World.Hero;
    CH_Base_All_Infos& infos = hero.Infos();
    const Inventory& inventory = *infos.CH_Inventory;
    const Rect& box = infos.Collision_Rect;
    const Rect& other = target.Infos().Collision_Rect;
    // Nothing within a sword's length and a step: no need to look closer.
    if (other.getx() > box.getx() + box.getw() + 24 || box.getx() > other.getx() + other.getw() + 24 ||
        other.gety() > box.gety() + box.geth() + 24 || box.gety() > other.gety() + other.geth() + 24)
        return false;

    if (inventory.Get_Melee_Weapon() && infos.Attack_Type != Weapon::Melee)
        Player_Commands::Carry_Out(Player_Commands::Draw_Melee_W, hero, World.Interface);
    else if (!inventory.Get_Melee_Weapon() && infos.Attack_Type == Weapon::Distant)
        Player_Commands::Carry_Out(Player_Commands::Hide_Weapon, hero, World.Interface);

    const int direction = Blow_Direction(target);
    if (direction < 0)
        return false;
    Face(direction);
    Attack();
    return true;
}

int Autopilot::Blow_Direction(const Character_Base& target) const {
    const CH_Base_All_Infos& infos = World.Hero->Infos();
    const Characteristics& stats = *infos.CH_Characteristics;
    const int reach = stats.Reach + stats.Weapon_Reach_Bonus;
    int best = 0, direction = -1;
    for (const Heading& h : Headings()) {
        const int covered = Overlap(Character_Base::Melee_Attack_Rect(infos.Collision_Rect, h.Code, reach),
                                    target.Infos().Collision_Rect);
        if (covered > best) {
            best = covered;
            direction = h.Code;
        }
    }
    return direction;
}

bool Autopilot::Shoot(const Character_Base& target) {
    Player& hero = *World.Hero;
    CH_Base_All_Infos& infos = hero.Infos();
    Inventory& inventory = *infos.CH_Inventory;
    if (!Bow_Ready())
        return false;
    int direction = 0, distance = 0;
    if (!In_Line(target.Infos().Collision_Rect, direction, distance) || Friend_In_Line(direction, distance))
        return false;
    if (infos.Attack_Type != Weapon::Distant)
        Player_Commands::Carry_Out(Player_Commands::Draw_Distant_W, hero, World.Interface);
    if (infos.Attack_Type != Weapon::Distant)
        return false;
    const Sint32 before = inventory.Get_Projectile_Stack()->Get_Count();
    Face(direction);
    Attack();
    if (inventory.Get_Projectile_Stack() && inventory.Get_Projectile_Stack()->Get_Count() < before)
        ++Arrows_Shot;
    return true;
}

bool Autopilot::In_Line(const Rect& target, int& direction, int& distance) const {
    const Inventory& inventory = *World.Hero->Infos().CH_Inventory;
    const auto* bow = dynamic_cast<const Weapon*>(inventory.Get_Distant_Weapon());
    const int range = bow ? bow->Get_Range() : 0;
    const Point from = Centre(World.Hero->Infos().Collision_Rect);
    const Point to = Centre(target);
    const int dx = to.getx() - from.getx(), dy = to.gety() - from.gety();
    // How far off the arrow's line the target's centre may be and still be hit.
    const int slack = std::max(2, std::min<int>(target.getw(), target.geth()) / 2 - 3);
    for (const Heading& h : Headings()) {
        // Along and across the heading, in pixels.
        const float norm = std::sqrt(static_cast<float>(h.X * h.X + h.Y * h.Y));
        const float along = (static_cast<float>(dx * h.X + dy * h.Y)) / norm;
        const float across = std::fabs(static_cast<float>(dx * h.Y - dy * h.X)) / norm;
        // With no sword the bow is the better weapon even close by.
        const float shortest = inventory.Get_Melee_Weapon() ? Shortest_Shot : 8.0f;
        if (along >= shortest && along <= range * 0.9f && across <= slack) {
            direction = h.Code;
            distance = static_cast<int>(along);
            return true;
        }
    }
    return false;
}

bool Autopilot::Bow_Ready() const {
    const Inventory& inventory = *World.Hero->Infos().CH_Inventory;
    return inventory.Get_Distant_Weapon() && inventory.Projectile_Are_Available();
}

bool Autopilot::Line_Up(const Character_Base& target) {
    if (!Bow_Ready())
        return false;
    const CH_Base_All_Infos& hero = World.Hero->Infos();
    const auto* bow = dynamic_cast<const Weapon*>(hero.CH_Inventory->Get_Distant_Weapon());
    const Point from = Centre(hero.Collision_Rect);
    const Point to = Centre(target.Infos().Collision_Rect);
    const int dx = to.getx() - from.getx(), dy = to.gety() - from.gety();
    const int reach = bow ? bow->Get_Range() * 3 / 4 : 0;
    if (dx * dx + dy * dy > reach * reach)
        return false;
    // The smallest sidestep that puts the target on one of the eight lines:
    // its row, its column or a diagonal.
    const int ax = std::abs(dx), ay = std::abs(dy);
    int x = 0, y = 0;
    if (ay <= ax - ay && ay <= ax)
        y = Sign(dy, 0);
    else if (ax <= ay - ax)
        x = Sign(dx, 0);
    else if (ax > ay)
        x = Sign(dx, 0);
    else
        y = Sign(dy, 0);
    Track_Progress();
    Player_Commands::Running_Off(*World.Hero);
    Player_Commands::Steer(*World.Hero, x, y);
    return true;
}

bool Autopilot::Friend_In_Line(int direction, int distance) const {
    const Heading h = Heading_Of(direction);
    const Point from = Centre(World.Hero->Infos().Collision_Rect);
    const float norm = std::sqrt(static_cast<float>(h.X * h.X + h.Y * h.Y));
    for (Character_Factory_Base* factory : *World.Factories) {
        GLINT::SDL::ScopedLock hold(factory->Get_Mutex());
        for (Character_Base* character : factory->Get_Characters()) {
            if (dynamic_cast<Monster_Base*>(character) || !Alive(*character))
                continue;
            const Point at = Centre(character->Infos().Collision_Rect);
            const int dx = at.getx() - from.getx(), dy = at.gety() - from.gety();
            const float along = static_cast<float>(dx * h.X + dy * h.Y) / norm;
            const float across = std::fabs(static_cast<float>(dx * h.Y - dy * h.X)) / norm;
            if (along > 0 && along <= distance + 16 && across <= 32)
                return true;
        }
    }
    return false;
}

void Autopilot::Face(int direction) {
    const Heading h = Heading_Of(direction);
    // A tap on the arrow keys: the hero turns, the blow comes before the step.
    Player_Commands::Steer(*World.Hero, h.X, h.Y);
    Player_Commands::Steer(*World.Hero, 0, 0);
    Player_Commands::Running_Off(*World.Hero);
}

void Autopilot::Attack() {
    Player_Commands::Carry_Out(Player_Commands::Attack, *World.Hero, World.Interface);
    Path.clear();
}

// ---------------------------------------------------------------------------
// Walking

bool Autopilot::Walk_To(const Point& goal, int near) {
    Player& hero = *World.Hero;
    CH_Base_All_Infos& infos = hero.Infos();
    const Characteristics& stats = *infos.CH_Characteristics;
    const Point here(static_cast<Sint16>(infos.X), static_cast<Sint16>(infos.Y));
    const int dx = goal.getx() - here.getx(), dy = goal.gety() - here.gety();
    if (std::abs(dx) <= near && std::abs(dy) <= near) {
        Halt();
        return true;
    }

    Track_Progress();

    const long distance = Squared(goal, here);
    if (distance > static_cast<long>(2 * Route_Map::Step) * (2 * Route_Map::Step)) {
        if (Path.empty() || Squared(Path_Goal, goal) > 32 * 32 || Frames - Path_Frame > 120)
            Plan(goal);
    } else {
        Path.clear();
    }

    const int speed = std::max(1, stats.Running ? stats.Run_Velocity : stats.Velocity);
    while (!Path.empty() && std::abs(Path.front().getx() - here.getx()) <= speed / 2 &&
           std::abs(Path.front().gety() - here.gety()) <= speed / 2)
        Path.pop_front();
    const Point next = Path.empty() ? goal : Path.front();
    const int band = std::max(1, std::min(speed / 2, near + 1));
    Player_Commands::Steer(hero, Sign(next.getx() - here.getx(), band), Sign(next.gety() - here.gety(), band));

    // Runs on long ways while the legs hold, walks the last stretch.
    if (distance > 256L * 256L && stats.Endurance * 3 > stats.Max_Endurance)
        Player_Commands::Running_On(hero);
    else if (distance <= 128L * 128L || stats.Endurance * 6 < stats.Max_Endurance)
        Player_Commands::Running_Off(hero);
    return false;
}

void Autopilot::Track_Progress() {
    const CH_Base_All_Infos& infos = World.Hero->Infos();
    const Point here(static_cast<Sint16>(infos.X), static_cast<Sint16>(infos.Y));
    // Stuck against someone or something the maps do not know: a few steps aside, then a new plan.
    if (here.getx() == Last_Position.getx() && here.gety() == Last_Position.gety()) {
        if (++Still_Frames > 12) {
            Still_Frames = 0;
            const Heading h = Headings()[static_cast<std::size_t>(Game_Random::Between(0, 7))];
            Sidestep_X = h.X;
            Sidestep_Y = h.Y;
            Sidestep_Frames = 16;
            Path.clear();
        }
    } else {
        Still_Frames = 0;
    }
    Last_Position = here;
}

void Autopilot::Plan(const Point& goal) {
    Player& hero = *World.Hero;
    const CH_Base_All_Infos& infos = hero.Infos();
    const Point here(static_cast<Sint16>(infos.X), static_cast<Sint16>(infos.Y));
    Path.clear();
    // Near at hand the game's own path finder; across the field the route map.
    if (Squared(goal, here) < 192L * 192L)
        Path = PathFinder().Get_Path(here, goal, AI::Get_Grid_Size(hero), hero, *World.Battlefield);
    if (Path.empty())
        Path = Routes->Route(here, goal);
    Path_Goal = goal;
    Path_Frame = Frames;
}

void Autopilot::Halt() {
    if (!World.Hero)
        return;
    Player_Commands::Steer(*World.Hero, 0, 0);
    Player_Commands::Running_Off(*World.Hero);
}
