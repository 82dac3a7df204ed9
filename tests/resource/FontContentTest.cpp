// Checks the shipped fonts and sounds as files: every font description covers
// the printable Windows-1252 characters with glyphs inside its atlas, and every
// sound decodes with a sensible length.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "engine/hgefont.h"

namespace {

const std::string kData = std::string(FISCORA_SOURCE_DIR) + "/data/";

// The bytes that Windows-1252 leaves unassigned, and DEL.
const std::string kUnprintable = "\x7F\x81\x8D\x8F\x90\x9D";
// The parts of a glyph: its rectangle in the atlas, and its offsets before
// and after.
enum { X, Y, W, H, A, C };

// A shipped font read by the game's own font reader, and its atlas as RGBA
// pixels.
struct Font {
    std::string description;
    hgeFont font;
    SDL_Surface* atlas = nullptr;

    explicit Font(const std::string& name)
        : description(test::readFile(kData + "fnt/" + name + ".fnt")),
          font(description.c_str(), false, false, static_cast<uint32_t>(description.size()), 0) {
        if (SDL_Surface* loaded = IMG_Load((kData + "fnt/" + name + ".png").c_str())) {
            atlas = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGBA32, 0);
            SDL_FreeSurface(loaded);
        }
    }
    ~Font() { SDL_FreeSurface(atlas); }

    // The glyph of byte `b`; empty when the font has none.
    std::vector<float> glyph(int b) const {
        const char chr = static_cast<char>(b);
        const hgeSprite* sprite = font.GetSprite(chr);
        if (!sprite) {
            return {};
        }
        std::vector<float> g(6);
        sprite->GetTextureRect(&g[X], &g[Y], &g[W], &g[H]);
        g[A] = font.GetPreWidth(chr);
        g[C] = font.GetPostWidth(chr);
        return g;
    }
    // The pixels of a glyph, or of the ring around it inside the atlas.
    std::vector<SDL_Color> pixels(int b, bool ring = false) const {
        const std::vector<float> g = glyph(b);
        std::vector<SDL_Color> found;
        for (int y = static_cast<int>(g[Y]) - 1; y <= g[Y] + g[H]; ++y) {
            for (int x = static_cast<int>(g[X]) - 1; x <= g[X] + g[W]; ++x) {
                const bool edge = x < g[X] || y < g[Y] || x == g[X] + g[W] || y == g[Y] + g[H];
                if (edge == ring && x >= 0 && y >= 0 && x < atlas->w && y < atlas->h) {
                    const Uint8* p =
                        static_cast<const Uint8*>(atlas->pixels) + y * atlas->pitch + x * 4;
                    found.push_back({p[0], p[1], p[2], p[3]});
                }
            }
        }
        return found;
    }
    // The most opaque pixel of a glyph, the last of equals.
    SDL_Color ink(int b) const {
        SDL_Color best{0, 0, 0, 0};
        for (const SDL_Color& c : pixels(b)) {
            best = c.a >= best.a ? c : best;
        }
        return best;
    }
};

}  // namespace

TEST(FontContentTest, EveryFontCoversWindows1252WithInkedGlyphsApartInsideItsAtlas) {
    // The coloured variants of font_tessaline_19 share its layout, so that a
    // text measures the same in all three, and bake their colour: the ink of
    // "M" lies between the given colours.
    const Font white("font_tessaline_19");
    for (const auto& [name, low, high] :
         {std::tuple<std::string, SDL_Color, SDL_Color>{
              "font", {0, 0, 0, 255}, {255, 255, 255, 255}},
          {"font_tessaline_19", {255, 255, 255, 255}, {255, 255, 255, 255}},
          {"font_tessaline_19_black", {0, 0, 0, 255}, {63, 63, 63, 255}},
          {"font_tessaline_19_red", {161, 0, 0, 255}, {255, 95, 95, 255}},
          {"font_tessaline_28", {0, 0, 0, 255}, {255, 255, 255, 255}}}) {
        SCOPED_TRACE(name);
        const Font font(name);
        // The game names the atlas after the font; the description agrees.
        EXPECT_NE(font.description.find("Bitmap=" + name + ".png"), std::string::npos);
        ASSERT_NE(font.atlas, nullptr) << IMG_GetError();
        for (int b = 0x20; b < 256; ++b) {
            if (kUnprintable.find(static_cast<char>(b)) != std::string::npos) {
                continue;
            }
            const std::vector<float> g = font.glyph(b);
            ASSERT_EQ(g.size(), 6u) << "no glyph for byte " << b;
            EXPECT_TRUE(g[X] >= 0 && g[Y] >= 0 && g[W] >= 0 && g[X] + g[W] <= font.atlas->w &&
                        g[Y] + g[H] <= font.atlas->h)
                << b;
            // One cell height keeps every baseline on one line; the pen never
            // moves backwards.
            EXPECT_EQ(g[H], font.glyph('A')[H]) << b;
            EXPECT_GT(g[A] + g[W] + g[C], 0) << b;
            EXPECT_TRUE(name.rfind("font_tessaline_19", 0) != 0 || g == white.glyph(b)) << b;
            // Filtering samples one pixel beyond a glyph's rectangle, so the
            // ring around every glyph must be clear or a neighbour bleeds in.
            for (const SDL_Color& c : font.pixels(b, true)) {
                ASSERT_EQ(c.a, 0) << "beside byte " << b;
            }
        }
        EXPECT_EQ(font.ink(' ').a, 0);
        EXPECT_EQ(font.ink(0xA0).a, 0);
        // Swedish letters, digits, the currency signs and typographic marks the
        // texts use; Windows-1252 bytes.
        for (unsigned char b : std::string(
                 "Aa1?:-\xC5\xC4\xD6\xE5\xE4\xF6\xE9\xFC\xDF\x80\x96\x97\x91\x92\x93\x94\x85")) {
            EXPECT_GT(font.ink(b).a, 128) << "no ink for byte " << b;
        }
        const SDL_Color ink = font.ink('M');
        EXPECT_TRUE(ink.a == 255 && ink.r >= low.r && ink.r <= high.r && ink.g >= low.g &&
                    ink.g <= high.g && ink.b >= low.b && ink.b <= high.b)
            << +ink.r << "," << +ink.g << "," << +ink.b << "," << +ink.a;
    }
}

TEST(SoundContentTest, EffectsAreShortAndAudibleAndMusicLoopsLastHalfAMinuteToAMinute) {
    // (each test runs in a process of its own, so nothing needs closing)
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
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
        EXPECT_TRUE(seconds > 0.02 && seconds < 2.0) << seconds;
        // Not silent, and quiet at both ends so that starting or cutting it
        // does not click.
        const auto [low, high] = std::minmax_element(samples, samples + count);
        EXPECT_GT(std::max(-*low, +*high), 3000);
        EXPECT_LT(std::max(std::abs(samples[0]), std::abs(samples[count - 1])), 300);
        Mix_FreeChunk(chunk);
    }
    for (const char* name : {"apartment", "city", "store1", "store2"}) {
        SCOPED_TRACE(name);
        Mix_Music* music = Mix_LoadMUS((kData + "snd/" + name + ".mp3").c_str());
        ASSERT_NE(music, nullptr) << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MP3);
        const double seconds = Mix_MusicDuration(music);
        EXPECT_TRUE(seconds >= 30.0 && seconds <= 60.0) << seconds;
        Mix_FreeMusic(music);
    }
}
