#include <gtest/gtest.h>

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include "media/WorldLock.hpp"
#include "shell/Lifecycle.hpp"

// Clean-up ends with the XML library shut down, which forgets the last parse error; it runs the
// same after a start that built nothing.
TEST(Lifecycle, CleanUpShutsTheXmlLibraryDown) {
    xmlInitParser();
    ASSERT_EQ(xmlReadMemory("<a>", 3, "cut.xml", nullptr, XML_PARSE_NOERROR | XML_PARSE_NOWARNING), nullptr);
    ASSERT_NE(xmlGetLastError(), nullptr);
    EXPECT_TRUE(CleanUp());
    EXPECT_EQ(xmlGetLastError(), nullptr);
    // Back for the tests that follow.
    GLINT::SDL::WorldLock::resetShutdown();
    xmlInitParser();
}
