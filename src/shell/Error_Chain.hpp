#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

#include "media/Logger.hpp"

// Every game operation reports failure the same way: a std::exception caught
// inside is rethrown as std::logic_error(prefix + its text [+ suffix]), anything
// else as std::logic_error(fixedText). The chain of prefixes that reaches main
// reads like a stack trace ending in the first message.

template <class Body>
auto Chain_Errors(const std::string& prefix, const std::string& suffix,
                  const std::string& fixedText, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& e) {
        throw std::logic_error(prefix + e.what() + suffix);
    } catch (...) {
        throw std::logic_error(fixedText);
    }
}

template <class Body>
auto Chain_Errors(const std::string& prefix, const std::string& fixedText, Body&& body)
    -> decltype(body()) {
    return Chain_Errors(prefix, std::string(), fixedText, std::forward<Body>(body));
}

// A loader's failure names the file it was reading: a conversion deep inside
// ("unknown str_Character_ID") only knows the bad value, and a player with a
// damaged file needs to know which one.
template <class Body>
auto Name_File(const std::string& file, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& e) {
        const std::string text = e.what();
        if (text.find(file) != std::string::npos)
            throw;
        throw std::logic_error(text + " (in " + file + ")");
    }
}

// For the operations that must not stop the game (engine steps, animations,
// timer callbacks, clean-up helpers): the failure becomes one log entry and
// the caller goes on. Returns false when the body threw.
template <class Body>
bool Log_Errors(GLINT::SDL::Logger& log, const std::string& prefix, const std::string& fixedText,
                Body&& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        log.safeEntry(prefix + e.what());
    } catch (...) {
        log.safeEntry(fixedText);
    }
    return false;
}
