#include "battlefield/BattleField.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "battlefield/BF_Fixture.hpp"

using bf_test::BF_Fixture;

namespace {

const char* const BG = "BF_BG_Sprite_Mapping";
const char* const ENV = "BF_Env_Sprite_Mapping";

template <class Op>
std::string Thrown(Op op) {
    try {
        op();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "";
}

class BattleField_Loading : public ::testing::Test {
protected:
    BF_Fixture files;
};

} // namespace

TEST_F(BattleField_Loading, ReadsSizesLayersSpritesAndZones) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Sprite("tree", "Big_Vegetal", 24, 40, 2,
                       "<TS_ColorKey_RGB><ColorKey_R>255</ColorKey_R><ColorKey_G>0</ColorKey_G>"
                       "<ColorKey_B>255</ColorKey_B></TS_ColorKey_RGB>"
                       "<CollisionBox_Dimensions><X_Modifier>4</X_Modifier><Y_Modifier>30</Y_Modifier>"
                       "<CB_Width>16</CB_Width><CB_Height>10</CB_Height></CollisionBox_Dimensions>");
    files.Write_Mapping(files.Section(BG, files.folder.c_str(), BF_Fixture::Element(BG, 1, "grass.xml")) +
                        files.Section(ENV, files.folder.c_str(), BF_Fixture::Element(ENV, 7, "tree.xml")));
    const std::string description = files.Write_Description(
        "<Background>" + BF_Fixture::Sprite("Background", 64, 0, 1, 1, 0) +
            // Elements the loader does not know are passed over.
            "<Note>ignored</Note>" + BF_Fixture::Sprite("Background", 0, 32, 1) + "</Background>"
            "<Environment>" + BF_Fixture::Sprite("Environment", 100, 50, 7, 0, 1) + "</Environment>",
        1, 3000, 2500);

    BattleField field(description);
    EXPECT_EQ(BF_Width, 3000);
    EXPECT_EQ(BF_Height, 2500);
    EXPECT_EQ(BF_Default_Sprite_Width, 32);
    EXPECT_EQ(BF_Default_Sprite_Height, 32);
    EXPECT_EQ(field.Get_Default_BG_Id(), 1);

    // Ordered by X, then Y, whatever the file order.
    ASSERT_EQ(field.Get_BG_Layer().size(), 2u);
    auto first = field.Get_BG_Layer().begin();
    EXPECT_EQ(first->first, std::make_pair(0, 32));
    EXPECT_EQ(std::next(first)->first, std::make_pair(64, 0));
    EXPECT_EQ(std::next(first)->second->SubType, 1);
    ASSERT_EQ(field.Get_Env_Layer().size(), 1u);
    EXPECT_EQ(field.Get_Env_Layer().begin()->second->Orientation, 1);

    const BattleField_Sprite& grass = *field.Get_BG_Mapping().at(1);
    EXPECT_EQ(grass.Get_Type(), "Grass");
    EXPECT_EQ(grass.Get_File(), files.Path("grass.xml"));
    // No box in the file: the whole tile.
    EXPECT_EQ(grass.Get_X_Modifier(), 0);
    EXPECT_EQ(grass.Get_Y_Modifier(), 0);
    EXPECT_EQ(grass.Get_CB_Width(), 32);
    EXPECT_EQ(grass.Get_CB_Height(), 32);
    EXPECT_EQ(grass.Get_Tileset().getWidth(), 64);

    const BattleField_Sprite& tree = *field.Get_Env_Mapping().at(7);
    EXPECT_EQ(tree.Get_Type(), "Big_Vegetal");
    EXPECT_EQ(tree.Get_Display_Width(), 24);
    EXPECT_EQ(tree.Get_Display_Height(), 40);
    EXPECT_EQ(tree.Get_X_Modifier(), 4);
    EXPECT_EQ(tree.Get_Y_Modifier(), 30);
    EXPECT_EQ(tree.Get_CB_Width(), 16);
    EXPECT_EQ(tree.Get_CB_Height(), 10);
    EXPECT_TRUE(tree.Get_Tileset().getFlags() & SDL_SRCCOLORKEY);

    // Zones: Undead only up to x 1199 at the top left, nothing allowed outside the zones.
    EXPECT_TRUE(field.Check_Cutting_Allow_Monster(1199, 0, 3));
    EXPECT_FALSE(field.Check_Cutting_Allow_Monster(1200, 0, 3));
    EXPECT_FALSE(field.Check_Cutting_Allow_Monster(100, 100, 2));
    EXPECT_TRUE(field.Check_Cutting_Allow_Monster(2000, 2496, 2));
    EXPECT_FALSE(field.Check_Cutting_Allow_Monster(2000, 2496, 3));
    EXPECT_TRUE(field.Check_Cutting_Allow_Monster(100, 3000, 3));
    EXPECT_TRUE(field.Check_Cutting_Allow_Monster(2700, 600, 2));
    EXPECT_FALSE(field.Check_Cutting_Allow_Monster(2736, 0, 2));
    ASSERT_EQ(field.Get_Zones().size(), 4u);
}

TEST_F(BattleField_Loading, AMissingLayerSectionStopsConstruction) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Mapping(files.Section(BG, files.folder.c_str(), BF_Fixture::Element(BG, 1, "grass.xml")));
    const std::string description =
        files.Write_Description("<Background>" + BF_Fixture::Sprite("Background", 0, 0, 1) + "</Background>");
    EXPECT_EQ(Thrown([&] { BattleField field(description); }),
              "From BattleField Constructor, Error While Trying To Find Map: Environment From Map File: " + description);
}

TEST_F(BattleField_Loading, TheFolderOfAMappingSectionIsRequired) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    const std::string description =
        files.Write_Description("<Background>" + BF_Fixture::Sprite("Background", 0, 0, 1) +
                                "</Background><Environment/>");
    const std::string expected = "From BattleField Constructor, From BattleField::Fill_BF_Mapping(), Error: "
                                 "BF_BG_Sprite_Mapping_File_Default_Folder Not Found Or Empty In File: " +
                                 files.Path("mapping.xml");

    files.Write_Mapping(files.Section(BG, "", BF_Fixture::Element(BG, 1, "grass.xml")));
    EXPECT_EQ(Thrown([&] { BattleField field(description); }), expected);

    files.Write_Mapping(files.Section(BG, nullptr, BF_Fixture::Element(BG, 1, "grass.xml")));
    EXPECT_EQ(Thrown([&] { BattleField field(description); }), expected);

    // The folder must come first: the elements before it are passed over.
    files.Write_Mapping("<" + std::string(BG) + ">" + BF_Fixture::Element(BG, 1, "grass.xml") + "<" + BG +
                        "_File_Default_Folder>" + files.folder + "</" + BG + "_File_Default_Folder></" + BG + ">");
    EXPECT_EQ(Thrown([&] { BattleField field(description); }),
              "From BattleField Constructor, Sprite Id 1 Of Map: Background At 0, 0 Is Not Bound In Mapping: "
              "BF_BG_Sprite_Mapping Of File: " + files.Path("mapping.xml"));
}

TEST_F(BattleField_Loading, DuplicateIdsAreRefusedOnlyWhenTheMapUsesThem) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Sprite("sand", "Sand", 32, 32, 2);
    const std::string description = files.Write_Description(
        "<Background>" + BF_Fixture::Sprite("Background", 0, 0, 1) + "</Background><Environment></Environment>");

    files.Write_Mapping(files.Section(
        BG, files.folder.c_str(), BF_Fixture::Element(BG, 1, "grass.xml") + BF_Fixture::Element(BG, 1, "sand.xml")));
    EXPECT_EQ(Thrown([&] { BattleField field(description); }),
              "From BattleField Constructor, From BattleField::Fill_BF_Mapping(), Trying To Insert An Element In "
              "Mapping: BF_BG_Sprite_Mapping At A Type: 1 Or File: sand.xml Already In Use! Plz Check Your Mapping "
              "File.");

    // Id 5 is not on the map: neither the duplicate nor the missing files matter, they are never opened.
    files.Write_Mapping(files.Section(BG, files.folder.c_str(),
                                      BF_Fixture::Element(BG, 5, "missing.xml") + BF_Fixture::Element(BG, 1, "grass.xml") +
                                          BF_Fixture::Element(BG, 5, "also_missing.xml")) +
                        files.Section(ENV, files.folder.c_str(), BF_Fixture::Element(ENV, 9, "nowhere.xml")));
    BattleField field(description);
    EXPECT_EQ(field.Get_BG_Mapping().size(), 1u);
    EXPECT_EQ(field.Get_BG_Mapping().at(1)->Get_Type(), "Grass");
    EXPECT_TRUE(field.Get_Env_Mapping().empty());
}

TEST_F(BattleField_Loading, DefaultGroundIsLoadedEvenWhenNoSpriteUsesIt) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Sprite("earth", "Earth", 16, 16, 2);
    files.Write_Mapping(files.Section(BG, files.folder.c_str(),
                                      BF_Fixture::Element(BG, 1, "grass.xml") + BF_Fixture::Element(BG, 4, "earth.xml")));
    // Neither section of the mapping file has to exist for a layer without sprites.
    BattleField field(files.Write_Description(
        "<Background>" + BF_Fixture::Sprite("Background", 0, 0, 1) + "</Background><Environment/>", 4));
    ASSERT_EQ(field.Get_BG_Mapping().size(), 2u);
    EXPECT_EQ(field.Get_BG_Mapping().at(4)->Get_Type(), "Earth");
    EXPECT_TRUE(field.Get_Env_Mapping().empty());
}

TEST_F(BattleField_Loading, SpritesAtOnePlaceAreAllKeptInFileOrder) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Sprite("sand", "Sand", 32, 32, 2);
    files.Write_Mapping(files.Section(BG, files.folder.c_str(),
                                      BF_Fixture::Element(BG, 2, "sand.xml") + BF_Fixture::Element(BG, 1, "grass.xml")));
    BattleField field(files.Write_Description("<Background>" + BF_Fixture::Sprite("Background", 10, 10, 2) +
                                              BF_Fixture::Sprite("Background", 10, 10, 1, 1, 1) +
                                              BF_Fixture::Sprite("Background", 10, 10, 2, 1, 0) +
                                              "</Background><Environment/>"));
    const auto range = field.Get_BG_Layer().equal_range(std::make_pair(10, 10));
    std::vector<int> ids;
    for (auto it = range.first; it != range.second; ++it)
        ids.push_back(it->second->Id);
    EXPECT_EQ(ids, (std::vector<int>{2, 1, 2}));
}

TEST_F(BattleField_Loading, PlacedSpritesMustBeBoundInTheMapping) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Mapping(files.Section(BG, files.folder.c_str(), BF_Fixture::Element(BG, 1, "grass.xml")));
    const std::string description = files.Write_Description("<Background>" + BF_Fixture::Sprite("Background", 0, 0, 1) +
                                                            "</Background><Environment>" +
                                                            BF_Fixture::Sprite("Environment", 40, 80, 3) +
                                                            "</Environment>");
    EXPECT_EQ(Thrown([&] { BattleField field(description); }),
              "From BattleField Constructor, Sprite Id 3 Of Map: Environment At 40, 80 Is Not Bound In Mapping: "
              "BF_Env_Sprite_Mapping Of File: " + files.Path("mapping.xml"));

    const std::string unboundDefault = files.Write_Description(
        "<Background>" + BF_Fixture::Sprite("Background", 0, 0, 1) + "</Background><Environment/>", 6);
    EXPECT_EQ(Thrown([&] { BattleField field(unboundDefault); }),
              "From BattleField Constructor, Default BG Sprite Id 6 Is Not Bound In Mapping: BF_BG_Sprite_Mapping Of "
              "File: " + files.Path("mapping.xml"));
}

TEST_F(BattleField_Loading, BadSpriteFilesNameTheFile) {
    const std::string description = files.Write_Description(
        "<Background>" + BF_Fixture::Sprite("Background", 0, 0, 1) + "</Background><Environment/>");
    files.Write_Mapping(files.Section(BG, files.folder.c_str(), BF_Fixture::Element(BG, 1, "grass.xml")));
    const std::string sprite = files.Path("grass.xml");
    const std::string prefix = "From BattleField Constructor, From BattleField::Fill_BF_Mapping(), Error In "
                               "BattleField_Sprite::BattleField_Sprite() Using File " + sprite + " : ";

    // No sprite file at all.
    std::string message = Thrown([&] { BattleField field(description); });
    EXPECT_EQ(message.rfind(prefix, 0), 0u) << message;
    EXPECT_NE(message.find("doesn't exist"), std::string::npos) << message;

    // A tileset that cannot be loaded.
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    std::filesystem::remove(files.Path("grass.bmp"));
    message = Thrown([&] { BattleField field(description); });
    EXPECT_EQ(message.rfind(prefix, 0), 0u) << message;
    EXPECT_NE(message.find("IMG_Load"), std::string::npos) << message;

    // A size that drawing could never step over.
    files.Write_Sprite("grass", "Grass", 0, 32, 1);
    EXPECT_EQ(Thrown([&] { BattleField field(description); }),
              prefix + "Display_Width And Display_Height Must Be Positive Numbers");

    // A missing description file.
    EXPECT_NE(Thrown([&] { BattleField field(files.Path("none.xml")); }).find(files.Path("none.xml")), std::string::npos);
}
