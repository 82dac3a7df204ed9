#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/EngineLog.h"
#include "engine/EngineTestSupport.h"
#include "engine/hgefont.h"

using enginetest::QuadCapture;

namespace {

// Glyphs: space w5, 'A' w8 h12 pre 1 post 2, 'B' (hex 42) w6 h9 pre -1,
// 'j' (hex 6a) w4 h14, '?' w7 h11, '"' by quotes.
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

class HgeFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_hge = hgeCreate(HGE_VERSION);
        std::string png = enginetest::makePng(128, 64, std::vector<uint32_t>(128 * 64, 0xFFFFFFFF));
        m_tex = m_hge->Texture_Load(png.data(), static_cast<uint32_t>(png.size()));
        ASSERT_NE(m_tex, 0u);
    }
    void TearDown() override {
        m_hge->Texture_Free(m_tex);
        m_hge->Release();
    }
    hgeFont* make(const std::string& text) {
        return new hgeFont(text.data(), false, false, static_cast<uint32_t>(text.size()), m_tex,
                           "test.fnt");
    }

    HGE* m_hge = nullptr;
    HTEXTURE m_tex = 0;
};

std::string withLineEnds(std::string text, const std::string& end) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += end;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

TEST_F(HgeFontTest, ReadsGlyphsByQuoteAndHexAndIgnoresTheRest) {
    std::unique_ptr<hgeFont> font(make(kFont));
    ASSERT_NE(font->GetSprite('A'), nullptr);
    EXPECT_FLOAT_EQ(font->GetSprite('A')->GetWidth(), 8);
    EXPECT_FLOAT_EQ(font->GetPreWidth('A'), 1);
    EXPECT_FLOAT_EQ(font->GetPostWidth('A'), 2);
    ASSERT_NE(font->GetSprite('B'), nullptr);
    EXPECT_FLOAT_EQ(font->GetPreWidth('B'), -1);
    ASSERT_NE(font->GetSprite('j'), nullptr);  // lower-case hex digits
    EXPECT_FLOAT_EQ(font->GetSprite('j')->GetHeight(), 14);
    ASSERT_NE(font->GetSprite('"'), nullptr);
    EXPECT_FLOAT_EQ(font->GetSprite('"')->GetWidth(), 3);
    ASSERT_NE(font->GetSprite(' '), nullptr);

    // Glyph rectangles cut the given texture: 'A' starts at x 10 of 128.
    EXPECT_FLOAT_EQ(font->GetSprite('A')->quad.v[0].tx, 10 / 128.f);
    EXPECT_FLOAT_EQ(font->GetSprite('A')->quad.v[2].ty, 12 / 64.f);
    EXPECT_EQ(font->GetSprite('A')->GetTexture(), m_tex);

    // Codes above 0xFF, "char", short and malformed lines define nothing.
    EXPECT_EQ(font->GetSprite('\xFF'), nullptr);
    EXPECT_EQ(font->GetSprite('\x01'), nullptr);
    EXPECT_EQ(font->GetSprite('\0'), nullptr);
    EXPECT_EQ(font->GetSprite('C'), nullptr);
    EXPECT_EQ(font->GetSprite('D'), nullptr);
    EXPECT_EQ(font->GetSprite('E'), nullptr);
    EXPECT_EQ(font->GetSprite('F'), nullptr);
    // The tallest defined glyph sets the height; ignored lines do not count.
    EXPECT_FLOAT_EQ(font->GetHeight(), 14);
    EXPECT_EQ(font->GetTexture(), m_tex);
}

TEST_F(HgeFontTest, AnyLineEndingReadsTheSame) {
    for (const char* end : {"\n", "\r", "\r\n"}) {
        std::unique_ptr<hgeFont> font(make(withLineEnds(kFont, end)));
        ASSERT_NE(font->GetSprite('A'), nullptr) << "line end " << int(end[0]);
        ASSERT_NE(font->GetSprite('?'), nullptr);
        EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 16);
        EXPECT_FLOAT_EQ(font->GetHeight(), 14);
    }
}

TEST_F(HgeFontTest, MissingHeaderLeavesTheFontEmpty) {
    engine::EngineLog::startCapture();
    std::unique_ptr<hgeFont> font(make("[HGEFONT] \nChar=\"A\",10,0,8,12,1,2\n"));
    std::unique_ptr<hgeFont> none(make("Char=\"A\",10,0,8,12,1,2\n"));
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
    std::unique_ptr<hgeFont> font(make(kFont));
    // A: 1 + 8 + 2, B: -1 + 6 + 0.
    EXPECT_FLOAT_EQ(font->GetStringWidth("A", false), 11);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 16);
    EXPECT_FLOAT_EQ(font->GetStringWidth("", true), 0);
    // Unknown characters measure as '?' (7).
    EXPECT_FLOAT_EQ(font->GetStringWidth("AZ", false), 18);
    EXPECT_FLOAT_EQ(font->GetStringWidth("\xE5", false), 7);
    // Multi-line: the widest line; otherwise the first line only.
    EXPECT_FLOAT_EQ(font->GetStringWidth("A\nBBB", true), 15);
    EXPECT_FLOAT_EQ(font->GetStringWidth("A\nBBB", false), 11);
    EXPECT_FLOAT_EQ(font->GetStringWidth("BBB\nA", true), 15);

    font->SetTracking(2);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 20);
    font->SetScale(2);
    font->SetProportion(0.5f);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 20);
    font->SetProportion(1.5f);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 60);
}

TEST_F(HgeFontTest, WithoutQuestionMarkUnknownCharactersVanish) {
    std::unique_ptr<hgeFont> font(make("[HGEFONT]\nChar=\"A\",10,0,8,12,1,2\n"));
    EXPECT_FLOAT_EQ(font->GetStringWidth("AZA", false), 22);
    QuadCapture capture;
    font->Render(0, 0, HGETEXT_LEFT, "AZA");
    EXPECT_EQ(capture.quads().size(), 2u);
}

TEST_F(HgeFontTest, RenderPlacesGlyphsByAlignment) {
    std::unique_ptr<hgeFont> font(make(kFont));
    QuadCapture capture;
    auto firstX = [&](int align, const char* text) {
        capture.clear();
        font->Render(100, 50, align, text);
        return capture.quads().empty() ? -1.f : capture.quads()[0].v[0].x;
    };
    // Left: the pre-offset of 'A' comes first.
    EXPECT_FLOAT_EQ(firstX(HGETEXT_LEFT, "AB"), 101);
    // 'B' follows after 1 + 8 + 2 and its own pre-offset of -1.
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].x, 110);
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].y, 50);
    // Right: the line ends at x (width 16).
    EXPECT_FLOAT_EQ(firstX(HGETEXT_RIGHT, "AB"), 100 - 16 + 1);
    // Centre: x minus half the width, rounded (11 / 2 = 5.5 -> 6).
    EXPECT_FLOAT_EQ(firstX(HGETEXT_CENTER, "AB"), 100 - 8 + 1);
    EXPECT_FLOAT_EQ(firstX(HGETEXT_CENTER, "A"), 100 - 6 + 1);
    // Vertical flags do not disturb the horizontal alignment.
    EXPECT_FLOAT_EQ(firstX(HGETEXT_RIGHT | HGETEXT_BOTTOM, "AB"), 85);
}

TEST_F(HgeFontTest, NewlinesRestartAlignmentOneLineLower) {
    std::unique_ptr<hgeFont> font(make(kFont));
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
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].y, 7);
    EXPECT_FLOAT_EQ(capture.quads()[1].v[0].x, 0.5f);
    EXPECT_FLOAT_EQ(capture.quads()[1].v[2].x - capture.quads()[1].v[0].x, 4);
    EXPECT_FLOAT_EQ(capture.quads()[1].v[2].y - capture.quads()[1].v[0].y, 6);
}

TEST_F(HgeFontTest, ColourAndDepthReachEveryGlyph) {
    std::unique_ptr<hgeFont> font(make(kFont));
    font->SetColor(0xFF102030);
    font->SetZ(0.1f);
    QuadCapture capture;
    font->Render(0, 0, HGETEXT_LEFT, "AB?");
    ASSERT_EQ(capture.quads().size(), 3u);
    for (const hgeQuad& q : capture.quads()) {
        for (const hgeVertex& v : q.v) {
            EXPECT_EQ(v.col, 0xFF102030u);
            EXPECT_FLOAT_EQ(v.z, 0.1f);
        }
    }
    EXPECT_EQ(font->GetColor(), 0xFF102030u);
}

TEST_F(HgeFontTest, FromFileLoadsAndOwnsItsBitmap) {
    enginetest::ScratchDir dir("font");
    std::string png = enginetest::makePng(32, 16, std::vector<uint32_t>(32 * 16, 0xFF000000));
    enginetest::writeFile(dir.file("glyphs.png"), png);
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

    // The bytes form leaves its texture alone and ignores "Bitmap".
    {
        std::unique_ptr<hgeFont> font(make(kFont));
        EXPECT_EQ(font->GetTexture(), m_tex);
    }
    EXPECT_EQ(m_hge->Texture_GetWidth(m_tex), 128);
}
