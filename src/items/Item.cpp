#include "items/Item.hpp"

#include "data/XML_Manager.hpp"
#include "shell/Error_Chain.hpp"

Item::Item() = default;

Item::~Item() = default;

Item::Item(const Item& other)
    : Owner(other.Owner), Name(other.Name), Quest_Item(other.Quest_Item), Value(other.Value),
      Thumbnail(other.Thumbnail), Weight(other.Weight), Stackable(other.Stackable), Category(other.Category) {}

Item::Item(const Item& other, Share_Pictures)
    : Owner(other.Owner), Name(other.Name), Quest_Item(other.Quest_Item), Value(other.Value), Weight(other.Weight),
      Stackable(other.Stackable), Category(other.Category) {
    Thumbnail.Share(other.Thumbnail.Get());
}

Item* Item::Clone() const { return new Item(*this); }

void Item::Create_From_File(const std::string& file) {
    Chain_Errors("Exception In Item::Create_From_File(" + file + "): ",
                 "Unhandled Exception In Item::Create_From_File(" + file + " )", [&] {
                     XML_Manager::Validate_File(file);
                     Read_Item_Keys(file);
                 });
}

void Item::Read_Item_Keys(const std::string& file) {
    Name = XML_Manager::Get_Option_String(file, "Name");
    Value = XML_Manager::Get_Option_Value(file, "Value");
    if (XML_Manager::Check_Node_Exists(file, "Thunbnail_ColorKey_RGB")) {
        const GLINT::SDL::RGBAColor key(static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TB_ColorKey_R")),
                                        static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TB_ColorKey_G")),
                                        static_cast<Uint8>(XML_Manager::Get_Option_Value(file, "TB_ColorKey_B")), 255);
        Thumbnail.Load(key, XML_Manager::Get_Option_String(file, "Thunbnail_Name"));
    } else {
        Thumbnail.Load(XML_Manager::Get_Option_String(file, "Thunbnail_Name"));
    }
    Weight = static_cast<Uint16>(XML_Manager::Get_Option_Value(file, "Weight"));
    Quest_Item = XML_Manager::Check_Node_Exists(file, "Quest_Item") &&
                 XML_Manager::Get_Option_Value(file, "Quest_Item") == 1;
}
