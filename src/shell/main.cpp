#include "shell/Lifecycle.hpp"

int main(int, char**) { return Run_Game_Phases(); }
