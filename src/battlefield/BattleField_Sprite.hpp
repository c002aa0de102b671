#pragma once

#include <string>

#include "media/RGBSurface.hpp"
#include "media/Rect.hpp"

// One kind of ground tile or scenery object: its type, size, tileset and
// collision box, read from its sprite description file.
class BattleField_Sprite {
public:
    // The description file is folder + fileName; the tileset image sits in the same folder.
    BattleField_Sprite(const std::string& folder, const std::string& fileName);
    ~BattleField_Sprite();

    BattleField_Sprite(const BattleField_Sprite&) = delete;
    BattleField_Sprite& operator=(const BattleField_Sprite&) = delete;

    const std::string& Get_Type() const { return Type; }
    int Get_Display_Width() const { return Display_Width; }
    int Get_Display_Height() const { return Display_Height; }
    GLINT::SDL::RGBSurface& Get_Tileset() const { return *Tileset; }
    int Get_X_Modifier() const { return X_Modifier; }
    int Get_Y_Modifier() const { return Y_Modifier; }
    int Get_CB_Width() const { return CB_Width; }
    int Get_CB_Height() const { return CB_Height; }
    const std::string& Get_File() const { return File; }

    // Where the sub-image of column orientation, row subType lies in the tileset.
    GLINT::SDL::Rect Source_Rect(int subType, int orientation) const;

private:
    void Load_Tileset(const std::string& path, bool keyed, int r, int g, int b);

    std::string Type;
    int Display_Width;
    int Display_Height;
    GLINT::SDL::RGBSurface* Tileset;
    int X_Modifier;
    int Y_Modifier;
    int CB_Width;
    int CB_Height;
    std::string File;
};
