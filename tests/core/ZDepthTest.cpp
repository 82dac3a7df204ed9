#include <gtest/gtest.h>

#include "TestSupport.h"
#include "core/ZDepth.h"

namespace {

void mountZDepth(test::Installation& install, const std::string& xml) {
    install.writeSideFile("data/ folders");
    install.addFile("xml", "zdepth.xml", xml);
    install.mount();
    ZDepth::clear();
}

}  // namespace

TEST(ZDepth, ReadsEveryChildOfTheRootAndTheLaterDuplicateWins) {
    test::Installation install;
    mountZDepth(install,
                "<depths><z key=\"gui_default\" val=\"0.5\"/><level key=\"cursor\" val=\"50\"/>"
                "<z key=\"gui_default\" val=\"0.7\"/><z key=\"novalue\"/></depths>");
    test::LogCapture log;
    ZDepth::readFile();
    EXPECT_FLOAT_EQ(ZDepth::getZ("gui_default"), 0.7f);
    EXPECT_FLOAT_EQ(ZDepth::getZ("cursor"), 50.0f);
    EXPECT_FLOAT_EQ(ZDepth::getZ("novalue"), 0.0f);
    EXPECT_EQ(log.count(test::logLine("WW", "ZDepth::getZ",
                                      "no depth found with name novalue, returning 0.0f")),
              0);

    ZDepth::readFile();
    EXPECT_TRUE(log.has(test::logLine("WW", "ZDepth::readFile", "file already read, ignoring")));
    EXPECT_FLOAT_EQ(ZDepth::getZ("missing"), 0.0f);
    EXPECT_TRUE(log.has(
        test::logLine("WW", "ZDepth::getZ", "no depth found with name missing, returning 0.0f")));
}

TEST(ZDepth, ABrokenFileLeavesEveryDepthAtZeroWithAWarningPerLookup) {
    test::Installation install;
    mountZDepth(install, "<depths><z key=\"a\" val=\"1\"></depths>");
    test::LogCapture log;
    ZDepth::readFile();
    EXPECT_TRUE(
        log.has(test::logLine("EE", "ZDepth::readFile", "unable to open file, no z levels read")));
    EXPECT_FLOAT_EQ(ZDepth::getZ(""), 0.0f);
    EXPECT_TRUE(
        log.has(test::logLine("WW", "ZDepth::getZ", "no depth found with name , returning 0.0f")));
}

TEST(ZDepth, TheShippedTableKeepsThePointerAboveEveryOtherDepth) {
    ZDepth::clear();
    ZDepth::readFile();
    // The pointer is drawn at 50 (see Cursor); every named depth must lie below.
    test::LogCapture log;
    for (const char* name : {"gui_default", "town_building"}) {
        const float z = ZDepth::getZ(name);
        EXPECT_LT(z, 50.0f) << name;
    }
    EXPECT_EQ(log.countPrefix("[WW]"), 0);
}
