#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "resource/ConstantManager.h"

namespace {

const char* const kContext = "ConstantManager::ConstantManager";
const std::string kMissing = "[WW] [xml::findAttribute]\t\telement doesnt have attribute ";

}  // namespace

TEST(ConstantManager, ReadsTypedConstantsWithTheStrictYesNoRuleAndWarnsOfMissingOnes) {
    test::Installation install;
    install.addFile("xml", "constants.xml",
                    "<anything><Other a=\"no\"/><Constants screenWidth=\"800\" speed=\"2.5\""
                    " name=\"Fiscora\" a=\"yes\" b=\"1\" c=\"true\" d=\"TRUE\" e=\"on\" f=\"no\""
                    " g=\"Yes\" h=\"\"/></anything>");
    install.mount();
    test::LogCapture log;
    ConstantManager* constants = ConstantManager::instance();
    EXPECT_EQ(log.from(kContext),
              (std::vector<std::string>{test::logLine("II", kContext, "reading constants"),
                                        test::logLine("II", kContext, "contstants read")}));
    log.take();

    EXPECT_FLOAT_EQ(constants->getFloat("screenWidth"), 800.0f);
    EXPECT_FLOAT_EQ(constants->getFloat("speed"), 2.5f);
    EXPECT_EQ(constants->getString("name"), "Fiscora");
    EXPECT_STREQ(constants->findConstant("speed"), "2.5");
    for (const char* key : {"a", "b", "c", "d", "e", "f", "g", "h"}) {
        EXPECT_EQ(constants->getBool(key), *key <= 'c') << key;
    }
    EXPECT_TRUE(log.lines().empty());

    // A missing key gives the neutral value.
    EXPECT_EQ(constants->findConstant("nope"), nullptr);
    EXPECT_FLOAT_EQ(constants->getFloat("width"), 0.0f);
    EXPECT_EQ(constants->getString("title"), "");
    EXPECT_FALSE(constants->getBool("sound"));
    EXPECT_EQ(log.take(), (std::vector<std::string>{kMissing + "nope", kMissing + "width",
                                                    kMissing + "title", kMissing + "sound"}));
}

TEST(ConstantManager, WithoutConstantsElementOrFileEveryLookupIsNeutral) {
    const struct {
        const char* file;  // null: no constants.xml
        const char* error;
    } cases[] = {{"<c><Constant x=\"1\"/></c>", "init of constant system failed; no child element"},
                 {nullptr, "got null element"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        test::Installation install;
        if (c.file) {
            install.addFile("xml", "constants.xml", c.file);
        }
        install.mount();
        test::LogCapture log;
        EXPECT_FLOAT_EQ(ConstantManager::instance()->getFloat("x"), 0.0f);
        EXPECT_FALSE(ConstantManager::instance()->getBool("x"));
        EXPECT_EQ(ConstantManager::instance()->getString("x"), "");
        EXPECT_TRUE(log.has(test::logLine("EE", kContext, c.error)));
        EXPECT_FALSE(log.has(test::logLine("II", kContext, "contstants read")));
        EXPECT_EQ(log.count("[WW] [xml::findAttribute]\t\tgot null element"), 3);
    }
}
