#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "media/Logger.hpp"

using GLINT::SDL::Logger;

namespace {

// Swaps std::clog's buffer for a string for the life of the object.
class ConsoleCapture {
public:
    ConsoleCapture() : old(std::clog.rdbuf(buffer.rdbuf())) {}
    ~ConsoleCapture() { std::clog.rdbuf(old); }
    std::string text() const { return buffer.str(); }

private:
    std::ostringstream buffer;
    std::streambuf* old;
};

std::string readFile(const std::string& name) {
    std::ifstream in(name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string tempName(const char* tag) { return ::testing::TempDir() + "varnholt_logger_" + tag + ".log"; }

} // namespace

TEST(Logger, EntriesAreBlankLineSeparatedAndPrefixedOnTheConsoleUntilTheFileOpens) {
    const std::string file = tempName("switch");
    std::string console;
    {
        ConsoleCapture capture;
        Logger log("Varnholt", 0, 2);
        log << Logger::beginEntry << "before open " << 42 << std::endl;
        log.setFile(true);
        ASSERT_TRUE(log.open(file));
        log.setConsole(false);
        log << Logger::beginEntry << "first" << std::endl;
        log << Logger::beginEntry << "second" << std::endl;
        console = capture.text();
    }
    EXPECT_EQ(console, "\nVarnholt : before open 42\n");
    EXPECT_EQ(readFile(file), "\nVarnholt : first\n\nVarnholt : second\n");
    std::remove(file.c_str());
}

TEST(Logger, IndentationAndSafeEntry) {
    const std::string file = tempName("indent");
    {
        Logger log("GLINT::SDL", 2, 3);
        log.setFile(true);
        ASSERT_TRUE(log.open(file));
        log.setConsole(false);
        log.safeEntry("from a timer");
    }
    EXPECT_EQ(readFile(file), "\n      GLINT::SDL : from a timer\n");
    std::remove(file.c_str());
}

TEST(Logger, FailedOpenIsReportedOnceAndLaterOutputIsDropped) {
    ConsoleCapture capture;
    Logger log("Varnholt");
    log.setFile(true);
    EXPECT_FALSE(log.open("/nonexistent-dir/x/Varnholt.log"));
    log.setConsole(false);
    log << Logger::beginEntry << "lost" << std::endl;
    EXPECT_EQ(capture.text(), "Logger ERROR : Failed to open /nonexistent-dir/x/Varnholt.log\n");
}

TEST(Logger, EveryCompletedEntryIsInTheFileAtOnce) {
    // A killed game never flushes or destroys its logs: what is in the file is all there is.
    const std::string file = tempName("entries");
    Logger log("Varnholt");
    log.setFile(true);
    ASSERT_TRUE(log.open(file));
    log.setConsole(false);
    log << Logger::beginEntry << "one " << 1 << std::endl;
    EXPECT_EQ(readFile(file), "\nVarnholt : one 1\n");
    log.safeEntry("two");
    EXPECT_EQ(readFile(file), "\nVarnholt : one 1\n\nVarnholt : two\n");
    // The media layer's entries end without std::endl.
    log << Logger::beginEntry << "SDL will use " << 800 << "x" << 600;
    EXPECT_EQ(readFile(file), "\nVarnholt : one 1\n\nVarnholt : two\n\nVarnholt : SDL will use 800x600");
    std::remove(file.c_str());
}

TEST(Logger, DestructionFlushesTheFile) {
    const std::string file = tempName("flush");
    {
        Logger log("Varnholt");
        log.setFile(true);
        ASSERT_TRUE(log.open(file));
        log.setConsole(false);
        log << Logger::beginEntry << "no endl";
    }
    EXPECT_EQ(readFile(file), "\nVarnholt : no endl");
    std::remove(file.c_str());
}
