// Times the render engine's frame over a sweep of the camera across the
// shipped battlefield, against the memory floor: one plain fill of the whole
// display. Runs on SDL's dummy video driver, so only the drawing is measured.
//
// Usage: render_bench [game folder] [frames per mode]

#include <SDL/SDL.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "../tests/battlefield/BF_Fixture.hpp"
#include "battlefield/BattleField.hpp"
#include "interface/Render_Engine.hpp"
#include "media/Logger.hpp"
#include "media/MediaContext.hpp"
#include "media/Window.hpp"
#include "shell/Game_Settings.hpp"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * (values.size() - 1))];
}

struct Mode {
    int Width, Height, Bpp;
};

// Camera positions on a serpentine over the whole field, corners included.
std::vector<std::pair<int, int>> Sweep(int frames, int screenW, int screenH) {
    const int spanX = std::max(0, BF_Width - screenW), spanY = std::max(0, BF_Height - screenH);
    const int columns = 16, rows = std::max(1, frames / columns);
    std::vector<std::pair<int, int>> cameras;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const int cc = r % 2 ? columns - 1 - c : c;
            cameras.emplace_back(spanX * cc / (columns - 1), rows > 1 ? spanY * r / (rows - 1) : 0);
        }
    return cameras;
}

void Run_Mode(const Mode& mode, int frames, const std::string& bfFile) {
    GLINT::SDL::Window& window = *GLINT::SDL::MediaContext::instance().getWindow();
    if (!window.resetDisplay(mode.Width, mode.Height, mode.Bpp))
        throw std::runtime_error("no display");
    GLINT::SDL::VideoSurface& screen = *window.getDisplay();
    Game_Settings::Current_Screen_Width = mode.Width;
    Game_Settings::Current_Screen_Height = mode.Height;

    // Loaded after the display exists, as in the game: the tilesets take its format.
    const auto loadStart = Clock::now();
    BattleField field(bfFile);
    const double loadMs = Milliseconds(Clock::now() - loadStart);
    Render_Engine engine(&field);
    engine.resize(mode.Width, mode.Height);

    const auto cameras = Sweep(frames, mode.Width, mode.Height);
    // One untimed pass warms the caches and the conversions.
    engine.Set_Camera_Focus(cameras[0].first, cameras[0].second);
    engine.render(screen);

    std::vector<double> renderMs, fillMs, groundMs, sceneryMs, tilesMs;
    const Uint32 black = SDL_MapRGB(screen.get_SDL()->format, 0, 0, 0);
    for (const auto& camera : cameras) {
        // The camera lands on the sweep point, kept inside the field.
        engine.Set_Camera_Focus(camera.first + mode.Width / 2, camera.second + mode.Height / 2);

        const auto fillStart = Clock::now();
        SDL_FillRect(screen.get_SDL(), nullptr, black);
        fillMs.push_back(Milliseconds(Clock::now() - fillStart));

        const auto renderStart = Clock::now();
        engine.render(screen);
        renderMs.push_back(Milliseconds(Clock::now() - renderStart));

        // The same frame again, part by part, and the ground the long way for comparison.
        const GLINT::SDL::Rect& view = engine.Get_Camera();
        const auto t0 = Clock::now();
        field.Render_Ground(view, screen);
        const auto t1 = Clock::now();
        field.Render_Env(view, screen);
        const auto t2 = Clock::now();
        field.Render_Default_BG(view, screen);
        field.Render_BG(view, screen);
        const auto t3 = Clock::now();
        groundMs.push_back(Milliseconds(t1 - t0));
        sceneryMs.push_back(Milliseconds(t2 - t1));
        tilesMs.push_back(Milliseconds(t3 - t2));
    }

    // The copied ground must be the very picture the tiles make.
    int mismatches = 0, compared = 0;
    for (std::size_t i = 0; i < cameras.size(); i += 17, ++compared) {
        engine.Set_Camera_Focus(cameras[i].first + mode.Width / 2 + 3, cameras[i].second + mode.Height / 2 + 1);
        const GLINT::SDL::Rect& view = engine.Get_Camera();
        field.Render_Ground(view, screen);
        const std::vector<Uint8> copied = bf_test::Pixels(screen.get_SDL());
        field.Render_Default_BG(view, screen);
        field.Render_BG(view, screen);
        mismatches += copied != bf_test::Pixels(screen.get_SDL());
    }

    const double render = Median(renderMs), fill = Median(fillMs);
    std::printf("%dx%dx%d  field %dx%d (%zu ground + %zu scenery sprites, loaded in %.0f ms)\n", mode.Width,
                mode.Height, mode.Bpp, BF_Width, BF_Height, field.Get_BG_Layer().size(), field.Get_Env_Layer().size(),
                loadMs);
    std::printf("  render   median %7.3f ms/frame  (p10 %.3f, p90 %.3f, %zu frames)\n", render,
                Percentile(renderMs, 0.1), Percentile(renderMs, 0.9), renderMs.size());
    std::printf("           of which ground %.3f (%s), scenery layer %.3f\n", Median(groundMs),
                field.Has_Ground_Cache() ? "copied from the ground drawn at load" : "tile by tile", Median(sceneryMs));
    std::printf("           the ground tile by tile: %.3f; same picture as the copy at %d of %d cameras\n",
                Median(tilesMs), compared - mismatches, compared);
    std::printf("  fill     median %7.3f ms        (one full-screen fill, the memory floor)\n", fill);
    std::printf("  ratio    %.2f x the floor        (target: within 4 x)\n\n", render / fill);
}

} // namespace

int main(int argc, char** argv) {
    const std::string gameDir = argc > 1 ? argv[1] : VARNHOLT_GAME_DIR;
    const int frames = argc > 2 ? std::max(16, std::atoi(argv[2])) : 256;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (chdir(gameDir.c_str()) != 0) {
        std::fprintf(stderr, "render_bench: cannot enter %s\n", gameDir.c_str());
        return 1;
    }
    // The engine's log lines are not what is measured.
    GLINT::SDL::GameLog.setConsole(false);
    GLINT::SDL::MediaLog.setConsole(false);
    try {
        if (!GLINT::SDL::MediaContext::instance().InitVideo(false, false, false, false))
            throw std::runtime_error("no video");
        const std::string bfFile = Game_Settings::BF_Map.empty() ? "Data/Battlefield/Varnholt_BF.xml"
                                                                 : Game_Settings::BF_Map;
        std::printf("render_bench: %s in %s, SDL video driver %s\n\n", bfFile.c_str(), gameDir.c_str(),
                    std::getenv("SDL_VIDEODRIVER"));
        for (const Mode& mode : {Mode{1024, 768, 16}, Mode{1920, 1080, 32}})
            Run_Mode(mode, frames, bfFile);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
