#include "core/StreamPlayer.h"

#include "resource/ConstantManager.h"

StreamPlayer::StreamPlayer() {
    m_enabled = ConstantManager::instance()->getBool("musicEnabled");
}

void StreamPlayer::play(const int& key) {
    if (key != m_current) {
        stop(m_current);
        if (!m_muted) {
            SoundBase::play(key);
            m_current = key;
        }
        return;
    }
    if (exists(key) && !m_sounds[key]->isPlaying() && !m_muted) {
        SoundBase::play(key);
    }
}

void StreamPlayer::load(int key, const std::string& file, audio::FileFormat format) {
    Log::debug("StreamPlayer::load") << "loading sound from " << file << " as intey " << key;
    audio::FilePtr memory = openFile(file);
    if (!memory) {
        return;
    }
    audio::SampleSourcePtr source = audio::OpenSampleSource(memory, format);
    audio::OutputStreamPtr stream = audio::OpenSound(m_device, source, true);
    if (stream) {
        stream->setRepeat(true);
    }
    storeSound(key, stream);
}
