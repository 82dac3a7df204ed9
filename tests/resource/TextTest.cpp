#include <gtest/gtest.h>

#include "TestSupport.h"
#include "resource/Text.h"

namespace {

// A font with glyphs for "A", "B" and "?" only: each 10 wide, 20 high, with a
// pre-offset of 1 and a post-offset of 2, so "AB" advances 2 * (1 + 10 + 2).
const char* kFont =
    "[HGEFONT]\n"
    "Bitmap=tiny.png\n"
    "Char=41,0,0,10,20,1,2\n"
    "Char=42,10,0,10,20,1,2\n"
    "Char=3F,20,0,10,20,1,2\n";

class TextTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_install.addFile("fnt", "tiny.fnt", kFont);
        m_install.mount();
    }
    test::Installation m_install;
    test::LogCapture m_log;
};

}  // namespace

TEST_F(TextTest, TheBoundingBoxIsHalfTheWidthByHalfTheHeightPlacedByAlignment) {
    Text text("tiny.fnt", "AB\nABAB");  // the widest line is 52 wide
    text.setMovesWithCam(true);
    text.setPosition(hgeVector(10, 10));
    ASSERT_TRUE(text.hasFont());
    EXPECT_EQ(text.char_width('A'), 10.0f) << "the glyph without its offsets";
    const float w = 26.0f, h = 10.0f;
    struct Case {
        int align;
        float x1, y1, x2, y2;
    };
    // An unhandled alignment leaves the box as it was.
    const Case cases[] = {{0, 10, 10, 10 + w, 10 + h},
                          {1, 10 - w, 10 - h, 10, 10},
                          {2, 10 - w / 2, 10 - h / 2, 10 + w / 2, 10 + h / 2},
                          {8, 10 - w / 2, 10 - h / 2, 10 + w / 2, 10 + h / 2},
                          {5, 1, 2, 3, 4}};
    for (const Case& c : cases) {
        text.setAlign(c.align);
        hgeRect box(1, 2, 3, 4);
        text.getScreenBoundingBox(box);
        EXPECT_FALSE(box.IsClean());
        EXPECT_FLOAT_EQ(box.x1, c.x1) << "align " << c.align;
        EXPECT_FLOAT_EQ(box.y1, c.y1) << "align " << c.align;
        EXPECT_FLOAT_EQ(box.x2, c.x2) << "align " << c.align;
        EXPECT_FLOAT_EQ(box.y2, c.y2) << "align " << c.align;
    }
    EXPECT_TRUE(m_log.has(test::logLine("WW", "Text::getScreenBoundingBox", "unhandled align: 5")));
}

TEST_F(TextTest, MissingGlyphsOrFontLeaveTheTextWithoutAFontAndAreLogged) {
    Text glyphless("tiny.fnt", "AB");
    EXPECT_EQ(glyphless.char_width('Z'), 0.0f);
    EXPECT_TRUE(
        m_log.has(test::logLine("EE", "Text::char_width", "cant find sprite for character Z")));

    // Each missing character is logged, and the text is never drawn.
    Text text("tiny.fnt", "ACB\nCAC");
    EXPECT_FALSE(text.hasFont());
    EXPECT_EQ(m_log.count(test::logLine("EE", "Text::validate", "couldnt find sprie for C")), 3);
    hgeRect box(1, 1, 2, 2);
    text.getScreenBoundingBox(box);
    EXPECT_EQ(box.x2, 2.0f);
    EXPECT_EQ(text.char_width('A'), 0.0f);
    EXPECT_TRUE(m_log.has(test::logLine("EE", "Text::char_width", "text has no hgefont")));

    Text fontless("nofont.fnt", "AB");
    EXPECT_FALSE(fontless.hasFont());
    EXPECT_GT(m_log.countPrefix("[WW] [resource::Manager::getRaw]"), 0);
}
