#pragma once

#include <cstdint>
#include <memory>

#include "core/audio/Device.h"
#include "core/audio/SampleSource.h"

typedef struct _Mix_Music Mix_Music;

namespace audio {

// Music decoded from its in-memory file as it plays. Only one stream sounds
// at a time (SDL_mixer has one music): starting one stops the other. Each
// stream keeps its own position, so a stopped stream resumes where it
// stopped, and its own volume.
class OutputStream {
public:
    // A null music makes a silent stream (no audio device).
    OutputStream(DevicePtr device, Mix_Music* music, SampleSourcePtr source);
    ~OutputStream();
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    // From the kept position; does nothing while playing.
    void play();
    // Keeps the position.
    void stop();
    bool isPlaying() const;
    // Back to the beginning; a playing stream goes on from there.
    void reset() { setPosition(0.0); }

    void setRepeat(bool repeat) { m_repeat = repeat; }
    bool getRepeat() const { return m_repeat; }
    // 0.0 silent to 1.0 full; values outside are clamped.
    void setVolume(float volume);
    float getVolume() const { return m_volume; }

    // Seconds from the beginning.
    double getPosition() const;
    void setPosition(double seconds);
    // Seconds; 0 when unknown.
    double getLength() const;
    bool isSilent() const { return m_music == nullptr; }

private:
    bool ownsMusic() const;
    // Takes the position from the mixer before someone else takes the music.
    void yieldMusic();
    double trackedPosition() const;

    DevicePtr m_device;
    Mix_Music* m_music;
    SampleSourcePtr m_source;  // its bytes are what the music decodes
    bool m_repeat = false;
    bool m_playing = false;
    float m_volume = 1.0f;
    double m_position = 0.0;
    // Where the mixer cannot tell the position: when this play began.
    uint32_t m_startTicks = 0;
};

using OutputStreamPtr = std::shared_ptr<OutputStream>;

// A streamed sound on the source (`streaming` is always honoured as true:
// music is decoded while it plays). Null when there is no source or it does
// not decode; a silent stream when the device is closed.
OutputStreamPtr OpenSound(const DevicePtr& device, const SampleSourcePtr& source,
                          bool streaming = true);

}  // namespace audio
