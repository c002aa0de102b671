#pragma once

// Chests and the bags dead characters drop. A dead character hands its
// death place to Drop_Items.
class Actionables_Manager {
public:
    Actionables_Manager() = default;
    virtual ~Actionables_Manager() = default;

    Actionables_Manager(const Actionables_Manager&) = delete;
    Actionables_Manager& operator=(const Actionables_Manager&) = delete;

    virtual void Drop_Items(int x, int y, bool killedByPlayer);
    int Get_Drops_Count() const { return Drops; }

private:
    int Drops = 0;
};
