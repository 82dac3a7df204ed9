#include "core/audio/SoundEffect.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>

#include "core/Log.h"

namespace audio {

namespace {

int mixerVolume(float volume) {
    const float clamped = volume < 0.0f ? 0.0f : (volume > 1.0f ? 1.0f : volume);
    return static_cast<int>(std::lround(clamped * MIX_MAX_VOLUME));
}

}  // namespace

SoundEffect::SoundEffect(DevicePtr device, Mix_Chunk* chunk, SoundEffectType type)
    : m_device(std::move(device)), m_chunk(chunk), m_type(type) {}

SoundEffect::~SoundEffect() {
    if (m_chunk) {
        stop();
        Mix_FreeChunk(m_chunk);
    }
}

void SoundEffect::play() {
    if (!m_chunk) {
        return;
    }
    if (m_type == SINGLE) {
        stop();
    }
    // No free channel means this play is dropped; the others keep sounding.
    Mix_PlayChannel(-1, m_chunk, 0);
}

void SoundEffect::stop() {
    if (!m_chunk) {
        return;
    }
    const int channels = Mix_AllocateChannels(-1);
    for (int channel = 0; channel < channels; ++channel) {
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == m_chunk) {
            Mix_HaltChannel(channel);
        }
    }
}

void SoundEffect::setVolume(float volume) {
    m_volume = volume < 0.0f ? 0.0f : (volume > 1.0f ? 1.0f : volume);
    if (m_chunk) {
        Mix_VolumeChunk(m_chunk, mixerVolume(m_volume));
    }
}

int SoundEffect::getPlayingCount() const {
    if (!m_chunk) {
        return 0;
    }
    int count = 0;
    const int channels = Mix_AllocateChannels(-1);
    for (int channel = 0; channel < channels; ++channel) {
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == m_chunk) {
            ++count;
        }
    }
    return count;
}

SoundEffectPtr OpenSoundEffect(const DevicePtr& device, const SampleSourcePtr& source,
                               SoundEffectType type) {
    if (!device || !source) {
        return nullptr;
    }
    if (!device->isOpen()) {
        return std::make_shared<SoundEffect>(device, nullptr, type);
    }
    const File& file = *source->getFile();
    SDL_RWops* ops = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    Mix_Chunk* chunk = ops ? Mix_LoadWAV_RW(ops, 1) : nullptr;
    if (!chunk) {
        Log::debug("audio::OpenSoundEffect") << "cannot decode: " << Mix_GetError();
        return nullptr;
    }
    return std::make_shared<SoundEffect>(device, chunk, type);
}

}  // namespace audio
