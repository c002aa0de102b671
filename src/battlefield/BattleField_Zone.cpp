#include "battlefield/BattleField_Zone.hpp"

#include <algorithm>
#include <cstdarg>
#include <memory>

#include "shell/Error_Chain.hpp"

BattleField_Zone::BattleField_Zone(int x, int y, int w, int h, int count, ...)
    : Zone(static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)),
      Allowed_IDs(nullptr) {
    int ids[16];
    const int taken = std::max(0, std::min(count, 16));
    va_list args;
    va_start(args, count);
    for (int i = 0; i < taken; ++i)
        ids[i] = va_arg(args, int);
    va_end(args);
    Chain_Errors("From BattleField_Zone Constructor, ", "Unknown Error In BattleField_Zone Constructor",
                 [&] { Allowed_IDs = new std::vector<int>(ids, ids + taken); });
}

BattleField_Zone::~BattleField_Zone() { delete Allowed_IDs; }

std::vector<BattleField_Zone*>* BattleField_Zone::Fill_Vector() {
    return Chain_Errors("Exception in BattleField_Zone::Fill_Vector(): ", "Unknown Error In BattleField_Zone::Fill_Vector()",
                        [] {
                            std::unique_ptr<std::vector<BattleField_Zone*>> zones(new std::vector<BattleField_Zone*>());
                            auto add = [&](BattleField_Zone* zone) {
                                std::unique_ptr<BattleField_Zone> owned(zone);
                                zones->push_back(owned.get());
                                owned.release();
                            };
                            try {
                                // 3 is Undead, 2 Crawler.
                                add(new BattleField_Zone(0, 0, 1200, 1200, 1, 3));
                                add(new BattleField_Zone(2000, 2496, 1328, 1600, 1, 2));
                                add(new BattleField_Zone(0, 2992, 512, 1104, 2, 3, 2));
                                add(new BattleField_Zone(2096, 0, 640, 640, 2, 3, 2));
                            } catch (...) {
                                for (BattleField_Zone* zone : *zones)
                                    delete zone;
                                throw;
                            }
                            return zones.release();
                        });
}

bool BattleField_Zone::Contains(int x, int y) const {
    const int zx = Zone.getx(), zy = Zone.gety();
    return zx <= x && x < zx + Zone.getw() && zy <= y && y < zy + Zone.geth();
}

bool BattleField_Zone::Allows(int characterId) const {
    return std::find(Allowed_IDs->begin(), Allowed_IDs->end(), characterId) != Allowed_IDs->end();
}
