#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "resource/ConstantManager.h"

namespace {

const char* const kContext = "ConstantManager::ConstantManager";
const std::string kMissing = "[WW] [xml::findAttribute]\t\telement doesnt have attribute ";

ConstantManager* constants() {
    return ConstantManager::instance();
}

}  // namespace

TEST(ConstantManager, ReadsTypedConstantsWithTheStrictYesNoRule) {
    test::Installation install;
    install.addFile("xml", "constants.xml",
                    "<anything><Other a=\"no\"/><Constants screenWidth=\"800\" speed=\"2.5\""
                    " name=\"Fiscora\" a=\"yes\" b=\"1\" c=\"true\" d=\"TRUE\" e=\"on\" f=\"no\""
                    " g=\"Yes\" h=\"\"/></anything>");
    install.mount();
    test::LogCapture log;
    constants();
    EXPECT_EQ(log.from(kContext),
              (std::vector<std::string>{test::logLine("II", kContext, "reading constants"),
                                        test::logLine("II", kContext, "contstants read")}));

    EXPECT_FLOAT_EQ(constants()->getFloat("screenWidth"), 800.0f);
    EXPECT_FLOAT_EQ(constants()->getFloat("speed"), 2.5f);
    EXPECT_EQ(constants()->getString("name"), "Fiscora");
    EXPECT_STREQ(constants()->findConstant("speed"), "2.5");
    for (const char* on : {"a", "b", "c"}) {
        EXPECT_TRUE(constants()->getBool(on)) << on;
    }
    for (const char* off : {"d", "e", "f", "g", "h"}) {
        EXPECT_FALSE(constants()->getBool(off)) << off;
    }
    EXPECT_EQ(log.countPrefix("[WW]"), 0);
}

TEST(ConstantManager, AMissingKeyWarnsAndGivesTheNeutralValue) {
    test::Installation install;
    install.addFile("xml", "constants.xml", "<c><Constants x=\"1\"/></c>");
    install.mount();
    constants();
    test::LogCapture log;
    EXPECT_EQ(constants()->findConstant("nope"), nullptr);
    EXPECT_FLOAT_EQ(constants()->getFloat("width"), 0.0f);
    EXPECT_EQ(constants()->getString("title"), "");
    EXPECT_FALSE(constants()->getBool("sound"));
    EXPECT_EQ(log.take(), (std::vector<std::string>{kMissing + "nope", kMissing + "width",
                                                    kMissing + "title", kMissing + "sound"}));
}

TEST(ConstantManager, WithoutConstantsElementOrFileEveryLookupIsNeutral) {
    {
        test::Installation install;
        install.addFile("xml", "constants.xml", "<c><Constant x=\"1\"/></c>");
        install.mount();
        test::LogCapture log;
        EXPECT_FLOAT_EQ(constants()->getFloat("x"), 0.0f);
        EXPECT_TRUE(log.has(
            test::logLine("EE", kContext, "init of constant system failed; no child element")));
        EXPECT_TRUE(log.has("[WW] [xml::findAttribute]\t\tgot null element"));
    }
    {
        test::Installation install;
        install.mount();
        test::LogCapture log;
        EXPECT_FALSE(constants()->getBool("soundEnabled"));
        EXPECT_EQ(constants()->getString("x"), "");
        EXPECT_TRUE(log.has(test::logLine("EE", kContext, "got null element")));
        EXPECT_FALSE(log.has(test::logLine("II", kContext, "contstants read")));
    }
}
