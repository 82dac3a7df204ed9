#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>
#include <string>

#include "TestSupport.h"
#include "engine/hgesprite.h"
#include "resource/TextureLoader.h"

namespace {

// A 128 x 64 PNG, opaque grey: wider than high, so a swapped size shows.
std::string widePng() {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 128, 64, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, 128, 128, 128, 255));
    std::string bytes(128 * 64 * 4 + 1024, '\0');
    SDL_RWops* out = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    IMG_SavePNG_RW(surface, out, 0);
    bytes.resize(static_cast<size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(surface);
    return bytes;
}

class TextureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_install.addFile("gfx", "sprite_box.png", widePng());
        m_install.mount();
        m_engine = std::make_unique<test::HeadlessEngine>();
        ASSERT_TRUE(m_engine->ok());
    }

    test::Installation m_install;
    std::unique_ptr<test::HeadlessEngine> m_engine;
    // Deleted through the pointer, as the game does.
    std::unique_ptr<TextureLoader> m_loader = std::make_unique<TextureLoader>();
};

}  // namespace

TEST_F(TextureLoaderTest, EveryCutLeavesAOnePixelMarginAndCentresTheHotSpotUnlessGiven) {
    struct Case {
        const char* xml;
        float margin, w, h, hotX, hotY;
        const char* warning;
    };
    const Case cases[] = {
        {"<image name=\"box\"><size x=\"64\" y=\"64\"/></image>", 1, 62, 62, 31, 31, nullptr},
        {"<image name=\"box\" x=\"10\" y=\"20\"/>", 1, 8, 18, 4, 9, nullptr},
        {"<image name=\"box\"><size x=\"40\" y=\"30\"/><hotspot x=\"3\" y=\"5\"/></image>", 1, 38,
         28, 3, 5, nullptr},
        // No size: the texture's own, with a warning.
        {"<image name=\"box\"><hotspot x=\"0\" y=\"0\"/></image>", 1, 126, 62, 0, 0,
         "[WW] [TextureLoader::validateSize]\t\tno size specified, trying to figure them out but "
         "you shouldnt do this"},
        // A missing image or none at all gives the blank sprite.
        {"<image name=\"nothere\" x=\"64\" y=\"64\"/>", 0, 32, 32, 0, 0,
         "[WW] [TextureLoader::createSprite]\t\tunable to load texture, creating blank sprite"},
        {nullptr, 0, 32, 32, 0, 0,
         "[WW] [TextureLoader::createSprite]\t\tgot no resource file, creating blank sprite"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml ? c.xml : "no file");
        test::LogCapture log;
        TiXmlDocument doc;
        doc.Parse(c.xml ? c.xml : "");
        std::unique_ptr<hgeSprite> sprite(
            c.xml ? m_loader->createSprite(doc.RootElement(), "sprite_", ".png")
                  : m_loader->createSprite("", true, hgeVector(64, 64)));
        float x, y, w, h, hotX, hotY;
        sprite->GetTextureRect(&x, &y, &w, &h);
        sprite->GetHotSpot(&hotX, &hotY);
        EXPECT_EQ(sprite->GetTexture() != 0, c.margin == 1);
        EXPECT_EQ(x, c.margin);
        EXPECT_EQ(y, c.margin);
        EXPECT_EQ(w, c.w);
        EXPECT_EQ(h, c.h);
        EXPECT_EQ(hotX, c.hotX);
        EXPECT_EQ(hotY, c.hotY);
        EXPECT_TRUE(!c.warning || log.has(c.warning));
    }
}
