#include "media/NewTimer.hpp"
#include "media/Timer.hpp"

#include "media/Audio_Fixtures.hpp"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

using GLINT::SDL::NewTimer;
using GLINT::SDL::ScopedLock;
using GLINT::SDL::Timer;
using GLINT::SDL::WorldLock;

namespace {

// A game object stand-in: counts its ticks and does what the test asks.
struct Ticker {
    enum class Then { Repeat, Stop, Throw, ThrowOther, EchoInterval };

    std::atomic<Then> then{Then::Repeat};
    std::atomic<int> calls{0}, callsWhileDead{0}, busyMs{0};
    std::atomic<bool> alive{true}, inside{false};
    std::atomic<unsigned> lastInterval{0};

    unsigned Tick(unsigned interval, void*) {
        inside = true;
        if (!alive)
            ++callsWhileDead;
        ++calls;
        lastInterval = interval;
        if (busyMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(busyMs.load()));
        inside = false;
        switch (then.load()) {
        case Then::Stop:
            return 0;
        case Then::Throw:
            throw std::runtime_error("arrow lost");
        case Then::ThrowOther:
            throw 42;
        case Then::EchoInterval:
            return interval;
        case Then::Repeat:
            break;
        }
        return 10;
    }
};

} // namespace

template <>
struct GLINT::SDL::TimerMethod<Ticker> {
    static constexpr auto method = &Ticker::Tick;
    static unsigned interval() { return ms; }
    static inline std::atomic<unsigned> ms{10};
};

namespace {

template <class Condition>
bool waitFor(Condition condition, int timeoutMs = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_TIMER), 0) << SDL_GetError();
        GLINT::SDL::TimerMethod<Ticker>::ms = 10;
    }
    void TearDown() override {
        WorldLock::resetShutdown();
        SDL_Quit();
    }
};

// Deletes a running timer, often mid-tick (busy callbacks, deletion at varying
// moments): the deletion waits for a tick under way, and nothing is called after it.
template <class MakeTimer> void Delete_While_Ticking(MakeTimer make, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE(round);
        Ticker ticker;
        ticker.busyMs = round % 3 * 4;
        auto timer = make(ticker);
        ASSERT_TRUE(waitFor([&] { return ticker.calls >= 1; }));
        pause(round * 3);
        timer.reset();
        EXPECT_FALSE(ticker.inside);
        ticker.alive = false;
        pause(60);
        EXPECT_EQ(ticker.callsWhileDead, 0);
    }
}

TEST_F(TimerTest, LaunchTwiceStartsOneTimerAndZeroLeavesItRelaunchable) {
    Ticker first, second;
    first.then = second.then = Ticker::Then::Stop;
    Timer<Ticker> timer;
    timer.setCallback(&first);
    EXPECT_TRUE(timer.launch());
    EXPECT_FALSE(timer.launch());
    ASSERT_TRUE(waitFor([&] { return first.calls >= 1 && !timer.isRunning(); }));
    pause(100);
    EXPECT_EQ(first.calls, 1) << "a second SDL timer would have called again";

    // The usual restart, onto another object.
    EXPECT_TRUE(timer.abort());
    timer.setCallback(&second);
    EXPECT_TRUE(timer.launch());
    ASSERT_TRUE(waitFor([&] { return second.calls >= 1 && !timer.isRunning(); }));
    EXPECT_EQ(first.calls, 1);
}

TEST_F(TimerTest, AbortStopsARunningTimerAndIsHarmlessWhenIdleAndZeroIntervalNeverStarts) {
    Ticker ticker;
    Timer<Ticker> timer;
    timer.setCallback(&ticker);
    EXPECT_TRUE(timer.abort());

    ASSERT_TRUE(timer.launch());
    ASSERT_TRUE(waitFor([&] { return ticker.calls >= 2; }));
    EXPECT_TRUE(timer.abort());
    EXPECT_FALSE(timer.isRunning());
    const int calls = ticker.calls;
    pause(100);
    EXPECT_LE(ticker.calls, calls + 1); // at most the tick that was already under way

    GLINT::SDL::TimerMethod<Ticker>::ms = 0;
    Ticker idle;
    timer.setCallback(&idle);
    EXPECT_FALSE(timer.launch());
    EXPECT_FALSE(timer.isRunning());
    pause(50);
    EXPECT_EQ(idle.calls, 0);
}

TEST_F(TimerTest, DeletingARunningTimerWaitsForItsCallbackAndStopsIt) {
    Delete_While_Ticking(
        [](Ticker& ticker) {
            auto timer = std::make_unique<Timer<Ticker>>();
            timer->setCallback(&ticker);
            EXPECT_TRUE(timer->launch());
            return timer;
        },
        6);
    Delete_While_Ticking([](Ticker& ticker) { return std::make_unique<NewTimer<Ticker>>(&ticker, &Ticker::Tick, 10); },
                         4);
}

TEST_F(TimerTest, AnExceptionInACallbackIsLoggedAndStopsThatTimer) {
    MediaLogCapture log;
    Ticker failing, unknown, steady, failingNew;
    failing.then = failingNew.then = Ticker::Then::Throw;
    unknown.then = Ticker::Then::ThrowOther;
    Timer<Ticker> first, second, third;
    first.setCallback(&failing);
    second.setCallback(&unknown);
    third.setCallback(&steady);
    ASSERT_TRUE(first.launch());
    ASSERT_TRUE(second.launch());
    ASSERT_TRUE(third.launch());
    NewTimer<Ticker> fourth(&failingNew, &Ticker::Tick, 10);
    ASSERT_TRUE(waitFor([&] { return !first.isRunning() && !second.isRunning() && !fourth.isRunning(); }));
    pause(60);
    EXPECT_EQ(failing.calls, 1);
    EXPECT_EQ(unknown.calls, 1);
    EXPECT_EQ(failingNew.calls, 1);
    EXPECT_TRUE(third.isRunning());
    EXPECT_TRUE(third.abort());

    const std::string text = log.text();
    for (const char* logged :
         {"\nGLINT::SDL : Error in template <class TClass> Timer<TClass>::callback(), arrow lost\n",
          "\nGLINT::SDL : Unhandled Error in template <class TClass> Timer<TClass>::callback()\n",
          "GLINT::SDL : Error in template <class TClass> NewTimer<TClass>::callback(), arrow lost"})
        EXPECT_NE(text.find(logged), std::string::npos) << logged << " in " << text;
}

TEST_F(TimerTest, ACallbackWaitingForTheWorldAfterShutdownCallsNobody) {
    Ticker ticker;
    Timer<Ticker> timer;
    timer.setCallback(&ticker);
    {
        ScopedLock world(WorldLock::mutex());
        ASSERT_TRUE(timer.launch());
        pause(60); // the first tick is now waiting for the world lock
        WorldLock::beginShutdown();
        EXPECT_TRUE(WorldLock::isShuttingDown());
    }
    pause(80);
    EXPECT_EQ(ticker.calls, 0);

    Timer<Ticker> late;
    late.setCallback(&ticker);
    EXPECT_FALSE(late.launch());
}

TEST_F(TimerTest, NewTimerRaisesZeroIntervalAndRunsUntilZero) {
    Ticker ticker;
    ticker.then = Ticker::Then::EchoInterval;
    // Unraised, the callback would get 0 back and stop at once.
    NewTimer<Ticker> timer(&ticker, &Ticker::Tick, 0);
    ASSERT_TRUE(waitFor([&] { return ticker.calls >= 3; }));
    EXPECT_GT(ticker.lastInterval, 0u);
    EXPECT_TRUE(timer.isRunning());

    ticker.then = Ticker::Then::Stop;
    ASSERT_TRUE(waitFor([&] { return !timer.isRunning(); }));
    const int calls = ticker.calls;
    pause(60);
    EXPECT_EQ(ticker.calls, calls);
    EXPECT_TRUE(timer.stop());
}

} // namespace
