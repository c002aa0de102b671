#pragma once

#include <queue>

#include <SDL/SDL_events.h>
#include <SDL/SDL_keysym.h>

#include <guichan/input.hpp>
#include <guichan/keyinput.hpp>
#include <guichan/mouseinput.hpp>

#include "media/Key.hpp"

namespace gcn {

// Guichan's input queues, filled from media-layer events. Nothing is polled
// here: the main loop routes each event through the game's handlers, which
// push it in.
class LumenInput : public Input {
public:
    LumenInput();
    ~LumenInput() override;

    bool isKeyQueueEmpty() override;
    KeyInput dequeueKeyInput() override;
    bool isMouseQueueEmpty() override;
    MouseInput dequeueMouseInput() override;
    void _pollInput() override;

    // One SDL event, chosen by its media-layer name ("KeyDown", "MouseMotion",
    // "Active"...); events of any other kind are ignored.
    virtual void pushInput(const SDL_Event& event);

    // The same translations for what the game's handlers receive: a Key record,
    // a ButtonNames number with its position, a motion, a focus change.
    virtual void pushKeyInput(const GLINT::SDL::Key& key, bool pressed);
    virtual void pushMouseButtonInput(int button, int x, int y, bool pressed);
    virtual void pushMouseMotionInput(int x, int y);
    virtual void pushActiveInput(bool gain, bool mouseFocus);

    bool isMouseDown() const { return mouseDown; }
    bool isMouseInWindow() const { return mouseInWindow; }

protected:
    // A ButtonNames number as Guichan's button; unknown buttons pass unchanged.
    static unsigned int convertMouseButton(int button);
    // Guichan's value for a key, or -1 when the key has no special meaning.
    static int convertKeyValue(const GLINT::SDL::Key& key, SDLMod modifiers, bool pressed);

private:
    void queueKey(const GLINT::SDL::Key& key, SDLMod modifiers, bool pressed);

    std::queue<KeyInput> keyInputQueue;
    std::queue<MouseInput> mouseInputQueue;
    bool mouseDown;
    bool mouseInWindow;
};

} // namespace gcn
