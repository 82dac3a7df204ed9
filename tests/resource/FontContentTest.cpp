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
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/hgefont.h"

namespace {

const std::string kData = std::string(FISCORA_SOURCE_DIR) + "/data/";

struct Glyph {
    bool defined = false;
    int x = 0, y = 0, w = 0, h = 0, a = 0, c = 0;
};

// A shipped font description read by the game's own font reader; only the
// "Bitmap" line, which the game ignores (it names the atlas itself), is read
// here.
struct FontFile {
    bool valid = false;
    std::string bitmap;
    std::array<Glyph, 256> glyphs;

    explicit FontFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string text = buffer.str();
        const size_t at = text.find("Bitmap=");
        if (at != std::string::npos) {
            bitmap = text.substr(at + 7, text.find_first_of("\r\n", at) - at - 7);
        }
        hgeFont font(text.c_str(), false, false, static_cast<uint32_t>(text.size()), 0);
        for (int code = 0; code < 256; ++code) {
            const char chr = static_cast<char>(code);
            const hgeSprite* sprite = font.GetSprite(chr);
            if (!sprite) {
                continue;
            }
            float x, y, w, h;
            sprite->GetTextureRect(&x, &y, &w, &h);
            Glyph& g = glyphs[static_cast<size_t>(code)];
            g.defined = true;
            g.x = static_cast<int>(x);
            g.y = static_cast<int>(y);
            g.w = static_cast<int>(w);
            g.h = static_cast<int>(h);
            g.a = static_cast<int>(font.GetPreWidth(chr));
            g.c = static_cast<int>(font.GetPostWidth(chr));
            valid = true;
        }
    }
};

// The printable Windows-1252 bytes: 0x20-0x7E and 0x80-0xFF without the five
// unassigned ones.
std::vector<int> printableBytes() {
    std::vector<int> bytes;
    for (int b = 0x20; b <= 0xFF; ++b) {
        if (b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) {
            bytes.push_back(b);
        }
    }
    return bytes;
}

// An atlas as RGBA pixels.
struct Atlas {
    SDL_Surface* surface = nullptr;

    explicit Atlas(const std::string& path) {
        SDL_Surface* loaded = IMG_Load(path.c_str());
        if (loaded != nullptr) {
            surface = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ABGR8888, 0);
            SDL_FreeSurface(loaded);
        }
    }
    ~Atlas() { SDL_FreeSurface(surface); }
    Atlas(const Atlas&) = delete;
    Atlas& operator=(const Atlas&) = delete;

    SDL_Color at(int x, int y) const {
        const Uint32 p = static_cast<const Uint32*>(surface->pixels)[y * surface->w + x];
        SDL_Color c;
        SDL_GetRGBA(p, surface->format, &c.r, &c.g, &c.b, &c.a);
        return c;
    }
    // The largest alpha inside a rectangle.
    int maxAlpha(const Glyph& g) const {
        int best = 0;
        for (int y = g.y; y < g.y + g.h; ++y) {
            for (int x = g.x; x < g.x + g.w; ++x) {
                best = std::max(best, static_cast<int>(at(x, y).a));
            }
        }
        return best;
    }
};

const char* const kFonts[] = {"font", "font_tessaline_19", "font_tessaline_19_black",
                              "font_tessaline_19_red", "font_tessaline_28"};

}  // namespace

TEST(FontContentTest, EveryFontCoversWindows1252InsideItsAtlas) {
    for (const char* name : kFonts) {
        SCOPED_TRACE(name);
        const FontFile font(kData + "fnt/" + name + ".fnt");
        ASSERT_TRUE(font.valid);
        EXPECT_EQ(font.bitmap, std::string(name) + ".png");
        const Atlas atlas(kData + "fnt/" + name + ".png");
        ASSERT_NE(atlas.surface, nullptr) << IMG_GetError();

        int lineHeight = -1;
        for (int b : printableBytes()) {
            const Glyph& g = font.glyphs[b];
            ASSERT_TRUE(g.defined) << "no glyph for byte " << b;
            EXPECT_GE(g.x, 0) << b;
            EXPECT_GE(g.y, 0) << b;
            EXPECT_GE(g.w, 0) << b;
            EXPECT_LE(g.x + g.w, atlas.surface->w) << b;
            EXPECT_LE(g.y + g.h, atlas.surface->h) << b;
            // One cell height for all glyphs keeps every baseline on one line.
            if (lineHeight < 0) {
                lineHeight = g.h;
            }
            EXPECT_EQ(g.h, lineHeight) << b;
            // A glyph never moves the pen backwards.
            EXPECT_GT(g.a + g.w + g.c, 0) << b;
        }
    }
}

TEST(FontContentTest, GlyphsHaveInkAndTransparentSurroundings) {
    for (const char* name : kFonts) {
        SCOPED_TRACE(name);
        const FontFile font(kData + "fnt/" + name + ".fnt");
        const Atlas atlas(kData + "fnt/" + name + ".png");
        ASSERT_TRUE(font.valid);
        ASSERT_NE(atlas.surface, nullptr);

        EXPECT_EQ(atlas.maxAlpha(font.glyphs[' ']), 0);
        EXPECT_EQ(atlas.maxAlpha(font.glyphs[0xA0]), 0);
        // Swedish letters, digits, the currency signs and typographic marks the
        // texts use; Windows-1252 bytes.
        const int inked[] = {'A',  'a',  '1',  '?',  ':',  '-',  0xC5, 0xC4, 0xD6, 0xE5, 0xE4, 0xF6,
                             0xE9, 0xFC, 0xDF, 0x80, 0x96, 0x97, 0x91, 0x92, 0x93, 0x94, 0x85};
        for (int b : inked) {
            EXPECT_GT(atlas.maxAlpha(font.glyphs[b]), 128) << "no ink for byte " << b;
        }
        // Filtering samples one pixel beyond a glyph's rectangle, so the ring
        // around every glyph must be clear or a neighbour bleeds in.
        for (int b : printableBytes()) {
            const Glyph& g = font.glyphs[b];
            for (int x = g.x - 1; x <= g.x + g.w; ++x) {
                for (int y : {g.y - 1, g.y + g.h}) {
                    if (x >= 0 && y >= 0 && x < atlas.surface->w && y < atlas.surface->h) {
                        ASSERT_EQ(atlas.at(x, y).a, 0) << "byte " << b << " at " << x << "," << y;
                    }
                }
            }
            for (int y = g.y; y < g.y + g.h; ++y) {
                for (int x : {g.x - 1, g.x + g.w}) {
                    if (x >= 0 && x < atlas.surface->w) {
                        ASSERT_EQ(atlas.at(x, y).a, 0) << "byte " << b << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(FontContentTest, ColouredVariantsShareTheLayoutAndBakeTheirColour) {
    const FontFile white(kData + "fnt/font_tessaline_19.fnt");
    const FontFile black(kData + "fnt/font_tessaline_19_black.fnt");
    const FontFile red(kData + "fnt/font_tessaline_19_red.fnt");
    ASSERT_TRUE(white.valid && black.valid && red.valid);
    // Same rectangles and offsets: a text measures the same in all three.
    for (int b : printableBytes()) {
        for (const FontFile* other : {&black, &red}) {
            const Glyph& g = other->glyphs[b];
            const Glyph& w = white.glyphs[b];
            EXPECT_TRUE(g.x == w.x && g.y == w.y && g.w == w.w && g.h == w.h && g.a == w.a &&
                        g.c == w.c)
                << "byte " << b;
        }
    }

    // The colour of the fully covered pixels of "M".
    auto inkColour = [](const std::string& name, const FontFile& font) {
        const Atlas atlas(kData + "fnt/" + name + ".png");
        const Glyph& g = font.glyphs['M'];
        SDL_Color found{0, 0, 0, 0};
        for (int y = g.y; atlas.surface != nullptr && y < g.y + g.h; ++y) {
            for (int x = g.x; x < g.x + g.w; ++x) {
                if (atlas.at(x, y).a == 255) {
                    found = atlas.at(x, y);
                }
            }
        }
        return found;
    };
    const SDL_Color w = inkColour("font_tessaline_19", white);
    const SDL_Color k = inkColour("font_tessaline_19_black", black);
    const SDL_Color r = inkColour("font_tessaline_19_red", red);
    ASSERT_EQ(w.a, 255);
    ASSERT_EQ(k.a, 255);
    ASSERT_EQ(r.a, 255);
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

TEST_F(SoundContentTest, EffectsDecodeAsShortAudibleSounds) {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &format, &channels), 0);
    const int frameBytes = channels * static_cast<int>(SDL_AUDIO_BITSIZE(format) / 8);
    for (const char* name : {"button_click", "buy", "dialogue_popup", "door", "eventicon_popup",
                             "finish", "furniture_cantplace", "furniture_lift", "furniture_list",
                             "furniture_place", "furniture_rotate", "furniture_sell"}) {
        SCOPED_TRACE(name);
        Mix_Chunk* chunk = Mix_LoadWAV((kData + "snd/" + name + ".wav").c_str());
        ASSERT_NE(chunk, nullptr) << Mix_GetError();
        const double seconds = static_cast<double>(chunk->alen) / frameBytes / frequency;
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, 2.0);
        // Not silent, and quiet at both ends so that starting or cutting it
        // does not click.
        ASSERT_EQ(format, AUDIO_S16SYS);
        const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
        const size_t count = chunk->alen / sizeof(Sint16);
        int peak = 0;
        for (size_t i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        }
        EXPECT_GT(peak, 3000);
        EXPECT_LT(std::abs(static_cast<int>(samples[0])), 300);
        EXPECT_LT(std::abs(static_cast<int>(samples[count - 1])), 300);
        Mix_FreeChunk(chunk);
    }
}

TEST_F(SoundContentTest, MusicLoopsDecodeWithHalfAMinuteToAMinuteEach) {
    for (const char* name : {"apartment", "city", "store1", "store2"}) {
        SCOPED_TRACE(name);
        Mix_Music* music = Mix_LoadMUS((kData + "snd/" + name + ".mp3").c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
        const double seconds = Mix_MusicDuration(music);
        EXPECT_GE(seconds, 30.0);
        EXPECT_LE(seconds, 60.0);
        Mix_FreeMusic(music);
    }
}
