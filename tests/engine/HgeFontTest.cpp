#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/EngineLog.h"
#include "engine/EngineTestSupport.h"
#include "engine/hgefont.h"

using enginetest::QuadCapture;
using HgeFontTest = enginetest::TextureFixture;

namespace {

// Glyphs: space w5, 'A' w8 h12 pre 1 post 2, 'B' (hex 42) w6 h9 pre -1,
// 'j' (hex 6a) w4 h14, '?' w7 h11, '"' by quotes; the rest define nothing.
const char* const kFont =
    "[HGEFONT]\n"
    "Bitmap=C:\\fonts\\ignored.png\n"
    "Char=\" \",0,0,5,10,0,1\n"
    "Char=\"A\",10,0,8,12,1,2\n"
    "Char=42,20,0,6,9,-1,0\n"
    "Char=6a , 30 , 0 , 4 , 14 , 0 , 0\n"
    "Char=\"?\",40,0,7,11,0,0\n"
    "Char=\"\"\",50,0,3,5,0,0\n"
    "Char=1FF,0,0,99,99,0,0\n"
    "Char=100,0,0,99,99,0,0\n"
    "char=\"C\",0,0,99,99,0,0\n"
    "Char=\"D\",0,0,3\n"
    "Char=,1,2,3,4,5,6\n"
    "Char=\"E\"\n"
    "this line is garbage\n"
    "Char=\"F\" 1,2,3,4,5,6\n";

std::unique_ptr<hgeFont> makeFont(const std::string& text, HTEXTURE tex) {
    return std::make_unique<hgeFont>(text.data(), false, false, static_cast<uint32_t>(text.size()),
                                     tex, "test.fnt");
}

}  // namespace

TEST_F(HgeFontTest, ReadsGlyphsByQuoteAndHexWithAnyLineEnding) {
    const struct {
        char c;
        float x, w, h, pre, post;
    } glyphs[] = {{' ', 0, 5, 10, 0, 1},  {'A', 10, 8, 12, 1, 2}, {'B', 20, 6, 9, -1, 0},
                  {'j', 30, 4, 14, 0, 0}, {'?', 40, 7, 11, 0, 0}, {'"', 50, 3, 5, 0, 0}};
    for (const char* end : {"\n", "\r", "\r\n"}) {
        std::string text;
        for (const char* c = kFont; *c; ++c) {
            text += *c == '\n' ? std::string(end) : std::string(1, *c);
        }
        auto font = makeFont(text, m_tex);
        for (const auto& g : glyphs) {
            SCOPED_TRACE(std::string("glyph '") + g.c + "', line end " + std::to_string(end[0]));
            const hgeSprite* sprite = font->GetSprite(g.c);
            ASSERT_NE(sprite, nullptr);
            EXPECT_FLOAT_EQ(sprite->GetWidth(), g.w);
            EXPECT_FLOAT_EQ(sprite->GetHeight(), g.h);
            EXPECT_FLOAT_EQ(font->GetPreWidth(g.c), g.pre);
            EXPECT_FLOAT_EQ(font->GetPostWidth(g.c), g.post);
            // Glyph rectangles cut the given 64x32 texture.
            EXPECT_FLOAT_EQ(sprite->quad.v[0].tx, g.x / 64);
            EXPECT_FLOAT_EQ(sprite->quad.v[2].ty, g.h / 32);
            EXPECT_EQ(sprite->GetTexture(), m_tex);
        }
        // Codes above 0xFF, "char", short and malformed lines define nothing.
        for (char c : std::string("\xFF\x01\0CDEF", 7)) {
            EXPECT_EQ(font->GetSprite(c), nullptr) << int(c);
        }
        // The tallest defined glyph sets the height; ignored lines do not count.
        EXPECT_FLOAT_EQ(font->GetHeight(), 14);
        EXPECT_EQ(font->GetTexture(), m_tex);
    }
}

TEST_F(HgeFontTest, MissingHeaderLeavesTheFontEmpty) {
    engine::EngineLog::startCapture();
    auto font = makeFont("[HGEFONT] \nChar=\"A\",10,0,8,12,1,2\n", m_tex);
    auto none = makeFont("Char=\"A\",10,0,8,12,1,2\n", m_tex);
    auto lines = engine::EngineLog::stopCapture();
    EXPECT_EQ(font->GetSprite('A'), nullptr);
    EXPECT_EQ(none->GetSprite('A'), nullptr);
    EXPECT_FLOAT_EQ(font->GetHeight(), 0);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AAA"), 0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Font test.fnt has incorrect format.");
    // Drawing an empty font draws nothing and does not crash.
    QuadCapture capture;
    font->Render(0, 0, HGETEXT_CENTER, "AB\nC");
    EXPECT_TRUE(capture.quads().empty());
}

TEST_F(HgeFontTest, StringWidthsWithOffsetsTrackingAndScale) {
    auto font = makeFont(kFont, m_tex);
    // A: 1 + 8 + 2, B: -1 + 6 + 0, unknown characters measure as '?' (7);
    // multi-line: the widest line, otherwise the first line only.
    const struct {
        const char* text;
        bool multiline;
        float width;
    } cases[] = {{"A", false, 11},      {"AB", false, 16},   {"", true, 0},
                 {"AZ", false, 18},     {"\xE5", false, 7},  {"A\nBBB", true, 15},
                 {"A\nBBB", false, 11}, {"BBB\nA", true, 15}};
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(font->GetStringWidth(c.text, c.multiline), c.width) << c.text;
    }
    font->SetTracking(2);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 20);
    font->SetScale(2);
    font->SetProportion(0.5f);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 20);
    font->SetProportion(1.5f);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 60);
}

TEST_F(HgeFontTest, WithoutQuestionMarkUnknownCharactersVanish) {
    auto font = makeFont("[HGEFONT]\nChar=\"A\",10,0,8,12,1,2\n", m_tex);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AZA", false), 22);
    QuadCapture capture;
    font->Render(0, 0, HGETEXT_LEFT, "AZA");
    EXPECT_EQ(capture.quads().size(), 2u);
}

TEST_F(HgeFontTest, RenderPlacesGlyphsByAlignment) {
    auto font = makeFont(kFont, m_tex);
    QuadCapture capture;
    // Left: the pre-offset of 'A' comes first. Right: the line (width 16)
    // ends at x. Centre: x minus half the width, rounded (5.5 -> 6). Vertical
    // flags do not disturb the horizontal alignment.
    const struct {
        int align;
        const char* text;
        float firstX;
    } cases[] = {{HGETEXT_LEFT, "AB", 101},
                 {HGETEXT_RIGHT, "AB", 100 - 16 + 1},
                 {HGETEXT_CENTER, "AB", 100 - 8 + 1},
                 {HGETEXT_CENTER, "A", 100 - 6 + 1},
                 {HGETEXT_RIGHT | HGETEXT_BOTTOM, "AB", 85}};
    for (const auto& c : cases) {
        capture.clear();
        font->Render(100, 50, c.align, c.text);
        ASSERT_FALSE(capture.quads().empty());
        EXPECT_FLOAT_EQ(capture.quads()[0].v[0].x, c.firstX) << c.align << " " << c.text;
    }
    // 'B' follows the width and post-offset of 'A', and its own pre-offset of -1.
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].x, 85 + 8 + 2 - 1);
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].y, 50);
}

TEST_F(HgeFontTest, NewlinesRestartAlignmentOneLineLower) {
    auto font = makeFont(kFont, m_tex);
    font->SetSpacing(1.5f);
    QuadCapture capture;
    font->Render(100, 50, HGETEXT_RIGHT, "A\nBBB");
    ASSERT_EQ(capture.quads().size(), 4u);
    EXPECT_FLOAT_EQ(capture.quads()[0].v[0].x, 100 - 11 + 1);
    // Height 14 * 1.5 = 21 below; the second line (width 15) ends at x too.
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].y, 71);
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].x, 100 - 15 - 1);
    EXPECT_FLOAT_EQ(capture.quads()[3].v[0].x, 100 - 5 - 1);

    capture.clear();
    font->SetSpacing(1);
    font->SetScale(0.5f);
    font->Render(0, 0, HGETEXT_LEFT, "A\nA");
    // 14 * 0.5 = 7; glyphs are drawn at half size.
    const hgeQuad& second = capture.quads()[1];
    EXPECT_FLOAT_EQ(second.v[0].y, 7);
    EXPECT_FLOAT_EQ(second.v[0].x, 0.5f);
    EXPECT_FLOAT_EQ(second.v[2].x - second.v[0].x, 4);
    EXPECT_FLOAT_EQ(second.v[2].y - second.v[0].y, 6);
}

TEST_F(HgeFontTest, ColourAndDepthReachEveryGlyph) {
    auto font = makeFont(kFont, m_tex);
    font->SetColor(0xFF102030);
    font->SetZ(0.1f);
    EXPECT_EQ(font->GetColor(), 0xFF102030u);
    QuadCapture capture;
    font->Render(0, 0, HGETEXT_LEFT, "AB?");
    ASSERT_EQ(capture.quads().size(), 3u);
    for (const hgeQuad& q : capture.quads()) {
        for (const hgeVertex& v : q.v) {
            EXPECT_EQ(v.col, 0xFF102030u);
            EXPECT_FLOAT_EQ(v.z, 0.1f);
        }
    }
}

TEST_F(HgeFontTest, FromFileLoadsAndOwnsItsBitmap) {
    enginetest::ScratchDir dir("font");
    enginetest::writeFile(dir.file("glyphs.png"),
                          enginetest::makePng(32, 16, std::vector<uint32_t>(32 * 16, 0xFF000000)));
    // Only the file name of the bitmap counts, looked for beside the font.
    enginetest::writeFile(dir.file("my.fnt"),
                          "[HGEFONT]\r\nChar=\"A\",8,0,8,12,0,0\r\nBitmap = "
                          "D:\\art\\fonts/glyphs.png\r\n");
    HTEXTURE owned = 0;
    {
        hgeFont font(dir.file("my.fnt").c_str());
        owned = font.GetTexture();
        ASSERT_NE(owned, 0u);
        EXPECT_EQ(m_hge->Texture_GetWidth(owned), 32);
        // The glyph was cut from the bitmap even though it came first.
        ASSERT_NE(font.GetSprite('A'), nullptr);
        EXPECT_EQ(font.GetSprite('A')->GetTexture(), owned);
        EXPECT_FLOAT_EQ(font.GetSprite('A')->quad.v[0].tx, 0.25f);
    }
    EXPECT_EQ(m_hge->Texture_GetWidth(owned), 0);
    // The bytes form leaves its texture alone (and ignores "Bitmap").
    makeFont(kFont, m_tex).reset();
    EXPECT_EQ(m_hge->Texture_GetWidth(m_tex), 64);
}
