#include "items/Inventory.hpp"

void Inventory::Copy_Contents(const Inventory&) {}

bool Inventory::Projectile_Are_Available() const { return false; }

void Inventory::Prepare_Launch(int, const GLINT::SDL::Rect&, int) {}

void Inventory::Launch_Projectile() {}

void Inventory::Show_Launched_Projectile(const GLINT::SDL::Rect&, GLINT::SDL::BaseSurface&) {}
