#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "engine/hge.h"
#include "resource/ResourceManager.h"

namespace {

const char* const kTex = "resource::Manager::getTexture";

resource::Manager* manager() {
    return resource::Manager::instance();
}

}  // namespace

TEST(ResourceTexture, AnImageBecomesATextureOnceAndIsThenServedFromTheCache) {
    test::Installation install;
    install.addFixture("gfx", "tiny.png", "resource/tiny.png");
    install.mount();
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    test::LogCapture log;

    const int32_t size =
        static_cast<int32_t>(test::readFile(test::fixturePath("resource/tiny.png")).size());
    HTEXTURE texture = 0;
    EXPECT_EQ(manager()->getTexture("tiny.png", texture), size);
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(engine.hge()->Texture_GetWidth(texture, true), 4);
    EXPECT_EQ(engine.hge()->Texture_GetHeight(texture, true), 2);
    EXPECT_TRUE(
        log.has(test::logLine("DD", kTex, "texture tiny.png not yet loaded, doing so now")));

    log.take();
    HTEXTURE again = 0;
    EXPECT_EQ(manager()->getTexture("tiny.png", again), size);
    EXPECT_EQ(again, texture);
    EXPECT_EQ(log.take(), std::vector<std::string>{
                              test::logLine("DD", kTex, "returning cached contents of tiny.png")});
}

TEST(ResourceTexture, TexturesLoadFromZipArchives) {
    test::Installation install(".", "encrypted");
    install.addFixture("gfx", "tiny.png", "resource/tiny.png");
    ASSERT_TRUE(install.packAll());
    install.mount();
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());

    HTEXTURE texture = 0;
    EXPECT_GT(manager()->getTexture("tiny.png", texture), 0);
    ASSERT_NE(texture, 0u);
    EXPECT_EQ(engine.hge()->Texture_GetWidth(texture, true), 4);
}

TEST(ResourceTexture, FailuresAreRetriedButAnEmptyFileIsCached) {
    test::Installation install;
    install.addFile("gfx", "garbage.png", "this is not an image");
    install.addFile("gfx", "empty.png", "");
    install.mount();
    test::HeadlessEngine engine;
    ASSERT_TRUE(engine.ok());
    test::LogCapture log;

    HTEXTURE texture = 7;
    EXPECT_EQ(manager()->getTexture("missing.png", texture), 0);
    EXPECT_EQ(texture, 0u);
    EXPECT_TRUE(log.has(test::logLine("EE", kTex, "unable to file handle for missing.png")));

    texture = 7;
    EXPECT_EQ(manager()->getTexture("garbage.png", texture), 0);
    EXPECT_EQ(texture, 0u);
    EXPECT_TRUE(log.has(test::logLine("EE", kTex, "unable to load texture garbage.png")));

    // Neither miss was cached: the next request tries the file again.
    log.take();
    manager()->getTexture("missing.png", texture);
    manager()->getTexture("garbage.png", texture);
    EXPECT_EQ(log.countPrefix(test::logLine("DD", kTex, "texture ")), 2);

    // An empty file is cached as (0, 0) after one error.
    log.take();
    EXPECT_EQ(manager()->getTexture("empty.png", texture), 0);
    EXPECT_EQ(texture, 0u);
    EXPECT_TRUE(log.has(test::logLine("EE", kTex, "length Read is 0")));
    log.take();
    manager()->getTexture("empty.png", texture);
    EXPECT_EQ(log.take(), std::vector<std::string>{
                              test::logLine("DD", kTex, "returning cached contents of empty.png")});
}
