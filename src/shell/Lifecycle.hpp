#pragma once

#include <functional>
#include <vector>

class Actionables_Manager;
class BattleField;
class Character_Factory_Base;
class GUI;
class Player;
namespace GLINT {
namespace SDL {
class Engine;
}
} // namespace GLINT

// The four phases of a run. The first three throw std::logic_error on failure;
// CleanUp reports failure by returning false and may run after any of them.
void InitEverything();
void ImplementEverything();
void RunGame();
bool CleanUp();

// While the loading screen is still up, tells the player the start failed and
// where to read why (for the wait before an error exit).
void Show_Start_Failure();

// The running world's parts, not owned; null before ImplementEverything and
// after CleanUp.
struct Game_World {
    BattleField* Battlefield = nullptr;
    Player* Hero = nullptr;
    GUI* Interface = nullptr;
    std::vector<Character_Factory_Base*>* Factories = nullptr;
    Actionables_Manager* Actionables = nullptr;
    GLINT::SDL::Engine* Engine = nullptr;
};
Game_World Get_Game_World();

// A whole run: the four phases with their log lines, every failure logged and
// shown before the exit. before_run, when set, runs between the world's making
// and the main loop (the autopilot takes the hero's controls there). Returns
// the process's exit code.
int Run_Game_Phases(const std::function<void()>& beforeRun = {});
