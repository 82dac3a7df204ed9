#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

#include "TestSupport.h"
#include "resource/Xml.h"

namespace {

// Parses `text` into a document whose root element the test reads.
struct Doc {
    explicit Doc(const char* text) { document.Parse(text, nullptr, TIXML_ENCODING_LEGACY); }
    const TiXmlElement* root() const { return document.RootElement(); }
    TiXmlDocument document;
};

const std::string kMissingAttribute = "[WW] [xml::findAttribute]\t\telement doesnt have attribute ";

}  // namespace

TEST(Xml, NumbersUseAtofAndAtoiWithZeroForMissingOrNonNumbers) {
    Doc doc("<r f=\"2.5\" i=\"42abc\" n=\"abc\" neg=\"-3.75\"/>");
    test::LogCapture log;
    EXPECT_FLOAT_EQ(xml::getAttributeFloat(doc.root(), "f"), 2.5f);
    EXPECT_FLOAT_EQ(xml::getAttributeFloat(doc.root(), "neg"), -3.75f);
    EXPECT_EQ(xml::getAttributeInt(doc.root(), "i"), 42);
    EXPECT_EQ(xml::getAttributeInt(doc.root(), "f"), 2);
    EXPECT_EQ(xml::getAttributeInt(doc.root(), "n"), 0);
    EXPECT_FLOAT_EQ(xml::getAttributeFloat(doc.root(), "n"), 0.0f);
    EXPECT_EQ(log.countPrefix("[WW]"), 0);

    EXPECT_EQ(xml::getAttributeInt(doc.root(), "missing", true), 0);
    EXPECT_FLOAT_EQ(xml::getAttributeFloat(doc.root(), "gone", true), 0.0f);
    EXPECT_EQ(xml::getAttributeString(doc.root(), "nothing", true), "");
    EXPECT_EQ(xml::findAttribute(doc.root(), "absent", true), nullptr);
    EXPECT_EQ(log.take(), (std::vector<std::string>{
                              kMissingAttribute + "missing", kMissingAttribute + "gone",
                              kMissingAttribute + "nothing", kMissingAttribute + "absent"}));

    // Without warn the same misses stay quiet.
    EXPECT_EQ(xml::getAttributeInt(doc.root(), "missing", false), 0);
    EXPECT_EQ(xml::getAttributeString(nullptr, "x", false), "");
    EXPECT_TRUE(log.lines().empty());
}

TEST(Xml, ANullElementGivesDefaultsAndOneWarningPerRead) {
    test::LogCapture log;
    EXPECT_EQ(xml::findAttribute(nullptr, "x"), nullptr);
    EXPECT_EQ(xml::getAttributeInt(nullptr, "x"), 0);
    EXPECT_TRUE(xml::getAttributeBool(nullptr, "x"));
    EXPECT_EQ(log.count("[WW] [xml::findAttribute]\t\tgot null element"), 3);
}

TEST(Xml, YesNoAttributesAreFalseOnlyForNoAndZero) {
    Doc doc("<r a=\"no\" b=\"0\" c=\"yes\" d=\"false\" e=\"\" f=\"No\" g=\"1\"/>");
    EXPECT_FALSE(xml::getAttributeBool(doc.root(), "a"));
    EXPECT_FALSE(xml::getAttributeBool(doc.root(), "b"));
    EXPECT_TRUE(xml::getAttributeBool(doc.root(), "c"));
    EXPECT_TRUE(xml::getAttributeBool(doc.root(), "d"));
    EXPECT_TRUE(xml::getAttributeBool(doc.root(), "e"));
    EXPECT_TRUE(xml::getAttributeBool(doc.root(), "f"));
    EXPECT_TRUE(xml::getAttributeBool(doc.root(), "g"));
    test::LogCapture log;
    EXPECT_TRUE(xml::getAttributeBool(doc.root(), "missing", true));
    EXPECT_TRUE(log.has(kMissingAttribute + "missing"));
}

TEST(Xml, ColoursAndVectorsDefaultPerChannelAndPerMissingChild) {
    Doc doc(
        "<r><color r=\"255\" g=\"128\" b=\"0.5\" a=\"200\"/><red r=\"10\"/>"
        "<position x=\"12.5\" y=\"-4\"/><half y=\"3\"/></r>");
    test::LogCapture log;

    const xml::Color color = xml::getElementColor(doc.root(), "color");
    EXPECT_FLOAT_EQ(color.r, 255.0f);
    EXPECT_FLOAT_EQ(color.g, 128.0f);
    EXPECT_FLOAT_EQ(color.b, 0.5f);
    EXPECT_FLOAT_EQ(color.a, 200.0f);

    // Only "r": the other channels, alpha included, are 0.
    const xml::Color red = xml::getElementColor(doc.root(), "red", false);
    EXPECT_FLOAT_EQ(red.r, 10.0f);
    EXPECT_FLOAT_EQ(red.g, 0.0f);
    EXPECT_FLOAT_EQ(red.b, 0.0f);
    EXPECT_FLOAT_EQ(red.a, 0.0f);

    const hgeVector position = xml::getElementVector(doc.root(), "position");
    EXPECT_FLOAT_EQ(position.x, 12.5f);
    EXPECT_FLOAT_EQ(position.y, -4.0f);
    const hgeVector half = xml::getVector(doc.root()->FirstChildElement("half"), false);
    EXPECT_FLOAT_EQ(half.x, 0.0f);
    EXPECT_FLOAT_EQ(half.y, 3.0f);
    EXPECT_TRUE(log.lines().empty());

    // A missing child: white and the origin, each with its own warning.
    const xml::Color white = xml::getElementColor(doc.root(), "tint");
    EXPECT_FLOAT_EQ(white.r, 1.0f);
    EXPECT_FLOAT_EQ(white.g, 1.0f);
    EXPECT_FLOAT_EQ(white.b, 1.0f);
    EXPECT_FLOAT_EQ(white.a, 1.0f);
    const hgeVector origin = xml::getElementVector(doc.root(), "size");
    EXPECT_FLOAT_EQ(origin.x, 0.0f);
    EXPECT_FLOAT_EQ(origin.y, 0.0f);
    EXPECT_EQ(log.take(), (std::vector<std::string>{
                              "[WW] [xml::getElementColor]\t\telement doesnt have child tint",
                              "[WW] [xml::getElementVector]\t\telement doesnt have child size"}));

    // A child with no attributes warns for each one read.
    xml::getElementColor(doc.root(), "half");
    EXPECT_EQ(log.countPrefix(kMissingAttribute), 4);
    EXPECT_TRUE(log.has(kMissingAttribute + "a"));
    EXPECT_TRUE(log.has(kMissingAttribute + "r"));

    log.take();
    const xml::Color none = xml::getElementColor(nullptr, "color", false);
    EXPECT_FLOAT_EQ(none.a, 1.0f);
    EXPECT_TRUE(log.lines().empty());
}
