#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>

#include <SDL/SDL_types.h>

#include "media/BaseSurface.hpp"
#include "media/Mutex.hpp"
#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

class Actionable;
class Inventory;

// Owns the chests and the bags lying on the battlefield: draws them, drops a
// bag where a character dies, hands their contents to the player, and lets
// bags erode away. Keys are the battlefield pixel where each is drawn, ordered
// by x, then y; at most one actionable lies on a key.
class Actionables_Manager {
public:
    using Key = std::pair<int, int>;

    static const char* const Drop_File;
    static const char* const Chest_File;

    // Loads both tilesets and places the chest holding the apprentice sword at (300, 300).
    Actionables_Manager();
    virtual ~Actionables_Manager();

    Actionables_Manager(const Actionables_Manager&) = delete;
    Actionables_Manager& operator=(const Actionables_Manager&) = delete;

    // Draws everything relative to the camera and deletes the eroded bags.
    void Show_Actionables(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& screen);
    // A bag centred on (x, y) with what the death earns: maybe a potion, the
    // bow at the BOW_DROP-th kill. The sound only plays for the player's kills.
    virtual void Drop_Items(int x, int y, bool killedByPlayer);
    // Opens the first closed chest or picks up the first bag whose picture the
    // area overlaps, moving the items into the inventory and saying on the
    // status line what was found. Returns whether anything was taken.
    bool Get_Drop(const GLINT::SDL::Rect& area, Inventory* inventory);
    bool Get_Drop(const GLINT::SDL::Rect& area, Inventory** inventory);
    // The erosion timer's callback: marks the bags lying longer than
    // DROP_TIME_BF4_EROSION seconds; returns interval so that it keeps running.
    // Runs on SDL's timer thread under the world lock; tests call it directly.
    unsigned int Check_Drops_Erosion(unsigned int interval, void* args);
    void Clean_Actionables_Manager();

    const std::map<Key, Actionable*>& Get_Actionables() const { return Actionables; }
    const GLINT::SDL::Rect& Get_Drop_Size() const { return Drop_Size; }
    const GLINT::SDL::Rect& Get_Chest_Size() const { return Chest_Size; }
    Uint32 Get_Deaths_Since_Potion() const { return Deaths_Since_Potion; }

protected:
    struct Without_Contents {};
    // For stand-ins in tests: no chest, no pictures, no file read.
    explicit Actionables_Manager(Without_Contents) {}

private:
    static void Load_Tileset(const std::string& file, std::unique_ptr<GLINT::SDL::RGBSurface>& tileset,
                             GLINT::SDL::Rect& size);
    // The free key nearest to key (ties by key order) within a small radius; false when there is none.
    bool Free_Key_Near(const Key& key, Key& found) const;

    std::map<Key, Actionable*> Actionables; // owned
    GLINT::SDL::Mutex Actionables_Mutex;
    Uint32 Deaths_Since_Potion = 0;
    std::unique_ptr<GLINT::SDL::RGBSurface> Drop_Tileset;
    GLINT::SDL::Rect Drop_Size;
    std::unique_ptr<GLINT::SDL::RGBSurface> Chest_Tileset;
    GLINT::SDL::Rect Chest_Size;
};
