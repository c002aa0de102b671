#include "battlefield/BattleField.hpp"

#include <algorithm>
#include <limits>
#include <memory>
#include <stdexcept>

#include <SDL/SDL.h>

#include "battlefield/BF_Cover_Outline.hpp"
#include "battlefield/BF_Ground_Cache.hpp"
#include "battlefield/BF_Helpers.hpp"
#include "battlefield/BF_Layer_Index.hpp"
#include "data/XML_Node_Walker.hpp"
#include "data/XML_Manager.hpp"
#include "media/Logger.hpp"
#include "media/Point.hpp"
#include "shell/Error_Chain.hpp"
#include "shell/Game_Settings.hpp"

int BF_Width = 0;
int BF_Height = 0;
int BF_Default_Sprite_Width = 0;
int BF_Default_Sprite_Height = 0;

namespace {

// Keeps an int field unchanged when the element's text is empty; the walker is left at its end.
void Take_Int(XML_Node_Walker& walker, int& field) {
    const std::string text = walker.Read_Text();
    if (!text.empty())
        field = String_To_Int(text);
}

} // namespace

BattleField::BattleField() : BattleField(Game_Settings::BF_Map) {}

BattleField::BattleField(const std::string& descriptionFile)
    : BF_Default_BG_Id(0), Zones(nullptr), Description_File(descriptionFile) {
    try {
        Chain_Errors("From BattleField Constructor, ", "Unknown Error In BattleField Constructor", [&] { Build(); });
    } catch (...) {
        Clear();
        throw;
    }
}

void BattleField::Build() {
    const std::string& file = Description_File;
    // Both layers in one walk, which validates the map on the way: it is by far the biggest file of
    // the start, and its options below come from a valid file.
    bool hasBackground = false, hasEnvironment = false;
    Fill_BF_Maps(hasBackground, hasEnvironment);
    BF_Width = XML_Manager::Get_Option_Value(file, "BF_Width");
    BF_Height = XML_Manager::Get_Option_Value(file, "BF_Height");
    BF_Default_Sprite_Width = XML_Manager::Get_Option_Value(file, "BF_Default_Sprite_Width");
    BF_Default_Sprite_Height = XML_Manager::Get_Option_Value(file, "BF_Default_Sprite_Height");
    const std::string mappingFile = XML_Manager::Get_Option_String(file, "Mapping_File");
    BF_Default_BG_Id = XML_Manager::Get_Option_Value(file, "BF_Default_BG_Id");

    Require_Map(hasBackground, "Background");
    // The default ground is loaded even when no placed sprite uses it.
    std::vector<int> usedBG(1, BF_Default_BG_Id);
    Set_List_Of_Used_Type_From_BF_Map(usedBG, BG_Layer);
    Fill_BF_Mapping(usedBG, BG_Sprite_Mapping, mappingFile, "BF_BG_Sprite_Mapping");

    Require_Map(hasEnvironment, "Environment");
    std::vector<int> usedEnv;
    Set_List_Of_Used_Type_From_BF_Map(usedEnv, Env_Layer);
    Fill_BF_Mapping(usedEnv, Env_Sprite_Mapping, mappingFile, "BF_Env_Sprite_Mapping");

    Check_Layer_Is_Mapped(BG_Layer, BG_Sprite_Mapping, "Background", mappingFile, "BF_BG_Sprite_Mapping");
    Check_Layer_Is_Mapped(Env_Layer, Env_Sprite_Mapping, "Environment", mappingFile, "BF_Env_Sprite_Mapping");
    if (BF_Default_BG_Id != 0 && BG_Sprite_Mapping.count(BF_Default_BG_Id) == 0)
        throw std::logic_error("Default BG Sprite Id " + Int_To_String(BF_Default_BG_Id) +
                               " Is Not Bound In Mapping: BF_BG_Sprite_Mapping Of File: " + mappingFile);

    BG_Index = new BF_Layer_Index(BG_Layer, BG_Sprite_Mapping);
    Env_Index = new BF_Layer_Index(Env_Layer, Env_Sprite_Mapping);
    Env_Outline = new BF_Cover_Outline(Env_Layer, Env_Sprite_Mapping);

    Zones = BattleField_Zone::Fill_Vector();
    // Needs the display's format, so only when there is a display (always, in the game).
    Ground_Cache = BF_Ground_Cache::Build(*this, BF_Width, BF_Height);
}

BattleField::~BattleField() { Clear(); }

void BattleField::Clear() {
    delete Env_Outline;
    Env_Outline = nullptr;
    delete Ground_Cache;
    Ground_Cache = nullptr;
    delete BG_Index;
    BG_Index = nullptr;
    delete Env_Index;
    Env_Index = nullptr;
    for (auto& entry : BG_Sprite_Mapping)
        delete entry.second;
    BG_Sprite_Mapping.clear();
    for (auto& entry : Env_Sprite_Mapping)
        delete entry.second;
    Env_Sprite_Mapping.clear();
    for (auto& entry : BG_Layer)
        delete entry.second;
    BG_Layer.clear();
    for (auto& entry : Env_Layer)
        delete entry.second;
    Env_Layer.clear();
    if (Zones) {
        for (BattleField_Zone* zone : *Zones)
            delete zone;
        delete Zones;
        Zones = nullptr;
    }
}

void BattleField::Fill_BF_Maps(bool& backgroundFound, bool& environmentFound) {
    const std::string& path = Description_File;
    backgroundFound = environmentFound = false;
    XML_Manager::Validate_While_Walking(path, [&](XML_Node_Walker& walker) {
        Chain_Errors("", "Unknow Error When Trying To Fill BF Maps From Map File: " + path, [&] {
            Walk_BF_Maps(walker, backgroundFound, environmentFound);
        });
    });
}

void BattleField::Walk_BF_Maps(XML_Node_Walker& walker, bool& backgroundFound, bool& environmentFound) {
    if (!walker.Opened())
        throw std::logic_error("Error While Reading File " + Description_File);
    // Each section is read from the first element of its name, as a walk of its own would find it.
    while (!(backgroundFound && environmentFound) && walker.Next()) {
        if (!backgroundFound && walker.Is_Start("Background")) {
            backgroundFound = true;
            if (!Read_Layer(walker, BG_Layer, "Background"))
                break;
        } else if (!environmentFound && walker.Is_Start("Environment")) {
            environmentFound = true;
            if (!Read_Layer(walker, Env_Layer, "Environment"))
                break;
        }
    }
}

bool BattleField::Read_Layer(XML_Node_Walker& walker, BF_Layer& layer, const std::string& section) {
    if (walker.Is_Empty_Element())
        return true;
    const std::string spriteName = section + "_Sprite";
    const std::string xName = spriteName + "_X", yName = spriteName + "_Y", idName = spriteName + "_Id",
                      subTypeName = spriteName + "_SubType", orientationName = spriteName + "_Orientation";
    while (walker.Next()) {
        if (walker.Is_End(section))
            return true;
        if (!walker.Is_Start(spriteName))
            continue;
        int x = 0, y = 0, id = 0, subType = 0, orientation = 0;
        bool complete = walker.Is_Empty_Element();
        while (!complete && walker.Next()) {
            if (walker.Is_End(spriteName)) {
                complete = true;
            } else if (walker.Is_Element()) {
                if (walker.Is_Named(xName))
                    Take_Int(walker, x);
                else if (walker.Is_Named(yName))
                    Take_Int(walker, y);
                else if (walker.Is_Named(idName))
                    Take_Int(walker, id);
                else if (walker.Is_Named(subTypeName))
                    Take_Int(walker, subType);
                else if (walker.Is_Named(orientationName))
                    Take_Int(walker, orientation);
            }
        }
        if (!complete)
            return false;
        std::unique_ptr<BF_Sprite_Infos> infos(new BF_Sprite_Infos(id, subType, orientation));
        // A multimap keeps equal keys in insertion order: sprites at one place stay in file order.
        layer.emplace(std::make_pair(x, y), infos.get());
        infos.release();
    }
    return false;
}

void BattleField::Require_Map(bool found, const std::string& section) const {
    if (!found)
        throw std::logic_error("Error While Trying To Find Map: " + section + " From Map File: " + Description_File);
}

void BattleField::Set_List_Of_Used_Type_From_BF_Map(std::vector<int>& used, const BF_Layer& layer) {
    Chain_Errors("From BattleField::Set_List_Of_Used_Type_From_BF_Map(), ",
                 "Unknow Error In BattleField::Set_List_Of_Used_Type_From_BF_Map()", [&] {
                     for (const auto& entry : layer)
                         used.push_back(entry.second->Id);
                     std::sort(used.begin(), used.end());
                     used.erase(std::unique(used.begin(), used.end()), used.end());
                 });
}

void BattleField::Fill_BF_Mapping(const std::vector<int>& used, BF_Sprite_Mapping& mapping, const std::string& file,
                                  const std::string& section) {
    Chain_Errors(
        "From BattleField::Fill_BF_Mapping(), ",
        "Unknow Error When Trying To Fill BF Mapping: " + section + " From Mapping File: " + file, [&] {
            XML_Manager::Validate_File(file);
            XML_Node_Walker walker(file);
            if (!walker.Opened())
                throw std::logic_error("Error While Reading File " + file);
            // A mapping file may leave a layer out: that layer then has no sprites to draw.
            if (!walker.Find_Start(section))
                return;

            const std::string folderName = section + "_File_Default_Folder";
            std::string folder;
            bool found = false;
            if (!walker.Is_Empty_Element()) {
                while (walker.Next() && !walker.Is_End(section)) {
                    if (walker.Is_Start(folderName)) {
                        found = true;
                        folder = walker.Text();
                        break;
                    }
                }
            }
            if (!found || folder.empty())
                throw std::logic_error("Error: " + section + "_File_Default_Folder Not Found Or Empty In File: " +
                                       file);

            const std::string elementName = section + "_El", idName = section + "_Id", fileName = section + "_File";
            while (walker.Next() && !walker.Is_End(section)) {
                if (!walker.Is_Start(elementName))
                    continue;
                int id = 0;
                std::string spriteFile;
                bool complete = walker.Is_Empty_Element();
                while (!complete && walker.Next()) {
                    if (walker.Is_End(elementName)) {
                        complete = true;
                    } else if (walker.Is_Start(idName)) {
                        Take_Int(walker, id);
                    } else if (walker.Is_Start(fileName)) {
                        const std::string text = walker.Text();
                        if (!text.empty())
                            spriteFile = text;
                    }
                }
                if (!complete)
                    break;
                // Only sprites the map places are loaded: unused entries are never opened.
                if (std::find(used.begin(), used.end(), id) == used.end())
                    continue;
                if (mapping.count(id) != 0)
                    throw std::logic_error("Trying To Insert An Element In Mapping: " + section + " At A Type: " +
                                           Int_To_String(id) + " Or File: " + spriteFile +
                                           " Already In Use! Plz Check Your Mapping File.");
                std::unique_ptr<BattleField_Sprite> sprite(new BattleField_Sprite(folder, spriteFile));
                mapping.emplace(id, sprite.get());
                sprite.release();
            }
        });
}

void BattleField::Check_Layer_Is_Mapped(const BF_Layer& layer, const BF_Sprite_Mapping& mapping,
                                        const std::string& layerName, const std::string& mappingFile,
                                        const std::string& section) const {
    for (const auto& entry : layer)
        if (mapping.count(entry.second->Id) == 0)
            throw std::logic_error("Sprite Id " + Int_To_String(entry.second->Id) + " Of Map: " + layerName +
                                   " At " + Int_To_String(entry.first.first) + ", " +
                                   Int_To_String(entry.first.second) + " Is Not Bound In Mapping: " + section +
                                   " Of File: " + mappingFile);
}

bool BattleField::Check_Cutting_Allow_Monster(int x, int y, int characterId) const {
    return Chain_Errors("Error in BattleField::Check_Cutting_Allow_Monster(), ",
                        "Unhandled Error In BattleField::Check_Cutting_Allow_Monster()", [&] {
                            if (!Zones || Zones->empty())
                                return true;
                            for (const BattleField_Zone* zone : *Zones)
                                if (zone->Contains(x, y))
                                    return zone->Allows(characterId);
                            return false;
                        });
}

void BattleField::Render_Default_BG(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const {
    Chain_Errors("From BattleField::Render_Default_BG(), ", "Unknow Error In BattleField::Render_Default_BG()", [&] {
        if (BF_Default_BG_Id == 0)
            return;
        const auto found = BG_Sprite_Mapping.find(BF_Default_BG_Id);
        if (found == BG_Sprite_Mapping.end())
            return;
        const BattleField_Sprite& sprite = *found->second;
        const int width = sprite.Get_Display_Width(), height = sprite.Get_Display_Height();
        const GLINT::SDL::RGBSurface& tile = sprite.Get_Tileset();
        // C++'s % truncates toward zero: a camera left of the field leaves a strip uncovered.
        for (int y = -(camera.gety() % height); y <= Game_Settings::Current_Screen_Height; y += height) {
            for (int x = -(camera.getx() % width); x <= Game_Settings::Current_Screen_Width; x += width) {
                if (!target.blit(tile, GLINT::SDL::Point(static_cast<Sint16>(x), static_cast<Sint16>(y))))
                    GLINT::SDL::GameLog.safeEntry(std::string("DEfault BG Sprite Generation Failed ") +
                                                  SDL_GetError());
            }
        }
    });
}

void BattleField::Render_Ground(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const {
    // No prefix of its own: a failure reads as that of the step that failed.
    Chain_Errors("", "Unknow Error In BattleField::Render_Ground()", [&] {
        if (Ground_Cache && Ground_Cache->Draw(camera, target))
            return;
        Render_Default_BG(camera, target);
        Render_BG(camera, target);
    });
}

bool BattleField::Outline_Covered(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target,
                                  const GLINT::SDL::BaseSurface& sheet, const GLINT::SDL::Rect& area, int x, int y,
                                  const GLINT::SDL::RGBColor& ink) const {
    return Chain_Errors("From BattleField::Outline_Covered(), ", "Unknow Error In BattleField::Outline_Covered()",
                        [&] { return Env_Outline && Env_Outline->Draw(camera, target, sheet, area, x, y, ink); });
}

bool BattleField::Ground_Covers(const GLINT::SDL::Rect& camera, const GLINT::SDL::BaseSurface& target) const {
    return Ground_Cache && Ground_Cache->Covers(camera, target);
}

void BattleField::Render_BG(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const {
    Chain_Errors("From BattleField::Render_BG(), ", "Unknow Error In BattleField::Render_BG()",
                 [&] { Render_Map(BG_Layer, BG_Sprite_Mapping, camera, target); });
}

void BattleField::Render_Env(const GLINT::SDL::Rect& camera, GLINT::SDL::BaseSurface& target) const {
    Chain_Errors("From BattleField::Render_Env(), ", "Unknow Error In BattleField::Render_Env()",
                 [&] { Render_Map(Env_Layer, Env_Sprite_Mapping, camera, target); });
}

void BattleField::Render_Map(const BF_Layer& layer, const BF_Sprite_Mapping& mapping, const GLINT::SDL::Rect& camera,
                             GLINT::SDL::BaseSurface& target) const {
    Chain_Errors("From BattleField::Render_Map(), ", "Unknow Error In BattleField::Render_Map()", [&] {
        const int left = camera.getx(), top = camera.gety();
        const int right = left + camera.getw(), bottom = top + camera.geth();

        // Sprites ending left of or above the screen, or starting below it, are
        // skipped anyway: jump over them in the (X, Y) order instead of visiting each.
        int widest = 0, tallest = 0;
        for (const auto& entry : mapping) {
            widest = std::max(widest, entry.second->Get_Display_Width());
            tallest = std::max(tallest, entry.second->Get_Display_Height());
        }
        const int lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();

        const BF_Sprite_Infos* previous = nullptr;
        const BattleField_Sprite* sprite = nullptr;
        auto it = layer.lower_bound(std::make_pair(left - widest, lowest));
        while (it != layer.end()) {
            const int x = it->first.first, y = it->first.second;
            // The layer is ordered by X: once past the right edge nothing further
            // can be on screen (this includes the stop past both far edges).
            if (x > right)
                break;
            if (y < top - tallest) {
                it = layer.lower_bound(std::make_pair(x, top - tallest));
                continue;
            }
            if (y > bottom) {
                it = layer.upper_bound(std::make_pair(x, highest));
                continue;
            }
            const BF_Sprite_Infos& infos = *it->second;
            if (!previous || previous->Id != infos.Id) {
                const auto found = mapping.find(infos.Id);
                if (found == mapping.end())
                    throw std::logic_error("No Sprite Bound To Id " + Int_To_String(infos.Id));
                sprite = found->second;
            }
            previous = &infos;
            const int width = sprite->Get_Display_Width(), height = sprite->Get_Display_Height();
            // A sprite that exactly touches an edge of the screen is still drawn.
            if (x + width >= left && y + height >= top &&
                !sprite->Draw(target, x - left, y - top, infos.SubType, infos.Orientation))
                throw std::logic_error(SDL_GetError());
            ++it;
        }
    });
}
