#include "characters/Attitudes.hpp"

#include <stdexcept>

#include "shell/Error_Chain.hpp"

int Attitudes::String_To_Attitude(const std::string& text) {
    return Chain_Errors("Exception In Attitudes::String_To_Attitude(): ",
                        "Unhandled Exception In Attitudes::String_To_Attitude()", [&] {
                            static const char* const Names[] = {"Wanderer", "Guard", "Aggressive", "Coward",
                                                                "Passive"};
                            for (int i = 0; i < 5; ++i)
                                if (text == Names[i])
                                    return i + 1;
                            throw std::logic_error("Trying to convert string to Attitude with an unknown str_Attitude");
                        });
}

void Attitudes::Set_Initials(int defaultAttitude, int vsPlayer, int vsMonsters, int whenAttacked) {
    Default_Attitude = defaultAttitude;
    Attitude_Vs_PB = vsPlayer;
    Attitude_Vs_MB = vsMonsters;
    Attitude_When_Attacked = whenAttacked;
    Guard_Path.clear();
}
