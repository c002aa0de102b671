#pragma once

#include "items/Projectile.hpp"

// The common arrow. Loaded from Data/Items/Normal_Arrow.xml.
class Normal_Arrow : public Projectile {
public:
    static const char* const File;

    Normal_Arrow();
    Item* Clone() const override { return new Normal_Arrow(*this); }

protected:
    Normal_Arrow(const Normal_Arrow&) = default;
};
