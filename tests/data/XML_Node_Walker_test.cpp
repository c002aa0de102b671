#include "data/XML_Node_Walker.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// Read_Text walks where Text looks ahead: both must give the same text, and after Read_Text the
// walk goes on from the element's end, so a reader of small elements sees every one of them.
TEST(XML_Node_Walker_Test, ReadTextGivesWhatTextGivesAndTheWalkGoesOnAfterTheElement) {
    std::string pattern = (fs::temp_directory_path() / "xml_walker_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path dir = pattern;
    const std::string file = (dir / "values.xml").string();
    std::ofstream(file) << "<Root>\n"
                           "  <Plain>42</Plain>\n"
                           "  <Empty/>\n"
                           "  <Open></Open>\n"
                           "  <Mixed> 1<!-- two -->2<![CDATA[<3>]]><Inner>4<Deep>5</Deep></Inner>6 </Mixed>\n"
                           "  <Spaced>   </Spaced>\n"
                           "  <After>7</After>\n"
                           "</Root>\n";
    std::string looked, read, order;
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
    fs::remove_all(dir);
}

} // namespace
