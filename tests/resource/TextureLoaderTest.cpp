#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <tinyxml.h>

#include <string>

#include "TestSupport.h"
#include "engine/hgesprite.h"
#include "resource/TextureLoader.h"

namespace {

// A PNG of the given size, opaque grey.
std::string pngBytes(int width, int height) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, 128, 128, 128, 255));
    std::string bytes(static_cast<size_t>(width * height * 4 + 1024), '\0');
    SDL_RWops* out = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    IMG_SavePNG_RW(surface, out, 0);
    bytes.resize(static_cast<size_t>(SDL_RWtell(out)));
    SDL_RWclose(out);
    SDL_FreeSurface(surface);
    return bytes;
}

struct Cut {
    float x, y, w, h, hotX, hotY;
    HTEXTURE texture;
};

Cut cutOf(const hgeSprite* sprite) {
    Cut cut{};
    sprite->GetTextureRect(&cut.x, &cut.y, &cut.w, &cut.h);
    sprite->GetHotSpot(&cut.hotX, &cut.hotY);
    cut.texture = sprite->GetTexture();
    return cut;
}

class TextureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_install.writeSideFile("data/ folders");
        m_install.addFile("gfx", "wide.png", pngBytes(128, 64));
        m_install.addFile("gfx", "sprite_box.png", pngBytes(64, 64));
        m_install.mount();
        m_engine = std::make_unique<test::HeadlessEngine>();
        ASSERT_TRUE(m_engine->ok());
    }
    void TearDown() override { m_engine.reset(); }

    hgeSprite* fromXml(const std::string& xml) {
        TiXmlDocument doc;
        doc.Parse(xml.c_str());
        return m_loader->createSprite(doc.RootElement(), "sprite_", ".png");
    }

    test::Installation m_install;
    std::unique_ptr<test::HeadlessEngine> m_engine;
    std::unique_ptr<TextureLoader> m_loader = std::make_unique<TextureLoader>();
};

}  // namespace

TEST_F(TextureLoaderTest, EveryCutLeavesAOnePixelMarginAndCentresTheHotSpotUnlessGiven) {
    std::unique_ptr<hgeSprite> boxed(
        fromXml("<image name=\"box\"><size x=\"64\" y=\"64\"/></image>"));
    Cut cut = cutOf(boxed.get());
    EXPECT_NE(cut.texture, 0u);
    EXPECT_EQ(cut.x, 1.0f);
    EXPECT_EQ(cut.y, 1.0f);
    EXPECT_EQ(cut.w, 62.0f);
    EXPECT_EQ(cut.h, 62.0f);
    EXPECT_EQ(cut.hotX, 31.0f);
    EXPECT_EQ(cut.hotY, 31.0f);

    std::unique_ptr<hgeSprite> byAttributes(fromXml("<image name=\"box\" x=\"10\" y=\"20\"/>"));
    cut = cutOf(byAttributes.get());
    EXPECT_EQ(cut.w, 8.0f);
    EXPECT_EQ(cut.h, 18.0f);
    EXPECT_EQ(cut.hotX, 4.0f);
    EXPECT_EQ(cut.hotY, 9.0f);

    std::unique_ptr<hgeSprite> hot(
        fromXml("<image name=\"box\"><size x=\"40\" y=\"30\"/><hotspot x=\"3\" y=\"5\"/></image>"));
    cut = cutOf(hot.get());
    EXPECT_EQ(cut.w, 38.0f);
    EXPECT_EQ(cut.h, 28.0f);
    EXPECT_EQ(cut.hotX, 3.0f);
    EXPECT_EQ(cut.hotY, 5.0f);
}

TEST_F(TextureLoaderTest, AZeroSizeTakesTheTexturesSizeWithAWarning) {
    test::LogCapture log;
    std::unique_ptr<hgeSprite> sprite(m_loader->createSprite("wide.png", false, hgeVector(0, 0)));
    const Cut cut = cutOf(sprite.get());
    EXPECT_EQ(cut.w, 126.0f);
    EXPECT_EQ(cut.h, 62.0f);
    EXPECT_EQ(cut.hotX, 0.0f);
    EXPECT_TRUE(log.has(
        test::logLine("WW", "TextureLoader::validateSize",
                      "no size specified, trying to figure them out but you shouldnt do this")));
}

TEST_F(TextureLoaderTest, AMissingOrUnnamedImageGivesTheBlankSpriteWithAWarning) {
    test::LogCapture log;
    std::unique_ptr<hgeSprite> missing(
        m_loader->createSprite("nothere.png", true, hgeVector(64, 64)));
    std::unique_ptr<hgeSprite> unnamed(m_loader->createSprite("", true, hgeVector(64, 64)));
    for (const hgeSprite* sprite : {missing.get(), unnamed.get()}) {
        const Cut cut = cutOf(sprite);
        EXPECT_EQ(cut.texture, 0u);
        EXPECT_EQ(cut.w, 32.0f);
        EXPECT_EQ(cut.h, 32.0f);
    }
    EXPECT_TRUE(log.has(test::logLine("WW", "TextureLoader::createSprite",
                                      "unable to load texture, creating blank sprite")));
    EXPECT_TRUE(log.has(test::logLine("WW", "TextureLoader::createSprite",
                                      "got no resource file, creating blank sprite")));
}
