#include "WorldMap.hpp"

#include "Noise.hpp"
#include "Rng.hpp"

#include <algorithm>
#include <cmath>

namespace {
using GT = GroundTileset;

double segmentDistance(double px, double py, Point a, Point b) {
    double vx = b.x - a.x, vy = b.y - a.y, len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? std::clamp(((px - a.x) * vx + (py - a.y) * vy) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (a.x + t * vx), py - (a.y + t * vy));
}

double polylineDistance(double x, double y, const std::vector<Point>& pts) {
    double best = 1e9;
    for (std::size_t i = 0; i + 1 < pts.size(); ++i)
        best = std::min(best, segmentDistance(x, y, pts[i], pts[i + 1]));
    return best;
}

// Fractal noise stretched to roughly -0.5..0.5.
double n(double x, double y, double cell, std::uint32_t seed) {
    return std::clamp((Noise::fractal(x, y, cell, 3, seed) - 0.5) * 2.4, -0.6, 0.6);
}

const std::vector<Point> kRiver = {{2950, 600}, {2850, 900}, {2500, 1350}, {2250, 1800},
                                   {2050, 2250}, {1800, 2650}, {1550, 2950}, {1300, 3120}};

// The z order of ground drawing: lower terrains are drawn first.
const GT::Terrain kOrder[] = {GT::Withered, GT::Earth, GT::Sand, GT::Snow, GT::Way, GT::River, GT::Lake, GT::Lava, GT::Moutain};

GT::Terrain terrainOfGround(WorldMap::Ground g) {
    switch (g) {
    case WorldMap::Withered: return GT::Withered;
    case WorldMap::Earth: return GT::Earth;
    case WorldMap::Sand: return GT::Sand;
    default: return GT::Snow;
    }
}

GT::Terrain terrainOfFeature(WorldMap::Feature f) {
    switch (f) {
    case WorldMap::Way: return GT::Way;
    case WorldMap::River: return GT::River;
    case WorldMap::Lake: return GT::Lake;
    case WorldMap::Lava: return GT::Lava;
    default: return GT::Moutain;
    }
}

int zOf(GT::Terrain t) {
    for (int i = 0; i < GT::TerrainCount; ++i)
        if (kOrder[i] == t)
            return i;
    return 0;
}

double lakeField(double x, double y) {
    double dx = (x - 1250) / 350.0, dy = (y - 3160) / 240.0;
    return dx * dx + dy * dy + 0.55 * n(x, y, 180, 41);
}

double mountainField(double x, double y) {
    // North range, strongest in the middle, plus the north-east massif.
    double north = (y - (210 + 170 * n(x, y, 260, 51) + 40 * n(x, y, 60, 52))) / 120.0;
    double fadeWest = (1150 + 160 * n(x, y, 220, 54) - x) / 150.0;
    double band = std::max(north, fadeWest);
    double dx = (x - 3328) / 560.0, dy = (y + 60) / 900.0;
    double massif = (dx * dx + dy * dy - 1.0 + 0.6 * n(x, y, 200, 53)) * 3;
    return std::min(band, massif); // below 0 is mountain
}

// Light on a smooth height field at a tile: above 0 faces the top-left.
double relief(int tx, int ty, GT::Terrain t) {
    double cell = t == GT::Moutain ? 150 : 260;
    auto h = [&](double x, double y) {
        double v = Noise::fractal(x, y, cell, 3, 990 + t);
        return t == GT::Moutain ? 1 - std::fabs(v - 0.5) * 2 : v;
    };
    double x = tx * 32 + 16, y = ty * 32 + 16;
    return (h(x - 24, y - 24) - h(x + 24, y + 24)) * (t == GT::Moutain ? 6 : 5);
}

double lavaField(double x, double y) {
    double a = std::hypot(x - 2860, y - 3460) / 105.0, b = std::hypot(x - 3080, y - 3790) / 70.0;
    return std::min(a, b) + 0.6 * n(x, y, 60, 61);
}
} // namespace

const std::vector<std::vector<Point>>& WorldMap::roads() {
    static const std::vector<std::vector<Point>> r = {
        // Village to the graveyard gate in the north-west.
        {{1600, 2000}, {1300, 1760}, {1000, 1420}, {780, 1120}, {672, 940}, {656, 780}},
        // Village north to the highland meadow.
        {{1600, 2000}, {1660, 1560}, {1840, 1180}, {2100, 820}, {2330, 560}, {2420, 380}},
        // Village east over the south bridge, then down into the badlands.
        {{1600, 2000}, {1900, 2016}, {2500, 2016}, {2720, 2250}, {2760, 2700}, {2650, 3250}, {2480, 3560}},
        // North fork east over the north bridge to the eastern plains.
        {{1680, 1500}, {2150, 1440}, {2700, 1440}, {3000, 1560}, {3160, 1720}},
        // Village south-west past the lake to the south-west woods.
        {{1600, 2000}, {1260, 2340}, {860, 2660}, {560, 3100}, {330, 3560}},
        // Along the south: badlands to the south-west woods.
        {{2480, 3560}, {2080, 3640}, {1600, 3660}, {1100, 3720}, {700, 3700}, {330, 3560}},
    };
    return r;
}

const std::vector<std::vector<Point>>& WorldMap::paths() {
    static const std::vector<std::vector<Point>> p = {
        {{656, 820}, {656, 560}, {620, 420}, {608, 300}},
        {{656, 560}, {500, 470}, {400, 420}},
    };
    return p;
}

double WorldMap::roadDistance(double x, double y) {
    double best = 1e9;
    for (const auto& p : paths())
        best = std::min(best, polylineDistance(x, y, p) + 16); // narrower than a road
    for (const auto& r : roads())
        best = std::min(best, polylineDistance(x, y, r));
    Point v = villageCentre();
    best = std::min(best, std::max(0.0, std::hypot(x - v.x, y - v.y) - 150));
    return best;
}

double WorldMap::riverDistance(double x, double y) {
    // Meanders: the river is looked up at a point pushed around by noise.
    return polylineDistance(x + 90 * n(x, y, 360, 97), y + 60 * n(x, y, 360, 98), kRiver);
}

const std::vector<Point>& WorldMap::fields() {
    static const std::vector<Point> f = {{864, 1824}, {1120, 2080}, {1280, 1152}, {1568, 1376}};
    return f;
}

bool WorldMap::inField(int x, int y) {
    const auto& f = fields();
    for (std::size_t i = 0; i + 1 < f.size(); i += 2)
        if (x >= f[i].x && x <= f[i + 1].x && y >= f[i].y && y <= f[i + 1].y)
            return true;
    return false;
}

bool WorldMap::inBadlands(int x, int y) {
    return x > 1980 + 140 * n(x, y, 300, 71) && y > 2470 + 140 * n(x, y, 300, 72);
}

bool WorldMap::snowy(int x, int y) const {
    double line = 600 + 260 * n(x, y, 320, 81) + 60 * n(x, y, 90, 83);
    double west = 1080 + 200 * n(x, y, 300, 84), east = 2200 + 160 * n(x, y, 300, 85);
    if (x > west && x < east && y < line)
        return true;
    double dx = (x - 3328) / 860.0, dy = y / 1180.0;
    return dx * dx + dy * dy + 0.4 * n(x, y, 200, 82) < 1.0;
}

WorldMap::WorldMap()
    : ground_(VX * VY, Grass), feature_(VX * VY, None), underlay_(VX * VY, 0),
      bridge_(TilesX * TilesY, 0) {
    assignTerrain();
    buildBridges();
    buildBackground();
}

void WorldMap::assignTerrain() {
    for (int vy = 0; vy < VY; ++vy)
        for (int vx = 0; vx < VX; ++vx) {
            double x = vx * Tile, y = vy * Tile;
            Ground g = Grass;
            if (inBadlands(static_cast<int>(x), static_cast<int>(y))) {
                g = Earth;
                if (Noise::fractal(x, y, 320, 3, 91) > 0.60)
                    g = Sand;
            } else if (snowy(static_cast<int>(x), static_cast<int>(y))) {
                g = Snow;
            } else if (inGraveyard(static_cast<int>(x), static_cast<int>(y)) ||
                       (x < 1240 + 260 * n(x, y, 260, 96) && y < 1240 + 260 * n(x, y, 260, 99))) {
                g = Noise::fractal(x, y, 140, 3, 100) > 0.28 ? Withered : Grass;
                if (Noise::fractal(x, y, 90, 3, 92) > 0.64)
                    g = Earth;
            } else if (Noise::fractal(x, y, 160, 3, 93) > 0.73) {
                g = Earth;
            }
            if (inField(static_cast<int>(x), static_cast<int>(y)))
                g = Earth;
            double lake = lakeField(x, y);
            if (lake < 1.55 && lake >= 1.0)
                g = Sand; // beach

            Feature f = None;
            if (lake < 1.0)
                f = Lake;
            else if (mountainField(x, y) < 0)
                f = Moutain;
            else if (riverDistance(x, y) < 50 + 16 * n(x, y, 90, 94))
                f = River;
            else if (lavaField(x, y) < 1.0)
                f = Lava;
            else if (roadDistance(x, y) < 38 + 8 * n(x, y, 70, 95))
                f = Way;
            ground_[vidx(vx, vy)] = g;
            feature_[vidx(vx, vy)] = f;
        }
    // Underlays: a vertex also carries every lower terrain that a
    // neighbouring vertex has, so two terrains meet without a grass seam.
    for (int vy = 0; vy < VY; ++vy)
        for (int vx = 0; vx < VX; ++vx) {
            int top = -1;
            if (ground_[vidx(vx, vy)] != Grass)
                top = std::max(top, zOf(terrainOfGround(ground_[vidx(vx, vy)])));
            if (feature_[vidx(vx, vy)] != None)
                top = std::max(top, zOf(terrainOfFeature(feature_[vidx(vx, vy)])));
            if (top < 0)
                continue;
            unsigned under = 0;
            for (int j = -1; j <= 1; ++j)
                for (int i = -1; i <= 1; ++i) {
                    int x = vx + i, y = vy + j;
                    if (x < 0 || y < 0 || x >= VX || y >= VY)
                        continue;
                    Ground g = ground_[vidx(x, y)];
                    Feature f = feature_[vidx(x, y)];
                    if (g != Grass && zOf(terrainOfGround(g)) < top)
                        under |= 1u << terrainOfGround(g);
                    // Ways run under water and lava edges, never the reverse.
                    if (f == Way && zOf(GT::Way) < top)
                        under |= 1u << GT::Way;
                }
            underlay_[vidx(vx, vy)] = under;
        }
}

bool WorldMap::vertexHas(int vx, int vy, GroundTileset::Terrain t) const {
    std::size_t i = vidx(vx, vy);
    if (ground_[i] != Grass && terrainOfGround(ground_[i]) == t)
        return true;
    if (feature_[i] != None && terrainOfFeature(feature_[i]) == t)
        return true;
    return (underlay_[i] >> t) & 1u;
}

int WorldMap::cornerMask(int tx, int ty, GroundTileset::Terrain t) const {
    return (vertexHas(tx, ty, t) ? 1 : 0) | (vertexHas(tx + 1, ty, t) ? 2 : 0) |
           (vertexHas(tx, ty + 1, t) ? 4 : 0) | (vertexHas(tx + 1, ty + 1, t) ? 8 : 0);
}

bool WorldMap::tileHas(int tx, int ty, GroundTileset::Terrain t) const {
    return tx >= 0 && ty >= 0 && tx < TilesX && ty < TilesY && cornerMask(tx, ty, t) != 0;
}

bool WorldMap::tilePlain(int tx, int ty) const {
    for (GT::Terrain t : kOrder)
        if (tileHas(tx, ty, t))
            return false;
    return true;
}

bool WorldMap::tileBridge(int tx, int ty) const {
    return tx >= 0 && ty >= 0 && tx < TilesX && ty < TilesY && bridge_[static_cast<std::size_t>(ty) * TilesX + tx];
}

void WorldMap::buildBridges() {
    // Horizontal bridges where a straight east-west road stretch meets the river.
    const int rows[] = {2016 / Tile, 1440 / Tile};
    for (int centreRow : rows) {
        int minCol = TilesX, maxCol = -1;
        for (int ty = centreRow - 1; ty <= centreRow + 1; ++ty)
            for (int tx = 0; tx < TilesX; ++tx)
                if (tileHas(tx, ty, GT::River)) {
                    minCol = std::min(minCol, tx);
                    maxCol = std::max(maxCol, tx);
                }
        if (maxCol < 0)
            continue;
        for (int ty = centreRow - 1; ty <= centreRow + 1; ++ty)
            for (int tx = minCol - 1; tx <= maxCol + 1; ++tx)
                bridge_[static_cast<std::size_t>(ty) * TilesX + tx] = 1;
    }
}

void WorldMap::buildBackground() {
    for (int tx = 0; tx < TilesX; ++tx)
        for (int ty = 0; ty < TilesY; ++ty) {
            // Skip what a plain piece above would hide anyway.
            int firstLayer = 0;
            for (int k = 0; k < GT::TerrainCount; ++k)
                if (cornerMask(tx, ty, kOrder[k]) == 15)
                    firstLayer = k;
            for (int k = firstLayer; k < GT::TerrainCount; ++k) {
                GT::Terrain t = kOrder[k];
                int mask = cornerMask(tx, ty, t);
                if (!mask)
                    continue;
                int col = 0, row = 0;
                int variant = static_cast<int>(Rng::hash(tx, ty, 300 + t) % 100);
                if (mask == 15 && (t == GT::Moutain || t == GT::Snow || t == GT::Sand))
                    variant = GT::reliefVariant(relief(tx, ty, t), variant);
                GT::cell(mask, variant, col, row);
                background_.push_back({tx * Tile, ty * Tile, groundId(t, mask), row, col});
            }
            if (tileBridge(tx, ty)) {
                int row = tileBridge(tx, ty - 1) ? (tileBridge(tx, ty + 1) ? 1 : 2) : 0;
                int col = tileBridge(tx - 1, ty) ? (tileBridge(tx + 1, ty) ? 1 : 2) : 0;
                background_.push_back({tx * Tile, ty * Tile, BridgeId, row, col});
            }
        }
}
