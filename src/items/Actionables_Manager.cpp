#include "items/Actionables_Manager.hpp"

#include <SDL/SDL_video.h>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "ai/Monster_Counters.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "data/XML_Manager.hpp"
#include "interface/Sounds_And_Musics.hpp"
#include "items/Apprentice_Bow.hpp"
#include "items/Apprentice_Sword.hpp"
#include "items/Chest.hpp"
#include "items/Drop.hpp"
#include "items/Healing_Potion.hpp"
#include "items/Inventory.hpp"
#include "items/Normal_Arrow.hpp"
#include "items/Projectile_Stack.hpp"
#include "media/Logger.hpp"
#include "media/ScopedLock.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Clock.hpp"
#include "shell/Game_Random.hpp"
#include "shell/Game_Settings.hpp"
#include "shell/Status_Message.hpp"

using GLINT::SDL::Rect;
using GLINT::SDL::ScopedLock;

const char* const Actionables_Manager::Drop_File = "Data/Battlefield/Environment/Actionables/Drop.xml";
const char* const Actionables_Manager::Chest_File = "Data/Battlefield/Environment/Actionables/Chest.xml";

namespace {

const Actionables_Manager::Key Chest_Key(300, 300);
// How far a bag that falls on a chest may be moved, in pixels on each axis.
const int Free_Key_Radius = 32;
const Sint32 Bow_Drop_Arrows = 99999;

// Moves every item into the inventory and says what was found; what an error
// leaves over is deleted, never shared.
void Hand_Over(Actionable& from, Inventory& to, const char* empty) {
    std::vector<Item*> items = from.Take_Items();
    std::string found;
    for (const Item* item : items)
        if (item)
            found += (found.empty() ? "Found: " : ", ") + item->Get_Name();
    try {
        to.Add(items);
    } catch (...) {
        for (Item* item : items)
            delete item;
        throw;
    }
    if (found.empty())
        found = empty;
    GLINT::SDL::GameLog.safeEntry(found);
    Status_Message::Set(found);
}

} // namespace

Actionables_Manager::Actionables_Manager() {
    try {
        Chain_Errors("Exception In Actionables_Manager Constructor: ",
                     "Unhandled Exception In Actionables_Manager Constructor", [&] {
                         auto chest = std::make_unique<Chest>("Center");
                         chest->Add_Item(new Apprentice_Sword());
                         Actionables[Chest_Key] = chest.release();
                         Deaths_Since_Potion = 0;
                         Load_Tileset(Drop_File, Drop_Tileset, Drop_Size);
                         Load_Tileset(Chest_File, Chest_Tileset, Chest_Size);
                     });
    } catch (...) {
        Clean_Actionables_Manager();
        throw;
    }
}

Actionables_Manager::~Actionables_Manager() { Clean_Actionables_Manager(); }

void Actionables_Manager::Load_Tileset(const std::string& file, std::unique_ptr<GLINT::SDL::RGBSurface>& tileset,
                                       Rect& size) {
    Chain_Errors("In " + file + ": ", "Unhandled Exception In " + file, [&] {
        XML_Manager::Validate_File(file);
        const std::string picture = XML_Manager::Get_Option_String(file, "Tileset_Filename");
        if (XML_Manager::Check_Node_Exists(file, "Tileset_ColorKey")) {
            auto component = [&](const char* key) {
                return static_cast<Uint8>(XML_Manager::Get_Option_Value(file, key));
            };
            const Uint8 alpha = XML_Manager::Check_Node_Exists(file, "TS_CK_A") ? component("TS_CK_A") : 255;
            tileset = std::make_unique<GLINT::SDL::RGBSurface>(
                GLINT::SDL::RGBAColor(component("TS_CK_R"), component("TS_CK_G"), component("TS_CK_B"), alpha),
                picture);
        } else {
            tileset = std::make_unique<GLINT::SDL::RGBSurface>(picture);
        }
        if (SDL_GetVideoSurface())
            tileset->convertToDisplayFormat();
        // Kept in 8 bits, as the files have always been read.
        size = Rect(0, 0, static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "Width")),
                    static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "Height")));
    });
}

void Actionables_Manager::Show_Actionables(const Rect& camera, GLINT::SDL::BaseSurface& screen) {
    Chain_Errors("Exception In Actionables_Manager::Show_Actionables: ",
                 "Unhandled Exception In Actionables_Manager::Show_Actionables", [&] {
                     ScopedLock lock(Actionables_Mutex);
                     for (auto it = Actionables.begin(); it != Actionables.end();) {
                         Actionable* actionable = it->second;
                         const GLINT::SDL::Point at(static_cast<Sint16>(it->first.first - camera.getx()),
                                                    static_cast<Sint16>(it->first.second - camera.gety()));
                         if (!actionable) {
                             ++it;
                         } else if (actionable->Get_Type() == Actionable::Drop_Type) {
                             auto* bag = static_cast<Drop*>(actionable);
                             if (bag->Erosion_State == Drop::Eroded) {
                                 delete bag;
                                 it = Actionables.erase(it);
                                 continue;
                             }
                             if (Drop_Tileset)
                                 screen.blit(*Drop_Tileset, at);
                             ++it;
                         } else if (actionable->Get_Type() == Actionable::Chest_Type) {
                             const auto* chest = static_cast<const Chest*>(actionable);
                             const Uint16 w = Chest_Size.getw(), h = Chest_Size.geth();
                             const Rect cell(static_cast<Sint16>(chest->Position * w),
                                             static_cast<Sint16>(chest->Closed ? 0 : h), w, h);
                             if (Chest_Tileset)
                                 screen.blit(*Chest_Tileset, at, cell);
                             ++it;
                         } else {
                             ++it;
                         }
                     }
                 });
}

bool Actionables_Manager::Free_Key_Near(const Key& key, Key& found) const {
    long best = std::numeric_limits<long>::max();
    for (int dx = -Free_Key_Radius; dx <= Free_Key_Radius; ++dx)
        for (int dy = -Free_Key_Radius; dy <= Free_Key_Radius; ++dy) {
            const long d2 = static_cast<long>(dx) * dx + static_cast<long>(dy) * dy;
            const Key candidate(key.first + dx, key.second + dy);
            // Walked in key order, so the first at a distance wins a tie.
            if (d2 < best && Actionables.find(candidate) == Actionables.end()) {
                best = d2;
                found = candidate;
            }
        }
    return best != std::numeric_limits<long>::max();
}

void Actionables_Manager::Drop_Items(int x, int y, bool killedByPlayer) {
    Chain_Errors("Exception In Actionables_Manager::Drop_Items: ",
                 "Unhandled Exception In Actionables_Manager::Drop_Items()", [&] {
                     ++Deaths_Since_Potion;
                     auto bag = std::make_unique<Drop>();
                     const Uint32 draw = static_cast<Uint32>(Game_Random::Draw() % 100) + 1;
                     if (draw <= Deaths_Since_Potion + 25) {
                         Deaths_Since_Potion = 0;
                         bag->Add_Item(new Healing_Potion());
                     }
                     if (Game_Settings::BOW_DROP != 0 &&
                         static_cast<unsigned>(Monster_Counters::Killed.load()) == Game_Settings::BOW_DROP) {
                         bag->Add_Item(new Apprentice_Bow());
                         bag->Add_Item(new Projectile_Stack(new Normal_Arrow(), Bow_Drop_Arrows));
                         bag->Erosion_State = Drop::Permanent;
                     }
                     if (bag->Get_Items().empty())
                         return;

                     Key key(x - Drop_Size.getw() / 2, y - Drop_Size.geth() / 2);
                     ScopedLock lock(Actionables_Mutex);
                     auto lying = Actionables.find(key);
                     if (lying != Actionables.end() && lying->second &&
                         lying->second->Get_Type() == Actionable::Chest_Type) {
                         // The chest stays: the bag falls beside it.
                         const Key taken = key;
                         if (!Free_Key_Near(taken, key)) {
                             GLINT::SDL::GameLog.safeEntry("No room for a drop bag near a chest: its items are lost");
                             return;
                         }
                         lying = Actionables.end();
                     }
                     if (lying != Actionables.end()) {
                         Drop* older = lying->second && lying->second->Get_Type() == Actionable::Drop_Type
                                           ? static_cast<Drop*>(lying->second)
                                           : nullptr;
                         if (older) {
                             bag->Concatenate(&older);
                         } else {
                             delete lying->second;
                         }
                         lying->second = nullptr;
                     }
                     Drop* placed = bag.get();
                     Actionables[key] = bag.release();
                     if (killedByPlayer)
                         Play_Sound(SFX_DropFallen);
                     placed->Drop_Time = Game_Clock::Now() / 1000u;
                 });
}

bool Actionables_Manager::Get_Drop(const Rect& area, Inventory** inventory) {
    return Get_Drop(area, inventory ? *inventory : nullptr);
}

bool Actionables_Manager::Get_Drop(const Rect& area, Inventory* inventory) {
    return Chain_Errors("Exception In Actionables_Manager::Get_Drop: ",
                        "Unhandled Exception In Actionables_Manager::Get_Drop", [&] {
                            if (!inventory)
                                throw std::logic_error("No inventory to take the items");
                            ScopedLock lock(Actionables_Mutex);
                            for (auto it = Actionables.begin(); it != Actionables.end(); ++it) {
                                Actionable* actionable = it->second;
                                if (!actionable)
                                    continue;
                                const int kx = it->first.first, ky = it->first.second;
                                if (actionable->Get_Type() == Actionable::Chest_Type) {
                                    auto* chest = static_cast<Chest*>(actionable);
                                    const Rect box(static_cast<Sint16>(kx), static_cast<Sint16>(ky),
                                                   Chest_Size.getw(), Chest_Size.geth());
                                    if (!chest->Closed || !Check_Rects_Overlap(box, area))
                                        continue;
                                    Play_Sound(SFX_OpenChest);
                                    chest->Closed = false;
                                    Hand_Over(*chest, *inventory, "The chest is empty.");
                                    return true;
                                }
                                if (actionable->Get_Type() == Actionable::Drop_Type) {
                                    // The whole picture, not its corner: standing on a bag takes it.
                                    const Rect picture(static_cast<Sint16>(kx), static_cast<Sint16>(ky),
                                                       Drop_Size.getw(), Drop_Size.geth());
                                    if (!Check_Rects_Overlap(picture, area))
                                        continue;
                                    Play_Sound(SFX_OpenDropBag);
                                    std::unique_ptr<Actionable> bag(actionable);
                                    Actionables.erase(it);
                                    Hand_Over(*bag, *inventory, "The bag is empty.");
                                    return true;
                                }
                            }
                            return false;
                        });
}

unsigned int Actionables_Manager::Check_Drops_Erosion(unsigned int interval, void*) {
    ScopedLock lock(Actionables_Mutex);
    const Uint32 now = Game_Clock::Now() / 1000u;
    for (auto& entry : Actionables) {
        Actionable* actionable = entry.second;
        if (!actionable || actionable->Get_Type() != Actionable::Drop_Type)
            continue;
        auto* bag = static_cast<Drop*>(actionable);
        // Unsigned: a clock that wrapped still counts forward.
        const Uint32 lying = now - bag->Drop_Time;
        if (bag->Erosion_State == Drop::Lying && lying >= Game_Settings::DROP_TIME_BF4_EROSION)
            bag->Erosion_State = Drop::Eroded;
    }
    return interval;
}

void Actionables_Manager::Clean_Actionables_Manager() {
    try {
        ScopedLock lock(Actionables_Mutex);
        for (auto& entry : Actionables) {
            delete entry.second;
            entry.second = nullptr;
        }
        Actionables.clear();
    } catch (...) {
        GLINT::SDL::GameLog.safeEntry(" Clean_Actionables_Manager() Failed !!");
    }
}
