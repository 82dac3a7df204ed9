#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>
#include <utility>

#include "TestSupport.h"
#include "resource/Xml.h"

namespace {

const std::string kMissing = "[WW] [xml::findAttribute]\t\telement doesnt have attribute ";
const std::string kNull = "[WW] [xml::findAttribute]\t\tgot null element";

std::vector<float> rgba(const xml::Color& color) {
    return {color.r, color.g, color.b, color.a};
}

}  // namespace

TEST(Xml, NumbersUseAtofAndAtoiAndOnlyNoAndZeroAreFalse) {
    TiXmlDocument document;
    document.Parse(
        "<r f='2.5' i='42abc' n='abc' neg='-3.75' no='no' zero='0' yes='yes'"
        " false='false' empty='' No='No' one='1'/>");
    const TiXmlElement* root = document.RootElement();
    test::LogCapture log;
    for (const auto& [name, number] :
         {std::pair("f", 2.5f), std::pair("i", 42.0f), std::pair("n", 0.0f),
          std::pair("neg", -3.75f), std::pair("no", 0.0f), std::pair("zero", 0.0f),
          std::pair("yes", 0.0f), std::pair("false", 0.0f), std::pair("empty", 0.0f),
          std::pair("No", 0.0f), std::pair("one", 1.0f)}) {
        const std::string key = name;
        EXPECT_FLOAT_EQ(xml::getAttributeFloat(root, key), number) << key;
        EXPECT_EQ(xml::getAttributeInt(root, key), static_cast<int>(number)) << key;
        EXPECT_EQ(xml::getAttributeBool(root, key), key != "no" && key != "zero") << key;
        EXPECT_EQ(xml::getAttributeString(root, key), root->Attribute(name)) << key;
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
    document.Parse(
        "<r><color r='255' g='128' b='0.5' a='200'/><red r='10'/>"
        "<position x='12.5' y='-4'/><half y='3'/></r>");
    const TiXmlElement* root = document.RootElement();
    test::LogCapture log;
    EXPECT_EQ(rgba(xml::getElementColor(root, "color")), (std::vector<float>{255, 128, 0.5f, 200}));
    // Only "r": the other channels, alpha included, are 0.
    EXPECT_EQ(rgba(xml::getElementColor(root, "red", false)), (std::vector<float>{10, 0, 0, 0}));
    EXPECT_EQ(xml::getElementVector(root, "position"), hgeVector(12.5f, -4));
    EXPECT_EQ(xml::getVector(root->FirstChildElement("half"), false), hgeVector(0, 3));
    EXPECT_TRUE(log.lines().empty());

    // A missing child: white and the origin, each with its own warning.
    EXPECT_EQ(rgba(xml::getElementColor(root, "tint")), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(xml::getElementVector(root, "size"), hgeVector(0, 0));
    EXPECT_EQ(log.take(), (std::vector<std::string>{
                              "[WW] [xml::getElementColor]\t\telement doesnt have child tint",
                              "[WW] [xml::getElementVector]\t\telement doesnt have child size"}));

    // A child with no attributes warns for each one read.
    xml::getElementColor(root, "half");
    EXPECT_EQ(log.take(), (std::vector<std::string>{kMissing + "a", kMissing + "b", kMissing + "g",
                                                    kMissing + "r"}));
    EXPECT_EQ(rgba(xml::getElementColor(nullptr, "color", false)),
              (std::vector<float>{1, 1, 1, 1}));
    EXPECT_TRUE(log.lines().empty());
}
