#pragma once

#include "media/Mutex.hpp"

namespace GLINT {
namespace SDL {

// Holds a Mutex for the lifetime of the object. A failed lock is logged to
// the media log and thrown as std::logic_error; a failed unlock is only logged.
class ScopedLock {
public:
    explicit ScopedLock(Mutex& mutex);
    ~ScopedLock();

    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;

private:
    Mutex& mutex;
};

} // namespace SDL
} // namespace GLINT
