#pragma once

#include <memory>
#include <string>
#include <vector>

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
    // A small number per type name, the same for every sprite of that type:
    // characters cache their terrain verdicts under it.
    int Get_Type_Id() const { return Type_Id; }
    static int Type_Id_Of(const std::string& type);
    int Get_Display_Width() const { return Display_Width; }
    int Get_Display_Height() const { return Display_Height; }
    GLINT::SDL::RGBSurface& Get_Tileset() const { return *Pieces->Tileset; }
    int Get_X_Modifier() const { return X_Modifier; }
    int Get_Y_Modifier() const { return Y_Modifier; }
    int Get_CB_Width() const { return CB_Width; }
    int Get_CB_Height() const { return CB_Height; }
    const std::string& Get_File() const { return File; }

    // Where the sub-image of column orientation, row subType lies in the tileset.
    GLINT::SDL::Rect Source_Rect(int subType, int orientation) const;

    // True when the tileset is in the display's format and has no see-through pixel.
    bool Is_Opaque() const { return Pieces->Opaque; }

    // The picture Draw copies that sub-image from, and where in it the sub-image lies.
    const GLINT::SDL::RGBSurface& Picture(int subType, int orientation, GLINT::SDL::Rect& area) const;

    // Draws that sub-image with its top-left corner at (x, y) of target.
    bool Draw(GLINT::SDL::BaseSurface& target, int x, int y, int subType, int orientation) const;

private:
    // A tileset as loaded and converted, with its frames cut: each whole
    // sub-image as a surface of its own, in the display's format, row by
    // row (none when there is no display). A sub-image without a transparent
    // pixel carries no colour key, so it is copied, not tested pixel by
    // pixel, and keyed ones need no skipping through the tileset. Read-only
    // once made, and shared by every sprite cut from the same picture at the
    // same size: the ground's terrains are a dozen sprites per picture.
    struct Sheet {
        std::unique_ptr<GLINT::SDL::RGBSurface> Tileset;
        std::vector<std::unique_ptr<GLINT::SDL::RGBSurface>> Frames;
        int Columns = 0;
        int Rows = 0;
        bool Opaque = false;
    };

    static std::shared_ptr<const Sheet> Load_Sheet(const std::string& path, bool keyed, int r, int g, int b, int width,
                                                   int height);
    static void Load_Tileset(Sheet& sheet, const std::string& path, bool keyed, int r, int g, int b);
    static void Cut_Frames(Sheet& sheet, int width, int height);

    std::string Type;
    int Type_Id = 0;
    int Display_Width;
    int Display_Height;
    std::shared_ptr<const Sheet> Pieces;
    int X_Modifier;
    int Y_Modifier;
    int CB_Width;
    int CB_Height;
    std::string File;
};
