// The item loaders on a fuzzed item file: the first byte picks the kind
// (plain item, weapon, arrow), the rest is the file.

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "Fuzz_World.hpp"
#include "items/Item.hpp"
#include "items/Projectile.hpp"
#include "items/Weapon.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    fuzz::Enter_World();
    const std::string file = fuzz::Write("Data/Items/Fuzz_Item.xml", data + 1, size - 1);
    std::unique_ptr<Item> item;
    switch (data[0] % 3) {
    case 0: item = std::make_unique<Item>(); break;
    case 1: item = std::make_unique<Weapon>(); break;
    default: item = std::make_unique<Projectile>(); break;
    }
    try {
        item->Create_From_File(file);
    } catch (const std::logic_error&) {
    }
    return 0;
}
