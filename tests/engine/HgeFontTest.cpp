#include "engine/EngineTestSupport.h"

using namespace enginetest;
using HgeFontTest = TextureFixture;

// Glyphs: space, 'A', 'B' (hex 42), 'j' (hex 6a), '?' and '"' by quotes. The
// lines after them define nothing: codes above 0xFF, "char", short and
// malformed lines.
const char* const kFont =
    "[HGEFONT]\nBitmap=C:\\fonts\\ignored.png\n"
    "Char=\" \",0,0,5,10,0,1\nChar=\"A\",10,0,8,12,1,2\nChar=42,20,0,6,9,-1,0\n"
    "Char=6a , 30 , 0 , 4 , 14 , 0 , 0\nChar=\"?\",40,0,7,11,0,0\nChar=\"\"\",50,0,3,5,0,0\n"
    "Char=1FF,0,0,99,99,0,0\nChar=100,0,0,99,99,0,0\nchar=\"C\",0,0,99,99,0,0\n"
    "Char=\"D\",0,0,3\nChar=,1,2,3,4,5,6\nChar=\"E\"\nthis line is garbage\n"
    "Char=\"F\" 1,2,3,4,5,6\n";

static std::unique_ptr<hgeFont> makeFont(const std::string& text, HTEXTURE tex) {
    return std::make_unique<hgeFont>(text.data(), false, false, static_cast<uint32_t>(text.size()),
                                     tex, "test.fnt");
}

// What Render(100, 50, ...) draws: "x,y+w,h" per glyph, its top-left corner
// and its size on screen.
static std::string drawn(hgeFont& font, int align, const char* text) {
    std::string out;
    for (const hgeQuad& q : quadsOf([&] { font.Render(100, 50, align, text); })) {
        char glyph[64];
        std::snprintf(glyph, sizeof glyph, "%s%g,%g+%g,%g", out.empty() ? "" : " ", q.v[0].x,
                      q.v[0].y, q.v[2].x - q.v[0].x, q.v[2].y - q.v[0].y);
        out += glyph;
    }
    return out;
}

TEST_F(HgeFontTest, ReadsGlyphsByQuoteAndHexWithAnyLineEnding) {
    // Character, then x, width, height, pre- and post-offset.
    const std::pair<char, std::vector<float>> glyphs[] = {
        {' ', {0, 5, 10, 0, 1}},  {'A', {10, 8, 12, 1, 2}}, {'B', {20, 6, 9, -1, 0}},
        {'j', {30, 4, 14, 0, 0}}, {'?', {40, 7, 11, 0, 0}}, {'"', {50, 3, 5, 0, 0}}};
    for (const char* end : {"\n", "\r", "\r\n"}) {
        std::string text;
        for (const char* c = kFont; *c; ++c) {
            text += *c == '\n' ? std::string(end) : std::string(1, *c);
        }
        auto font = makeFont(text, m_tex);
        for (const auto& [c, want] : glyphs) {
            SCOPED_TRACE(std::string("glyph '") + c + "', line end " + std::to_string(end[0]));
            const hgeSprite* sprite = font->GetSprite(c);
            ASSERT_NE(sprite, nullptr);
            EXPECT_EQ(sprite->GetTexture(), m_tex);
            // Glyph rectangles cut the given 64x32 texture.
            expectNear({sprite->quad.v[0].tx * 64, sprite->GetWidth(), sprite->GetHeight(),
                        font->GetPreWidth(c), font->GetPostWidth(c)},
                       want, 0);
            EXPECT_FLOAT_EQ(sprite->quad.v[2].ty * 32, want[2]);
        }
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
    EXPECT_EQ(drawn(*font, HGETEXT_CENTER, "AB\nC"), "");
}

TEST_F(HgeFontTest, MeasuresAndPlacesGlyphsByAlignmentLineByLine) {
    auto font = makeFont(kFont, m_tex);
    // A: 1 + 8 + 2, B: -1 + 6 + 0, unknown characters measure as '?' (7);
    // multi-line: the widest line, otherwise the first line only.
    const std::tuple<const char*, bool, float> cases[] = {
        {"A", false, 11},   {"AB", false, 16},    {"", true, 0},         {"AZ", false, 18},
        {"\xE5", false, 7}, {"A\nBBB", true, 15}, {"A\nBBB", false, 11}, {"BBB\nA", true, 15}};
    for (const auto& [text, multiline, width] : cases) {
        EXPECT_FLOAT_EQ(font->GetStringWidth(text, multiline), width) << text;
    }

    // Left: the pre-offset of 'A' (1) comes first; 'B' follows the width and
    // post-offset of 'A' (8 + 2) and its own pre-offset (-1). Right: the line
    // (width 16) ends at x. Centre: x minus half the width, rounded (5.5 ->
    // 6). Vertical flags do not disturb the horizontal alignment. Unknown
    // characters draw as '?'.
    EXPECT_EQ(drawn(*font, HGETEXT_LEFT, "AB"), "101,50+8,12 110,50+6,9");
    EXPECT_EQ(drawn(*font, HGETEXT_RIGHT, "AB"), "85,50+8,12 94,50+6,9");
    EXPECT_EQ(drawn(*font, HGETEXT_CENTER, "AB"), "93,50+8,12 102,50+6,9");
    EXPECT_EQ(drawn(*font, HGETEXT_CENTER, "A"), "95,50+8,12");
    EXPECT_EQ(drawn(*font, HGETEXT_RIGHT | HGETEXT_BOTTOM, "AB"), "85,50+8,12 94,50+6,9");
    EXPECT_EQ(drawn(*font, HGETEXT_LEFT, "A\xE5"), "101,50+8,12 111,50+7,11");
    // A newline restarts the alignment one line (height 14 * spacing) lower.
    font->SetSpacing(1.5f);
    EXPECT_EQ(drawn(*font, HGETEXT_RIGHT, "A\nBBB"), "90,50+8,12 84,71+6,9 89,71+6,9 94,71+6,9");
    // Scaled glyphs are drawn and spaced at their scale: 14 * 0.5 = 7.
    font->SetSpacing(1);
    font->SetScale(0.5f);
    EXPECT_EQ(drawn(*font, HGETEXT_LEFT, "A\nA"), "100.5,50+4,6 100.5,57+4,6");
    // Colour and depth reach every glyph.
    font->SetColor(0xFF102030);
    font->SetZ(0.1f);
    EXPECT_EQ(font->GetColor(), 0xFF102030u);
    auto quads = quadsOf([&] { font->Render(0, 0, HGETEXT_LEFT, "AB?"); });
    ASSERT_EQ(quads.size(), 3u);
    for (const hgeQuad& q : quads) {
        for (const hgeVertex& v : q.v) {
            EXPECT_EQ(std::make_pair(v.col, v.z), std::make_pair(0xFF102030u, 0.1f));
        }
    }

    // Tracking widens each glyph, by the scale and proportion too.
    font->SetTracking(2);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), (11 + 2 + 5 + 2) * 0.5f);
    font->SetScale(2);
    font->SetProportion(0.5f);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 20);
    font->SetProportion(1.5f);
    EXPECT_FLOAT_EQ(font->GetStringWidth("AB", false), 60);

    // Without a '?' glyph unknown characters vanish.
    auto sparse = makeFont("[HGEFONT]\nChar=\"A\",10,0,8,12,1,2\n", m_tex);
    EXPECT_FLOAT_EQ(sparse->GetStringWidth("AZA", false), 22);
    EXPECT_EQ(drawn(*sparse, HGETEXT_LEFT, "AZA"), "101,50+8,12 112,50+8,12");
}

TEST_F(HgeFontTest, FromFileLoadsAndOwnsItsBitmap) {
    std::filesystem::create_directories("font");
    writeFile("font/glyphs.png", makePng(32, 16, std::vector<uint32_t>(32 * 16, 0xFF000000)));
    // Only the file name of the bitmap counts, looked for beside the font.
    writeFile("font/my.fnt",
              "[HGEFONT]\r\nChar=\"A\",8,0,8,12,0,0\r\nBitmap = D:\\art\\fonts/glyphs.png\r\n");
    HTEXTURE owned = 0;
    {
        hgeFont font("font/my.fnt");
        owned = font.GetTexture();
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
