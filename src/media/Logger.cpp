#include "media/Logger.hpp"

#include <SDL/SDL_mutex.h>

#include <algorithm>

namespace GLINT {
namespace SDL {

namespace {
// Created during static initialisation, before main and before any timer thread.
SDL_mutex* logMutex() {
    static SDL_mutex* mutex = SDL_CreateMutex();
    return mutex;
}
} // namespace

Logger::Lock::Lock() {
    if (SDL_mutex* m = logMutex())
        SDL_mutexP(m);
}

Logger::Lock::~Lock() {
    if (SDL_mutex* m = logMutex())
        SDL_mutexV(m);
}

Logger MediaLog("GLINT::SDL", 0, 2);
Logger GameLog("Varnholt", 0, 2);

Logger::Logger(const std::string& prefix, int indentLevel, int indentWidth)
    : indentLevel(indentLevel), indentWidth(indentWidth), prefix(prefix) {
    logMutex();
}

Logger::~Logger() { flush(); }

bool Logger::open(const std::string& fileName) {
    Lock lock;
    if (file.is_open())
        file.close();
    file.open(fileName.c_str(), std::ios::out | std::ios::trunc);
    if (!file.is_open()) {
        *this << "Logger ERROR : Failed to open " << fileName << std::endl;
        return false;
    }
    return true;
}

void Logger::setConsole(bool enabled) {
    Lock lock;
    console = enabled;
}

void Logger::setFile(bool enabled) {
    Lock lock;
    fileOn = enabled;
}

Logger& Logger::operator<<(std::ostream& (*manip)(std::ostream&)) {
    Lock lock;
    if (console)
        manip(std::clog);
    if (fileOn && file.is_open())
        manip(file) << std::flush;
    return *this;
}

Logger& Logger::beginEntry(Logger& log) {
    Lock lock;
    return log << '\n'
               << std::string(static_cast<std::size_t>(std::max(0, log.indentLevel * log.indentWidth)), ' ')
               << log.prefix << " : ";
}

void Logger::safeEntry(const std::string& text) {
    Lock lock;
    *this << beginEntry << text << std::endl;
}

void Logger::flush() {
    Lock lock;
    if (console)
        std::clog.flush();
    if (fileOn && file.is_open())
        file.flush();
}

} // namespace SDL
} // namespace GLINT
