#include "items/Inventory.hpp"

#include <algorithm>
#include <memory>

#include "interface/Sounds_And_Musics.hpp"
#include "items/Item.hpp"
#include "items/Potion.hpp"
#include "items/Projectile.hpp"
#include "items/Projectile_Stack.hpp"
#include "items/Weapon.hpp"
#include "media/Logger.hpp"
#include "shell/Error_Chain.hpp"

Inventory::~Inventory() { Clean_Inventory(); }

void Inventory::Set_Owner(Character_Base* owner) {
    Owner = owner;
    for (Item* item : Items)
        item->Set_Owner(owner);
}

void Inventory::Copy_Contents(const Inventory& other) {
    if (&other == this || other.Items.empty())
        return;
    Clean_Inventory();
    // Copied one for one, so that each slot points at the copy of its item.
    auto copyOf = [&](const Item* slot) -> Item* {
        const auto at = std::find(other.Items.begin(), other.Items.end(), slot);
        return at == other.Items.end() ? nullptr : Items[static_cast<std::size_t>(at - other.Items.begin())];
    };
    for (const Item* item : other.Items) {
        std::unique_ptr<Item> copy(item->Clone());
        copy->Set_Owner(Owner);
        Items.push_back(copy.get());
        copy.release();
    }
    Melee_Weapon = copyOf(other.Melee_Weapon);
    Second_Melee_Weapon = copyOf(other.Second_Melee_Weapon);
    Distant_Weapon = copyOf(other.Distant_Weapon);
    Projectiles = static_cast<Projectile_Stack*>(copyOf(other.Projectiles));
    Healing_Potion_Slot = copyOf(other.Healing_Potion_Slot);
    Healing_Potion_Count = other.Healing_Potion_Count;
    Drawn_Damage_Min = other.Drawn_Damage_Min;
    Drawn_Damage_Max = other.Drawn_Damage_Max;
    Drawn_Critical_Multiplier = other.Drawn_Critical_Multiplier;
    Drawn_Range = other.Drawn_Range;
}

void Inventory::Add(Item* item) {
    std::unique_ptr<Item> owned(item);
    Chain_Errors("Exception In Inventory::Add(): ", "Unhandled Exception In Inventory::Add()", [&] {
        if (!owned)
            return;
        owned->Set_Owner(Owner);
        if (owned->Get_Category() == Item::Projectile_Item) {
            if (auto* projectile = dynamic_cast<Projectile*>(owned.get())) {
                owned.release();
                Projectile_Stack* stack = Stack(projectile);
                if (!stack)
                    return; // merged
                owned.reset(stack);
            }
        }
        Items.push_back(owned.get());
        Equip(owned.release());
    });
}

void Inventory::Add(std::vector<Item*>& items) {
    Chain_Errors("Exception In Inventory::Add(vector): ", "Unhandled Exception In Inventory::Add(vector)", [&] {
        // Each entry is cleared as it is handed over: no item is ever held by both.
        for (Item*& item : items) {
            Item* next = item;
            item = nullptr;
            Add(next);
        }
        items.clear();
    });
}

void Inventory::Equip(Item* item) {
    if (!item)
        return;
    switch (item->Get_Category()) {
    case Item::Weapon_Item:
        if (const auto* weapon = dynamic_cast<const Weapon*>(item)) {
            if (weapon->Get_Weapon_Type() == Weapon::Melee)
                Melee_Weapon = item;
            else if (weapon->Get_Weapon_Type() == Weapon::Distant)
                Distant_Weapon = item;
        }
        break;
    case Item::Potion_Item:
        Healing_Potion_Slot = item;
        if (Healing_Potion_Count < 0x7fff)
            ++Healing_Potion_Count;
        break;
    case Item::Projectile_Stack_Item:
        if (auto* stack = dynamic_cast<Projectile_Stack*>(item))
            Projectiles = stack;
        break;
    default:
        break;
    }
}

Projectile_Stack* Inventory::Stack(Projectile* projectile) {
    std::unique_ptr<Projectile> owned(projectile);
    return Chain_Errors("Exception In Inventory::Stack(): ", "Unhandled Exception In Inventory::Stack()",
                        [&]() -> Projectile_Stack* {
                            if (!owned)
                                return nullptr;
                            for (Item* item : Items) {
                                if (item->Get_Category() != Item::Projectile_Stack_Item)
                                    continue;
                                auto* stack = dynamic_cast<Projectile_Stack*>(item);
                                if (stack && stack->Get_Template() &&
                                    stack->Get_Template()->Get_Name() == owned->Get_Name()) {
                                    stack->Merge(owned.release());
                                    return nullptr;
                                }
                            }
                            return new Projectile_Stack(owned.release(), 1);
                        });
}

void Inventory::Draw(const Item* slot) {
    const auto* weapon = dynamic_cast<const Weapon*>(slot);
    if (!weapon)
        return;
    Drawn_Damage_Min = weapon->Get_Damage_Min();
    Drawn_Damage_Max = weapon->Get_Damage_Max();
    Drawn_Critical_Multiplier = weapon->Get_Critical_Multiplier();
    Drawn_Range = weapon->Get_Range();
}

Item* Inventory::Draw_Melee_Weapon() {
    Item* slot = Melee_Weapon ? Melee_Weapon : Second_Melee_Weapon;
    Draw(slot);
    return slot;
}

Item* Inventory::Draw_Distant_Weapon() {
    Draw(Distant_Weapon);
    return Distant_Weapon;
}

void Inventory::Hide_Weapon() {
    Drawn_Damage_Min = 0;
    Drawn_Damage_Max = 0;
    Drawn_Critical_Multiplier = 1;
    Drawn_Range = 0;
}

bool Inventory::Projectile_Are_Available() const { return Projectiles && Projectiles->Get_Count() >= 1; }

void Inventory::Prepare_Launch(int direction, const GLINT::SDL::Rect& launchRect, int damage) {
    Chain_Errors("From Inventory::Prepare_Launch(): ", "Unhandled Exception In Inventory::Prepare_Launch()", [&] {
        const auto* bow = dynamic_cast<const Weapon*>(Distant_Weapon);
        if (!Projectile_Are_Available() || !bow)
            return;
        Projectiles->Prepare_Launch(static_cast<Sint16>(direction), launchRect, static_cast<Sint16>(damage),
                                    static_cast<Uint16>(std::max<Sint16>(bow->Get_Range(), 0)));
    });
}

void Inventory::Launch_Projectile() {
    Chain_Errors("From Inventory::Launch_Projectile(): ", "Unhandled Exception In Inventory::Launch_Projectile()",
                 [&] {
                     // Preparing the last arrow left the count at 0: only the stack is required.
                     if (Projectiles)
                         Projectiles->Launch_Projectile();
                 });
}

void Inventory::Show_Launched_Projectile(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) {
    Chain_Errors("From Inventory::Show_Launched_Projectile(): ",
                 "Unhandled Exception In Inventory::Show_Launched_Projectile()", [&] {
                     // Every stack: arrows shot before another stack took the slot still land.
                     for (Item* item : Items)
                         if (item->Get_Category() == Item::Projectile_Stack_Item)
                             if (auto* stack = dynamic_cast<Projectile_Stack*>(item))
                                 stack->Show_Launched_Projectiles(camera, target);
                 });
}

bool Inventory::Use_Healing_Potion() {
    return Chain_Errors("From Inventory::Use_Healing_Potion(): ",
                        "Unhandled Exception In Inventory::Use_Healing_Potion()", [&] {
                            auto* potion = dynamic_cast<Potion*>(Healing_Potion_Slot);
                            if (Healing_Potion_Count <= 0 || !potion)
                                return false;
                            Play_Sound(SFX_DrinkPotion);
                            potion->Use();
                            // The bottle stays listed among the items.
                            if (--Healing_Potion_Count == 0)
                                Healing_Potion_Slot = nullptr;
                            return true;
                        });
}

void Inventory::Clean_Inventory() {
    try {
        Melee_Weapon = nullptr;
        Second_Melee_Weapon = nullptr;
        Distant_Weapon = nullptr;
        Projectiles = nullptr;
        Healing_Potion_Slot = nullptr;
        Healing_Potion_Count = 0;
        std::vector<Item*> doomed;
        doomed.swap(Items);
        for (Item* item : doomed)
            delete item;
    } catch (...) {
        GLINT::SDL::GameLog.safeEntry("Clean_Inventory() Failed !!");
    }
}
