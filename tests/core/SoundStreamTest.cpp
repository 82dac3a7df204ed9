#include <gtest/gtest.h>

#include "core/SoundTestSupport.h"
#include "core/StreamPlayer.h"

namespace {

const int kTown = 13;
const int kShop = 14;
const int kBank = 15;

// The town, one shop and the bank, each with its own track.
class SoundStreamTest : public soundtest::SoundTest {
protected:
    void SetUp() override {
        addSound("city.mp3", "tune_a.mp3");
        addSound("store1.mp3", "tune_b.mp3");
        addSound("store2.mp3", "tune_b.mp3");
        install();
        m_music = StreamPlayer::instance();
        m_music->load(kTown, "city.mp3", audio::FF_MP3);
        m_music->load(kShop, "store1.mp3", audio::FF_MP3);
        m_music->load(kBank, "store2.mp3", audio::FF_MP3);
        ASSERT_EQ(m_music->size(), 3u);
    }

    bool playing(int key) { return m_music->find(key)->isPlaying(); }
    double position(int key) { return m_music->find(key)->getPosition(); }
    // Stands for time passing in a state.
    void advance(int key, double seconds) { m_music->find(key)->setPosition(seconds); }

    StreamPlayer* m_music = nullptr;
};

}  // namespace

TEST_F(SoundStreamTest, MusicLoopsForever) {
    for (int key : {kTown, kShop, kBank}) {
        EXPECT_TRUE(m_music->find(key)->getRepeat());
    }
}

TEST_F(SoundStreamTest, TownFlatTownResumesTheTownMusic) {
    m_music->play(kTown);
    ASSERT_TRUE(playing(kTown));
    advance(kTown, 3.0);
    // The flat stops the current track and leaves `current` alone.
    m_music->stop(m_music->getCurrent());
    EXPECT_FALSE(playing(kTown));
    EXPECT_EQ(m_music->getCurrent(), kTown);
    EXPECT_GE(position(kTown), 3.0);

    m_music->play(kTown);
    EXPECT_TRUE(playing(kTown));
    EXPECT_GE(position(kTown), 3.0 - 0.05);
}

TEST_F(SoundStreamTest, TownBankTownSwitchesAndResumes) {
    m_music->play(kTown);
    advance(kTown, 2.0);
    m_music->play(kBank);
    EXPECT_FALSE(playing(kTown));
    EXPECT_TRUE(playing(kBank));
    EXPECT_EQ(m_music->getCurrent(), kBank);

    m_music->play(kTown);
    EXPECT_TRUE(playing(kTown));
    EXPECT_FALSE(playing(kBank));
    EXPECT_EQ(m_music->getCurrent(), kTown);
    EXPECT_GE(position(kTown), 2.0 - 0.05);
}

TEST_F(SoundStreamTest, PlayingTheCurrentTrackAgainDoesNotRestartIt) {
    m_music->play(kShop);
    advance(kShop, 4.0);
    m_music->play(kShop);
    EXPECT_TRUE(playing(kShop));
    EXPECT_GE(position(kShop), 4.0 - 0.05);
}

TEST_F(SoundStreamTest, MutingLetsTheTrackPlayOnUntilTheNextChange) {
    m_music->play(kTown);
    m_music->setMuted(true);
    EXPECT_TRUE(playing(kTown));
    m_music->play(kTown);
    EXPECT_TRUE(playing(kTown));

    // Entering the bank stops the town music and starts nothing.
    m_music->play(kBank);
    EXPECT_FALSE(playing(kTown));
    EXPECT_FALSE(playing(kBank));
    EXPECT_EQ(m_music->getCurrent(), kTown);
    m_music->play(kTown);
    EXPECT_FALSE(playing(kTown));

    m_music->setMuted(false);
    m_music->play(kTown);
    EXPECT_TRUE(playing(kTown));
}

TEST_F(SoundStreamTest, UnmutingThenEnteringTheSameStateResumesThere) {
    m_music->play(kBank);
    advance(kBank, 2.5);
    m_music->setMuted(true);
    m_music->play(kShop);  // stops the bank, keeps `current`
    EXPECT_EQ(m_music->getCurrent(), kBank);
    m_music->setMuted(false);
    m_music->play(kBank);
    EXPECT_TRUE(playing(kBank));
    EXPECT_GE(position(kBank), 2.5 - 0.05);
}

TEST_F(SoundStreamTest, UnregisteredTrackWarnsAndSilencesTheCurrentOne) {
    m_music->play(kTown);
    test::LogCapture log;
    m_music->play(12);
    EXPECT_TRUE(log.has(test::logLine("WW", std::string(soundtest::kStreamContext) + "::exists",
                                      "no sound with key 12 found")));
    EXPECT_FALSE(playing(kTown));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}
