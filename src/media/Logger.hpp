#pragma once

#include <fstream>
#include <iostream>
#include <string>

namespace GLINT {
namespace SDL {

// A log stream with two sinks: the console (std::clog) until its owner opens
// its file, then the file only. Entries begin with Logger::beginEntry, which
// starts a new line with the logger's prefix and " : ".
class Logger {
public:
    explicit Logger(const std::string& prefix, int indentLevel = 0, int indentWidth = 2);
    ~Logger();

    Logger(const Logger&) = delete;
    Logger& operator=(const Logger&) = delete;

    // Truncates and opens fileName; on failure reports it on the enabled sinks.
    bool open(const std::string& fileName);

    void setConsole(bool enabled);
    void setFile(bool enabled);
    bool toConsole() const { return console; }
    bool toFile() const { return fileOn; }
    const std::string& getPrefix() const { return prefix; }

    template <class T> Logger& operator<<(const T& value);
    Logger& operator<<(std::ostream& (*manip)(std::ostream&));
    Logger& operator<<(Logger& (*manip)(Logger&)) { return manip(*this); }

    // Line-start marker, used as a manipulator: log << Logger::beginEntry << "text" << std::endl.
    static Logger& beginEntry(Logger& log);

    // One whole entry (marker, text, end of line) written under the program-wide
    // log mutex, so timer threads never interleave with each other.
    void safeEntry(const std::string& text);

    void flush();

private:
    class Lock;

    int indentLevel;
    int indentWidth;
    std::string prefix;
    std::ofstream file;
    bool console = true;
    bool fileOn = false;
};

// The media layer's log ("GLINT_Lumen.log") and the game's log (named by Log_Name).
extern Logger MediaLog;
extern Logger GameLog;

// Guards every write to either log; recursive, so a locked entry may nest writes.
class Logger::Lock {
public:
    Lock();
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
};

// What reaches the file is flushed at once: a killed game leaves every entry
// it wrote, including the media layer's, which end without std::endl.
template <class T> Logger& Logger::operator<<(const T& value) {
    Lock lock;
    if (console)
        std::clog << value;
    if (fileOn && file.is_open())
        file << value << std::flush;
    return *this;
}

} // namespace SDL
} // namespace GLINT
