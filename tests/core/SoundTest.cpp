// The audio layer over SDL_mixer, the effect and music players and the game's
// sound table. Every test has an installation of its own with sounds under snd/.
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "core/SoundPlayer.h"
#include "core/SoundRegistry.h"
#include "core/StreamPlayer.h"
#include "core/audio/Audio.h"

using namespace audio;

namespace {

// The log contexts of the two sound tables, as the original game wrote them.
const std::string kEffects = "SoundBase<int,class audiere::RefPtr<class audiere::SoundEffect> >::";
const std::string kStreams = "SoundBase<int,class audiere::RefPtr<class audiere::OutputStream> >::";
const std::string kNoFile = "unable to open sound file, returning null";
const int kTown = 13, kShop = 14, kBank = 15;

BytesPtr fixtureBytes(const std::string& name) {
    const std::string bytes = test::readFile(test::fixturePath("sound/" + name));
    return std::make_shared<Bytes>(bytes.begin(), bytes.end());
}

SampleSourcePtr source(const BytesPtr& bytes, FileFormat format) {
    return OpenSampleSource(CreateMemoryFile(bytes), format);
}

class Sound : public ::testing::Test {
protected:
    // The players go, so that the next test (or case), even in this process,
    // starts with fresh ones.
    void TearDown() override {
        SoundPlayer::destroy();
        StreamPlayer::destroy();
        test::Installation::unmount();
        setenv("SDL_AUDIODRIVER", m_driver.c_str(), 1);
    }

    // Mounts the installation with the two sound switches and the sound
    // fixtures, then loads the click as effect 0 and the tracks of the town
    // (mp3), a shop (ogg) and the bank (another mp3).
    void start(bool soundOn = true, bool musicOn = true) {
        m_install.addFile("xml", "constants.xml",
                          std::string("<f><Constants soundEnabled=\"") + (soundOn ? "yes" : "no") +
                              "\" musicEnabled=\"" + (musicOn ? "yes" : "no") + "\"/></f>");
        const char* files[][2] = {{"click.wav", "effect.wav"},   {"buy.wav", "effect.wav"},
                                  {"city.mp3", "tune_a.mp3"},    {"store1.ogg", "tune_a.ogg"},
                                  {"store2.mp3", "tune_b.mp3"},  {"broken.wav", "garbage.bin"},
                                  {"broken.mp3", "garbage.bin"}, {"mislabelled.wav", "tune_a.mp3"}};
        for (const auto& file : files) {
            m_install.addFixture("snd", file[0], std::string("sound/") + file[1]);
        }
        m_install.mount();
        fx = SoundPlayer::instance();
        music = StreamPlayer::instance();
        fx->load(0, "click.wav", MULTIPLE, FF_WAV);
        music->load(kTown, "city.mp3", FF_MP3);
        music->load(kShop, "store1.ogg", FF_OGG);
        music->load(kBank, "store2.mp3", FF_MP3);
    }

    bool playing(int key) { return music->find(key)->isPlaying(); }
    double position(int key) { return music->find(key)->getPosition(); }
    // Stands for time passing in a state.
    void advance(int key, double seconds) { music->find(key)->setPosition(seconds); }

    const std::string m_driver = std::getenv("SDL_AUDIODRIVER");
    test::Installation m_install;
    SoundPlayer* fx = nullptr;
    StreamPlayer* music = nullptr;
};

}  // namespace

TEST_F(Sound, FormatsAreFoundOutAndAStreamKeepsItsBytesAndItsPlaceWhenAnotherPlays) {
    // The players ask for a format; here it is found out.
    for (auto [file, format] :
         {std::pair{"effect.wav", FF_WAV}, {"tune_a.mp3", FF_MP3}, {"tune_a.ogg", FF_OGG}}) {
        SampleSourcePtr found = source(fixtureBytes(file), FF_AUTODETECT);
        EXPECT_EQ(found ? found->getFormat() : FF_AUTODETECT, format) << file;
    }
    EXPECT_FALSE(source(fixtureBytes("garbage.bin"), FF_AUTODETECT) ||
                 source(std::make_shared<Bytes>(), FF_AUTODETECT) ||
                 OpenSampleSource(nullptr, FF_WAV));

    DevicePtr device = OpenDevice();
    ASSERT_TRUE(device->isOpen() && OpenDevice() == device) << "one shared device";
    BytesPtr bytes = fixtureBytes("tune_a.mp3");
    std::weak_ptr<const Bytes> watch = bytes;
    OutputStreamPtr first = OpenSound(device, source(bytes, FF_MP3), true);
    OutputStreamPtr second = OpenSound(device, source(fixtureBytes("tune_b.mp3"), FF_MP3));
    ASSERT_TRUE(first && second);
    bytes.reset();
    EXPECT_FALSE(watch.expired());
    first->play();
    first->setPosition(4.0);
    EXPECT_TRUE(first->isPlaying());
    second->play();
    EXPECT_TRUE(second->isPlaying() && !first->isPlaying());
    EXPECT_GE(first->getPosition(), 4.0);
    first.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(Sound, EffectsOverlapOrRestartAndStopOnlyTheirOwnChannels) {
    start();
    fx->load(1, "buy.wav", SINGLE, FF_WAV);
    for (int key : {0, 0, 1, 1}) {
        fx->play(key);
    }
    EXPECT_EQ(fx->find(0)->getPlayingCount(), 2);
    EXPECT_EQ(fx->find(1)->getPlayingCount(), 1) << "a single effect restarts";
    fx->stop(1);
    EXPECT_TRUE(fx->find(1)->getPlayingCount() == 0 && fx->find(0)->getPlayingCount() == 2)
        << "a stop ends its own effect's plays only";

    // Effects are decoded whole: dropping the file's bytes changes nothing.
    fx->release("click.wav");
    EXPECT_FALSE(fx->holdsFile("click.wav"));
    for (int key : {0, 0, 1}) {
        fx->play(key);
    }
    ASSERT_EQ(Mix_Playing(-1), 5);
    fx->stopAll();
    EXPECT_EQ(Mix_Playing(-1), 0);
    fx->play(1);
    fx->clear();
    EXPECT_TRUE(Mix_Playing(-1) == 0 && fx->size() == 0 && !fx->holdsFile("buy.wav"));
}

TEST_F(Sound, UnknownKeysWarnAndMissingOrBrokenFilesStoreNothing) {
    // RIFF/WAVE passes the format check but holds no audio chunk.
    m_install.addFile("snd", "riff.wav", std::string("RIFF\x24\0\0\0WAVEjunk\x04\0\0\0abcd", 24));
    start();
    test::LogCapture log;
    fx->load(4, "nothere.wav", MULTIPLE, FF_WAV);
    music->load(12, "nothere.mp3", FF_MP3);
    fx->load(1, "broken.wav", MULTIPLE, FF_WAV);
    fx->load(2, "mislabelled.wav", MULTIPLE, FF_WAV);
    fx->load(3, "riff.wav", MULTIPLE, FF_WAV);
    music->load(12, "broken.mp3", FF_MP3);
    music->load(12, "riff.wav", FF_WAV);
    // A missing file never reaches the table, not even as a null.
    const std::string null = "got null value, wont store";
    EXPECT_EQ(log.count(test::logLine("EE", kEffects + "openFile", kNoFile)), 1);
    EXPECT_EQ(log.count(test::logLine("EE", kStreams + "openFile", kNoFile)), 1);
    EXPECT_EQ(log.count(test::logLine("EE", kEffects + "storeSound", null)), 3);
    EXPECT_EQ(log.count(test::logLine("EE", kStreams + "storeSound", null)), 2);
    EXPECT_EQ(fx->size() + music->size(), 4u);

    // A new load replaces an entry; a null never does.
    const SoundEffectPtr first = fx->find(0);
    fx->load(0, "click.wav", MULTIPLE, FF_WAV);
    EXPECT_NE(fx->find(0), first);
    fx->storeSound(0, nullptr);
    EXPECT_TRUE(fx->find(0) && fx->exists(0));

    log.take();
    for (int key : {4, 4}) {
        fx->play(key);
    }
    fx->stop(4);
    fx->setVolume(4, 0.5f);
    EXPECT_EQ(log.take(), std::vector<std::string>(4, test::logLine("WW", kEffects + "exists",
                                                                    "no sound with key 4 found")));
    // An unknown track still silences the current one.
    music->play(kTown);
    music->play(12);
    EXPECT_TRUE(log.has(test::logLine("WW", kStreams + "exists", "no sound with key 12 found")));
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(Sound, SwitchedOffOrWithoutAnOutputPlayersLoadButStartNothing) {
    struct Case {
        bool soundOn, musicOn, output;
    } cases[] = {{true, false, true}, {false, true, true}, {true, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.soundOn << c.musicOn << c.output);
        test::LogCapture log;
        setenv("SDL_AUDIODRIVER", c.output ? m_driver.c_str() : "no-such-driver", 1);
        start(c.soundOn, c.musicOn);
        EXPECT_EQ(log.countPrefix("[EE] [audio::Device::Device]"), c.output ? 0 : 1);
        EXPECT_TRUE(fx->isEnabled() == c.soundOn && music->isEnabled() == c.musicOn);
        ASSERT_EQ(fx->size() + music->size(), 4u);
        EXPECT_EQ(fx->find(0)->isSilent() && music->find(kTown)->isSilent(), !c.output);
        fx->play(0);
        for (int key : {kTown, kBank, kTown}) {
            music->play(key);
        }
        fx->setVolume(0, 0.5f);
        music->setVolume(kTown, 0.5f);
        EXPECT_EQ(fx->find(0)->isPlaying(), c.soundOn && c.output);
        EXPECT_EQ(playing(kTown), c.musicOn && c.output);
        fx->stop(0);
        music->stop(kTown);
        TearDown();
    }
}

TEST_F(Sound, MusicLoopsResumesWhereItStoppedAndTheVolumeFollowsTheTrackThatPlays) {
    start();
    for (int key : {kTown, kShop, kBank}) {
        EXPECT_TRUE(music->find(key)->getRepeat() && music->find(key)->getLength() > 5.0) << key;
    }
    music->setVolume(kTown, 0.5f);
    music->setVolume(kBank, 2.0f);
    EXPECT_FLOAT_EQ(music->find(kBank)->getVolume(), 1.0f);
    for (int key : {kTown, kShop}) {
        SCOPED_TRACE(key);
        music->play(key);
        ASSERT_TRUE(playing(key));
        advance(key, 3.0);
        // The flat stops the current track and leaves it current.
        music->stop(music->getCurrent());
        EXPECT_TRUE(music->getCurrent() == key && Mix_PlayingMusic() == 0);
        EXPECT_GE(position(key), 3.0);
        music->play(key);
        EXPECT_TRUE(playing(key));
        // Restarting from the top would put it near 0.
        EXPECT_GE(position(key), 3.0 - 0.05);
        music->play(key);
        EXPECT_GE(position(key), 3.0 - 0.05) << "playing the current track does not restart it";
    }
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    music->setVolume(kTown, 0.25f);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME) << "a silent track leaves it alone";
    // Town, bank, town: the bank stops the shop and each keeps its place.
    music->play(kBank);
    EXPECT_TRUE(music->getCurrent() == kBank && !playing(kShop));
    advance(kBank, 1.5);
    music->play(kTown);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 4);
    EXPECT_TRUE(playing(kTown) && !playing(kBank));
    EXPECT_GE(position(kTown), 3.0 - 0.05);
    EXPECT_GE(position(kBank), 1.5);
    music->find(kTown)->reset();
    EXPECT_LT(position(kTown), 1.0);

    // Muted, what sounds plays on and nothing starts; entering the bank
    // stops the town's track and keeps the town current.
    fx->play(0);
    fx->setMuted(true);
    music->setMuted(true);
    EXPECT_TRUE(fx->isMuted());
    fx->play(0);
    music->play(kTown);
    EXPECT_TRUE(fx->find(0)->getPlayingCount() == 1 && playing(kTown));
    advance(kTown, 2.5);
    music->play(kBank);
    EXPECT_TRUE(music->getCurrent() == kTown && Mix_PlayingMusic() == 0);
    music->play(kTown);
    EXPECT_FALSE(playing(kTown));
    fx->setMuted(false);
    music->setMuted(false);
    fx->play(0);
    music->play(kTown);
    EXPECT_TRUE(fx->find(0)->getPlayingCount() == 2 && playing(kTown));
    EXPECT_GE(position(kTown), 2.5 - 0.05);
}

TEST_F(Sound, TheGameRegistersItsSixteenSoundsAndSkipsMissingOnes) {
    const auto& sounds = gameSounds();
    ASSERT_EQ(sounds.size(), 16u);
    // All but one effect and one track are there.
    auto present = [](const GameSound& s) {
        return s.key != SoundKey::Finish && s.key != SoundKey::ApartmentMusic;
    };
    for (const GameSound& sound : sounds) {
        if (present(sound)) {
            m_install.addFixture("snd", sound.file,
                                 sound.music ? "sound/tune_a.mp3" : "sound/effect.wav");
        }
    }
    start();
    test::LogCapture log;
    registerGameSounds();
    EXPECT_EQ(log.count(test::logLine("EE", kEffects + "openFile", kNoFile)), 1);
    EXPECT_EQ(log.count(test::logLine("EE", kStreams + "openFile", kNoFile)), 1);
    EXPECT_EQ(log.countPrefix("[WW] [Sound"), 0);
    EXPECT_TRUE(log.has(
        test::logLine("DD", "StreamPlayer::load", "loading sound from store2.mp3 as intey 15")));
    EXPECT_TRUE(fx->size() == 11 && music->size() == 3);
    for (const GameSound& sound : sounds) {
        // The keys are the table's indexes; the last four are music.
        EXPECT_TRUE(sound.key == &sound - &sounds[0] && sound.music == (sound.key >= 12));
        EXPECT_TRUE(!present(sound) || (sound.music ? music->find(sound.key)->getRepeat()
                                                    : fx->find(sound.key)->getType() == MULTIPLE))
            << sound.file;
    }
}
