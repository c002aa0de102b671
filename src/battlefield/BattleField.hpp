#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "battlefield/BF_Sprite_Infos.hpp"
#include "battlefield/BattleField_Sprite.hpp"
#include "battlefield/BattleField_Zone.hpp"
#include "media/BaseSurface.hpp"
#include "media/RGBColor.hpp"
#include "media/Rect.hpp"

// Size of the field and of a standard ground sprite, in pixels; set by the
// last battlefield constructed.
extern int BF_Width;
extern int BF_Height;
extern int BF_Default_Sprite_Width;
extern int BF_Default_Sprite_Height;

// A map layer: placed sprites keyed by their top-left corner (X, Y), ordered
// by X then Y. Several sprites may share a position; they keep file order.
using BF_Layer = std::multimap<std::pair<int, int>, BF_Sprite_Infos*>;
// Sprite id -> its loaded description, one mapping per layer.
using BF_Sprite_Mapping = std::map<int, BattleField_Sprite*>;

// The playing field: its two map layers (ground under the characters,
// scenery over them), the sprites they use and the monster zones. Built once
// from the description file, read-only afterwards.
class BF_Cover_Outline;
class BF_Ground_Cache;
class XML_Node_Walker;
class BF_Layer_Index;

class BattleField {
public:
    // Reads the description file named by the BF_Map setting.
    BattleField();
    explicit BattleField(const std::string& descriptionFile);
    ~BattleField();

    BattleField(const BattleField&) = delete;
    BattleField& operator=(const BattleField&) = delete;

    // May a monster of this Character_IDs value be generated with its top-left corner at (x, y)?
    bool Check_Cutting_Allow_Monster(int x, int y, int characterId) const;

    // Drawing, in the order the render engine calls them around the characters.
    void Render_Default_BG(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const;
    void Render_BG(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const;
    void Render_Env(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const;
    void Render_Map(const BF_Layer& layer, const BF_Sprite_Mapping& mapping, const GLINT::SDL::Rect& camera,
                    GLINT::SDL::BaseSurface& target) const;
    // Render_Default_BG then Render_BG, copied from the ground drawn once at
    // load whenever the camera allows it (same picture, far fewer blits).
    void Render_Ground(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const;
    bool Has_Ground_Cache() const { return Ground_Cache != nullptr; }
    // Null when the ground is drawn tile by tile.
    const BF_Ground_Cache* Get_Ground_Cache() const { return Ground_Cache; }
    // After Render_Env: the outline, in ink, of a figure (area of sheet drawn
    // at the field's (x, y)) where the Environment layer hides it.
    bool Outline_Covered(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target,
                         const GLINT::SDL::BaseSurface& sheet, const GLINT::SDL::Rect& area, int x, int y,
                         const GLINT::SDL::RGBColor& ink) const;
    // Whether Render_Ground paints every pixel of target from this camera.
    bool Ground_Covers(const GLINT::SDL::Rect& camera, const GLINT::SDL::BaseSurface& target) const;

    int Get_Default_BG_Id() const { return BF_Default_BG_Id; }
    const BF_Sprite_Mapping& Get_BG_Mapping() const { return BG_Sprite_Mapping; }
    const BF_Sprite_Mapping& Get_Env_Mapping() const { return Env_Sprite_Mapping; }
    const std::vector<BattleField_Zone*>& Get_Zones() const { return *Zones; }
    const BF_Layer& Get_BG_Layer() const { return BG_Layer; }
    const BF_Layer& Get_Env_Layer() const { return Env_Layer; }
    const std::string& Get_Description_File() const { return Description_File; }
    // The collision boxes of each layer, indexed for the collision tests.
    const BF_Layer_Index& Get_BG_Index() const { return *BG_Index; }
    const BF_Layer_Index& Get_Env_Index() const { return *Env_Index; }

    // Appends the id of every sprite of layer, then leaves the list sorted without duplicates.
    static void Set_List_Of_Used_Type_From_BF_Map(std::vector<int>& used, const BF_Layer& layer);

private:
    void Build();
    // Walks the map file once for both layers; each flag says its section was there.
    void Fill_BF_Maps(bool& backgroundFound, bool& environmentFound);
    void Walk_BF_Maps(XML_Node_Walker& walker, bool& backgroundFound, bool& environmentFound);
    // Reads one layer's section from its start element; false when the file ended inside it.
    static bool Read_Layer(XML_Node_Walker& walker, BF_Layer& layer, const std::string& section);
    void Require_Map(bool found, const std::string& section) const;
    void Fill_BF_Mapping(const std::vector<int>& used, BF_Sprite_Mapping& mapping, const std::string& file,
                         const std::string& section);
    // Every sprite a layer places must have a description to draw it with.
    void Check_Layer_Is_Mapped(const BF_Layer& layer, const BF_Sprite_Mapping& mapping, const std::string& layerName,
                               const std::string& mappingFile, const std::string& section) const;
    void Clear();

    int BF_Default_BG_Id;
    BF_Sprite_Mapping BG_Sprite_Mapping;
    BF_Sprite_Mapping Env_Sprite_Mapping;
    std::vector<BattleField_Zone*>* Zones;
    BF_Layer BG_Layer;
    BF_Layer Env_Layer;
    std::string Description_File;
    BF_Ground_Cache* Ground_Cache = nullptr;
    BF_Layer_Index* BG_Index = nullptr;
    BF_Layer_Index* Env_Index = nullptr;
    BF_Cover_Outline* Env_Outline = nullptr;
};
