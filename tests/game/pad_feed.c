/* A gamepad for the whole-game tests on machines without /dev/uinput.
 *
 * Preloaded into the real game (LD_PRELOAD), it wraps SDL_PollEvent: before
 * each poll it reads the lines appended since to the file named by
 * VARNHOLT_PAD_FEED and pushes them into SDL's queue as joystick events, so
 * they reach the game the way a pad's events do. Lines:
 *   axis <axis> <value>     hat <hat> <value>     button <button> <1|0>
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <SDL/SDL.h>

static int feed = -2;
static char pending[4096];
static size_t used;

static void push_line(const char* line) {
    SDL_Event event;
    int a, b;
    memset(&event, 0, sizeof event);
    if (sscanf(line, "axis %d %d", &a, &b) == 2) {
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.axis = (Uint8)a;
        event.jaxis.value = (Sint16)b;
    } else if (sscanf(line, "hat %d %d", &a, &b) == 2) {
        event.type = SDL_JOYHATMOTION;
        event.jhat.hat = (Uint8)a;
        event.jhat.value = (Uint8)b;
    } else if (sscanf(line, "button %d %d", &a, &b) == 2) {
        event.type = b ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.button = (Uint8)a;
        event.jbutton.state = b ? SDL_PRESSED : SDL_RELEASED;
    } else {
        fprintf(stderr, "pad_feed: cannot read \"%s\"\n", line);
        return;
    }
    SDL_PushEvent(&event);
}

static void read_feed(void) {
    if (feed == -2) {
        const char* path = getenv("VARNHOLT_PAD_FEED");
        feed = path ? open(path, O_RDONLY) : -1;
    }
    if (feed < 0)
        return;
    for (;;) {
        ssize_t n = read(feed, pending + used, sizeof pending - 1 - used);
        if (n <= 0)
            return;
        used += (size_t)n;
        char* start = pending;
        char* end;
        while ((end = memchr(start, '\n', used - (size_t)(start - pending))) != NULL) {
            *end = '\0';
            push_line(start);
            start = end + 1;
        }
        used -= (size_t)(start - pending);
        memmove(pending, start, used);
        if (used == sizeof pending - 1)
            used = 0;
    }
}

int SDL_PollEvent(SDL_Event* event) {
    static int (*real)(SDL_Event*);
    if (!real)
        real = (int (*)(SDL_Event*))dlsym(RTLD_NEXT, "SDL_PollEvent");
    read_feed();
    return real(event);
}
