#include "interface/Player_Commands.hpp"

#include <cmath>

#include "characters/Player.hpp"
#include "interface/GUI.hpp"
#include "items/Inventory.hpp"
#include "shell/Game_Settings.hpp"

const char* const Player_Commands::Key_Type = "Key";
const char* const Player_Commands::Button_Type = "Button";

namespace {

const Player_Commands::Command Shared_Commands[] = {
    Player_Commands::Attack,          Player_Commands::Draw_Melee_W, Player_Commands::Draw_Distant_W,
    Player_Commands::Draw_Throw_W,    Player_Commands::Draw_Magic_Spell, Player_Commands::Hide_Weapon,
    Player_Commands::Inventory,       Player_Commands::Characteristics, Player_Commands::Heal,
    Player_Commands::Run,             Player_Commands::Action};

bool Matches(const Key_Binding& binding, int code, const std::string& type) {
    return binding.Code != 0 && binding.Code == code && binding.Type == type;
}

} // namespace

bool Player_Commands::Is_Bound(Command command, int code, const std::string& type) {
    if (command < 0 || command >= Count)
        return false;
    const Game_Settings::Key_Action& action = Game_Settings::Key_Actions()[static_cast<std::size_t>(command)];
    return Matches(*action.Set_1, code, type) || Matches(*action.Set_2, code, type);
}

bool Player_Commands::Find_Player_Command(int code, const std::string& type, Command& found) {
    for (Command command : Shared_Commands)
        if (Is_Bound(command, code, type)) {
            found = command;
            return true;
        }
    return false;
}

void Player_Commands::Carry_Out(Command command, Player& player, GUI* gui) {
    CH_Base_All_Infos& infos = player.Infos();
    switch (command) {
    case Attack:
        player.Start_Attack();
        break;
    case Draw_Melee_W:
        player.Interpret_DrawnWeapon(infos.CH_Inventory->Draw_Melee_Weapon());
        break;
    case Draw_Distant_W:
        player.Interpret_DrawnWeapon(infos.CH_Inventory->Draw_Distant_Weapon());
        break;
    case Hide_Weapon:
        player.Hide_Weapon();
        break;
    case Inventory:
        if (gui) {
            ::Inventory* inventory = infos.CH_Inventory.get();
            gui->Show_Inventory(&inventory);
        }
        break;
    case Characteristics:
        if (gui) {
            ::Characteristics* characteristics = infos.CH_Characteristics.get();
            gui->Show_Characteristics(&characteristics);
        }
        break;
    case Heal:
        player.Drink_Potion_1();
        break;
    case Run:
        Running_On(player);
        break;
    case Action:
        player.Action();
        break;
    default:
        // Throwing weapons and spells are recognised but do nothing yet.
        break;
    }
}

void Player_Commands::Steer(Player& player, int x, int y) {
    CH_Base_All_Infos& infos = player.Infos();
    ::Characteristics& stats = *infos.CH_Characteristics;
    stats.Vector_X = static_cast<float>(x);
    stats.Vector_Y = static_cast<float>(y);
    infos.Direction = player.Find_Direction_From_Velocities();
    if (x != 0 && y != 0) {
        // Diagonals cover the same distance per step as straight moves.
        const float root2 = std::sqrt(2.0f);
        stats.Vector_X /= root2;
        stats.Vector_Y /= root2;
    }
}

void Player_Commands::Running_On(Player& player) {
    ::Characteristics& stats = *player.Infos().CH_Characteristics;
    if (stats.Vector_X == 0.0f && stats.Vector_Y == 0.0f)
        return;
    stats.Running = stats.Endurance > 0 && stats.Run_Velocity != 0 && stats.Run_Velocity != stats.Velocity;
}

void Player_Commands::Running_Off(Player& player) { player.Infos().CH_Characteristics->Running = false; }
