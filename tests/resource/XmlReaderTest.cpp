#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "resource/XmlReader.h"

namespace {

const char* const kContext = "XmlReader::getRootChildElement";

const char* const kGui =
    "<fiscora>\n"
    "  <mainGui guiId=\"serviceWindow\" n=\"1\"/>\n"
    "  <other guiId=\"serviceWindow\" n=\"0\"/>\n"
    "  <mainGui guiId=\"serviceWindow\" n=\"2\">\n"
    "    <button guiId=\"Play Button\" n=\"3\"/>\n"
    "  </mainGui>\n"
    "  <mainGui n=\"4\"/>\n"
    "  <mainGui guiId=\"\" n=\"5\"/>\n"
    "</fiscora>\n";

}  // namespace

class XmlReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_install.addFile("xml", "gui.xml", kGui);
        m_install.addFile("xml", "broken.xml", "<a><b></a>");
        m_install.mount();
    }
    test::Installation m_install;
};

TEST_F(XmlReaderTest, TheFirstRecordWithNameAndKeyWins) {
    XmlReader reader("gui.xml");
    ASSERT_NE(reader.getRootElement(), nullptr);
    test::LogCapture log;
    TiXmlElement* found = reader.getRootChildElement("mainGui", "guiId", "serviceWindow");
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->Attribute("n"), "1");
    EXPECT_TRUE(log.lines().empty());
}

TEST_F(XmlReaderTest, ARecordWithoutTheKeyMatchesOnlyTheEmptyValue) {
    XmlReader reader("gui.xml");
    test::LogCapture log;
    EXPECT_EQ(reader.getRootChildElement("mainGui", "guiId", "elsewhere"), nullptr);
    // Every record of that name is read, the one without the key with a warning.
    EXPECT_EQ(log.count("[WW] [xml::findAttribute]\t\telement doesnt have attribute guiId"), 1);
    EXPECT_TRUE(log.has(test::logLine(
        "WW", kContext, "rootchild mainGui with key guiId set to elsewhere not found")));

    TiXmlElement* empty = reader.getRootChildElement("mainGui", "guiId", "");
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty->Attribute("n"), "4");
}

TEST_F(XmlReaderTest, AParentNarrowsTheSearchToItsChildren) {
    XmlReader reader("gui.xml");
    EXPECT_EQ(reader.getRootChildElement("button", "guiId", "Play Button"), nullptr);

    TiXmlElement* second = reader.getRootChildElement("mainGui", "n", "2");
    ASSERT_NE(second, nullptr);
    TiXmlElement* button = reader.getRootChildElement("button", "guiId", "Play Button", second);
    ASSERT_NE(button, nullptr);
    EXPECT_STREQ(button->Attribute("n"), "3");
}

TEST_F(XmlReaderTest, AMissingOrBrokenFileGivesNoRoot) {
    for (const char* name : {"missing.xml", "broken.xml"}) {
        XmlReader reader(name);
        EXPECT_EQ(reader.getRootElement(), nullptr) << name;
        test::LogCapture log;
        EXPECT_EQ(reader.getRootChildElement("a", "guiId", "x"), nullptr);
        EXPECT_EQ(log.take(),
                  std::vector<std::string>{test::logLine("EE", kContext, "got no root")});

        // A parent still works without a root.
        XmlReader other("gui.xml");
        TiXmlElement* parent = other.getRootChildElement("mainGui", "n", "2");
        EXPECT_NE(reader.getRootChildElement("button", "n", "3", parent), nullptr);
    }
}
