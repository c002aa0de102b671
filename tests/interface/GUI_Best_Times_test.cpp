#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "battlefield/BF_Helpers.hpp"
#include "interface/Best_Times.hpp"
#include "interface/GUI_Fixture.hpp"
#include "interface/Printable_Text.hpp"

using namespace gui_test;

namespace {

TEST(GUI_Best_Times, DurationsLinesAndNames) {
    const std::pair<int, const char*> durations[] = {
        {0, "0s"}, {59, "59s"}, {60, "1mn 0s"}, {3599, "59mn 59s"}, {3600, "1hr 0mn 0s"}, {3725, "1hr 2mn 5s"},
        {86399, "23hr 59mn 59s"}, {86400, "1day 0hr 0mn 0s"}, {90061, "1day 1hr 1mn 1s"}};
    for (const auto& d : durations)
        EXPECT_EQ(Format_Duration(d.first), d.second) << d.first;

    EXPECT_EQ(Best_Times::Line("abc", 12, 3725), "abc Killed 12 Monsters in: 1hr 2mn 5s\n");
    EXPECT_EQ(Best_Times::Line("", 12, 3725), " Killed 12 Monsters in: 1hr 2mn 5s\n");
    EXPECT_EQ(Best_Times::Line("x", 0, 0xFFFFFFFFu).find('-'), std::string::npos) << "never negative";

    std::string accents;
    for (int i = 0; i < 32; ++i)
        accents += "\xc3\xa9";
    const struct {
        const char* scenario;
        std::string typed, written;
    } names[] = {
        {"controls dropped", "a\tb\nc\rd\x1b" "e\x7f", "abcde"},
        {"Latin-1 byte made UTF-8", "Ren\xe9", "Ren\xc3\xa9"},
        {"UTF-8 kept", "Ren\xc3\xa9 \xe6\x9d\xb1", "Ren\xc3\xa9 \xe6\x9d\xb1"},
        {"C1 control dropped", "a\xc2\x85" "b", "ab"},
        {"overlong form read as Latin-1", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
        {"cut sequence", "a\xe6\x9d", "a\xc3\xa6"},
        {"32 characters kept", std::string(40, 'x'), std::string(32, 'x')},
        {"characters, not bytes", std::string(40, '\xe9'), accents},
    };
    for (const auto& n : names) {
        EXPECT_EQ(Best_Times::Clean_Name(n.typed), n.written) << n.scenario;
        EXPECT_EQ(Printable_Text::Clean(n.written, 32), n.written) << n.scenario << ": stable";
    }
}

TEST(GUI_Best_Times, LinesAreAppendedAndFailuresNameTheFile) {
    Temporary_Folder folder;
    std::string error;
    Write("Best_Times.txt", "old Killed 1 Monsters in: 5s\n");
    EXPECT_TRUE(Best_Times::Append(Best_Times::Line("abc", 12, 3725), error)) << error;
    EXPECT_TRUE(Best_Times::Append(Best_Times::Line("", 3, 59), error)) << error;
    EXPECT_EQ(Read("Best_Times.txt"),
              "old Killed 1 Monsters in: 5s\nabc Killed 12 Monsters in: 1hr 2mn 5s\n Killed 3 Monsters in: 59s\n");

    chmod("Best_Times.txt", 0444);
    const bool written = Best_Times::Append("new\n", error);
    EXPECT_EQ(Read("Best_Times.txt").rfind("old Killed", 0), 0u) << "never truncated";
    if (geteuid() != 0) {
        EXPECT_FALSE(written) << "read-only (root writes anyway)";
    }

    fs::create_directory("folder.txt");
    fs::create_symlink("/dev/full", "full.txt");
    for (const char* path : {"folder.txt", "full.txt", "missing/Best_Times.txt"}) {
        error.clear();
        EXPECT_FALSE(Best_Times::Append("line\n", error, path)) << path;
        EXPECT_NE(error.find(path), std::string::npos) << error;
    }
}

} // namespace
