#include <gtest/gtest.h>

#include "core/SoundRegistry.h"
#include "core/SoundTestSupport.h"

namespace {

class SoundRegistryTest : public soundtest::SoundTest {};

}  // namespace

TEST_F(SoundRegistryTest, KeysAreTheTableIndexes) {
    const auto& sounds = gameSounds();
    ASSERT_EQ(sounds.size(), 16u);
    for (size_t i = 0; i < sounds.size(); ++i) {
        EXPECT_EQ(sounds[i].key, static_cast<int>(i));
        EXPECT_EQ(sounds[i].music, i >= 12) << sounds[i].file;
    }
}

TEST_F(SoundRegistryTest, RegistersAllSixteenWithTheirPlayers) {
    for (const GameSound& sound : gameSounds()) {
        addSound(sound.file, sound.music ? "tune_a.mp3" : "effect.wav");
    }
    install();
    test::LogCapture log;
    registerGameSounds();
    EXPECT_EQ(log.countPrefix("[EE]"), 0);
    EXPECT_EQ(log.countPrefix("[WW]"), 0);
    SoundPlayer* effects = SoundPlayer::instance();
    StreamPlayer* music = StreamPlayer::instance();
    ASSERT_EQ(effects->size(), 12u);
    ASSERT_EQ(music->size(), 4u);
    for (int key = 0; key < 12; ++key) {
        ASSERT_TRUE(effects->find(key)) << key;
        EXPECT_EQ(effects->find(key)->getType(), audio::MULTIPLE);
    }
    for (int key = 12; key < 16; ++key) {
        ASSERT_TRUE(music->find(key)) << key;
        EXPECT_TRUE(music->find(key)->getRepeat());
    }
    EXPECT_TRUE(log.has(
        test::logLine("DD", "StreamPlayer::load", "loading sound from store2.mp3 as intey 15")));
    effects->play(SoundKey::ButtonClick);
    music->play(SoundKey::CityMusic);
    EXPECT_TRUE(effects->find(SoundKey::ButtonClick)->isPlaying());
    EXPECT_TRUE(music->find(SoundKey::CityMusic)->isPlaying());
}

TEST_F(SoundRegistryTest, MissingFilesOnlyLog) {
    addSound("door.wav", "effect.wav");
    install();
    test::LogCapture log;
    registerGameSounds();
    EXPECT_EQ(log.count(test::logLine("EE", std::string(soundtest::kEffectContext) + "::openFile",
                                      "unable to open sound file, returning null")),
              11);
    EXPECT_EQ(log.count(test::logLine("EE", std::string(soundtest::kStreamContext) + "::openFile",
                                      "unable to open sound file, returning null")),
              4);
    EXPECT_EQ(SoundPlayer::instance()->size(), 1u);
    EXPECT_TRUE(SoundPlayer::instance()->find(SoundKey::Door));
    EXPECT_EQ(StreamPlayer::instance()->size(), 0u);
}
