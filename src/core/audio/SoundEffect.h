#pragma once

#include <memory>

#include "core/audio/Device.h"
#include "core/audio/SampleSource.h"

struct Mix_Chunk;

namespace audio {

// SINGLE: a new play cuts the previous one off. MULTIPLE: plays overlap.
enum SoundEffectType { SINGLE, MULTIPLE };

// A short sound decoded once into memory. Every play starts from the
// beginning on a free mixer channel.
class SoundEffect {
public:
    // A null chunk makes a silent effect (no audio device).
    SoundEffect(DevicePtr device, Mix_Chunk* chunk, SoundEffectType type);
    ~SoundEffect();
    SoundEffect(const SoundEffect&) = delete;
    SoundEffect& operator=(const SoundEffect&) = delete;

    void play();
    // Stops every play of this effect.
    void stop();
    // 0.0 silent to 1.0 full; values outside are clamped.
    void setVolume(float volume);
    float getVolume() const { return m_volume; }

    // How many plays of this effect sound right now.
    int getPlayingCount() const;
    bool isPlaying() const { return getPlayingCount() > 0; }
    bool isSilent() const { return m_chunk == nullptr; }
    SoundEffectType getType() const { return m_type; }

private:
    DevicePtr m_device;
    Mix_Chunk* m_chunk;
    SoundEffectType m_type;
    float m_volume = 1.0f;
};

using SoundEffectPtr = std::shared_ptr<SoundEffect>;

// Decodes the whole source. Null when there is no source or its data does
// not decode; a silent effect when the device is closed.
SoundEffectPtr OpenSoundEffect(const DevicePtr& device, const SampleSourcePtr& source,
                               SoundEffectType type);

}  // namespace audio
