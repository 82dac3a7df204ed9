#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "TestSupport.h"
#include "core/audio/Audio.h"

namespace {

audio::FilePtr fixtureFile(const std::string& name) {
    const std::string bytes = test::readFile(test::fixturePath("sound/" + name));
    return audio::CreateMemoryFile(std::make_shared<audio::Bytes>(bytes.begin(), bytes.end()));
}

audio::OutputStreamPtr openMusic(const audio::DevicePtr& device, const std::string& name,
                                 audio::FileFormat format) {
    audio::OutputStreamPtr stream =
        audio::OpenSound(device, audio::OpenSampleSource(fixtureFile(name), format), true);
    if (stream) {
        stream->setRepeat(true);
    }
    return stream;
}

}  // namespace

TEST(SoundAdapter, BothOpenersShareOneOpenDevice) {
    audio::DevicePtr first = audio::OpenDevice();
    audio::DevicePtr second = audio::OpenDevice();
    ASSERT_TRUE(first->isOpen());
    EXPECT_EQ(first, second);
}

TEST(SoundAdapter, SampleSourcesRejectDataThatIsNotTheirFormat) {
    EXPECT_EQ(audio::OpenSampleSource(nullptr, audio::FF_WAV), nullptr);
    EXPECT_EQ(audio::OpenSampleSource(audio::CreateMemoryFile(std::make_shared<audio::Bytes>()),
                                      audio::FF_AUTODETECT),
              nullptr);
    EXPECT_EQ(audio::OpenSampleSource(fixtureFile("garbage.bin"), audio::FF_WAV), nullptr);
    EXPECT_EQ(audio::OpenSampleSource(fixtureFile("garbage.bin"), audio::FF_MP3), nullptr);
    EXPECT_EQ(audio::OpenSampleSource(fixtureFile("tune_a.mp3"), audio::FF_WAV), nullptr);

    auto wav = audio::OpenSampleSource(fixtureFile("effect.wav"), audio::FF_AUTODETECT);
    auto mp3 = audio::OpenSampleSource(fixtureFile("tune_a.mp3"), audio::FF_AUTODETECT);
    auto ogg = audio::OpenSampleSource(fixtureFile("tune_a.ogg"), audio::FF_AUTODETECT);
    ASSERT_TRUE(wav && mp3 && ogg);
    EXPECT_EQ(wav->getFormat(), audio::FF_WAV);
    EXPECT_EQ(mp3->getFormat(), audio::FF_MP3);
    EXPECT_EQ(ogg->getFormat(), audio::FF_OGG);
}

TEST(SoundAdapter, MultipleEffectPlaysOverlapAndStopEndsThemAll) {
    audio::DevicePtr device = audio::OpenDevice();
    auto source = audio::OpenSampleSource(fixtureFile("effect.wav"), audio::FF_WAV);
    audio::SoundEffectPtr effect = audio::OpenSoundEffect(device, source, audio::MULTIPLE);
    ASSERT_TRUE(effect);
    ASSERT_FALSE(effect->isSilent());
    EXPECT_EQ(effect->getPlayingCount(), 0);
    effect->play();
    effect->play();
    effect->play();
    EXPECT_EQ(effect->getPlayingCount(), 3);
    effect->stop();
    EXPECT_EQ(effect->getPlayingCount(), 0);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST(SoundAdapter, SingleEffectRestartsInsteadOfOverlapping) {
    audio::DevicePtr device = audio::OpenDevice();
    auto source = audio::OpenSampleSource(fixtureFile("effect.wav"), audio::FF_WAV);
    audio::SoundEffectPtr single = audio::OpenSoundEffect(device, source, audio::SINGLE);
    audio::SoundEffectPtr other = audio::OpenSoundEffect(device, source, audio::MULTIPLE);
    ASSERT_TRUE(single && other);
    other->play();
    single->play();
    single->play();
    EXPECT_EQ(single->getPlayingCount(), 1);
    // Stopping one effect leaves another that shares its file alone.
    single->stop();
    EXPECT_EQ(single->getPlayingCount(), 0);
    EXPECT_EQ(other->getPlayingCount(), 1);
}

TEST(SoundAdapter, UndecodableDataGivesNoEffectAndNoStream) {
    audio::DevicePtr device = audio::OpenDevice();
    // Passes the format check (it is RIFF/WAVE) but holds no audio chunk.
    const std::string broken = std::string("RIFF\x24\0\0\0WAVEjunk\x04\0\0\0abcd", 24);
    auto bytes = std::make_shared<audio::Bytes>(broken.begin(), broken.end());
    auto source = audio::OpenSampleSource(audio::CreateMemoryFile(bytes), audio::FF_WAV);
    ASSERT_TRUE(source);
    EXPECT_EQ(audio::OpenSoundEffect(device, source, audio::MULTIPLE), nullptr);
    EXPECT_EQ(audio::OpenSound(device, source, true), nullptr);
    EXPECT_EQ(audio::OpenSoundEffect(device, nullptr, audio::MULTIPLE), nullptr);
    EXPECT_EQ(audio::OpenSound(device, nullptr, true), nullptr);
}

TEST(SoundAdapter, StoppedStreamResumesWhereItStopped) {
    audio::DevicePtr device = audio::OpenDevice();
    for (audio::FileFormat format : {audio::FF_MP3, audio::FF_OGG}) {
        SCOPED_TRACE(format == audio::FF_MP3 ? "mp3" : "ogg");
        auto stream =
            openMusic(device, format == audio::FF_MP3 ? "tune_a.mp3" : "tune_a.ogg", format);
        ASSERT_TRUE(stream);
        EXPECT_GT(stream->getLength(), 5.0);
        stream->play();
        ASSERT_TRUE(stream->isPlaying());
        stream->setPosition(3.0);
        stream->stop();
        EXPECT_FALSE(stream->isPlaying());
        EXPECT_EQ(Mix_PlayingMusic(), 0);
        const double stoppedAt = stream->getPosition();
        EXPECT_GE(stoppedAt, 3.0);

        stream->play();
        ASSERT_TRUE(stream->isPlaying());
        // Restarting from the top would put it near 0.
        EXPECT_GE(stream->getPosition(), stoppedAt - 0.05);
        stream->reset();
        EXPECT_LT(stream->getPosition(), 1.0);
        stream->stop();
    }
}

TEST(SoundAdapter, StartingAnotherStreamStopsTheFirstAndKeepsItsPlace) {
    audio::DevicePtr device = audio::OpenDevice();
    auto town = openMusic(device, "tune_a.mp3", audio::FF_MP3);
    auto bank = openMusic(device, "tune_b.mp3", audio::FF_MP3);
    ASSERT_TRUE(town && bank);
    town->play();
    town->setPosition(2.5);
    bank->play();
    EXPECT_FALSE(town->isPlaying());
    EXPECT_TRUE(bank->isPlaying());
    EXPECT_GE(town->getPosition(), 2.5);

    bank->setPosition(1.5);
    town->play();
    EXPECT_TRUE(town->isPlaying());
    EXPECT_FALSE(bank->isPlaying());
    EXPECT_GE(town->getPosition(), 2.5 - 0.05);
    EXPECT_GE(bank->getPosition(), 1.5);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

TEST(SoundAdapter, StreamVolumeFollowsTheStreamThatPlays) {
    audio::DevicePtr device = audio::OpenDevice();
    auto town = openMusic(device, "tune_a.mp3", audio::FF_MP3);
    auto bank = openMusic(device, "tune_b.mp3", audio::FF_MP3);
    ASSERT_TRUE(town && bank);
    town->setVolume(0.5f);
    bank->setVolume(2.0f);
    EXPECT_FLOAT_EQ(bank->getVolume(), 1.0f);
    town->play();
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
    // A stream that does not play leaves the music's volume alone.
    bank->setVolume(0.25f);
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 2);
    bank->play();
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME / 4);
}

TEST(SoundAdapter, StreamOutlivesTheBytesItsReaderLetGo) {
    audio::DevicePtr device = audio::OpenDevice();
    const std::string data = test::readFile(test::fixturePath("sound/tune_a.mp3"));
    auto bytes = std::make_shared<audio::Bytes>(data.begin(), data.end());
    std::weak_ptr<const audio::Bytes> watch = bytes;
    auto stream = audio::OpenSound(
        device, audio::OpenSampleSource(audio::CreateMemoryFile(bytes), audio::FF_MP3), true);
    ASSERT_TRUE(stream);
    bytes.reset();
    EXPECT_FALSE(watch.expired());
    stream->play();
    stream->setPosition(4.0);
    EXPECT_TRUE(stream->isPlaying());
    stream.reset();
    EXPECT_TRUE(watch.expired());
}

TEST(SoundAdapter, WithoutAnOutputEverythingIsSilentButExists) {
    // No such driver: the output cannot open.
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string restore = previous ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    test::LogCapture log;
    {
        audio::DevicePtr device = audio::OpenDevice();
        audio::DevicePtr again = audio::OpenDevice();
        EXPECT_FALSE(device->isOpen());
        EXPECT_EQ(log.countPrefix("[EE] [audio::Device::Device]"), 1);

        auto effect = audio::OpenSoundEffect(
            device, audio::OpenSampleSource(fixtureFile("effect.wav"), audio::FF_WAV),
            audio::MULTIPLE);
        auto stream = openMusic(device, "tune_a.mp3", audio::FF_MP3);
        ASSERT_TRUE(effect && stream);
        EXPECT_TRUE(effect->isSilent());
        EXPECT_TRUE(stream->isSilent());
        effect->play();
        stream->play();
        stream->setVolume(0.5f);
        EXPECT_FALSE(effect->isPlaying());
        EXPECT_FALSE(stream->isPlaying());
        stream->stop();
        effect->stop();
    }
    if (previous) {
        setenv("SDL_AUDIODRIVER", restore.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}
