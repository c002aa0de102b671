// Times the game's start, from launch to its first rendered frame, against
// the floor: reading and decoding once every file that start read (pictures
// through SDL_image, XML through libxml2, sounds through SDL_mixer, fonts
// through SDL_ttf, the rest as bytes).
//
// Each run is a process of its own, launched by this one: the start is
// timed from just before the launch, with the game's own phases (those main
// runs) and its main loop up to the end of the first render. Which files the
// start read is recorded by wrapping the C library's open calls in this
// program; the floor then reads exactly those, once each.
//
// Usage: startup_bench [game folder] [runs]
// Runs on SDL's dummy video and audio drivers.

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>
#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <libxml/parser.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "Bench_Figures.hpp"
#include "media/Engine.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Window.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Lifecycle.hpp"

extern char** environ;

namespace {

using bench::Clock;
using bench::Milliseconds;

// --- The files the start reads ---

std::atomic<bool> Recording{false};
std::mutex Read_Files_Mutex;
std::vector<std::string>& Read_Files() {
    static std::vector<std::string> files;
    return files;
}

void Record(const char* path) {
    if (!Recording || !path)
        return;
    // The system's own files (libraries, devices, locale) are not the game's data.
    static const char* const system[] = {"/usr/", "/lib", "/etc/", "/proc/", "/sys/", "/dev/", "/tmp/", "/run/"};
    for (const char* prefix : system)
        if (std::strncmp(path, prefix, std::strlen(prefix)) == 0)
            return;
    std::lock_guard<std::mutex> lock(Read_Files_Mutex);
    Read_Files().push_back(path);
}

template <class F>
F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

FILE* Fopen_Recorded(FILE* (*real)(const char*, const char*), const char* path, const char* mode) {
    FILE* file = real(path, mode);
    if (file && mode && mode[0] == 'r' && !std::strchr(mode, '+'))
        Record(path);
    return file;
}
int Open_Recorded(int (*real)(const char*, int, ...), const char* path, int flags, mode_t mode) {
    const int fd = real(path, flags, mode);
    if (fd >= 0 && (flags & O_ACCMODE) == O_RDONLY)
        Record(path);
    return fd;
}

} // namespace

// The C library's openers, seen first by every library in this process. Only
// files that were there and opened for reading count.
extern "C" {
FILE* fopen(const char* path, const char* mode) {
    static const auto real = Next<FILE* (*)(const char*, const char*)>("fopen");
    return Fopen_Recorded(real, path, mode);
}
FILE* fopen64(const char* path, const char* mode) {
    static const auto real = Next<FILE* (*)(const char*, const char*)>("fopen64");
    return Fopen_Recorded(real, path, mode);
}
// The mode only comes with a file to be made.
int open(const char* path, int flags, ...) {
    static const auto real = Next<int (*)(const char*, int, ...)>("open");
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0;
    va_end(args);
    return Open_Recorded(real, path, flags, mode);
}
int open64(const char* path, int flags, ...) {
    static const auto real = Next<int (*)(const char*, int, ...)>("open64");
    va_list args;
    va_start(args, flags);
    const mode_t mode = (flags & (O_CREAT | O_TMPFILE)) ? static_cast<mode_t>(va_arg(args, int)) : 0;
    va_end(args);
    return Open_Recorded(real, path, flags, mode);
}
}

namespace {

// --- One start, in a child process ---

// Stands in for the game's engine for one frame: the first render ends the loop.
class First_Frame : public GLINT::SDL::Engine {
public:
    First_Frame(GLINT::SDL::Engine* engine, GLINT::SDL::Window& window) : Game(engine), Owner(window) {}
    void prerender(unsigned long ticks) override { Game->prerender(ticks); }
    void render(GLINT::SDL::VideoSurface& screen) override {
        Game->render(screen);
        Rendered = Clock::now();
        Owner.setExit(true);
    }
    void postrender() override { Game->postrender(); }
    bool coversDisplay(const GLINT::SDL::VideoSurface& screen) const override { return Game->coversDisplay(screen); }
    bool init(int width, int height) override { return Game->init(width, height); }
    bool resize(int width, int height) override { return Game->resize(width, height); }

    Clock::time_point Rendered;

private:
    GLINT::SDL::Engine* Game;
    GLINT::SDL::Window& Owner;
};

std::string Extension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    std::string ext = dot == std::string::npos ? "" : path.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

enum Kind { Picture, Xml, Sound, Font, Other, Kinds };
const char* const Kind_Names[Kinds] = {"pictures", "XML", "sounds", "fonts", "other"};

Kind Kind_Of(const std::string& path) {
    const std::string ext = Extension(path);
    if (ext == "png" || ext == "bmp" || ext == "jpg")
        return Picture;
    if (ext == "xml" || ext == "dtd")
        return Xml;
    if (ext == "wav" || ext == "ogg" || ext == "mp3")
        return Sound;
    if (ext == "ttf")
        return Font;
    return Other;
}

// Reads and decodes one file the plainest way its library offers; false when it fails.
bool Decode(const std::string& path, Kind kind) {
    switch (kind) {
    case Picture: {
        SDL_Surface* picture = IMG_Load(path.c_str());
        SDL_FreeSurface(picture);
        return picture != nullptr;
    }
    case Xml: {
        if (Extension(path) == "dtd") {
            xmlDtdPtr dtd = xmlParseDTD(nullptr, reinterpret_cast<const xmlChar*>(path.c_str()));
            xmlFreeDtd(dtd);
            return dtd != nullptr;
        }
        xmlDocPtr doc = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
        xmlFreeDoc(doc);
        return doc != nullptr;
    }
    case Sound: {
        if (Extension(path) == "mp3") {
            Mix_Music* music = Mix_LoadMUS(path.c_str());
            Mix_FreeMusic(music);
            return music != nullptr;
        }
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        Mix_FreeChunk(chunk);
        return chunk != nullptr;
    }
    case Font: {
        TTF_Font* font = TTF_OpenFont(path.c_str(), 16);
        TTF_CloseFont(font);
        return font != nullptr;
    }
    default: {
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        return static_cast<bool>(in) || in.eof();
    }
    }
}

int Run_Child(double launchNs) {
    const Clock::time_point launch{std::chrono::nanoseconds(static_cast<long long>(launchNs))};
    const Clock::time_point entered = Clock::now();
    GLINT::SDL::GameLog.setConsole(false);
    GLINT::SDL::MediaLog.setConsole(false);

    // The start, as main runs it.
    Recording = true;
    Game_Random::Seed_From_Environment();
    InitEverything();
    const Clock::time_point initialised = Clock::now();
    ImplementEverything();
    const Clock::time_point implemented = Clock::now();
    GLINT::SDL::Window& window = *GLINT::SDL::MediaContext::instance().getWindow();
    First_Frame first(window.getEngine(), window);
    window.setEngine(&first);
    RunGame();
    Recording = false;
    const Clock::time_point rendered = first.Rendered;
    if (!CleanUp())
        throw std::runtime_error("clean up failed");

    // The floor: each distinct file once, in the order the start first read it.
    std::vector<std::string> files;
    {
        std::set<std::string> seen;
        std::lock_guard<std::mutex> lock(Read_Files_Mutex);
        for (const std::string& path : Read_Files())
            if (seen.insert(path).second)
                files.push_back(path);
    }
    double kindMs[Kinds] = {};
    int kindCount[Kinds] = {};
    int failed = 0;
    const Clock::time_point floorStart = Clock::now();
    for (const std::string& path : files) {
        const Kind kind = Kind_Of(path);
        const Clock::time_point t0 = Clock::now();
        if (!Decode(path, kind)) {
            ++failed;
            std::fprintf(stderr, "startup_bench: %s did not decode\n", path.c_str());
        }
        kindMs[kind] += Milliseconds(Clock::now() - t0);
        ++kindCount[kind];
    }
    const double floorMs = Milliseconds(Clock::now() - floorStart);

    std::size_t opens = 0;
    {
        std::lock_guard<std::mutex> lock(Read_Files_Mutex);
        opens = Read_Files().size();
    }
    // One line for the parent: launch to main, to the end of each phase, the floor.
    std::printf("RESULT %.3f %.3f %.3f %.3f %.3f %zu %zu %d", Milliseconds(entered - launch),
                Milliseconds(initialised - launch), Milliseconds(implemented - launch),
                Milliseconds(rendered - launch), floorMs, files.size(), opens, failed);
    for (int k = 0; k < Kinds; ++k)
        std::printf(" %d %.3f", kindCount[k], kindMs[k]);
    std::printf(" %.1f\n", bench::Status_MB("VmHWM"));
    std::fflush(stdout);
    return 0;
}

// --- The parent: launches the runs and sums them up ---

struct Run {
    double Main = 0, Init = 0, Implement = 0, First = 0, Floor = 0, Peak = 0;
    std::size_t Files = 0, Opens = 0;
    int Failed = 0;
    int Count[Kinds] = {};
    double Ms[Kinds] = {};
};

bool Launch(const std::string& self, const std::string& gameDir, Run& run) {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const std::string launch = std::to_string(
        static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count()));
    const char* args[] = {self.c_str(), "--child", gameDir.c_str(), launch.c_str(), nullptr};
    pid_t child = 0;
    const int spawned =
        posix_spawn(&child, self.c_str(), &actions, nullptr, const_cast<char* const*>(args), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    const std::size_t at = output.rfind("RESULT ");
    if (at == std::string::npos)
        return false;
    const char* p = output.c_str() + at + 7;
    int used = 0;
    if (std::sscanf(p, "%lf %lf %lf %lf %lf %zu %zu %d%n", &run.Main, &run.Init, &run.Implement, &run.First,
                    &run.Floor, &run.Files, &run.Opens, &run.Failed, &used) != 8)
        return false;
    p += used;
    for (int k = 0; k < Kinds; ++k) {
        if (std::sscanf(p, "%d %lf%n", &run.Count[k], &run.Ms[k], &used) != 2)
            return false;
        p += used;
    }
    return std::sscanf(p, "%lf", &run.Peak) == 1;
}

template <class F>
std::vector<double> Column(const std::vector<Run>& runs, F f) {
    std::vector<double> v;
    for (const Run& r : runs)
        v.push_back(f(r));
    return v;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0) {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (chdir(argv[2]) != 0)
            return 1;
        try {
            return Run_Child(std::atof(argv[3]));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "startup_bench: %s\n", e.what());
            return 1;
        }
    }

    const std::string gameDir = argc > 1 ? argv[1] : VARNHOLT_GAME_DIR;
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    char self[4096];
    const ssize_t len = readlink("/proc/self/exe", self, sizeof self - 1);
    if (len <= 0)
        return 1;
    self[len] = '\0';

    std::printf("startup_bench: %s, %d runs, SDL dummy video and audio\n", gameDir.c_str(), count);
    std::vector<Run> runs;
    for (int i = 0; i < count; ++i) {
        Run run;
        if (!Launch(self, gameDir, run)) {
            std::fprintf(stderr, "startup_bench: run %d failed (the game log in %s says why)\n", i + 1,
                         gameDir.c_str());
            return 1;
        }
        runs.push_back(run);
    }
    using bench::Median;
    const Run& last = runs.back();
    const double first = Median(Column(runs, [](const Run& r) { return r.First; }));
    const double floor = Median(Column(runs, [](const Run& r) { return r.Floor; }));
    std::printf("  medians over the runs, from launch:\n");
    std::printf("    main entered          %8.1f ms\n", Median(Column(runs, [](const Run& r) { return r.Main; })));
    std::printf("    InitEverything done   %8.1f ms\n", Median(Column(runs, [](const Run& r) { return r.Init; })));
    std::printf("    ImplementEverything   %8.1f ms\n",
                Median(Column(runs, [](const Run& r) { return r.Implement; })));
    std::printf("    first frame rendered  %8.1f ms  (min %.1f, max %.1f)\n", first,
                bench::Percentile(Column(runs, [](const Run& r) { return r.First; }), 0.0),
                bench::Maximum(Column(runs, [](const Run& r) { return r.First; })));
    std::printf("  floor: %zu files read and decoded once (the start opened files %zu times)  %8.1f ms\n",
                last.Files, last.Opens, floor);
    for (int k = 0; k < Kinds; ++k)
        if (last.Count[k])
            std::printf("    %-9s %4d files  %8.1f ms\n", Kind_Names[k], last.Count[k],
                        Median(Column(runs, [k](const Run& r) { return r.Ms[k]; })));
    if (last.Failed)
        std::printf("    (%d of them failed to decode)\n", last.Failed);
    std::printf("  ratio %.2f x the floor (target: within 2 x); resident peak %.1f MB; load average %.2f\n",
                first / floor, last.Peak, bench::Load_Average());
    return 0;
}
