#pragma once

namespace GLINT {
namespace SDL {

// Initialises SDL with the requested subsystems and shuts it down when destroyed.
class Manager {
public:
    Manager(bool video, bool audio, bool timer, bool cdrom = false, bool joystick = false,
            bool noparachute = false, bool eventthread = false);
    ~Manager();

    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;
};

} // namespace SDL
} // namespace GLINT
