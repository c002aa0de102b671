#pragma once

#include <exception>
#include <string>
#include <utility>

#include "media/Logger.hpp"

namespace GLINT {
namespace SDL {

// The media layer's constructors log what went wrong in their own words and let
// the exception travel on unchanged.
enum class LogStyle {
    OneEntry,    // "<heading><exception text>"
    TwoEntries,  // "<heading>", then "<exception text>"
};

template <class Body>
auto Log_Rethrow(const std::string& heading, LogStyle style, Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (const std::exception& e) {
        if (style == LogStyle::OneEntry) {
            MediaLog << Logger::beginEntry << heading << e.what() << std::endl;
        } else {
            MediaLog << Logger::beginEntry << heading << std::endl;
            MediaLog << Logger::beginEntry << e.what() << std::endl;
        }
        throw;
    }
}

} // namespace SDL
} // namespace GLINT
