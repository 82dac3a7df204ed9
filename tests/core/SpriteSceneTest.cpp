#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/Engine.h"
#include "core/Sprite.h"
#include "engine/hge.h"
#include "engine/hgesprite.h"
#include "resource/Encoding.h"
#include "resource/Text.h"

// A scene of overlapping, rotated, flipped and tinted sprites and the Swedish
// test line in each of the game's five fonts, run through the real frame
// loop headless and checked on its screenshot (left in test-work/shots).
namespace {

const char* kFonts[] = {"font.fnt", "font_tessaline_19.fnt", "font_tessaline_19_black.fnt",
                        "font_tessaline_19_red.fnt", "font_tessaline_28.fnt"};

// A 66 x 66 PNG (64 x 64 shown inside the margin): left half one colour,
// right half another.
std::string twoColourPng(uint32_t left, uint32_t right) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 66, 66, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Rect half{0, 0, 33, 66};
    SDL_FillRect(surface, &half, left);
    half.x = 33;
    SDL_FillRect(surface, &half, right);
    std::string bytes(66 * 66 * 4 + 4096, '\0');
    SDL_RWops* out = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    IMG_SavePNG_RW(surface, out, 0);
    bytes.resize(static_cast<size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(surface);
    return bytes;
}

std::string shipped(const std::string& path) {
    return test::readFile(std::string(FISCORA_SOURCE_DIR) + "/data/" + path);
}

struct Pixel {
    int r, g, b;
};

Pixel pixelAt(SDL_Surface* surface, int x, int y) {
    const uint32_t value = static_cast<uint32_t*>(surface->pixels)[y * surface->pitch / 4 + x];
    Uint8 r, g, b;
    SDL_GetRGB(value, surface->format, &r, &g, &b);
    return {r, g, b};
}

std::unique_ptr<Sprite> screenSprite(const std::string& image, float x, float y, float z) {
    auto sprite = std::make_unique<Sprite>(image, hgeVector(66, 66));
    sprite->setMovesWithCam(true);
    sprite->setPosition(hgeVector(x, y));
    sprite->setZ(z);
    return sprite;
}

}  // namespace

TEST(SpriteScene, DepthRotationFlipTintAndEveryFontsSwedishLineLandOnScreen) {
    test::Installation install;
    install.writeSideFile("data/ folders");
    install.addFile("xml", "constants.xml", shipped("xml/constants.xml"));
    install.addFile("gfx", "red.png", twoColourPng(0xFFFF0000, 0xFFFF0000));
    install.addFile("gfx", "green.png", twoColourPng(0xFF00FF00, 0xFF00FF00));
    install.addFile("gfx", "white.png", twoColourPng(0xFFFFFFFF, 0xFFFFFFFF));
    install.addFile("gfx", "halves.png", twoColourPng(0xFFFF0000, 0xFF0000FF));
    install.addFile("gfx", "gui_blank.png", shipped("gfx/gui_blank.png"));
    for (const std::string font : kFonts) {
        install.addFile("fnt", font, shipped("fnt/" + font));
        install.addFile("fnt", font.substr(0, font.size() - 4) + ".png",
                        shipped("fnt/" + font.substr(0, font.size() - 4) + ".png"));
    }
    install.mount();
    test::writeFile("scene.txt", "2 shot scene\n3 quit\n");
    setenv("FISCORA_AUTOPILOT", "scene.txt", 1);
    setenv("FISCORA_SHOTS", "shots", 1);
    setenv("FISCORA_FIXED_DT", "0.016", 1);
    ASSERT_EQ(system("mkdir -p shots && rm -f shots/scene.png"), 0);

    test::LogCapture log;
    Engine* engine = Engine::instance();
    ASSERT_TRUE(engine->init(true));
    {
        // Registered top first, so only the depth sort can put it on top.
        auto top = screenSprite("red.png", 60, 60, 0.2f);
        auto bottom = screenSprite("green.png", 20, 20, 0.1f);
        auto tinted = screenSprite("white.png", 200, 20, 0.1f);
        tinted->setColor(0xFF3050FF);
        auto flipped = screenSprite("halves.png", 320, 20, 0.1f);
        flipped->getSprite()->SetFlip(true, false);
        auto rotated = screenSprite("green.png", 520, 60, 0.1f);
        rotated->setRotation(0.785398f);  // 45 degrees about its centre

        auto panel = std::make_unique<Sprite>("gui_blank.png", hgeVector(802, 402));
        panel->setMovesWithCam(true);
        panel->setHotSpot(0, 0);
        panel->setPosition(hgeVector(0, 200));
        panel->setZ(0.05f);
        const std::string line = W1252(u8"Välkommen! Sälj åäö ÅÄÖ é 1 234:-");
        std::vector<std::unique_ptr<Text>> texts;
        float y = 230;
        for (const char* font : kFonts) {
            texts.push_back(std::make_unique<Text>(font, line));
            texts.back()->setMovesWithCam(true);
            texts.back()->setPosition(hgeVector(40, y));
            texts.back()->setZ(0.5f);
            EXPECT_TRUE(texts.back()->hasFont()) << font;
            y += 60;
        }
        engine->getHge()->System_Start();
    }
    EXPECT_EQ(log.from("Text::validate").size(), 0u);
    EXPECT_EQ(log.countPrefix("[WW] [TextureLoader"), 0);
    Engine::destroy();

    SDL_Surface* shot = IMG_Load("shots/scene.png");
    ASSERT_NE(shot, nullptr);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(shot);
    ASSERT_EQ(rgb->w, 800);
    ASSERT_EQ(rgb->h, 600);
    auto is = [&](int x, int y, int r, int g, int b) {
        const Pixel p = pixelAt(rgb, x, y);
        return std::abs(p.r - r) < 8 && std::abs(p.g - g) < 8 && std::abs(p.b - b) < 8;
    };
    // Sprites hang from their centre: red covers 28..92, green -12..52.
    EXPECT_TRUE(is(45, 45, 255, 0, 0)) << "the deeper-drawn sprite must cover the overlap";
    EXPECT_TRUE(is(5, 5, 0, 255, 0));
    EXPECT_TRUE(is(200, 20, 0x30, 0x50, 0xFF)) << "tint";
    // Flipped: the right half (blue) now shows on the left.
    EXPECT_TRUE(is(300, 20, 0, 0, 255));
    EXPECT_TRUE(is(340, 20, 255, 0, 0));
    // Turned 45 degrees: the corners of the upright box are empty, the tips are not.
    EXPECT_TRUE(is(520, 60, 0, 255, 0));
    EXPECT_TRUE(is(492, 32, 255, 255, 255));
    EXPECT_TRUE(is(520, 60 - 40, 0, 255, 0));

    // Every font left ink along its line: white, black and red glyphs alike.
    const Pixel panelColour = pixelAt(rgb, 790, 590);
    for (int i = 0; i < 5; ++i) {
        const int top = 230 + 60 * i;
        int inked = 0;
        for (int y = top; y < top + 30; ++y) {
            for (int x = 40; x < 560; ++x) {
                const Pixel p = pixelAt(rgb, x, y);
                if (std::abs(p.r - panelColour.r) + std::abs(p.g - panelColour.g) +
                        std::abs(p.b - panelColour.b) >
                    60) {
                    ++inked;
                }
            }
        }
        EXPECT_GT(inked, 500) << kFonts[i];
    }
    SDL_FreeSurface(rgb);
}
