#pragma once

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "core/SoundPlayer.h"
#include "core/StreamPlayer.h"

namespace soundtest {

const char* const kEffectContext =
    "SoundBase<int,class audiere::RefPtr<class audiere::SoundEffect> >";
const char* const kStreamContext =
    "SoundBase<int,class audiere::RefPtr<class audiere::OutputStream> >";

// An installation of its own with the two sound switches in constants.xml
// and sound fixtures under snd/. The players are destroyed at the end so
// the next test starts with fresh ones even in one process.
class SoundTest : public ::testing::Test {
protected:
    void TearDown() override {
        SoundPlayer::destroy();
        StreamPlayer::destroy();
        test::Installation::unmount();
    }

    void install(bool soundEnabled = true, bool musicEnabled = true) {
        m_install.addFile("xml", "constants.xml",
                          std::string("<fiscora><Constants soundEnabled=\"") +
                              (soundEnabled ? "yes" : "no") + "\" musicEnabled=\"" +
                              (musicEnabled ? "yes" : "no") + "\"/></fiscora>\n");
        m_install.mount();
    }

    // Copies tests/data/sound/<fixture> as snd/<name>.
    void addSound(const std::string& name, const std::string& fixture) {
        m_install.addFixture("snd", name, "sound/" + fixture);
    }

    // Channels of the mixer sounding right now, whatever plays on them.
    static int soundingChannels() { return Mix_Playing(-1); }

    test::Installation m_install;
};

}  // namespace soundtest
