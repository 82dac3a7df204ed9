// The shipped furniture catalogue, read as the game reads it: every piece is
// a furniture kind with a name, a description, a price, a footprint, a
// texture of two views that its nails anchor, and a store picture; every kind
// can be bought in at least two versions.
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "TestSupport.h"
#include "resource/Xml.h"
#include "resource/XmlReader.h"

namespace {

const std::string kGfx = std::string(FISCORA_SOURCE_DIR) + "/data/gfx/";

// The furniture kinds, flag values 1..18 in order.
const char* const kKinds[] = {"SOFA",   "BEDTABLE",    "BED",         "DRAWER",     "ARMCHAIR",
                              "CHAIR",  "OFFICECHAIR", "DINNERTABLE", "COUCHTABLE", "BOOKCASE",
                              "TV",     "STEREO",      "COMPUTER",    "LAMP",       "MAT",
                              "FLOWER", "PAINTING",    "POSTER"};

std::string childText(const TiXmlElement* piece, const char* name) {
    const TiXmlElement* child = piece->FirstChildElement(name);
    return child && child->GetText() ? child->GetText() : "";
}

}  // namespace

TEST(FurnitureContent, EveryPieceIsAKindWithTextsPriceFootprintAnchoredViewsAndAPreview) {
    test::LogCapture log;
    XmlReader reader("furnitures.xml");
    ASSERT_NE(reader.getRootElement(), nullptr);

    std::map<std::string, int> perKind;
    std::set<int> ids;
    for (const TiXmlElement* piece = reader.getRootElement()->FirstChildElement(); piece;
         piece = piece->NextSiblingElement()) {
        const int id = xml::getAttributeInt(piece, "id");
        SCOPED_TRACE("furniture " + std::to_string(id));
        EXPECT_TRUE(ids.insert(id).second) << "id used twice";
        EXPECT_EQ(xml::getAttributeString(piece, "enabled"), "yes");
        const std::string type = xml::getAttributeString(piece, "type");
        EXPECT_TRUE(std::count(std::begin(kKinds), std::end(kKinds), type) == 1)
            << "not a furniture kind: " << type;
        ++perKind[type];
        EXPECT_GT(xml::getAttributeFloat(piece, "value"), 0.0f);
        EXPECT_FALSE(childText(piece, "name").empty());
        EXPECT_FALSE(childText(piece, "description").empty());

        const TiXmlElement* placement = piece->FirstChildElement("placement");
        ASSERT_NE(placement, nullptr);
        EXPECT_GE(xml::getAttributeInt(placement, "width"), 0);
        EXPECT_GE(xml::getAttributeInt(placement, "depth"), 0);

        // Two views side by side, each x by y pixels.
        const TiXmlElement* sprite = piece->FirstChildElement("sprite");
        ASSERT_NE(sprite, nullptr);
        const float viewWidth = xml::getAttributeFloat(sprite, "x");
        const float viewHeight = xml::getAttributeFloat(sprite, "y");
        const test::Picture texture(kGfx + xml::getAttributeString(sprite, "gfx"));
        ASSERT_TRUE(texture.ok());
        EXPECT_TRUE(texture.hasAlpha());
        EXPECT_EQ(texture.width(), 2 * viewWidth);
        EXPECT_EQ(texture.height(), viewHeight);

        // The first nail lies in the first view, the second in the second one
        // (counted from the texture's left edge), and each view shows something.
        const TiXmlElement* first = piece->FirstChildElement("nail");
        ASSERT_NE(first, nullptr);
        const TiXmlElement* second = first->NextSiblingElement("nail");
        ASSERT_NE(second, nullptr);
        const hgeVector nails[] = {xml::getVector(first), xml::getVector(second)};
        for (int view = 0; view < 2; ++view) {
            const float left = view * viewWidth;
            EXPECT_TRUE(nails[view].x >= left && nails[view].x < left + viewWidth &&
                        nails[view].y >= 0 && nails[view].y < viewHeight)
                << "nail " << view + 1 << " at " << nails[view].x << ", " << nails[view].y;
            const int shown = texture.count(
                static_cast<int>(left), 0, static_cast<int>(left + viewWidth), texture.height(),
                [&](int x, int y) { return texture.alpha(x, y) == 255; });
            EXPECT_GT(shown, 100) << "view " << view + 1 << " is empty";
        }

        // The store draws its picture at 82 x 82.
        const TiXmlElement* preview = piece->FirstChildElement("previewSprite");
        ASSERT_NE(preview, nullptr);
        const test::Picture shop(kGfx + xml::getAttributeString(preview, "gfx"));
        ASSERT_TRUE(shop.ok());
        EXPECT_EQ(shop.width(), 82);
        EXPECT_EQ(shop.height(), 82);
    }
    for (const char* kind : kKinds) {
        EXPECT_GE(perKind[kind], 2) << kind;
    }
    // Read without a warning or an error.
    for (const std::string& line : log.lines()) {
        EXPECT_TRUE(line.rfind("[WW] ", 0) != 0 && line.rfind("[EE] ", 0) != 0) << line;
    }
}
