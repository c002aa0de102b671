#include "interface/Best_Times.hpp"

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include "battlefield/BF_Helpers.hpp"
#include "interface/Printable_Text.hpp"

const char* const Best_Times::File = "Best_Times.txt";

std::string Best_Times::Clean_Name(const std::string& typed) { return Printable_Text::Clean(typed, Name_Limit); }

std::string Best_Times::Line(const std::string& typed, int killed, Uint32 seconds) {
    const int shown = seconds > static_cast<Uint32>(INT_MAX) ? INT_MAX : static_cast<int>(seconds);
    return Clean_Name(typed) + " Killed " + Int_To_String(killed) + " Monsters in: " + Format_Duration(shown) + "\n";
}

bool Best_Times::Append(const std::string& line, std::string& error, const std::string& fileName) {
    auto fail = [&](const char* what) {
        error = "Can't " + std::string(what) + " " + fileName + " : " + std::strerror(errno);
        return false;
    };
    // O_APPEND without O_TRUNC: earlier results are never touched, and the
    // line lands whole at the end even if another game writes at once.
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return fail("Open");
    const ssize_t written = ::write(fd, line.data(), line.size());
    if (written < 0 || static_cast<std::size_t>(written) != line.size()) {
        if (written >= 0)
            errno = ENOSPC;
        const int saved = errno;
        ::close(fd);
        errno = saved;
        return fail("Write");
    }
    if (::close(fd) != 0)
        return fail("Write");
    return true;
}
