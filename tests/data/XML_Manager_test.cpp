#include "data/XML_Manager.hpp"
#include "data/XML_Node_Walker.hpp"

#include <gtest/gtest.h>

#include "Log_Capture.hpp"
#include "media/Temporary_Folder.hpp"

#include <filesystem>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

class XML_Manager_Test : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& text) {
        test_files::Write(name, text);
        return (dir / name).string();
    }

    // The whole text of what op throws, or "" when it does not throw.
    template <class Op>
    static std::string thrown(Op op) {
        try {
            op();
        } catch (const std::logic_error& e) {
            return e.what();
        }
        return "";
    }

    test_files::Temporary_Folder here;
    const fs::path dir = here.Path();
};

using XML_Node_Walker_Test = XML_Manager_Test;

const char* const sprite_dtd =
    "<!ELEMENT Sprite (Name, Size)>\n"
    "<!ELEMENT Name (#PCDATA)>\n"
    "<!ELEMENT Size (#PCDATA)>\n";

TEST_F(XML_Manager_Test, OptionsAreFoundByNameAloneFirstInDocumentOrder) {
    const std::string file = write("options.xml",
                                   "<?xml version=\"1.0\"?>\n"
                                   "<Root>\n"
                                   "  <Section><Inner><Deeper><Speed>7</Speed></Deeper></Inner></Section>\n"
                                   "  <Speed>99</Speed>\n"
                                   "  <Title>Varn<b>holt</b></Title>\n"
                                   "  <Empty/>\n"
                                   "</Root>\n");
    EXPECT_EQ(XML_Manager::Get_Option_Value(file, "Speed"), 7);
    EXPECT_EQ(XML_Manager::Get_Option_String(file, "Speed"), "7");
    // Descendants' text counts as the element's own.
    EXPECT_EQ(XML_Manager::Get_Option_String(file, "Title"), "Varnholt");
    EXPECT_EQ(XML_Manager::Get_Option_String(file, "Empty"), "");
    EXPECT_TRUE(XML_Manager::Check_Node_Exists(file, "Deeper"));
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(file, "speed"));
}

TEST_F(XML_Manager_Test, ValuesAreTheLeadingNumberOrMinusOne) {
    struct Row {
        const char* Text;
        int Value;
        long Long_Value;
    };
    // Too big for an int is no int at all.
    const Row rows[] = {{"  42 ", 42, 42}, {"abc", -1, -1}, {"12abc", 12, 12}, {"-5", -5, -5},
                        {"", -1, -1},     {"4000000000", -1, 4000000000L}};
    int n = 0;
    for (const Row& row : rows) {
        const std::string file = write("value" + std::to_string(n++) + ".xml", std::string("<R><V>") + row.Text + "</V></R>");
        EXPECT_EQ(XML_Manager::Get_Option_Value(file, "V"), row.Value) << row.Text;
        EXPECT_EQ(XML_Manager::Get_Option_Value_Long(file, "V"), row.Long_Value) << row.Text;
    }
}

TEST_F(XML_Manager_Test, MissingOptionsAndFilesGiveTheNestedTexts) {
    const std::string file = write("values.xml", "<Root><A>1</A></Root>");
    const std::string notFound = "Error in XML_Manager::Get_Option_String(): Option: B Not Found In File: " + file +
                                 " w filename: " + file + " & Option_Name: B";
    EXPECT_EQ(thrown([&] { XML_Manager::Get_Option_String(file, "B"); }), notFound);
    EXPECT_EQ(thrown([&] { XML_Manager::Get_Option_Value_Long(file, "B"); }),
              "Error in XML_Manager::Get_Option_Value_Long(): " + notFound + " w filename: " + file +
                  " & Option_Name: B");

    const std::string missing = (dir / "nowhere.xml").string();
    EXPECT_EQ(thrown([&] { XML_Manager::Get_Option_String(missing, "A"); }),
              "Error in XML_Manager::Get_Option_String(): Error While Reading File " + missing +
                  " w filename: " + missing + " & Option_Name: A");
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_File(missing); }),
              "Error in XML_Manager::Validate_File(): File " + missing + " doesn't exist w filename: " + missing);
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(missing, "A"));
}

TEST_F(XML_Manager_Test, BrokenDocumentsFailWithoutCrashing) {
    write("Sprite.dtd", sprite_dtd);
    const std::string garbage = write("garbage.xml", "this is not xml at all");
    // Valid as far as it goes: only the parse error tells the end is missing.
    const std::string cut = write("cut.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE Sprite SYSTEM \"Sprite.dtd\">\n"
                                             "<Sprite>\n  <Name>Tr");
    for (const std::string& file : {garbage, cut})
        EXPECT_EQ(thrown([&] { XML_Manager::Validate_File(file); }),
                  "Error in XML_Manager::Validate_File(): Error Parsing file: " + file + " w filename: " + file);
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(garbage, "A"));

    // A read error ends the search like the end of the document does.
    const std::string truncated = write("truncated.xml", "<Root><A>1</A><B>2</Root>");
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(truncated, "C"));
    EXPECT_EQ(thrown([&] { XML_Manager::Get_Option_String(truncated, "C"); }),
              "Error in XML_Manager::Get_Option_String(): Option: C Not Found In File: " + truncated +
                  " w filename: " + truncated + " & Option_Name: C");
}

TEST_F(XML_Manager_Test, ValidationFollowsTheNamedDtd) {
    write("Sprite.dtd", sprite_dtd);
    const std::string good = write("good.xml",
                                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                   "<!DOCTYPE Sprite SYSTEM \"Sprite.dtd\">\n"
                                   "<Sprite>\n  <Name>Tree</Name>\n  <Size>32</Size>\n</Sprite>\n");
    EXPECT_NO_THROW(XML_Manager::Validate_File(good));

    const std::string wrong = write("wrong.xml",
                                    "<?xml version=\"1.0\"?>\n"
                                    "<!DOCTYPE Sprite SYSTEM \"Sprite.dtd\">\n"
                                    "<Sprite><Size>32</Size><Name>Tree</Name></Sprite>\n");
    const std::string lost = write("lost.xml",
                                   "<?xml version=\"1.0\"?>\n"
                                   "<!DOCTYPE Sprite SYSTEM \"Missing.dtd\">\n"
                                   "<Sprite><Name>Tree</Name><Size>32</Size></Sprite>\n");
    const std::string none = write("none.xml", "<Sprite><Name>Tree</Name><Size>32</Size></Sprite>\n");
    for (const std::string& file : {wrong, lost, none})
        EXPECT_EQ(thrown([&] { XML_Manager::Validate_File(file); }),
                  "Error in XML_Manager::Validate_File(): File " + file + " isn't valid w filename: " + file);
}

// The reader remembers what a file gave only while the file stays the same:
// a rewrite of the same size at once, a new DTD, a big file read the long way.
TEST_F(XML_Manager_Test, RememberedAnswersFollowTheFilesAsTheyAreNow) {
    const std::string file = write("options.xml", "<Root><A>1</A><B>x</B></Root>");
    EXPECT_EQ(XML_Manager::Get_Option_Value(file, "A"), 1);
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(file, "C"));
    write("options.xml", "<Root><A>2</A><C>y</C></Root>");
    EXPECT_EQ(XML_Manager::Get_Option_Value(file, "A"), 2);
    EXPECT_TRUE(XML_Manager::Check_Node_Exists(file, "C"));
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(file, "B"));
    // Broken now: read the long way, as a fresh reader makes of it, never as it was.
    write("options.xml", "<Root><A>3</A><C>y</Root>");
    std::string a = "(none)";
    EXPECT_NO_THROW(try { a = XML_Manager::Get_Option_String(file, "A"); } catch (const std::logic_error&) {});
    EXPECT_NE(a, "2");
    fs::remove(file);
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(file, "A"));

    write("Sprite.dtd", sprite_dtd);
    const std::string sprite = write("sprite.xml",
                                     "<?xml version=\"1.0\"?>\n<!DOCTYPE Sprite SYSTEM \"Sprite.dtd\">\n"
                                     "<Sprite><Name>Tree</Name><Size>32</Size></Sprite>\n");
    const std::string invalid =
        "Error in XML_Manager::Validate_File(): File " + sprite + " isn't valid w filename: " + sprite;
    EXPECT_NO_THROW(XML_Manager::Validate_File(sprite));
    EXPECT_NO_THROW(XML_Manager::Validate_File(sprite));
    write("Sprite.dtd", "<!ELEMENT Sprite (Size, Name)>\n<!ELEMENT Name (#PCDATA)>\n<!ELEMENT Size (#PCDATA)>\n");
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_File(sprite); }), invalid);
    write("Sprite.dtd", sprite_dtd);
    EXPECT_NO_THROW(XML_Manager::Validate_File(sprite));
    write("sprite.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE Sprite SYSTEM \"Sprite.dtd\">\n"
                        "<Sprite><Size>32</Size><Name>Tree</Name></Sprite>\n");
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_File(sprite); }), invalid);

    std::string big = "<Map><Width>3328</Width>";
    while (big.size() < 700 * 1024)
        big += "<Tile><X>12</X><Y>34</Y></Tile>";
    const std::string map = write("map.xml", big + "<Last>9</Last></Map>");
    EXPECT_EQ(XML_Manager::Get_Option_Value(map, "Width"), 3328);
    EXPECT_EQ(XML_Manager::Get_Option_Value(map, "Last"), 9);
    EXPECT_FALSE(XML_Manager::Check_Node_Exists(map, "Nothing"));
}

TEST_F(XML_Manager_Test, ABrokenDtdIsNamedInTheLog) {
    // Cut in half: the document is fine, its DTD is what a player has to mend.
    const std::string dtd = write("Half.dtd", std::string(sprite_dtd).substr(0, 40));
    const std::string file = write("half.xml",
                                   "<?xml version=\"1.0\"?>\n"
                                   "<!DOCTYPE Sprite SYSTEM \"Half.dtd\">\n"
                                   "<Sprite><Name>Tree</Name><Size>32</Size></Sprite>\n");
    Log_Capture log;
    EXPECT_NE(thrown([&] { XML_Manager::Validate_File(file); }), "");
    EXPECT_NE(log.str().find("libxml2 on " + file + " : in " + dtd + ": [line "), std::string::npos) << log.str();
}

// The map is validated while it is walked: the same verdicts and texts as a validation before the
// walk, whatever the walk reads or throws, and the walker sees the document as a plain one would.
TEST_F(XML_Manager_Test, AWalkValidatesInTheSamePassWithTheVerdictsOfAValidationBefore) {
    write("Sprite.dtd", sprite_dtd);
    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE Sprite SYSTEM \"Sprite.dtd\">\n";
    const std::string good = write("good.xml", head + "<Sprite>\n  <Name>Tree</Name>\n  <Size>32</Size>\n</Sprite>\n");
    const std::string other = write("other.xml", head + "<Sprite><Name>Rock</Name><Size>16</Size></Sprite>\n");
    const std::string wrong = write("wrong.xml", head + "<Sprite><Size>32</Size><Name>Tree</Name></Sprite>\n");
    const std::string cut = write("cut.xml", head + "<Sprite>\n  <Name>Tree</Name>\n  <Si");
    const std::string missing = (dir / "missing.xml").string();
    auto validation = [&](const std::string& file) { return thrown([&] { XML_Manager::Validate_File(file); }); };

    std::string seen;
    auto readAll = [&](XML_Node_Walker& walker) {
        while (walker.Next())
            if (walker.Is_Element())
                seen += walker.Name() + "=" + (walker.Name() == "Sprite" ? "" : walker.Text()) + " ";
    };
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(good, readAll); }), "");
    EXPECT_EQ(seen, "Sprite= Name=Tree Size=32 ");
    // Known valid now: walked plainly, seen the same.
    seen.clear();
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(good, readAll); }), "");
    EXPECT_EQ(seen, "Sprite= Name=Tree Size=32 ");

    auto firstOnly = [](XML_Node_Walker& walker) { walker.Next(); };
    auto complaining = [](XML_Node_Walker& walker) {
        walker.Next();
        throw std::logic_error("the walk's own complaint");
    };
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(wrong, firstOnly); }), validation(wrong));
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(wrong, complaining); }), validation(wrong));
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(other, complaining); }), "the walk's own complaint");
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(cut, readAll); }), validation(cut));
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(cut, firstOnly); }), validation(cut));
    EXPECT_EQ(thrown([&] { XML_Manager::Validate_While_Walking(missing, firstOnly); }), validation(missing));
    EXPECT_NE(validation(wrong), "");
    EXPECT_NE(validation(cut), "");
}

// Read_Text walks where Text looks ahead: both must give the same text, and after Read_Text the
// walk goes on from the element's end, so a reader of small elements sees every one of them.
TEST_F(XML_Node_Walker_Test, ReadTextGivesWhatTextGivesAndTheWalkGoesOnAfterTheElement) {
    const std::string file = write("values.xml", "<Root>\n"
                                                 "  <Plain>42</Plain>\n"
                                                 "  <Empty/>\n"
                                                 "  <Open></Open>\n"
                                                 "  <Mixed> 1<!-- two -->2<![CDATA[<3>]]><Inner>4<Deep>5</Deep></Inner>6 </Mixed>\n"
                                                 "  <Spaced>   </Spaced>\n"
                                                 "  <After>7</After>\n"
                                                 "</Root>\n");
    std::string looked, read;
    {
        XML_Node_Walker walker(file);
        while (walker.Next())
            // Elements inside the one read are passed over with it.
            if (walker.Is_Element() && walker.Name() != "Root" && walker.Name() != "Inner" && walker.Name() != "Deep")
                looked += walker.Name() + "=[" + walker.Text() + "] ";
    }
    {
        XML_Node_Walker walker(file);
        ASSERT_TRUE(walker.Opened());
        while (walker.Next()) {
            if (!walker.Is_Element() || walker.Name() == "Root")
                continue;
            const std::string name = walker.Name();
            read += name + "=[" + walker.Read_Text() + "] ";
            // Stopped on the element's own end (an empty element is its own).
            EXPECT_TRUE(walker.Is_End(name)) << name;
        }
    }
    EXPECT_EQ(read, looked);
    EXPECT_EQ(read, "Plain=[42] Empty=[] Open=[] Mixed=[ 12<3>456 ] Spaced=[   ] After=[7] ");
}

} // namespace
