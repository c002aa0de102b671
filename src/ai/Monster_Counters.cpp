#include "ai/Monster_Counters.hpp"

std::atomic<int> Monster_Counters::Alive{0};
std::atomic<int> Monster_Counters::Killed{0};
