#include "battlefield/BattleField.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "battlefield/BF_Fixture.hpp"

using bf_test::BF_Fixture;
using bf_test::BG;
using bf_test::ENV;
using bf_test::Error_Of;

namespace {

class BattleField_Loading : public ::testing::Test {
protected:
    // One grass sprite at (0, 0) on the ground, nothing else.
    std::string Grass_Field(int defaultId = 0) {
        return files.Write_Description(BF_Fixture::Layers(BF_Fixture::Sprite("Background", 0, 0, 1), ""), defaultId);
    }

    static std::string Summary(const BattleField_Sprite& s) {
        return s.Get_Type() + " " + std::to_string(s.Get_Display_Width()) + "x" + std::to_string(s.Get_Display_Height()) +
               " box " + std::to_string(s.Get_X_Modifier()) + "," + std::to_string(s.Get_Y_Modifier()) + "," +
               std::to_string(s.Get_CB_Width()) + "," + std::to_string(s.Get_CB_Height()) + " tileset " +
               std::to_string(s.Get_Tileset().getWidth()) + (s.Get_Tileset().getFlags() & SDL_SRCCOLORKEY ? " keyed" : "");
    }

    BF_Fixture files;
};

} // namespace

TEST_F(BattleField_Loading, ReadsSizesLayersSpritesAndZones) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Sprite("tree", "Big_Vegetal", 24, 40, 2, bf_test::Colour_Key + BF_Fixture::Box(4, 30, 16, 10));
    files.Write_Mapping({{1, "grass"}}, {{7, "tree"}});
    BattleField field(files.Write_Description(
        BF_Fixture::Layers(BF_Fixture::Sprite("Background", 64, 0, 1, 1, 0) +
                               // Elements the loader does not know are passed over.
                               "<Note>ignored</Note>" + BF_Fixture::Sprite("Background", 0, 32, 1),
                           BF_Fixture::Sprite("Environment", 100, 50, 7, 0, 1)),
        1, 3000, 2500));
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

    // No box in the file: the whole tile.
    EXPECT_EQ(Summary(*field.Get_BG_Mapping().at(1)), "Grass 32x32 box 0,0,32,32 tileset 64");
    EXPECT_EQ(field.Get_BG_Mapping().at(1)->Get_File(), files.Path("grass.xml"));
    EXPECT_EQ(Summary(*field.Get_Env_Mapping().at(7)), "Big_Vegetal 24x40 box 4,30,16,10 tileset 48 keyed");

    // Zones: Undead only up to x 1199 at the top left, nothing allowed outside the zones.
    struct Spot {
        int X, Y, Id;
        bool Allowed;
    };
    const Spot spots[] = {{1199, 0, 3, true},    {1200, 0, 3, false},    {100, 100, 2, false}, {2000, 2496, 2, true},
                          {2000, 2496, 3, false}, {100, 3000, 3, true},  {2700, 600, 2, true}, {2736, 0, 2, false}};
    for (const Spot& s : spots)
        EXPECT_EQ(field.Check_Cutting_Allow_Monster(s.X, s.Y, s.Id), s.Allowed) << s.X << "," << s.Y << " " << s.Id;
    EXPECT_EQ(field.Get_Zones().size(), 4u);
}

TEST_F(BattleField_Loading, MappingErrorsNameTheFileAndWhatIsWrong) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Sprite("sand", "Sand", 32, 32, 2);
    const std::string mapping = files.Path("mapping.xml");
    const std::string notFolder = "From BattleField Constructor, From BattleField::Fill_BF_Mapping(), Error: "
                                  "BF_BG_Sprite_Mapping_File_Default_Folder Not Found Or Empty In File: " + mapping;
    const std::string grass = BF_Fixture::Element(BG, 1, "grass.xml");
    struct Row {
        const char* Name;
        std::string Mapping, Layers;
        int Default_Id;
        std::string Error;
    };
    const std::string ground = BF_Fixture::Sprite("Background", 0, 0, 1);
    const std::vector<Row> rows = {
        {"a missing layer section", files.Section(BG, files.folder.c_str(), grass), "<Background>" + ground + "</Background>",
         0, "From BattleField Constructor, Error While Trying To Find Map: Environment From Map File: " +
                files.Path("bf.xml")},
        {"an empty folder", files.Section(BG, "", grass), BF_Fixture::Layers(ground, ""), 0, notFolder},
        {"no folder", files.Section(BG, nullptr, grass), BF_Fixture::Layers(ground, ""), 0, notFolder},
        // The folder must come first: the elements before it are passed over.
        {"the folder after the elements",
         "<" + std::string(BG) + ">" + grass + "<" + BG + "_File_Default_Folder>" + files.folder + "</" + BG +
             "_File_Default_Folder></" + BG + ">",
         BF_Fixture::Layers(ground, ""), 0,
         "From BattleField Constructor, Sprite Id 1 Of Map: Background At 0, 0 Is Not Bound In Mapping: "
         "BF_BG_Sprite_Mapping Of File: " + mapping},
        {"an id bound twice", files.Section(BG, files.folder.c_str(), grass + BF_Fixture::Element(BG, 1, "sand.xml")),
         BF_Fixture::Layers(ground, ""), 0,
         "From BattleField Constructor, From BattleField::Fill_BF_Mapping(), Trying To Insert An Element In "
         "Mapping: BF_BG_Sprite_Mapping At A Type: 1 Or File: sand.xml Already In Use! Plz Check Your Mapping "
         "File."},
        {"a placed sprite not bound", files.Section(BG, files.folder.c_str(), grass),
         BF_Fixture::Layers(ground, BF_Fixture::Sprite("Environment", 40, 80, 3)), 0,
         "From BattleField Constructor, Sprite Id 3 Of Map: Environment At 40, 80 Is Not Bound In Mapping: "
         "BF_Env_Sprite_Mapping Of File: " + mapping},
        {"the default ground not bound", files.Section(BG, files.folder.c_str(), grass),
         BF_Fixture::Layers(ground, ""), 6,
         "From BattleField Constructor, Default BG Sprite Id 6 Is Not Bound In Mapping: BF_BG_Sprite_Mapping Of "
         "File: " + mapping},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        files.Write_Mapping(row.Mapping);
        const std::string description = files.Write_Description(row.Layers, row.Default_Id);
        EXPECT_EQ(Error_Of([&] { BattleField field(description); }), row.Error);
    }
}

TEST_F(BattleField_Loading, OnlyTheSpritesTheMapUsesAreLoadedAndTheDefaultGround) {
    files.Write_Sprite("grass", "Grass", 32, 32, 1);
    files.Write_Sprite("earth", "Earth", 16, 16, 2);
    // Id 5 is not on the map: neither the duplicate nor the missing files matter, they are never opened.
    files.Write_Mapping(files.Section(BG, files.folder.c_str(),
                                      BF_Fixture::Element(BG, 5, "missing.xml") + BF_Fixture::Element(BG, 1, "grass.xml") +
                                          BF_Fixture::Element(BG, 5, "also_missing.xml") +
                                          BF_Fixture::Element(BG, 4, "earth.xml")) +
                        files.Section(ENV, files.folder.c_str(), BF_Fixture::Element(ENV, 9, "nowhere.xml")));
    BattleField plain(Grass_Field());
    EXPECT_EQ(plain.Get_BG_Mapping().size(), 1u);
    EXPECT_EQ(plain.Get_BG_Mapping().at(1)->Get_Type(), "Grass");
    EXPECT_TRUE(plain.Get_Env_Mapping().empty());

    // The default ground is loaded even when no sprite uses it.
    BattleField field(Grass_Field(4));
    ASSERT_EQ(field.Get_BG_Mapping().size(), 2u);
    EXPECT_EQ(field.Get_BG_Mapping().at(4)->Get_Type(), "Earth");
}

// A deleted or damaged sprite file is refused by name in the damaged-data sweep.
TEST_F(BattleField_Loading, ASpriteSizeDrawingCouldNeverStepOverIsRefused) {
    files.Write_Mapping({{1, "grass"}}, {});
    files.Write_Sprite("grass", "Grass", 0, 32, 1);
    const std::string description = Grass_Field();
    EXPECT_EQ(Error_Of([&] { BattleField field(description); }),
              "From BattleField Constructor, From BattleField::Fill_BF_Mapping(), Error In "
              "BattleField_Sprite::BattleField_Sprite() Using File " + files.Path("grass.xml") +
                  " : Display_Width And Display_Height Must Be Positive Numbers");
}
