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

// A log file of the test's own, removed afterwards.
class Logger_File : public ::testing::Test {
protected:
    void TearDown() override { std::remove(file.c_str()); }

    // Writes to the file only from now on.
    bool To_File(Logger& log) {
        log.setFile(true);
        const bool opened = log.open(file);
        log.setConsole(false);
        return opened;
    }
    std::string Written() const {
        std::stringstream s;
        s << std::ifstream(file).rdbuf();
        return s.str();
    }

    const std::string file = ::testing::TempDir() + "varnholt_" +
                             ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
};

} // namespace

TEST_F(Logger_File, EntriesGoToTheConsoleUntilTheFileOpensThenEachIsInTheFileAtOnce) {
    ConsoleCapture capture;
    Logger log("GLINT::SDL", 2, 3);
    log << Logger::beginEntry << "before open " << 42 << std::endl;
    ASSERT_TRUE(To_File(log));
    EXPECT_EQ(capture.text(), "\n      GLINT::SDL : before open 42\n");
    // A killed game never flushes or destroys its logs: what is in the file is all there is.
    log << Logger::beginEntry << "one " << 1 << std::endl;
    EXPECT_EQ(Written(), "\n      GLINT::SDL : one 1\n");
    log.safeEntry("from a timer");
    EXPECT_EQ(Written(), "\n      GLINT::SDL : one 1\n\n      GLINT::SDL : from a timer\n");
    // The media layer's entries end without std::endl.
    log << Logger::beginEntry << "SDL will use " << 800 << "x" << 600;
    EXPECT_EQ(Written(),
              "\n      GLINT::SDL : one 1\n\n      GLINT::SDL : from a timer\n\n      GLINT::SDL : SDL will use 800x600");
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
