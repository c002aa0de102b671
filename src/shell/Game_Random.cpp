#include "shell/Game_Random.hpp"

#include <cstdlib>
#include <ctime>
#include <deque>
#include <mutex>
#include <random>
#include <string>

namespace {

// Draws happen on the main thread and on the timer thread (under the world
// lock, but unit tests have none): the generator keeps its own small lock.
std::mutex Random_Mutex;
std::mt19937 Generator(1u);
std::deque<int> Scripted;

} // namespace

void Game_Random::Seed(unsigned seed) {
    std::lock_guard<std::mutex> lock(Random_Mutex);
    Generator.seed(seed);
    Scripted.clear();
}

unsigned Game_Random::Seed_From_Environment() {
    unsigned seed = static_cast<unsigned>(std::time(nullptr));
    if (const char* text = std::getenv("VARNHOLT_SEED")) {
        char* end = nullptr;
        const unsigned long value = std::strtoul(text, &end, 10);
        if (end != text && *end == '\0')
            seed = static_cast<unsigned>(value);
    }
    Seed(seed);
    return seed;
}

int Game_Random::Draw() {
    std::lock_guard<std::mutex> lock(Random_Mutex);
    if (!Scripted.empty()) {
        const int value = Scripted.front();
        Scripted.pop_front();
        return value < 0 ? -value : value;
    }
    return static_cast<int>(Generator() >> 1);
}

int Game_Random::Between(int lo, int hi) {
    if (lo > hi)
        std::swap(lo, hi);
    // In unsigned arithmetic the span of any int range fits, whole range included.
    const unsigned span = static_cast<unsigned>(hi) - static_cast<unsigned>(lo) + 1u;
    const unsigned draw = static_cast<unsigned>(Draw());
    const unsigned offset = span == 0 ? draw : draw % span;
    return static_cast<int>(static_cast<unsigned>(lo) + offset);
}

void Game_Random::Script(const std::vector<int>& values) {
    std::lock_guard<std::mutex> lock(Random_Mutex);
    Scripted.insert(Scripted.end(), values.begin(), values.end());
}

void Game_Random::Clear_Script() {
    std::lock_guard<std::mutex> lock(Random_Mutex);
    Scripted.clear();
}
