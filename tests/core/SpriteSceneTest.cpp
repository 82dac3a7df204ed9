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
#include "core/states/StateTestSupport.h"
#include "engine/hge.h"
#include "engine/hgesprite.h"
#include "resource/Encoding.h"
#include "resource/Text.h"

// A scene of overlapping, rotated, flipped and tinted sprites and the Swedish
// test line in each of the game's five fonts, run through the real frame
// loop headless and checked on its screenshot (left in the test's shots/).
namespace {

const char* kFonts[] = {"font", "font_tessaline_19", "font_tessaline_19_black",
                        "font_tessaline_19_red", "font_tessaline_28"};

// Writes gfx/<name>, a 66 x 66 PNG (64 x 64 shown inside the margin): left
// half one colour, right half another.
void writePng(const test::Installation& install, const char* name, uint32_t left, uint32_t right) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 66, 66, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Rect half{0, 0, 33, 66};
    SDL_FillRect(surface, &half, left);
    half.x = 33;
    SDL_FillRect(surface, &half, right);
    IMG_SavePNG(surface, (install.folder("gfx") + "/" + name).c_str());
    SDL_FreeSurface(surface);
}

// A screen-fixed sprite hanging from its centre.
std::unique_ptr<Sprite> sprite(const std::string& image, float x, float y, float z = 0.1f,
                               const hgeVector& size = hgeVector(66, 66)) {
    auto sprite = std::make_unique<Sprite>(image, size);
    sprite->setMovesWithCam(true);
    sprite->setPosition(hgeVector(x, y));
    sprite->setZ(z);
    return sprite;
}

}  // namespace

TEST(SpriteScene, DepthRotationFlipTintAndEveryFontsSwedishLineLandOnScreen) {
    test::Installation install;
    statetest::installShipped(install);
    writePng(install, "green.png", 0xFF00FF00, 0xFF00FF00);
    writePng(install, "halves.png", 0xFFFF0000, 0xFF0000FF);
    install.mount();
    test::writeFile("scene.txt", "2 shot scene\n3 quit\n");
    setenv("FISCORA_AUTOPILOT", "scene.txt", 1);
    setenv("FISCORA_SHOTS", "shots", 1);
    setenv("FISCORA_FIXED_DT", "0.016", 1);

    test::LogCapture log;
    ASSERT_TRUE(Engine::instance()->init(true));
    {
        // Registered top first, so only the depth sort can put it on top.
        auto top = sprite("halves.png", 60, 60, 0.2f);
        auto bottom = sprite("green.png", 20, 20);
        auto tinted = sprite("green.png", 200, 20);
        tinted->setColor(0xFF3050FF);
        auto flipped = sprite("halves.png", 320, 20);
        flipped->getSprite()->SetFlip(true, false);
        auto rotated = sprite("green.png", 520, 60);
        rotated->setRotation(0.785398f);  // 45 degrees about its centre

        auto panel = sprite("gui_blank.png", 0, 200, 0.05f, hgeVector(802, 402));
        panel->setHotSpot(0, 0);
        std::vector<std::unique_ptr<Text>> texts;
        for (const std::string font : kFonts) {
            texts.push_back(std::make_unique<Text>(font + ".fnt",
                                                   W1252(u8"Välkommen! Sälj åäö ÅÄÖ é 1 234:-")));
            texts.back()->setMovesWithCam(true);
            texts.back()->setPosition(hgeVector(40, 230 + 60 * (texts.size() - 1)));
            texts.back()->setZ(0.5f);
            EXPECT_TRUE(texts.back()->hasFont()) << font;
        }
        Engine::instance()->getHge()->System_Start();
    }
    EXPECT_TRUE(log.from("Text::validate").empty() && !log.countPrefix("[WW] [TextureLoader"));
    Engine::destroy();

    SDL_Surface* shot = IMG_Load("shots/scene.png");
    ASSERT_NE(shot, nullptr);
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(shot, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(shot);
    ASSERT_TRUE(rgb->w == 800 && rgb->h == 600);
    // How far the pixel at (x, y) is from the colour 0xRRGGBB.
    auto distance = [&](int x, int y, uint32_t colour) {
        const uint32_t p = static_cast<uint32_t*>(rgb->pixels)[y * rgb->pitch / 4 + x];
        int sum = 0;
        for (int shift : {16, 8, 0}) {
            sum += std::abs(static_cast<int>((p >> shift & 0xFF) - (colour >> shift & 0xFF)));
        }
        return sum;
    };
    struct Probe {
        int x, y;
        uint32_t colour;
        const char* why;
    } probes[] = {{45, 45, 0xFF0000, "the deeper-drawn sprite's left half covers the overlap"},
                  {5, 5, 0x00FF00, "the lower sprite outside the overlap"},
                  {200, 20, 0x005000, "the tint takes the green down"},
                  {300, 20, 0x0000FF, "flipped: the right half shows on the left"},
                  {340, 20, 0xFF0000, "flipped: the left half shows on the right"},
                  {520, 60, 0x00FF00, "turned 45 degrees: its centre"},
                  {492, 32, 0xFFFFFF, "turned: a corner of the upright box is empty"},
                  {520, 20, 0x00FF00, "turned: a tip reaches beyond the upright box"}};
    for (const Probe& probe : probes) {
        EXPECT_LT(distance(probe.x, probe.y, probe.colour), 8) << probe.why;
    }
    // Every font left ink along its line: white, black and red glyphs alike.
    const uint32_t panel = static_cast<uint32_t*>(rgb->pixels)[590 * rgb->pitch / 4 + 790];
    for (int i = 0; i < 5; ++i) {
        int inked = 0;
        for (int y = 230 + 60 * i; y < 260 + 60 * i; ++y) {
            for (int x = 40; x < 560; ++x) {
                inked += distance(x, y, panel) > 60;
            }
        }
        EXPECT_GT(inked, 500) << kFonts[i];
    }
    SDL_FreeSurface(rgb);
}
