#pragma once

// Everything the game log writes while a Log_Capture lives, instead of its console and file.

#include <iostream>
#include <sstream>
#include <string>

#include "media/Logger.hpp"

class Log_Capture {
public:
    Log_Capture() : console(log.toConsole()), file(log.toFile()) {
        log.setConsole(true);
        log.setFile(false);
        old = std::clog.rdbuf(text.rdbuf());
    }
    ~Log_Capture() {
        std::clog.rdbuf(old);
        log.setConsole(console);
        log.setFile(file);
    }
    Log_Capture(const Log_Capture&) = delete;
    Log_Capture& operator=(const Log_Capture&) = delete;

    std::string str() const { return text.str(); }

private:
    GLINT::SDL::Logger& log = GLINT::SDL::GameLog;
    bool console, file;
    std::ostringstream text;
    std::streambuf* old = nullptr;
};
