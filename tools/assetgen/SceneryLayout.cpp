#include "SceneryLayout.hpp"

#include "Noise.hpp"
#include "Rng.hpp"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <iterator>
#include <string>

namespace {
using SC = SceneryCatalog;
using GT = GroundTileset;
constexpr int kBucket = 128;

struct Choice {
    SceneryCatalog::Kind k;
    double p;
};
constexpr int kBucketsX = WorldMap::Width / kBucket + 1;
constexpr int kBucketsY = WorldMap::Height / kBucket + 1;

bool solid(SC::Kind k) {
    std::string t = SC::get(k).type;
    return t == "Big_Vegetal" || t == "Big_Mineral" || t == "Building" || t == "Wall";
}

bool isWall(SC::Kind k) { return k == SC::WallH || k == SC::WallV || k == SC::WallPost; }

std::string gLastRefusal;
bool why(bool fixed, const std::string& reason) {
    (void)fixed;
    gLastRefusal = reason;
    return false;
}
} // namespace

Rect SceneryObject::image() const {
    const SceneryKind& s = SC::get(kind);
    return {x, y, s.width, s.height};
}

Rect SceneryObject::box() const {
    const SceneryKind& s = SC::get(kind);
    return {x + s.cbX, y + s.cbY, s.cbW, s.cbH};
}

const std::vector<Point>& SceneryLayout::guardPatrol() {
    // Round the plaza and up the north road; every point lies on the guard's
    // 32-pixel lattice through his start.
    static const std::vector<Point> patrol = {{1696, 2112}, {1792, 1984}, {1696, 1856},
                                              {1664, 1664}, {1568, 1760}, {1408, 2016},
                                              {1568, 2176}};
    return patrol;
}

SceneryLayout::SceneryLayout(const WorldMap& map) : map_(map), buckets_(kBucketsX * kBucketsY) {
    auto clearAround = [this](Point p, int margin) {
        keepClear_.push_back({p.x + 22 - margin, p.y + 22 - margin, 20 + 2 * margin, 36 + 2 * margin});
    };
    clearAround(playerStart(), 48);
    clearAround(merchantStart(), 16);
    for (Point p : guardPatrol())
        clearAround(p, 36);
    keepClear_.push_back({chest().x - 40, chest().y - 40, 128, 128});
    buildVillage();
    buildFields();
    buildGraveyard();
    scatter();
}

bool SceneryLayout::groundAccepts(SC::Kind k, const Rect& b) const {
    int tx0 = std::max(0, b.x / WorldMap::Tile), tx1 = std::min(WorldMap::TilesX - 1, (b.x + b.w - 1) / WorldMap::Tile);
    int ty0 = std::max(0, b.y / WorldMap::Tile), ty1 = std::min(WorldMap::TilesY - 1, (b.y + b.h - 1) / WorldMap::Tile);
    for (int ty = ty0; ty <= ty1; ++ty)
        for (int tx = tx0; tx <= tx1; ++tx) {
            bool water = map_.tileHas(tx, ty, GT::Lake) || map_.tileHas(tx, ty, GT::River) ||
                         map_.tileHas(tx, ty, GT::Lava) || map_.tileBridge(tx, ty);
            bool rock = map_.tileHas(tx, ty, GT::Moutain);
            if (k == SC::Crag) {
                if (!rock)
                    return false;
                continue;
            }
            if (water || rock)
                return false;
            bool village = k == SC::Stall || k == SC::Well;
            if (!village && !isWall(k) && map_.tileHas(tx, ty, GT::Way))
                return false;
        }
    return true;
}

bool SceneryLayout::place(SC::Kind k, int x, int y, int variant, bool fixed, int gap) {
    SceneryObject o{k, x, y, variant % SC::get(k).variants};
    Rect img = o.image(), box = o.box();
    if (img.x < 0 || img.y < 0 || img.x + img.w > WorldMap::Width || img.y + img.h > WorldMap::Height)
        return why(fixed, "outside the field");
    if (!fixed) {
        if (!groundAccepts(k, box))
            return why(fixed, "ground");
        for (const Rect& r : keepClear_)
            if (r.overlaps(box) || (solid(k) && SC::get(k).type != std::string("Building") && r.overlaps(img)))
                return why(fixed, "kept clear");
    }
    // A solid object keeps a walking gap to every other solid one.
    Rect wide{box.x - gap, box.y - gap, box.w + 2 * gap, box.h + 2 * gap};
    int bx0 = std::max(0, (img.x - 200) / kBucket), bx1 = std::min(kBucketsX - 1, (img.x + img.w + 200) / kBucket);
    int by0 = std::max(0, (img.y - 200) / kBucket), by1 = std::min(kBucketsY - 1, (img.y + img.h + 200) / kBucket);
    for (int by = by0; by <= by1; ++by)
        for (int bx = bx0; bx <= bx1; ++bx)
            for (int idx : buckets_[by * kBucketsX + bx]) {
                const SceneryObject& p = objects_[idx];
                if (p.x == o.x && p.y == o.y)
                    return why(fixed, "same spot");
                if (!fixed && solid(k) && solid(p.kind) && wide.overlaps(p.box()))
                    return why(fixed, std::string("too near ") + SC::get(p.kind).stem);
                if (!solid(k) && p.box().overlaps(img))
                    return why(fixed, "on a solid box");
                if (!p.image().overlaps(img))
                    continue;
                // Layer order is by x, then y: the later one must stand in front.
                bool candidateLater = o.x > p.x || (o.x == p.x && o.y > p.y);
                int cb = img.y + img.h, pb = p.image().y + p.image().h;
                if (candidateLater ? cb < pb : pb < cb)
                    return why(fixed, std::string("drawing order with ") + SC::get(p.kind).stem);
                if (!fixed && (std::abs(cb - pb) < 6))
                    return why(fixed, "level with a neighbour");
            }
    int idx = static_cast<int>(objects_.size());
    objects_.push_back(o);
    buckets_[std::min(kBucketsY - 1, img.y / kBucket) * kBucketsX + std::min(kBucketsX - 1, img.x / kBucket)].push_back(idx);
    return true;
}

void SceneryLayout::buildVillage() {
    struct Spot {
        SC::Kind k;
        int x, y;
    };
    const Spot spots[] = {
        {SC::Stall, 1456, 1856},       {SC::Well, 1630, 1930},
        {SC::HouseTiled, 1744, 1640},  {SC::HouseThatch, 1440, 1600},
        {SC::HouseThatch, 1232, 1920}, {SC::HouseTiled, 1568, 2300},
        {SC::HouseThatch, 1800, 2110}, {SC::HouseThatch, 1930, 1790},
        {SC::HouseThatch, 1110, 2070}, {SC::HouseTiled, 1330, 1440},
    };
    for (const Spot& s : spots)
        if (!place(s.k, s.x, s.y, 0, false, 24))
            std::cerr << "assetgen: village spot " << SC::get(s.k).stem << " at " << s.x << "," << s.y
                      << " refused: " << gLastRefusal << "\n";
}

void SceneryLayout::buildFields() {
    const auto& f = WorldMap::fields();
    for (std::size_t i = 0; i + 1 < f.size(); i += 2) {
        // One crop per field, in rows a tile apart, off the ploughed border.
        int crop = static_cast<int>(i / 2) % 2 == 0 ? 0 : 1;
        for (int y = f[i].y + 32; y + 32 <= f[i + 1].y - 16; y += 32)
            for (int x = f[i].x + 32; x + 32 <= f[i + 1].x - 16; x += 32) {
                int variant = Rng::hash(x, y, 720) % 9 == 0 ? 2 : crop;
                place(SC::Crops, x, y, variant, true);
            }
        keepClear_.push_back({f[i].x - 16, f[i].y - 16, f[i + 1].x - f[i].x + 32, f[i + 1].y - f[i].y + 32});
    }
}

void SceneryLayout::wall(SC::Kind k, int tx, int ty, int variant) {
    place(k, tx * WorldMap::Tile, ty * WorldMap::Tile, variant, true);
}

void SceneryLayout::buildGraveyard() {
    // Enclosure from tile (4, 4) to (31, 27), gates south and east.
    const int x0 = 4, x1 = 31, y0 = 4, y1 = 27;
    auto variantAt = [](int tx, int ty) { return Rng::hash(tx, ty, 700) % 7 == 0 ? 2 : (Rng::hash(tx, ty, 701) % 3 == 0 ? 1 : 0); };
    for (int tx = x0; tx <= x1; ++tx) {
        bool corner = tx == x0 || tx == x1;
        wall(corner ? SC::WallPost : SC::WallH, tx, y0, corner ? 0 : variantAt(tx, y0));
        bool gate = tx >= 19 && tx <= 22;
        if (!gate)
            wall(corner || tx == 18 || tx == 23 ? SC::WallPost : SC::WallH, tx, y1, corner ? 0 : variantAt(tx, y1));
    }
    for (int ty = y0 + 1; ty < y1; ++ty) {
        wall(SC::WallV, x0, ty, variantAt(x0, ty));
        bool gate = ty >= 14 && ty <= 17;
        if (!gate)
            wall(ty == 13 || ty == 18 ? SC::WallPost : SC::WallV, x1, ty, ty == 13 || ty == 18 ? 1 : variantAt(x1, ty));
    }
    // The ruin around the chest: broken walls, open to the south-east.
    for (int tx = 7; tx <= 12; ++tx)
        if (tx != 10)
            wall(tx == 7 ? SC::WallPost : SC::WallH, tx, 7, tx == 7 ? 1 : 2);
    for (int ty = 8; ty <= 11; ++ty)
        if (ty != 10)
            wall(SC::WallV, 7, ty, 2);
    wall(SC::WallPost, 7, 12, 1);
    wall(SC::WallH, 8, 12, 2);
    wall(SC::WallPost, 13, 7, 1);
    wall(SC::WallV, 13, 8, 2);

    place(SC::Mausoleum, 560, 168, 0);
    // Rows of graves, leaving the path from the south gate and the ruin free.
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 14; ++col) {
            int x = 176 + col * 60 + static_cast<int>(Rng::hash(col, row, 710) % 9) - 4;
            int y = 468 + row * 64 + static_cast<int>(Rng::hash(col, row, 711) % 7) - 3;
            if (x > 560 && x < 760)
                continue;
            if (Rng::hash(col, row, 712) % 6 == 0)
                continue;
            place(SC::Gravestone, x, y, static_cast<int>(Rng::hash(col, row, 713)), false, 20);
        }
}

void SceneryLayout::scatter() {
    Rng rng(9001);
    const int step = 24;
    for (int gy = 0; gy < WorldMap::Height / step; ++gy)
        for (int gx = 0; gx < WorldMap::Width / step; ++gx) {
            int cx = gx * step + rng.range(0, step - 1), cy = gy * step + rng.range(0, step - 1);
            double roll = rng.unit();
            int variant = rng.range(0, 99);
            double road = WorldMap::roadDistance(cx, cy);
            if (road < 64)
                continue;
            Point v = WorldMap::villageCentre();
            double village = std::hypot(cx - v.x, cy - v.y);
            bool grave = WorldMap::inGraveyard(cx, cy);
            bool northWest = cx < 1200 && cy < 1200;
            bool bad = WorldMap::inBadlands(cx, cy);
            bool snow = map_.snowy(cx, cy);
            double forest = Noise::fractal(cx, cy, 420, 3, 9100);
            double river = WorldMap::riverDistance(cx, cy);
            int tx = cx / WorldMap::Tile, ty = cy / WorldMap::Tile;
            bool rock = map_.tileHas(tx, ty, GT::Moutain);
            bool nearWater = map_.tileHas(tx, ty, GT::Sand) && !bad;

            // What grows or lies here, with the chance per spot.
            static const Choice kRock[] = {{SC::Crag, 0.025}};
            static const Choice kGrave[] = {{SC::DeadTree, 0.006}, {SC::Bones, 0.006}, {SC::Pebbles, 0.006}, {SC::Bush, 0.004}};
            static const Choice kVillage[] = {{SC::Oak, 0.01}, {SC::Flowers, 0.03}, {SC::Bush, 0.015}};
            static const Choice kSnow[] = {{SC::SnowPine, 0.05}, {SC::Boulder, 0.006}, {SC::Pebbles, 0.004}};
            static const Choice kBad[] = {{SC::DeadTree, 0.008}, {SC::Boulder, 0.010}, {SC::Bones, 0.008},
                                          {SC::Pebbles, 0.010}, {SC::Bush, 0.004}};
            static const Choice kNorthWest[] = {{SC::DeadTree, 0.016}, {SC::Pine, 0.014}, {SC::Bush, 0.01},
                                                {SC::Boulder, 0.005}, {SC::Bones, 0.003}};
            static const Choice kShore[] = {{SC::Reeds, 0.08}, {SC::Bush, 0.01}, {SC::Oak, 0.008}};
            static const Choice kForest[] = {{SC::Oak, 0.16}, {SC::Pine, 0.12}, {SC::Bush, 0.04}, {SC::Flowers, 0.01}};
            static const Choice kEdge[] = {{SC::Oak, 0.04}, {SC::Pine, 0.02}, {SC::Bush, 0.03}, {SC::Flowers, 0.02}};
            static const Choice kMeadow[] = {{SC::Oak, 0.004}, {SC::Pine, 0.002}, {SC::Bush, 0.008},
                                             {SC::Flowers, 0.02}, {SC::Pebbles, 0.004}, {SC::Boulder, 0.003}};
            const Choice* menu = kMeadow;
            std::size_t count = std::size(kMeadow);
            auto use = [&](const auto& list) {
                menu = list;
                count = std::size(list);
            };
            if (rock)
                use(kRock);
            else if (grave)
                use(kGrave);
            else if (village < 460)
                use(kVillage);
            else if (snow)
                use(kSnow);
            else if (bad)
                use(kBad);
            else if (northWest)
                use(kNorthWest);
            else if (nearWater || river < 120)
                use(kShore);
            else if (forest > 0.56)
                use(kForest);
            else if (forest > 0.50)
                use(kEdge);
            double acc = 0;
            for (std::size_t i = 0; i < count; ++i) {
                const Choice& c = menu[i];
                acc += c.p;
                if (roll < acc) {
                    const SceneryKind& s = SC::get(c.k);
                    // Anchor the base of the object on the drawn point.
                    place(c.k, cx - s.width / 2, cy - s.height + 8, variant);
                    break;
                }
            }
        }
}

std::vector<PlacedSprite> SceneryLayout::sprites() const {
    std::vector<PlacedSprite> out;
    out.reserve(objects_.size());
    for (const SceneryObject& o : objects_)
        out.push_back({o.x, o.y, SC::spriteId(o.kind), 0, o.variant});
    std::stable_sort(out.begin(), out.end(), [](const PlacedSprite& a, const PlacedSprite& b) {
        return a.x != b.x ? a.x < b.x : a.y < b.y;
    });
    return out;
}
