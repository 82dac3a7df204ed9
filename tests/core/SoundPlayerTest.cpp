#include <gtest/gtest.h>

#include "core/SoundPlayer.h"
#include "core/SoundTestSupport.h"
#include "core/StreamPlayer.h"

using soundtest::kEffectContext;
using soundtest::kStreamContext;

namespace {

class SoundPlayerTest : public soundtest::SoundTest {};

std::string context(const char* base, const char* method) {
    return std::string(base) + "::" + method;
}

}  // namespace

TEST_F(SoundPlayerTest, LoadLogsTheFileAndKeyAndPlaysOverlap) {
    addSound("click.wav", "effect.wav");
    install();
    test::LogCapture log;
    SoundPlayer* player = SoundPlayer::instance();
    player->load(3, "click.wav", audio::MULTIPLE, audio::FF_WAV);
    EXPECT_TRUE(log.has(
        test::logLine("DD", "SoundPlayer::load", "loading sound from click.wav as intey 3")));
    ASSERT_TRUE(player->find(3));
    EXPECT_TRUE(player->holdsFile("click.wav"));
    player->play(3);
    player->play(3);
    EXPECT_EQ(player->find(3)->getPlayingCount(), 2);
    player->stop(3);
    EXPECT_EQ(soundingChannels(), 0);
}

TEST_F(SoundPlayerTest, UnregisteredKeyWarnsOnEveryCallAndPlaysNothing) {
    addSound("click.wav", "effect.wav");
    install();
    SoundPlayer* player = SoundPlayer::instance();
    player->load(0, "click.wav", audio::MULTIPLE, audio::FF_WAV);
    test::LogCapture log;
    player->play(7);
    player->play(7);
    player->stop(7);
    player->setVolume(7, 0.5f);
    const std::string warning =
        test::logLine("WW", context(kEffectContext, "exists"), "no sound with key 7 found");
    EXPECT_EQ(log.count(warning), 4);
    EXPECT_EQ(log.lines().size(), 4u);
    EXPECT_EQ(soundingChannels(), 0);
    EXPECT_FALSE(player->exists(7));
    EXPECT_TRUE(player->exists(0));
}

TEST_F(SoundPlayerTest, MissingFileLeavesTheKeyEmpty) {
    install();
    test::LogCapture log;
    SoundPlayer::instance()->load(4, "nothere.wav", audio::MULTIPLE, audio::FF_WAV);
    StreamPlayer::instance()->load(13, "nothere.mp3", audio::FF_MP3);
    EXPECT_TRUE(log.has(test::logLine("EE", context(kEffectContext, "openFile"),
                                      "unable to open sound file, returning null")));
    EXPECT_TRUE(log.has(test::logLine("EE", context(kStreamContext, "openFile"),
                                      "unable to open sound file, returning null")));
    // Nothing reached the table, not even a null.
    EXPECT_EQ(log.countPrefix("[EE] [" + context(kEffectContext, "storeSound")), 0);
    EXPECT_EQ(SoundPlayer::instance()->size(), 0u);
    EXPECT_EQ(StreamPlayer::instance()->size(), 0u);
    EXPECT_FALSE(SoundPlayer::instance()->holdsFile("nothere.wav"));
    log.take();
    SoundPlayer::instance()->play(4);
    EXPECT_TRUE(log.has(
        test::logLine("WW", context(kEffectContext, "exists"), "no sound with key 4 found")));
}

TEST_F(SoundPlayerTest, UndecodableFileIsNotStored) {
    addSound("broken.wav", "garbage.bin");
    addSound("broken.mp3", "garbage.bin");
    addSound("mislabelled.wav", "tune_a.mp3");
    install();
    test::LogCapture log;
    SoundPlayer::instance()->load(1, "broken.wav", audio::MULTIPLE, audio::FF_WAV);
    SoundPlayer::instance()->load(2, "mislabelled.wav", audio::MULTIPLE, audio::FF_WAV);
    StreamPlayer::instance()->load(14, "broken.mp3", audio::FF_MP3);
    const std::string effectNull =
        test::logLine("EE", context(kEffectContext, "storeSound"), "got null value, wont store");
    EXPECT_EQ(log.count(effectNull), 2);
    EXPECT_TRUE(log.has(
        test::logLine("EE", context(kStreamContext, "storeSound"), "got null value, wont store")));
    EXPECT_EQ(SoundPlayer::instance()->size(), 0u);
    EXPECT_EQ(StreamPlayer::instance()->size(), 0u);
}

TEST_F(SoundPlayerTest, StoreSoundReplacesAnEntryAndRefusesNull) {
    addSound("click.wav", "effect.wav");
    addSound("other.wav", "effect.wav");
    install();
    SoundPlayer* player = SoundPlayer::instance();
    player->load(5, "click.wav", audio::MULTIPLE, audio::FF_WAV);
    const audio::SoundEffectPtr first = player->find(5);
    player->load(5, "other.wav", audio::MULTIPLE, audio::FF_WAV);
    ASSERT_TRUE(player->find(5));
    EXPECT_NE(player->find(5), first);
    player->storeSound(5, nullptr);
    EXPECT_TRUE(player->find(5));
    EXPECT_EQ(player->size(), 1u);
}

TEST_F(SoundPlayerTest, MutingStopsNothingButStartsNothing) {
    addSound("click.wav", "effect.wav");
    install();
    SoundPlayer* player = SoundPlayer::instance();
    player->load(0, "click.wav", audio::MULTIPLE, audio::FF_WAV);
    player->play(0);
    player->setMuted(true);
    EXPECT_TRUE(player->isMuted());
    EXPECT_EQ(player->find(0)->getPlayingCount(), 1);
    player->play(0);
    EXPECT_EQ(player->find(0)->getPlayingCount(), 1);
    player->setMuted(false);
    player->play(0);
    EXPECT_EQ(player->find(0)->getPlayingCount(), 2);
}

TEST_F(SoundPlayerTest, DisabledPlayersLoadButNeverStart) {
    addSound("click.wav", "effect.wav");
    addSound("city.mp3", "tune_a.mp3");
    addSound("store2.mp3", "tune_b.mp3");
    install(false, false);
    SoundPlayer* effects = SoundPlayer::instance();
    StreamPlayer* music = StreamPlayer::instance();
    EXPECT_FALSE(effects->isEnabled());
    EXPECT_FALSE(music->isEnabled());
    effects->load(0, "click.wav", audio::MULTIPLE, audio::FF_WAV);
    music->load(13, "city.mp3", audio::FF_MP3);
    music->load(15, "store2.mp3", audio::FF_MP3);
    ASSERT_EQ(effects->size(), 1u);
    ASSERT_EQ(music->size(), 2u);
    effects->play(0);
    music->play(13);
    music->play(15);
    music->play(13);
    EXPECT_EQ(soundingChannels(), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(SoundPlayerTest, EnabledFollowsEachPlayersOwnConstant) {
    install(true, false);
    EXPECT_TRUE(SoundPlayer::instance()->isEnabled());
    EXPECT_FALSE(StreamPlayer::instance()->isEnabled());
}

TEST_F(SoundPlayerTest, ReleasedMusicBytesDoNotBreakTheStream) {
    addSound("city.mp3", "tune_a.mp3");
    install();
    StreamPlayer* music = StreamPlayer::instance();
    music->load(13, "city.mp3", audio::FF_MP3);
    music->release("city.mp3");
    EXPECT_FALSE(music->holdsFile("city.mp3"));
    music->play(13);
    ASSERT_TRUE(music->find(13));
    music->find(13)->setPosition(5.0);
    EXPECT_TRUE(music->find(13)->isPlaying());
}

TEST_F(SoundPlayerTest, StopAllAndClear) {
    addSound("click.wav", "effect.wav");
    addSound("buy.wav", "effect.wav");
    install();
    SoundPlayer* player = SoundPlayer::instance();
    player->load(0, "click.wav", audio::MULTIPLE, audio::FF_WAV);
    player->load(1, "buy.wav", audio::MULTIPLE, audio::FF_WAV);
    player->play(0);
    player->play(1);
    player->play(1);
    ASSERT_EQ(soundingChannels(), 3);
    player->stopAll();
    EXPECT_EQ(soundingChannels(), 0);
    player->play(1);
    player->clear();
    EXPECT_EQ(soundingChannels(), 0);
    EXPECT_EQ(player->size(), 0u);
    EXPECT_FALSE(player->holdsFile("click.wav"));
    EXPECT_FALSE(player->holdsFile("buy.wav"));
}

TEST_F(SoundPlayerTest, WithoutAnAudioOutputSoundsRegisterAndStaySilent) {
    addSound("click.wav", "effect.wav");
    addSound("city.mp3", "tune_a.mp3");
    install();
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string restore = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    test::LogCapture log;
    SoundPlayer::instance()->load(0, "click.wav", audio::MULTIPLE, audio::FF_WAV);
    StreamPlayer::instance()->load(13, "city.mp3", audio::FF_MP3);
    EXPECT_EQ(log.countPrefix("[EE] [audio::Device::Device]"), 1);
    EXPECT_EQ(SoundPlayer::instance()->size(), 1u);
    EXPECT_EQ(StreamPlayer::instance()->size(), 1u);
    SoundPlayer::instance()->play(0);
    StreamPlayer::instance()->play(13);
    EXPECT_FALSE(SoundPlayer::instance()->find(0)->isPlaying());
    EXPECT_FALSE(StreamPlayer::instance()->find(13)->isPlaying());
    SoundPlayer::destroy();
    StreamPlayer::destroy();
    if (previous) {
        setenv("SDL_AUDIODRIVER", restore.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}
