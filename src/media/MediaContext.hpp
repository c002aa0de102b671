#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

typedef struct _SDL_Joystick SDL_Joystick;

namespace GLINT {
namespace SDL {

class JoystickHandler;
class Manager;
class Mixer;
class Window;

// The media layer's one process-wide object: it owns SDL (through the
// Manager) and the window, and lives until after main returns.
class MediaContext {
public:
    static MediaContext& instance();

    // Each ends the process with exit code 1 when SDL cannot start.
    bool InitVideo(bool fullscreen, bool opengl, bool resizable, bool noframe);
    bool InitTimer();
    bool InitText();
    // Opens the audio device; replaces the mixer opened before, if any.
    bool InitAudio(int frequency, int channels, int chunkSize);
    // Starts joystick support and opens every pad plugged in now (SDL 1.2
    // sees a pad plugged in later only at the next start); returns how many
    // were opened. Unlike the others it never ends the process: without
    // pads, or without the subsystem, the game is played on the keyboard.
    int InitJoystick();

    bool requestQuit();
    bool isQuitRequested() const { return quitRequested; }

    Window* getWindow() const { return window.get(); }
    Mixer* getMixer() const { return mixer.get(); }
    JoystickHandler* getJoystickHandler() const { return joystick.get(); }
    void setJoystickHandler(JoystickHandler* handler);
    const std::string& getName() const { return name; }

    MediaContext(const MediaContext&) = delete;
    MediaContext& operator=(const MediaContext&) = delete;

private:
    MediaContext();
    ~MediaContext();

    // Creates the manager with one subsystem, or adds the subsystem to SDL.
    bool initSubsystem(unsigned int sdlFlag, bool video, bool audio, bool timer);

    std::atomic<bool> quitRequested{false};
    bool textInitialised = false;
    std::unique_ptr<Manager> manager;
    std::unique_ptr<Window> window;
    std::unique_ptr<Mixer> mixer;
    std::unique_ptr<JoystickHandler> joystick;
    std::vector<SDL_Joystick*> pads;
    std::string name;
    std::string second;
};

} // namespace SDL
} // namespace GLINT
