// Attribute reading (xml::) and record lookup (XmlReader).
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

#include "TestSupport.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

const std::string kMissing = "[WW] [xml::findAttribute]\t\telement doesnt have attribute ";
const std::string kNull = "[WW] [xml::findAttribute]\t\tgot null element";

TiXmlElement* parse(TiXmlDocument& document, const char* text) {
    document.Parse(text, nullptr, TIXML_ENCODING_LEGACY);
    return document.RootElement();
}

void expectColor(const xml::Color& color, float r, float g, float b, float a) {
    EXPECT_FLOAT_EQ(color.r, r);
    EXPECT_FLOAT_EQ(color.g, g);
    EXPECT_FLOAT_EQ(color.b, b);
    EXPECT_FLOAT_EQ(color.a, a);
}

}  // namespace

TEST(Xml, NumbersUseAtofAndAtoiAndOnlyNoAndZeroAreFalse) {
    TiXmlDocument document;
    const TiXmlElement* root =
        parse(document,
              "<r f=\"2.5\" i=\"42abc\" n=\"abc\" neg=\"-3.75\" no=\"no\" zero=\"0\" yes=\"yes\""
              " false=\"false\" empty=\"\" No=\"No\" one=\"1\"/>");
    struct Case {
        const char* name;
        float number;
        bool yes;
    };
    const Case cases[] = {{"f", 2.5f, true},     {"i", 42, true},    {"n", 0, true},
                          {"neg", -3.75f, true}, {"no", 0, false},   {"zero", 0, false},
                          {"yes", 0, true},      {"false", 0, true}, {"empty", 0, true},
                          {"No", 0, true},       {"one", 1, true}};
    test::LogCapture log;
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(xml::getAttributeFloat(root, c.name), c.number) << c.name;
        EXPECT_EQ(xml::getAttributeInt(root, c.name), static_cast<int>(c.number)) << c.name;
        EXPECT_EQ(xml::getAttributeBool(root, c.name), c.yes) << c.name;
        EXPECT_EQ(xml::getAttributeString(root, c.name), root->Attribute(c.name)) << c.name;
    }
    EXPECT_TRUE(log.lines().empty());

    // A missing attribute or element gives the neutral value, with a warning if asked.
    EXPECT_EQ(xml::getAttributeInt(root, "missing", true), 0);
    EXPECT_FLOAT_EQ(xml::getAttributeFloat(root, "gone", true), 0.0f);
    EXPECT_EQ(xml::getAttributeString(root, "nothing", true), "");
    EXPECT_EQ(xml::findAttribute(root, "absent", true), nullptr);
    EXPECT_TRUE(xml::getAttributeBool(root, "unset", true));
    EXPECT_EQ(xml::findAttribute(nullptr, "x"), nullptr);
    EXPECT_EQ(xml::getAttributeInt(nullptr, "x"), 0);
    EXPECT_TRUE(xml::getAttributeBool(nullptr, "x"));
    EXPECT_EQ(log.take(), (std::vector<std::string>{kMissing + "missing", kMissing + "gone",
                                                    kMissing + "nothing", kMissing + "absent",
                                                    kMissing + "unset", kNull, kNull, kNull}));
    EXPECT_EQ(xml::getAttributeInt(root, "missing", false), 0);
    EXPECT_EQ(xml::getAttributeString(nullptr, "x", false), "");
    EXPECT_TRUE(log.lines().empty());
}

TEST(Xml, ColoursAndVectorsDefaultPerChannelAndPerMissingChild) {
    TiXmlDocument document;
    const TiXmlElement* root =
        parse(document,
              "<r><color r=\"255\" g=\"128\" b=\"0.5\" a=\"200\"/><red "
              "r=\"10\"/><position x=\"12.5\" y=\"-4\"/><half y=\"3\"/></r>");
    test::LogCapture log;
    expectColor(xml::getElementColor(root, "color"), 255, 128, 0.5f, 200);
    // Only "r": the other channels, alpha included, are 0.
    expectColor(xml::getElementColor(root, "red", false), 10, 0, 0, 0);
    const hgeVector position = xml::getElementVector(root, "position");
    EXPECT_FLOAT_EQ(position.x, 12.5f);
    EXPECT_FLOAT_EQ(position.y, -4.0f);
    const hgeVector half = xml::getVector(root->FirstChildElement("half"), false);
    EXPECT_FLOAT_EQ(half.x, 0.0f);
    EXPECT_FLOAT_EQ(half.y, 3.0f);
    EXPECT_TRUE(log.lines().empty());

    // A missing child: white and the origin, each with its own warning.
    expectColor(xml::getElementColor(root, "tint"), 1, 1, 1, 1);
    const hgeVector origin = xml::getElementVector(root, "size");
    EXPECT_FLOAT_EQ(origin.x, 0.0f);
    EXPECT_FLOAT_EQ(origin.y, 0.0f);
    EXPECT_EQ(log.take(), (std::vector<std::string>{
                              "[WW] [xml::getElementColor]\t\telement doesnt have child tint",
                              "[WW] [xml::getElementVector]\t\telement doesnt have child size"}));

    // A child with no attributes warns for each one read.
    xml::getElementColor(root, "half");
    EXPECT_EQ(log.take(), (std::vector<std::string>{kMissing + "a", kMissing + "b", kMissing + "g",
                                                    kMissing + "r"}));
    expectColor(xml::getElementColor(nullptr, "color", false), 1, 1, 1, 1);
    EXPECT_TRUE(log.lines().empty());
}

namespace {

class XmlReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_install.addFile("xml", "gui.xml",
                          "<fiscora>\n"
                          "  <mainGui guiId=\"serviceWindow\" n=\"1\"/>\n"
                          "  <other guiId=\"serviceWindow\" n=\"0\"/>\n"
                          "  <mainGui guiId=\"serviceWindow\" n=\"2\">\n"
                          "    <button guiId=\"Play Button\" n=\"3\"/>\n"
                          "  </mainGui>\n"
                          "  <mainGui n=\"4\"/>\n"
                          "  <mainGui guiId=\"\" n=\"5\"/>\n"
                          "</fiscora>\n");
        m_install.addFile("xml", "broken.xml", "<a><b></a>");
        m_install.mount();
    }
    test::Installation m_install;
};

const char* const kLookup = "XmlReader::getRootChildElement";

}  // namespace

TEST_F(XmlReaderTest, TheFirstRecordWithNameAndKeyWinsAndAParentNarrowsTheSearch) {
    XmlReader reader("gui.xml");
    ASSERT_NE(reader.getRootElement(), nullptr);
    test::LogCapture log;
    TiXmlElement* found = reader.getRootChildElement("mainGui", "guiId", "serviceWindow");
    ASSERT_NE(found, nullptr);
    EXPECT_STREQ(found->Attribute("n"), "1");
    EXPECT_TRUE(log.lines().empty());

    // Every record of that name is read, the one without the key with a warning.
    EXPECT_EQ(reader.getRootChildElement("mainGui", "guiId", "elsewhere"), nullptr);
    EXPECT_EQ(log.count(kMissing + "guiId"), 1);
    EXPECT_TRUE(log.has(test::logLine(
        "WW", kLookup, "rootchild mainGui with key guiId set to elsewhere not found")));
    TiXmlElement* empty = reader.getRootChildElement("mainGui", "guiId", "");
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty->Attribute("n"), "4") << "a missing key matches the empty value";

    EXPECT_EQ(reader.getRootChildElement("button", "guiId", "Play Button"), nullptr);
    TiXmlElement* second = reader.getRootChildElement("mainGui", "n", "2");
    TiXmlElement* button = reader.getRootChildElement("button", "guiId", "Play Button", second);
    ASSERT_NE(button, nullptr);
    EXPECT_STREQ(button->Attribute("n"), "3");
}

TEST_F(XmlReaderTest, AMissingOrBrokenFileGivesNoRootButAParentStillWorks) {
    XmlReader other("gui.xml");
    TiXmlElement* parent = other.getRootChildElement("mainGui", "n", "2");
    for (const char* name : {"missing.xml", "broken.xml"}) {
        XmlReader reader(name);
        EXPECT_EQ(reader.getRootElement(), nullptr) << name;
        test::LogCapture log;
        EXPECT_EQ(reader.getRootChildElement("a", "guiId", "x"), nullptr);
        EXPECT_EQ(log.take(),
                  std::vector<std::string>{test::logLine("EE", kLookup, "got no root")});
        EXPECT_NE(reader.getRootChildElement("button", "n", "3", parent), nullptr) << name;
    }
}
