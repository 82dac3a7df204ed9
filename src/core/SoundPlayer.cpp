#include "core/SoundPlayer.h"

#include "resource/ConstantManager.h"

SoundPlayer::SoundPlayer() {
    m_enabled = ConstantManager::instance()->getBool("soundEnabled");
}

void SoundPlayer::load(int key, const std::string& file, audio::SoundEffectType type,
                       audio::FileFormat format) {
    Log::debug("SoundPlayer::load") << "loading sound from " << file << " as intey " << key;
    audio::FilePtr memory = openFile(file);
    if (!memory) {
        return;
    }
    audio::SampleSourcePtr source = audio::OpenSampleSource(memory, format);
    storeSound(key, audio::OpenSoundEffect(m_device, source, type));
}
