// Checks the shipped fonts and sounds as files: every font description covers
// the printable Windows-1252 characters with glyphs inside its atlas, and every
// sound decodes with a sensible length.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "TestSupport.h"
#include "engine/hgefont.h"

namespace {

const std::string kData = std::string(FISCORA_SOURCE_DIR) + "/data/";

struct Glyph {
    bool defined = false;
    int x = 0, y = 0, w = 0, h = 0, a = 0, c = 0;
    bool same(const Glyph& o) const {
        return x == o.x && y == o.y && w == o.w && h == o.h && a == o.a && c == o.c;
    }
};

// A shipped font read by the game's own font reader, and its atlas as RGBA
// pixels. Only the "Bitmap" line, which the game ignores (it names the atlas
// itself), is read here.
struct Font {
    std::string bitmap;
    std::array<Glyph, 256> glyphs;
    SDL_Surface* atlas = nullptr;

    explicit Font(const std::string& name) {
        const std::string text = test::readFile(kData + "fnt/" + name + ".fnt");
        const size_t at = text.find("Bitmap=");
        if (at != std::string::npos) {
            bitmap = text.substr(at + 7, text.find_first_of("\r\n", at) - at - 7);
        }
        hgeFont font(text.c_str(), false, false, static_cast<uint32_t>(text.size()), 0);
        for (int code = 0; code < 256; ++code) {
            const hgeSprite* sprite = font.GetSprite(static_cast<char>(code));
            if (sprite) {
                float x, y, w, h;
                sprite->GetTextureRect(&x, &y, &w, &h);
                glyphs[code] = {true,
                                static_cast<int>(x),
                                static_cast<int>(y),
                                static_cast<int>(w),
                                static_cast<int>(h),
                                static_cast<int>(font.GetPreWidth(static_cast<char>(code))),
                                static_cast<int>(font.GetPostWidth(static_cast<char>(code)))};
            }
        }
        if (SDL_Surface* loaded = IMG_Load((kData + "fnt/" + name + ".png").c_str())) {
            atlas = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0);
            SDL_FreeSurface(loaded);
        }
    }
    ~Font() { SDL_FreeSurface(atlas); }
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < atlas->w && y < atlas->h; }
    SDL_Color at(int x, int y) const {
        SDL_Color c;
        SDL_GetRGBA(static_cast<const Uint32*>(atlas->pixels)[y * atlas->w + x], atlas->format,
                    &c.r, &c.g, &c.b, &c.a);
        return c;
    }
    int maxAlpha(int code) const {
        const Glyph& g = glyphs[code];
        int best = 0;
        for (int y = g.y; y < g.y + g.h; ++y) {
            for (int x = g.x; x < g.x + g.w; ++x) {
                best = std::max(best, static_cast<int>(at(x, y).a));
            }
        }
        return best;
    }
    // The colour of the last fully covered pixel of a glyph.
    SDL_Color ink(int code) const {
        const Glyph& g = glyphs[code];
        SDL_Color found{0, 0, 0, 0};
        for (int y = g.y; y < g.y + g.h; ++y) {
            for (int x = g.x; x < g.x + g.w; ++x) {
                found = at(x, y).a == 255 ? at(x, y) : found;
            }
        }
        return found;
    }
};

// The printable Windows-1252 bytes: 0x20-0x7E and 0x80-0xFF without the five
// unassigned ones.
bool printable(int b) {
    return b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

}  // namespace

TEST(FontContentTest, EveryFontCoversWindows1252WithInkedGlyphsApartInsideItsAtlas) {
    for (const char* name : {"font", "font_tessaline_19", "font_tessaline_19_black",
                             "font_tessaline_19_red", "font_tessaline_28"}) {
        SCOPED_TRACE(name);
        const Font font(name);
        EXPECT_EQ(font.bitmap, std::string(name) + ".png");
        ASSERT_NE(font.atlas, nullptr) << IMG_GetError();
        const int lineHeight = font.glyphs['A'].h;
        for (int b = 0; b < 256; ++b) {
            if (!printable(b)) {
                continue;
            }
            const Glyph& g = font.glyphs[b];
            ASSERT_TRUE(g.defined) << "no glyph for byte " << b;
            EXPECT_TRUE(g.x >= 0 && g.y >= 0 && g.w >= 0 && g.x + g.w <= font.atlas->w &&
                        g.y + g.h <= font.atlas->h)
                << b;
            // One cell height keeps every baseline on one line; the pen never
            // moves backwards.
            EXPECT_EQ(g.h, lineHeight) << b;
            EXPECT_GT(g.a + g.w + g.c, 0) << b;
            // Filtering samples one pixel beyond a glyph's rectangle, so the
            // ring around every glyph must be clear or a neighbour bleeds in.
            for (int y = g.y - 1; y <= g.y + g.h; ++y) {
                for (int x = g.x - 1; x <= g.x + g.w; ++x) {
                    const bool ring = x < g.x || y < g.y || x == g.x + g.w || y == g.y + g.h;
                    if (ring && font.inside(x, y)) {
                        ASSERT_EQ(font.at(x, y).a, 0) << "byte " << b << " at " << x << "," << y;
                    }
                }
            }
        }
        EXPECT_EQ(font.maxAlpha(' '), 0);
        EXPECT_EQ(font.maxAlpha(0xA0), 0);
        // Swedish letters, digits, the currency signs and typographic marks the
        // texts use; Windows-1252 bytes.
        for (unsigned char b : std::string(
                 "Aa1?:-\xC5\xC4\xD6\xE5\xE4\xF6\xE9\xFC\xDF\x80\x96\x97\x91\x92\x93\x94\x85")) {
            EXPECT_GT(font.maxAlpha(b), 128) << "no ink for byte " << b;
        }
    }
}

TEST(FontContentTest, ColouredVariantsShareTheLayoutAndBakeTheirColour) {
    const Font white("font_tessaline_19");
    const Font black("font_tessaline_19_black");
    const Font red("font_tessaline_19_red");
    ASSERT_TRUE(white.atlas && black.atlas && red.atlas);
    // Same rectangles and offsets: a text measures the same in all three.
    for (int b = 0; b < 256; ++b) {
        EXPECT_TRUE(!printable(b) ||
                    (white.glyphs[b].same(black.glyphs[b]) && white.glyphs[b].same(red.glyphs[b])))
            << "byte " << b;
    }
    const SDL_Color w = white.ink('M'), k = black.ink('M'), r = red.ink('M');
    ASSERT_TRUE(w.a == 255 && k.a == 255 && r.a == 255);
    EXPECT_TRUE(w.r == 255 && w.g == 255 && w.b == 255);
    EXPECT_TRUE(k.r < 64 && k.g < 64 && k.b < 64);
    EXPECT_TRUE(r.r > 160 && r.g < 96 && r.b < 96);
}

namespace {

class SoundContentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
        m_open = true;
    }
    void TearDown() override {
        if (m_open) {
            Mix_CloseAudio();
        }
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    bool m_open = false;
};

}  // namespace

TEST_F(SoundContentTest, EffectsAreShortAndAudibleAndMusicLoopsLastHalfAMinuteToAMinute) {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    ASSERT_EQ(format, AUDIO_S16SYS);
    for (const char* name : {"button_click", "buy", "dialogue_popup", "door", "eventicon_popup",
                             "finish", "furniture_cantplace", "furniture_lift", "furniture_list",
                             "furniture_place", "furniture_rotate", "furniture_sell"}) {
        SCOPED_TRACE(name);
        Mix_Chunk* chunk = Mix_LoadWAV((kData + "snd/" + name + ".wav").c_str());
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        const size_t count = chunk->alen / sizeof(Sint16);
        const double seconds = static_cast<double>(count) / channels / frequency;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, 2.0);
        // Not silent, and quiet at both ends so that starting or cutting it
        // does not click.
        int peak = 0;
        for (size_t i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        }
        EXPECT_GT(peak, 3000);
        EXPECT_LT(std::abs(static_cast<int>(samples[0])), 300);
        EXPECT_LT(std::abs(static_cast<int>(samples[count - 1])), 300);
        Mix_FreeChunk(chunk);
    }
    for (const char* name : {"apartment", "city", "store1", "store2"}) {
        SCOPED_TRACE(name);
        Mix_Music* music = Mix_LoadMUS((kData + "snd/" + name + ".mp3").c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
        EXPECT_GE(Mix_MusicDuration(music), 30.0);
        EXPECT_LE(Mix_MusicDuration(music), 60.0);
        Mix_FreeMusic(music);
    }
}
